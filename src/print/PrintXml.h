#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <vector>

// One element of the declaration's XML: its name, its attributes in document order and its child
// elements. Text between elements carries nothing in the exchange format and is not kept.
struct PrintXmlElement
{
    QString name;
    QList<QPair<QString, QString>> attributes;
    std::vector<std::unique_ptr<PrintXmlElement>> children;

    // The value of an attribute, or an empty text when the element has none of that name.
    QString attribute(const QString& attributeName) const;
    // The first child of that name, or nullptr.
    const PrintXmlElement* child(const QString& childName) const;
};

// Reads the XML text of a declaration into elements. Document type declarations (and so every
// entity declaration) are refused, nothing is fetched, and the depth and the number of elements
// and attributes are bounded, so hostile text fails with a message instead of exhausting memory.
class PrintXml
{
public:
    static constexpr int MaxDepth = 32;
    static constexpr qsizetype MaxNodes = 500000;

    // The root element, or nullptr with the reason in error.
    static std::unique_ptr<PrintXmlElement> parse(const QString& text, QString& error);
};
