#pragma once

#include <QDate>
#include <QString>
#include <QUuid>

class mTDeclaration;

// The date and the identifier an export writes into the file and its name. A normal export
// takes today's date and a fresh identifier; fixing both gives the same bytes every time.
struct ExportStamp
{
    QDate date;
    QUuid guid;

    static ExportStamp now();
};

// The file identifier ("ИдФайл"), which is also the file's name without ".xml".
namespace ExportIdentifier {

// "NO_NDFL3_" code "_" code "_" INN (twelve zeros when empty) "_" YYYYMMDD "_" GUID.
QString ndfl3(const mTDeclaration& declaration, const ExportStamp& stamp);
// "NO_NDFL4_" code "_" code "_" INN (even when empty) "_" YYYYMMDD "_" GUID.
QString ndfl4(const mTDeclaration& declaration, const ExportStamp& stamp);
// Whether name stays a plain file name inside its folder: not empty, no path separator, no
// "..", no control character.
bool isPlainFileName(const QString& name);

} // namespace ExportIdentifier
