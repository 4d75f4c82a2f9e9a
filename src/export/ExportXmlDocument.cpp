#include "export/ExportXmlDocument.h"

#include "export/ExportError.h"

#include <libxml/tree.h>
#include <new>

namespace {

const xmlChar* xml(const char* utf8)
{
    return reinterpret_cast<const xmlChar*>(utf8);
}

// Control characters have no place in the file: XML 1.0 cannot carry most of them, and the C1
// ones decode from bytes that Windows-1251 leaves undefined. Everything else outside
// Windows-1251 is caught by its encoder.
bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != 0x09 && u != 0x0a && u != 0x0d) || (u >= 0x7f && u <= 0x9f);
}

QString refusedValue(const QString& value)
{
    return QStringLiteral("Текст «%1» содержит знаки, которые нельзя записать в файл в кодировке "
                          "Windows-1251.")
        .arg(value);
}

} // namespace

ExportXmlElement ExportXmlElement::addChild(const char* name) const
{
    xmlNodePtr child = xmlNewChild(m_node, nullptr, xml(name), nullptr);
    if (!child)
        throw std::bad_alloc();
    return ExportXmlElement(child, m_encoder);
}

void ExportXmlElement::setAttribute(const char* name, const QString& value) const
{
    for (const QChar c : value) {
        if (isControl(c))
            throw ExportError(refusedValue(value));
    }
    m_encoder->resetState();
    const QByteArray encoded = m_encoder->encode(value);
    if (m_encoder->hasError())
        throw ExportError(refusedValue(value));
    if (!xmlNewProp(m_node, xml(name), xml(value.toUtf8().constData())))
        throw std::bad_alloc();
}

void ExportXmlDocument::DocFree::operator()(_xmlDoc* doc) const
{
    xmlFreeDoc(doc);
}

ExportXmlDocument::ExportXmlDocument(const char* rootName)
    : m_doc(xmlNewDoc(xml("1.0"))), m_encoder(std::make_unique<QStringEncoder>("windows-1251"))
{
    if (!m_doc)
        throw std::bad_alloc();
    if (!m_encoder->isValid())
        throw ExportError(QStringLiteral("Кодировка Windows-1251 недоступна."));
    xmlNodePtr root = xmlNewDocNode(m_doc.get(), nullptr, xml(rootName), nullptr);
    if (!root)
        throw std::bad_alloc();
    xmlDocSetRootElement(m_doc.get(), root);
}

ExportXmlDocument::~ExportXmlDocument() = default;

ExportXmlElement ExportXmlDocument::root() const
{
    return ExportXmlElement(xmlDocGetRootElement(m_doc.get()), m_encoder.get());
}

QByteArray ExportXmlDocument::toWindows1251() const
{
    xmlChar* memory = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(m_doc.get(), &memory, &size, "windows-1251", 0);
    if (!memory)
        throw ExportError(QStringLiteral("Не удалось записать документ XML в кодировке "
                                         "Windows-1251."));
    QByteArray bytes(reinterpret_cast<const char*>(memory), size);
    xmlFree(memory);
    return bytes;
}
