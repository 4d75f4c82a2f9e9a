#include "directories/CodeDirectory.h"

#include "directories/XmlReader.h"

namespace {

// Every child of the root is a row: its "Code" and the text inside it.
class CodeReader : public XmlReader::Handler
{
public:
    void startElement(int depth, const char*, const XmlReader::Attributes& attributes) override
    {
        if (depth == 1) {
            m_code = attributes.value("Code");
            m_text.clear();
        }
    }
    void characters(int depth, const char* utf8, int length) override
    {
        if (depth >= 1)
            m_text.append(utf8, length);
    }
    void endElement(int depth) override
    {
        if (depth == 1)
            entries.append({m_code, m_text.take()});
    }

    QList<DirectoryEntry> entries;

private:
    QString m_code;
    TextCollector m_text;
};

} // namespace

std::optional<CodeDirectory> CodeDirectory::fromXml(const QByteArray& xml, QString* error)
{
    CodeReader reader;
    if (!XmlReader::read(xml, reader, error))
        return std::nullopt;
    return CodeDirectory(std::move(reader.entries));
}

int CodeDirectory::indexOf(const QString& code) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_entries.at(i).code == code)
            return i;
    }
    return -1;
}

const DirectoryEntry* CodeDirectory::find(const QString& code) const
{
    const int index = indexOf(code);
    return index < 0 ? nullptr : &m_entries.at(index);
}
