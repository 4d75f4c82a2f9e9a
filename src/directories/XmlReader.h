#pragma once

#include <QByteArray>
#include <QString>

// Reads the XML text of a directory as a stream of events, without building a tree: the
// directories are large and read once. Reading never touches the network, loads no external
// document type or entity, substitutes no entities and refuses a document type declaration
// altogether, so a hostile file cannot make the program fetch or expand anything; the parser's
// own limits on depth and text length stay in force.
class XmlReader
{
public:
    // The attributes of one element, valid during the start event only.
    class Attributes
    {
    public:
        explicit Attributes(const unsigned char** attributes, int count)
            : m_attributes(attributes), m_count(count)
        {}
        // The value of an attribute, a null QString when the element does not have it.
        QString value(const char* name) const;

    private:
        const unsigned char** m_attributes;
        int m_count;
    };

    // Receives the events. Depth is 0 for the root element, 1 for its children and so on.
    class Handler
    {
    public:
        virtual ~Handler() = default;
        virtual void startElement(int depth, const char* name, const Attributes& attributes) = 0;
        // Character data directly inside the element at depth, UTF-8, in pieces.
        virtual void characters(int depth, const char* utf8, int length) = 0;
        virtual void endElement(int depth) = 0;
    };

    // Reads the whole text. On failure returns false and puts a Russian phrase with the line and
    // column into *error; the handler may have had some events by then.
    static bool read(const QByteArray& bytes, Handler& handler, QString* error);
};

// Collects the text content of an element and its descendants, as the directories read it.
class TextCollector
{
public:
    void clear() { m_bytes.clear(); }
    void append(const char* utf8, int length) { m_bytes.append(utf8, length); }
    QString take()
    {
        const QString text = QString::fromUtf8(m_bytes);
        m_bytes.clear();
        return text;
    }

private:
    QByteArray m_bytes;
};
