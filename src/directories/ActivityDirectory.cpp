#include "directories/ActivityDirectory.h"

#include "directories/XmlReader.h"

#include <cstring>

namespace {

// Every child of the root is an entry; the text of its first "GRUP", "Name", "Kod" and "OKVED"
// children gives the fields.
class ActivityReader : public XmlReader::Handler
{
public:
    void startElement(int depth, const char* name, const XmlReader::Attributes&) override
    {
        if (depth == 1) {
            m_entry = ActivityEntry();
            m_seen = 0;
        }
        if (depth == 2) {
            m_field = fieldOf(name);
            m_text.clear();
        }
    }
    void characters(int depth, const char* utf8, int length) override
    {
        if (depth >= 2 && m_field)
            m_text.append(utf8, length);
    }
    void endElement(int depth) override
    {
        if (depth == 2 && m_field) {
            const int bit = 1 << int(m_field - fields);
            if (!(m_seen & bit))
                m_entry.*m_field->member = m_text.take();
            m_seen |= bit;
            m_field = nullptr;
        }
        if (depth == 1)
            entries.append(m_entry);
    }

    QList<ActivityEntry> entries;

private:
    struct Field
    {
        const char* name;
        QString ActivityEntry::*member;
    };
    static constexpr Field fields[] = {{"GRUP", &ActivityEntry::grup},
                                       {"Name", &ActivityEntry::name},
                                       {"Kod", &ActivityEntry::kod},
                                       {"OKVED", &ActivityEntry::okved}};

    static const Field* fieldOf(const char* name)
    {
        for (const Field& field : fields) {
            if (std::strcmp(field.name, name) == 0)
                return &field;
        }
        return nullptr;
    }

    ActivityEntry m_entry;
    const Field* m_field = nullptr;
    int m_seen = 0;
    TextCollector m_text;
};

} // namespace

std::optional<ActivityDirectory> ActivityDirectory::fromXml(const QByteArray& xml, QString* error)
{
    ActivityReader reader;
    if (!XmlReader::read(xml, reader, error))
        return std::nullopt;
    return ActivityDirectory(std::move(reader.entries));
}

QList<int> ActivityDirectory::entriesOfLevel(int level, const QString& prefix) const
{
    const QString grup = QString::number(level);
    QList<int> result;
    for (int i = 0; i < count(); ++i) {
        const ActivityEntry& entry = m_entries.at(i);
        if (entry.grup == grup && entry.kod.startsWith(prefix))
            result.append(i);
    }
    return result;
}

int ActivityDirectory::findByName(int level, const QString& name) const
{
    const QString grup = QString::number(level);
    for (int i = 0; i < count(); ++i) {
        if (m_entries.at(i).grup == grup && m_entries.at(i).name == name)
            return i;
    }
    return -1;
}

int ActivityDirectory::findByOkved(const QString& okved) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_entries.at(i).okved == okved)
            return i;
    }
    return -1;
}
