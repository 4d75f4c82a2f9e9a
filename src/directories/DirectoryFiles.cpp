#include "directories/DirectoryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DirectoryFiles {

std::optional<QByteArray> readFile(const QString& path, QString* error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Не удалось открыть файл справочника \"%1\": %2.")
                     .arg(name, file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        *error = QStringLiteral("Файл справочника \"%1\" слишком велик (%2 байт).")
                     .arg(name)
                     .arg(file.size());
        return std::nullopt;
    }
    // Read in pieces up to the limit: a file may grow while it is read, and a device file has no
    // size at all.
    QByteArray bytes;
    bytes.reserve(qsizetype(file.size()));
    while (bytes.size() <= kMaxFileBytes) {
        const QByteArray piece = file.read(qMin<qint64>(1 << 20, kMaxFileBytes + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes) {
        *error = QStringLiteral("Не удалось прочитать файл справочника \"%1\".").arg(name);
        return std::nullopt;
    }
    return bytes;
}

} // namespace DirectoryFiles

namespace {

// Reads and parses one directory file; on failure returns nothing and puts a sentence naming the
// file into *error.
template <class Directory> std::optional<Directory> readOne(const QString& path, QString* error)
{
    QString reason;
    const auto bytes = DirectoryFiles::readFile(path, &reason);
    if (!bytes) {
        *error = reason;
        return std::nullopt;
    }
    std::optional<Directory> directory = Directory::fromXml(*bytes, &reason);
    if (!directory) {
        *error = QStringLiteral("Файл справочника \"%1\" не прочитан: %2.")
                     .arg(QFileInfo(path).fileName(), reason);
    }
    return directory;
}

// Loads one directory file from the first of folders that holds it (empty entries are skipped).
// A copy that cannot be read gives way to the next folder's copy (the user's import to the shipped
// file) with a sentence in warnings. Returns false when the last copy cannot be read either (error
// names the file); a missing file is not an error and leaves target empty.
template <class Directory>
bool loadOne(const QStringList& folders, const QString& fileName, const QString& what,
             std::optional<Directory>& target, QStringList& warnings, QString* error)
{
    QStringList copies;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (!folder.isEmpty() && QFileInfo::exists(path))
            copies << path;
    }
    for (qsizetype at = 0; at < copies.size(); ++at) {
        QString reason;
        target = readOne<Directory>(copies.at(at), &reason);
        if (target)
            return true;
        if (at + 1 < copies.size()) {
            warnings << reason + QStringLiteral(" Программа берет справочник %1 из файла \"%2\".")
                                     .arg(what, QDir::toNativeSeparators(copies.at(at + 1)));
        } else {
            *error = reason + QStringLiteral(" Программа работает без справочника %1.").arg(what);
        }
    }
    return copies.isEmpty();
}

} // namespace

QString TaxOfficeFileFatalMessage()
{
    return QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские. Если сообщение "
                          "повторится, файл справочника инспекций InspectionNumbers.xml в папке "
                          "программы поврежден: установите программу заново.");
}

DirectoryLoadResult LoadDirectories(const QString& folder)
{
    return LoadDirectories(QStringList{folder});
}

DirectoryLoadResult LoadDirectories(const QStringList& folders)
{
    DirectoryLoadResult result;
    ReferenceDirectories& d = result.directories;
    QString error;
    if (!loadOne(folders, DirectoryFiles::TaxOffices(), QStringLiteral("инспекций"), d.taxOffices,
                 result.warnings, &error)) {
        result.fatal = true;
        result.fatalMessage = TaxOfficeFileFatalMessage();
        return result;
    }
    if (!loadOne(folders, DirectoryFiles::Countries(), QStringLiteral("стран"), d.countries,
                 result.warnings, &error))
        result.warnings << error;
    if (!loadOne(folders, DirectoryFiles::Activities(),
                 QStringLiteral("видов деятельности (ОКВЭД)"), d.activities, result.warnings,
                 &error))
        result.warnings << error;
    if (!loadOne(folders, DirectoryFiles::Currencies(), QStringLiteral("валют"), d.currencies,
                 result.warnings, &error))
        result.warnings << error;
    return result;
}
