#include "print/PrintXml.h"

#include <QXmlStreamReader>

QString PrintXmlElement::attribute(const QString& attributeName) const
{
    for (const auto& [key, value] : attributes) {
        if (key == attributeName)
            return value;
    }
    return QString();
}

const PrintXmlElement* PrintXmlElement::child(const QString& childName) const
{
    for (const auto& element : children) {
        if (element->name == childName)
            return element.get();
    }
    return nullptr;
}

namespace {

QString located(const QXmlStreamReader& reader, const QString& what)
{
    return QStringLiteral("Ошибка в XML-документе (строка %1, позиция %2): %3")
        .arg(reader.lineNumber())
        .arg(reader.columnNumber())
        .arg(what);
}

} // namespace

std::unique_ptr<PrintXmlElement> PrintXml::parse(const QString& text, QString& error)
{
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    std::unique_ptr<PrintXmlElement> root;
    std::vector<PrintXmlElement*> open;
    qsizetype nodes = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            error = located(reader, QStringLiteral("объявление типа документа не допускается"));
            return nullptr;
        case QXmlStreamReader::EntityReference:
            error = located(reader, QStringLiteral("ссылка на сущность не допускается"));
            return nullptr;
        case QXmlStreamReader::StartElement: {
            const auto attributes = reader.attributes();
            nodes += 1 + attributes.size();
            if (open.size() >= MaxDepth || nodes > MaxNodes) {
                error = located(reader, QStringLiteral("документ слишком велик"));
                return nullptr;
            }
            auto element = std::make_unique<PrintXmlElement>();
            element->name = reader.name().toString();
            for (const QXmlStreamAttribute& attribute : attributes)
                element->attributes.append(
                    {attribute.qualifiedName().toString(), attribute.value().toString()});
            PrintXmlElement* added = element.get();
            if (open.empty())
                root = std::move(element);
            else
                open.back()->children.push_back(std::move(element));
            open.push_back(added);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        error = located(reader, reader.errorString());
        return nullptr;
    }
    if (!root) {
        error = QStringLiteral("Ошибка в XML-документе: нет корневого элемента");
        return nullptr;
    }
    return root;
}
