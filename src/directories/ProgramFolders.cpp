#include "directories/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isInside(const QString& path, const QString& root)
{
    if (root.isEmpty())
        return false;
    const QString cleanRoot = QDir::cleanPath(root);
    const QString cleanPath = QDir::cleanPath(path);
    return cleanPath == cleanRoot || cleanPath.startsWith(cleanRoot + QLatin1Char('/'));
}

} // namespace

ProgramFolders::Layout ProgramFolders::Layout::ofThisBuild()
{
    return {QStringLiteral(TARVIKA_INSTALLED_DATA), QStringLiteral(TARVIKA_INSTALLED_MODULE),
            QStringLiteral(TARVIKA_BUILD_ROOT), QStringLiteral(TARVIKA_BUILD_DATA),
            QStringLiteral(TARVIKA_BUILD_MODULE)};
}

ProgramFolders ProgramFolders::locate(const QString& executableFolder, const QString& user,
                                      const Layout& layout)
{
    const QDir executable(executableFolder);
    const QString installedData = QDir::cleanPath(executable.filePath(layout.installedData));
    const QString installedModule = QDir::cleanPath(executable.filePath(layout.installedModule));
    ProgramFolders folders;
    folders.user = user;
    if (QFileInfo(installedData).isDir()) {
        folders.shipped = installedData;
        folders.printModule = {installedModule};
    } else if (isInside(executableFolder, layout.buildRoot)) {
        folders.shipped = layout.buildData;
        folders.printModule = {layout.buildModule};
    } else {
        folders.shipped = QDir::cleanPath(executableFolder);
        folders.printModule = {folders.shipped};
    }
    return folders;
}

ProgramFolders ProgramFolders::ofThisProgram()
{
    return locate(QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void ProgramFolders::nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Кронверт"));
    QCoreApplication::setApplicationName(QStringLiteral("Тарвика 2013"));
}

QStringList ProgramFolders::directorySearchPath() const
{
    QStringList path;
    if (!user.isEmpty())
        path << user;
    path << shipped;
    return path;
}

QString ProgramFolders::userFile(const QString& name) const
{
    if (user.isEmpty() || !QDir().mkpath(user))
        return {};
    return QDir(user).filePath(name);
}
