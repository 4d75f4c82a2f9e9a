#include "calc/SheetPrinter.h"

#include "calc/SheetVisitor.h"
#include "calc/SvodSum.h"
#include "storage/DayCount.h"

#include <vector>

namespace {

QString dateText(double dayCount)
{
    const QDate date = DayCount::toDate(dayCount);
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QByteArray ratioText(long double value)
{
    return QByteArray::number(double(value), 'g', 15);
}

QByteArray quoted(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            out += '\\' + QByteArray(1, c);
        else if (uchar(c) < 0x20)
            out += "\\u" + QByteArray::number(uchar(c), 16).rightJustified(4, '0');
        else
            out += c;
    }
    return out + '"';
}

class JsonWriter : public SheetVisitor
{
public:
    QByteArray out;

    void money(const char* name, Money value) override { value_(name, quoted(value.toFixed4())); }
    void integer(const char* name, qint64 value) override
    {
        value_(name, QByteArray::number(value));
    }
    void text(const char* name, const QString& value) override { value_(name, quoted(value)); }
    void date(const char* name, double dayCount) override
    {
        value_(name, quoted(dateText(dayCount)));
    }
    void ratio(const char* name, long double value) override { value_(name, ratioText(value)); }
    void beginObject(const char* name) override { open(name, '{'); }
    void endObject() override { close('}'); }
    void beginArray(const char* name) override { open(name, '['); }
    void endArray() override { close(']'); }

private:
    void separate()
    {
        if (!m_first.empty() && !m_first.back())
            out += ',';
        if (!m_first.empty())
            m_first.back() = false;
    }
    void key(const char* name)
    {
        separate();
        if (name)
            out += quoted(QString::fromLatin1(name)) + ':';
    }
    void value_(const char* name, const QByteArray& value)
    {
        key(name);
        out += value;
    }
    void open(const char* name, char bracket)
    {
        key(name);
        out += bracket;
        m_first.push_back(true);
    }
    void close(char bracket)
    {
        out += bracket;
        m_first.pop_back();
    }

    std::vector<bool> m_first;
};

class LineWriter : public SheetVisitor
{
public:
    QByteArray out;

    void money(const char* name, Money value) override { line(name, value.toFixed4().toUtf8()); }
    void integer(const char* name, qint64 value) override { line(name, QByteArray::number(value)); }
    void text(const char* name, const QString& value) override { line(name, value.toUtf8()); }
    void date(const char* name, double dayCount) override
    {
        line(name, dateText(dayCount).toUtf8());
    }
    void ratio(const char* name, long double value) override { line(name, ratioText(value)); }
    void beginObject(const char* name) override { m_path.push_back({segment(name), -1}); }
    void endObject() override { m_path.pop_back(); }
    void beginArray(const char* name) override { m_path.push_back({segment(name), 0}); }
    void endArray() override { m_path.pop_back(); }

private:
    struct Level
    {
        QByteArray name;
        int nextIndex; // -1 for an object
    };

    // The name of a member, or the index of an array element.
    QByteArray segment(const char* name)
    {
        if (name)
            return name;
        if (m_path.empty() || m_path.back().nextIndex < 0)
            return QByteArray();
        return '[' + QByteArray::number(m_path.back().nextIndex++) + ']';
    }
    void line(const char* name, const QByteArray& value)
    {
        QByteArray path;
        for (const Level& level : m_path) {
            if (!path.isEmpty() && !level.name.startsWith('['))
                path += '.';
            path += level.name;
        }
        const QByteArray own = segment(name);
        if (!path.isEmpty() && !own.startsWith('['))
            path += '.';
        out += path + own + " = " + value + '\n';
    }

    std::vector<Level> m_path;
};

} // namespace

namespace SheetPrinter {

QByteArray toJson(const kTSvodSum& sum)
{
    JsonWriter writer;
    writer.beginObject(nullptr);
    sum.Visit(writer);
    writer.endObject();
    return writer.out + '\n';
}

QByteArray toLines(const kTSvodSum& sum)
{
    LineWriter writer;
    sum.Visit(writer);
    return writer.out;
}

} // namespace SheetPrinter
