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
// converted from code page 866. Nothing when the header or a record is cut short or the device
// cannot be read. Reading stops at the end of the device even when the header announces more
// records.
std::optional<QList<DirectoryEntry>> ReadOffices(QIODevice& dbf);

// The text of "InspectionNumbers.xml" in Windows-1251 for these offices.
QByteArray InspectionNumbersXml(const QList<DirectoryEntry>& offices, const QString& dateText,
                                const QString& versionText);
} // namespace SounFile

// Rebuilds the tax-office directory: reads dbfPath and writes outputPath with the root attributes
// "Version" and "Date". Returns false when anything fails; the file at outputPath is then left as
// it was.
bool ImportSoun(const QString& dbfPath, const QString& outputPath, const QString& dateText,
                const QString& versionText);
