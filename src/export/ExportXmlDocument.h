#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <memory>

struct _xmlDoc;
struct _xmlNode;

// An element of an ExportXmlDocument. The handle is only valid while its document lives.
class ExportXmlElement
{
public:
    // Appends a new element as the last child. Names are UTF-8.
    ExportXmlElement addChild(const char* name) const;
    // Adds an attribute after the ones already there, with the value exactly as given.
    void setAttribute(const char* name, const QString& value) const;

private:
    friend class ExportXmlDocument;
    ExportXmlElement(_xmlNode* node, QStringEncoder* encoder) : m_node(node), m_encoder(encoder) {}

    _xmlNode* m_node;
    QStringEncoder* m_encoder;
};

// An XML document whose elements keep their order and whose attributes keep the order in which
// they were set; it is written in Windows-1251 with its XML declaration and no added whitespace.
// A value that Windows-1251 cannot hold, or that XML cannot carry (control characters), is
// refused with an ExportError when it is set, so a written document always reads back as it was
// built.
class ExportXmlDocument
{
public:
    explicit ExportXmlDocument(const char* rootName);
    ~ExportXmlDocument();
    ExportXmlDocument(const ExportXmlDocument&) = delete;
    ExportXmlDocument& operator=(const ExportXmlDocument&) = delete;
    ExportXmlDocument(ExportXmlDocument&&) noexcept = default;
    ExportXmlDocument& operator=(ExportXmlDocument&&) noexcept = default;

    ExportXmlElement root() const;
    // The document's bytes: the declaration of version 1.0 and encoding windows-1251, then the
    // elements.
    QByteArray toWindows1251() const;

private:
    struct DocFree
    {
        void operator()(_xmlDoc* doc) const;
    };
    std::unique_ptr<_xmlDoc, DocFree> m_doc;
    std::unique_ptr<QStringEncoder> m_encoder;
};
