#include "storage/StorageErrors.h"

mEPrivBase::mEPrivBase(QString message, quint16 placeCode)
    : m_message(std::move(message)), m_utf8(m_message.toUtf8()), m_placeCode(placeCode)
{}

namespace StorageMessage {

QString cannotOpen(const QString& fileName)
{
    return QStringLiteral("Ошибка чтения файла: ") + fileName +
           QStringLiteral("\rВозможно он занят, или с признаком 'read only'");
}

QString zeroLength()
{
    return QStringLiteral("Создаваемый фаил отображения не может быть нулевой длины.");
}

QString cannotMap()
{
    return QStringLiteral("Не удается создать отображение файла.");
}

QString noMemoryBound()
{
    return QStringLiteral("Не выделена память.");
}

QString outOfMemory()
{
    return QStringLiteral("Недостаточно свободной памяти.");
}

QString readOnly()
{
    return QStringLiteral("Попытка записи в память только для чтения");
}

QString alreadyCreated()
{
    return QStringLiteral("Объект уже был создан.");
}

QString badFormat()
{
    return QStringLiteral("Неправильный формат файла декларации, возможно он поврежден.");
}

QString notInitialised()
{
    return QStringLiteral("Попытка доступа к неинициализированным данным.");
}

QString noSuchStream()
{
    return QStringLiteral("Попытка открытия несуществующего потока");
}

} // namespace StorageMessage
