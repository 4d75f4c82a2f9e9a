#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One entry of the kinds-of-activity classifier ("Sp_OKVED2.xml"), read from the child elements
// "GRUP", "Name", "Kod" and "OKVED" of a child of the root.
struct ActivityEntry
{
    QString grup;  // the level as text, "1" (top) to "6"
    QString name;  // shown in the picker
    QString kod;   // the entries below this one are of a deeper level and their kod begins with it
    QString okved; // the code the picker shows and returns

    bool operator==(const ActivityEntry&) const = default;
};

// The kinds-of-activity directory, entries in document order.
class ActivityDirectory
{
public:
    static constexpr int kLevels = 6;

    ActivityDirectory() = default;
    explicit ActivityDirectory(QList<ActivityEntry> entries) : m_entries(std::move(entries)) {}

    static std::optional<ActivityDirectory> fromXml(const QByteArray& xml, QString* error);

    const QList<ActivityEntry>& entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }

    // Positions of the entries of a level (1 to 6) whose kod begins with prefix, in document
    // order; an empty prefix gives every entry of the level.
    QList<int> entriesOfLevel(int level, const QString& prefix = QString()) const;
    // The position of the first entry of the level with exactly this name, or -1.
    int findByName(int level, const QString& name) const;
    // The position of the first entry with this OKVED code, or -1.
    int findByOkved(const QString& okved) const;

private:
    QList<ActivityEntry> m_entries;
};
