#include "print/FormLayout.h"

#include "print/FormTable.h"
#include "print/PrintXml.h"

#include <QHash>
#include <QMap>

namespace {

const QString titleSheet = QStringLiteral("T");

class Builder
{
public:
    explicit Builder(const FormTable& table) : m_table(table) {}

    void addParameters(const PrintParameters& parameters)
    {
        for (const auto& [name, value] : parameters)
            m_rows[titleSheet].append({PrintRow::Kind::Field, QString(), name, value, QString()});
    }

    void walk(const PrintXmlElement& element, const QString& parent, const QString& sheet,
              int number)
    {
        const FormBlock* block = m_table.block(parent, element.name);
        QString here = block && !block->sheet.isEmpty() ? block->sheet : sheet;
        if (!block && parent == QStringLiteral("СведДохВыч"))
            here = element.name;
        QList<PrintRow>& rows = m_rows[here];
        if (!m_titles.contains(here))
            m_titles.insert(here, m_table.sheetTitle(here).isEmpty()
                                      ? QStringLiteral("Сведения «%1»").arg(here)
                                      : m_table.sheetTitle(here));
        const QString title = block ? block->title : element.name;
        if (!title.isEmpty()) {
            rows.append({PrintRow::Kind::Heading, QString(),
                         QString(title).replace(QLatin1String("%n"), QString::number(number)),
                         QString(), QString()});
        }
        for (const auto& [name, value] : element.attributes) {
            if (element.name == QStringLiteral("Файл"))
                continue;
            if (element.name == QStringLiteral("Документ") && name == QStringLiteral("КНД"))
                continue;
            if (element.name == QStringLiteral("Документ") && name == QStringLiteral("ДатаДок")) {
                m_date = value;
                continue;
            }
            const FormLine line = block ? block->lines.value(name) : FormLine();
            rows.append({PrintRow::Kind::Field, line.code,
                         line.caption.isEmpty() ? name : line.caption, value,
                         element.name + QLatin1Char('/') + name});
        }
        QHash<QString, int> seen;
        for (const auto& child : element.children)
            walk(*child, element.name, here, ++seen[child->name]);
        if (element.name == QStringLiteral("Подписант")) {
            m_rows[here].append({PrintRow::Kind::Signature, QString(), QStringLiteral("Дата"),
                                 m_date, QStringLiteral("Документ/ДатаДок")});
        }
    }

    QList<PrintSheet> sheets() const
    {
        QList<PrintSheet> result;
        QStringList order = m_table.sheetOrder();
        for (auto it = m_rows.constBegin(); it != m_rows.constEnd(); ++it) {
            if (!order.contains(it.key()))
                order << it.key();
        }
        for (const QString& key : order) {
            const auto rows = m_rows.constFind(key);
            if (rows != m_rows.constEnd() && !rows->isEmpty())
                result.append({key, m_titles.value(key), *rows});
        }
        return result;
    }

private:
    const FormTable& m_table;
    QMap<QString, QList<PrintRow>> m_rows;
    QHash<QString, QString> m_titles;
    QString m_date;
};

QString initials(const PrintXmlElement* name)
{
    if (!name)
        return QString();
    QString text = name->attribute(QStringLiteral("Фамилия")).trimmed();
    for (const QString& part : {name->attribute(QStringLiteral("Имя")).trimmed(),
                                name->attribute(QStringLiteral("Отчество")).trimmed()}) {
        if (!part.isEmpty())
            text += QLatin1Char(' ') + part.left(1) + QLatin1Char('.');
    }
    return text;
}

} // namespace

std::optional<PrintForm> FormLayout::build(const PrintXmlElement& root,
                                           const PrintParameters& parameters, QString& error)
{
    const PrintXmlElement* document = root.child(QStringLiteral("Документ"));
    if (root.name != QStringLiteral("Файл") || !document) {
        error = QStringLiteral("XML-документ не содержит налоговой декларации");
        return std::nullopt;
    }
    PrintForm form;
    form.knd = document->attribute(QStringLiteral("КНД"));
    form.formName = document->child(QStringLiteral("НДФЛ4")) ? QStringLiteral("4-НДФЛ")
                                                             : QStringLiteral("3-НДФЛ");
    if (const PrintXmlElement* taxpayer = document->child(QStringLiteral("СвНП"))) {
        if (const PrintXmlElement* person = taxpayer->child(QStringLiteral("НПФЛ3"))) {
            form.taxpayer = initials(person->child(QStringLiteral("ФИОФЛ")));
            for (const char16_t* personal : {u"СведФЛ1", u"СведФЛ2"}) {
                if (const PrintXmlElement* data = person->child(QString::fromUtf16(personal)))
                    form.inn = data->attribute(QStringLiteral("ИННФЛ"));
            }
        } else if (const PrintXmlElement* estimated = taxpayer->child(QStringLiteral("НПФЛ"))) {
            form.taxpayer = initials(estimated->child(QStringLiteral("ФИО")));
            form.inn = estimated->attribute(QStringLiteral("ИННФЛ"));
        }
    }

    Builder builder(FormTable::instance());
    builder.addParameters(parameters);
    builder.walk(root, QString(), titleSheet, 1);
    form.sheets = builder.sheets();
    return form;
}
