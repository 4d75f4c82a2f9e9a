#include "TestFiles.h"

#include "model/Declaration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QByteArray savedImage(const mTDeclaration& declaration)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.tv3"));
    declaration.SaveToFile(path);
    return readFile(path);
}
