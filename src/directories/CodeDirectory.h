#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One row of a code directory: the code and its name, both as text.
struct DirectoryEntry
{
    QString code;
    QString name;

    bool operator==(const DirectoryEntry&) const = default;
};

// A directory of codes and names kept in document order: the tax offices ("InspectionNumbers.xml")
// and the countries ("Oksm.xml"). Every child element of the root is one row, whatever its name:
// the attribute "Code" and the element's text.
class CodeDirectory
{
public:
    CodeDirectory() = default;
    explicit CodeDirectory(QList<DirectoryEntry> entries) : m_entries(std::move(entries)) {}

    // Parses the XML text of the file. On failure returns nothing and puts the reason, a Russian
    // sentence, into *error.
    static std::optional<CodeDirectory> fromXml(const QByteArray& xml, QString* error);

    const QList<DirectoryEntry>& entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // The position of the first row with exactly this code, or -1.
    int indexOf(const QString& code) const;
    // The first row with exactly this code, or null.
    const DirectoryEntry* find(const QString& code) const;

private:
    QList<DirectoryEntry> m_entries;
};
