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

// The file in the first folder that holds it, or an empty text.
QString findFile(const QStringList& folders, const QString& fileName)
{
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

// Reads and parses one directory file. Returns false when the file exists but cannot be read or
// parsed (error names the file); a missing file is not an error and leaves target empty.
template <class Directory>
bool loadOne(const QStringList& folders, const QString& fileName, const QString& what,
             std::optional<Directory>& target, QString* error)
{
    const QString path = findFile(folders, fileName);
    if (path.isEmpty())
        return true;
    QString reason;
    const auto bytes = DirectoryFiles::readFile(path, &reason);
    if (!bytes) {
        *error = reason + QStringLiteral(" Программа работает без справочника %1.").arg(what);
        return false;
    }
    target = Directory::fromXml(*bytes, &reason);
    if (!target) {
        *error = QStringLiteral("Файл справочника \"%1\" не прочитан: %2. Программа работает без "
                                "справочника %3.")
                     .arg(fileName, reason, what);
        return false;
    }
    return true;
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
                 &error)) {
        result.fatal = true;
        result.fatalMessage = TaxOfficeFileFatalMessage();
        return result;
    }
    if (!loadOne(folders, DirectoryFiles::Countries(), QStringLiteral("стран"), d.countries,
                 &error))
        result.warnings << error;
    if (!loadOne(folders, DirectoryFiles::Activities(),
                 QStringLiteral("видов деятельности (ОКВЭД)"), d.activities, &error))
        result.warnings << error;
    if (!loadOne(folders, DirectoryFiles::Currencies(), QStringLiteral("валют"), d.currencies,
                 &error))
        result.warnings << error;
    return result;
}
