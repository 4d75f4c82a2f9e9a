#pragma once

#include "directories/CodeDirectory.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <optional>

// The tax authority's dBase file of tax offices, read by fixed positions.
namespace SounFile {
inline constexpr int kHeaderBytes = 32;
inline constexpr int kRecordBytes = 1194;

// The tax offices that pass the filter, in record order, with code and name trimmed and the name
// converted from code page 866. Nothing when the device is not a dBase III table of records of
// kRecordBytes (version byte, record length, a header that ends within the data), when the header
// or a record is cut short, or when the device cannot be read. Reading stops at the end of the
// device even when the header announces more records.
std::optional<QList<DirectoryEntry>> ReadOffices(QIODevice& dbf);

// The text of "InspectionNumbers.xml" in Windows-1251 for these offices.
QByteArray InspectionNumbersXml(const QList<DirectoryEntry>& offices, const QString& dateText,
                                const QString& versionText);
} // namespace SounFile

// The outcome of an import. A failure of the system while the directory file was written carries
// what the system said; a dBase file that cannot be read or holds no tax office carries nothing.
struct SounImportResult
{
    bool imported = false;
    // Why the import failed; after an import, a warning that the system did not confirm the
    // write of the file in place.
    QString reason;

    // What the person is told: the success or the failure message, followed by the reason.
    QString message() const;
};

// Rebuilds the tax-office directory: reads dbfPath and writes outputPath with the root attributes
// "Version" and "Date". A table without a single tax office is refused: the directory is never
// replaced by an empty one. On a failure the file at outputPath is left as it was.
SounImportResult ImportSoun(const QString& dbfPath, const QString& outputPath,
                            const QString& dateText, const QString& versionText);
