#pragma once

#include "directories/ActivityDirectory.h"
#include "directories/CodeDirectory.h"
#include "directories/CurrencyDirectory.h"

#include <QString>
#include <QStringList>
#include <optional>

// The names of the directory files in the program folder.
namespace DirectoryFiles {
inline QString TaxOffices()
{
    return QStringLiteral("InspectionNumbers.xml");
}
inline QString Countries()
{
    return QStringLiteral("Oksm.xml");
}
inline QString Activities()
{
    return QStringLiteral("Sp_OKVED2.xml");
}
inline QString Currencies()
{
    return QStringLiteral("CurrencyRates.xml");
}

// Directory files larger than this are refused unread.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// Reads a whole directory file; on failure returns nothing and puts a Russian sentence naming the
// file into *error.
std::optional<QByteArray> readFile(const QString& path, QString* error);
} // namespace DirectoryFiles

// The directories read from the program folder at start-up; a missing file leaves its directory
// absent. They live as long as the program.
struct ReferenceDirectories
{
    std::optional<CodeDirectory> taxOffices;
    std::optional<CodeDirectory> countries;
    std::optional<ActivityDirectory> activities;
    std::optional<CurrencyDirectory> currencies;

    bool taxOfficesAvailable() const { return taxOffices.has_value(); }
    bool countriesAvailable() const { return countries.has_value(); }
};

// What loading the program folder gave.
struct DirectoryLoadResult
{
    ReferenceDirectories directories;
    // The tax-office file exists but cannot be read: the program shows fatalMessage and ends.
    bool fatal = false;
    QString fatalMessage;
    // One sentence for each of the other files that exists but cannot be read; the program shows
    // them and goes on without those directories.
    QStringList warnings;
};

// Loads the four directory files in the order tax offices, countries, activities, currencies, each
// from the first of folders that holds it (empty entries are skipped). Stops after a fatal failure
// of the tax-office file.
DirectoryLoadResult LoadDirectories(const QStringList& folders);
DirectoryLoadResult LoadDirectories(const QString& folder);

// The message shown when the tax-office file cannot be read, before the program ends.
QString TaxOfficeFileFatalMessage();
