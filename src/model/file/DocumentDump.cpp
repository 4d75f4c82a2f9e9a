#include "model/file/DocumentDump.h"

#include "model/Declaration.h"
#include "model/file/DeclarationSignature.h"
#include "storage/DayCount.h"
#include "storage/DocumentStorage.h"

#include <memory>
#include <vector>

namespace {

QByteArray quoted(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (uchar(c) < 0x20)
                out += "\\u" + QByteArray::number(uchar(c), 16).rightJustified(4, '0');
            else
                out += c;
        }
    }
    return out + '"';
}

// An ordered JSON tree: objects keep their members in the order they were added.
struct Node
{
    enum class Kind
    {
        Object,
        Array,
        Value
    } kind = Kind::Object;
    QByteArray value;
    std::vector<std::pair<QByteArray, std::unique_ptr<Node>>> members;
    std::vector<std::unique_ptr<Node>> items;

    Node* member(const QByteArray& name, Kind memberKind)
    {
        for (auto& [key, node] : members) {
            if (key == name)
                return node.get();
        }
        auto node = std::make_unique<Node>();
        node->kind = memberKind;
        members.emplace_back(name, std::move(node));
        return members.back().second.get();
    }

    void write(QByteArray& out, int indent) const
    {
        const QByteArray pad(indent + 2, ' ');
        switch (kind) {
        case Kind::Value:
            out += value;
            break;
        case Kind::Object:
            out += '{';
            for (size_t i = 0; i < members.size(); ++i) {
                out +=
                    (i ? ",\n" : "\n") + pad + quoted(QString::fromLatin1(members[i].first)) + ": ";
                members[i].second->write(out, indent + 2);
            }
            out += members.empty() ? "}" : "\n" + QByteArray(indent, ' ') + '}';
            break;
        case Kind::Array:
            out += '[';
            for (size_t i = 0; i < items.size(); ++i) {
                out += (i ? ",\n" : "\n") + pad;
                items[i]->write(out, indent + 2);
            }
            out += items.empty() ? "]" : "\n" + QByteArray(indent, ' ') + ']';
            break;
        }
    }
};

class DumpIO : public RecordIO
{
public:
    explicit DumpIO(Node& root)
    {
        m_levels.push_back({root.member("streams", Node::Kind::Array), nullptr});
    }

    bool reading() const override { return false; }
    QString signature() const override { return DeclarationSignature::current(); }
    quint32 version() const override { return mTDocumentStorage::kVersionNumericDates; }

    void stream(QLatin1StringView name) override
    {
        auto node = std::make_unique<Node>();
        node->member("stream", Node::Kind::Value)->value = quoted(QString(name));
        Level& level = m_levels.back();
        level.current = node.get();
        level.list->items.push_back(std::move(node));
    }
    bool optionalStream(QLatin1StringView name) override
    {
        stream(name);
        return true;
    }

    void text(FieldName field, QString& value) override { put(field, quoted(value)); }
    void integer(FieldName field, qint32& value) override { put(field, QByteArray::number(value)); }
    void word(FieldName field, quint16& value) override { put(field, QByteArray::number(value)); }
    void byte(FieldName field, quint8& value) override { put(field, QByteArray::number(value)); }
    void lenientByte(FieldName field, quint8& value) override { byte(field, value); }
    void money(FieldName field, Money& value) override { put(field, quoted(value.toFixed4())); }
    void date(FieldName field, double& value) override
    {
        const QDate date = DayCount::toDate(value);
        put(field, date.isValid() ? quoted(date.toString(Qt::ISODate))
                                  : QByteArray::number(value, 'g', 15));
    }

    void beginList(const char* name) override
    {
        Node* list = m_levels.back().current->member(name, Node::Kind::Array);
        m_levels.push_back({list, nullptr});
    }
    void endList() override { m_levels.pop_back(); }

private:
    struct Level
    {
        Node* list;
        Node* current;
    };

    void put(FieldName field, const QByteArray& value)
    {
        Node* target = m_levels.back().current;
        if (field.index < 0) {
            target->member(field.name, Node::Kind::Value)->value = value;
            return;
        }
        Node* array = target->member(field.name, Node::Kind::Array);
        auto item = std::make_unique<Node>();
        item->kind = Node::Kind::Value;
        item->value = value;
        array->items.push_back(std::move(item));
    }

    std::vector<Level> m_levels;
};

} // namespace

namespace DocumentDump {

QByteArray toJson(const mTDeclaration& declaration)
{
    Node root;
    root.member("signature", Node::Kind::Value)->value = quoted(DeclarationSignature::current());
    root.member("IncomeKinds", Node::Kind::Value)->value =
        QByteArray::number(declaration.IncomeKinds());
    DumpIO io(root);
    const_cast<mTDeclaration&>(declaration).Transfer(io);
    QByteArray out;
    root.write(out, 0);
    return out + '\n';
}

} // namespace DocumentDump
