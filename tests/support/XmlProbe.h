#pragma once

// Reads an exported document back with an ordinary XML parser and answers XPath questions about
// it, so the tests see the file as the tax authority's software would.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <libxml/parser.h>
#include <libxml/xpath.h>

class XmlProbe
{
public:
    explicit XmlProbe(const QByteArray& bytes)
        : m_doc(xmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr,
                              XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING))
    {
        if (m_doc)
            m_context = xmlXPathNewContext(m_doc);
    }
    ~XmlProbe()
    {
        xmlXPathFreeContext(m_context);
        xmlFreeDoc(m_doc);
    }
    XmlProbe(const XmlProbe&) = delete;
    XmlProbe& operator=(const XmlProbe&) = delete;

    bool isWellFormed() const { return m_doc != nullptr; }
    // How many nodes the path selects.
    int count(const QString& path) const
    {
        int n = 0;
        eachNode(path, [&](xmlNodePtr) { ++n; });
        return n;
    }
    // The text of the first node the path selects; a null string when it selects none.
    QString value(const QString& path) const
    {
        const QStringList all = values(path);
        return all.isEmpty() ? QString() : all.first();
    }
    // The texts of every node the path selects (attribute values for "@name" paths).
    QStringList values(const QString& path) const
    {
        QStringList result;
        eachNode(path, [&](xmlNodePtr node) {
            xmlChar* text = xmlNodeGetContent(node);
            result << utf8(text);
            xmlFree(text);
        });
        return result;
    }
    // The names of the first selected element's attributes, in document order.
    QStringList attributeNames(const QString& path) const
    {
        QStringList names;
        bool first = true;
        eachNode(path, [&](xmlNodePtr node) {
            for (xmlAttrPtr a = node->properties; first && a; a = a->next)
                names << utf8(a->name);
            first = false;
        });
        return names;
    }
    // The names of the first selected element's child elements, in document order.
    QStringList childNames(const QString& path) const
    {
        QStringList names;
        bool first = true;
        eachNode(path, [&](xmlNodePtr node) {
            for (xmlNodePtr c = node->children; first && c; c = c->next) {
                if (c->type == XML_ELEMENT_NODE)
                    names << utf8(c->name);
            }
            first = false;
        });
        return names;
    }

private:
    static QString utf8(const xmlChar* text)
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(text));
    }

    template <class F> void eachNode(const QString& path, F f) const
    {
        if (!m_context)
            return;
        // This libxml2 misreads an absolute path whose first step is a non-ASCII name followed
        // by an attribute step; naming the axis of the first step avoids it.
        QString spelled = path;
        if (spelled.startsWith(QLatin1Char('/')) && !spelled.startsWith(QLatin1String("//")))
            spelled.replace(0, 1, QStringLiteral("/child::"));
        const QByteArray expression = spelled.toUtf8();
        xmlXPathObjectPtr found = xmlXPathEvalExpression(
            reinterpret_cast<const xmlChar*>(expression.constData()), m_context);
        if (found && found->nodesetval) {
            for (int i = 0; i < found->nodesetval->nodeNr; ++i)
                f(found->nodesetval->nodeTab[i]);
        }
        xmlXPathFreeObject(found);
    }

    xmlDocPtr m_doc = nullptr;
    xmlXPathContextPtr m_context = nullptr;
};
