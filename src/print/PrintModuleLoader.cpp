#include "print/PrintModuleLoader.h"

#include "directories/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace PrintModuleLoader {

QString missingMessage()
{
    return QStringLiteral("Не найден модуль печати. Войдите в рабочий каталог программы \"Тарвика "
                          "2013\" и запустите файл \"Velprax(3.0.32).msi\"");
}

QStringList defaultFolders()
{
    if (!QCoreApplication::instance())
        return {};
    return ProgramFolders::ofThisProgram().printModule;
}

std::unique_ptr<PrintModule> create(const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral(TARVIKA_PRINT_MODULE_FILE));
        if (folder.isEmpty() || !QFileInfo(path).isFile())
            continue;
        QPluginLoader loader(path);
        auto* factory = qobject_cast<PrintModuleFactory*>(loader.instance());
        if (factory)
            return factory->create();
    }
    return nullptr;
}

} // namespace PrintModuleLoader
