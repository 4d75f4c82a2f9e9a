#include "storage/StorageErrors.h"

#include <cerrno>
#include <cstring>

mEPrivBase::mEPrivBase(QString message, quint16 placeCode)
    : m_message(std::move(message)), m_utf8(m_message.toUtf8()), m_placeCode(placeCode)
{}

namespace StorageMessage {

QString cannotOpen(const QString& fileName)
{
    return QStringLiteral("Ошибка чтения файла: ") + fileName +
           QStringLiteral("\rВозможно он занят, или с признаком 'read only'");
}

QString cannotWrite(const QString& fileName, int systemError)
{
    return cannotOpen(fileName) + QLatin1Char('\r') + systemReason(systemError);
}

QString savedUnconfirmed(int systemError)
{
    return QStringLiteral("Декларация сохранена, но система не подтвердила запись на диск: ") +
           systemReason(systemError);
}

QString systemReason(int systemError)
{
    switch (systemError) {
    case ENOSPC:
        return QStringLiteral("На диске нет свободного места.");
    case EDQUOT:
        return QStringLiteral("Исчерпана дисковая квота пользователя.");
    case EIO:
        return QStringLiteral("Ошибка ввода-вывода: диск не смог записать данные.");
    case EROFS:
        return QStringLiteral("Диск доступен только для чтения.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Нет прав на запись в этот файл или в эту папку.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Папка не найдена.");
    case EISDIR:
        return QStringLiteral("Под этим именем на диске находится папка.");
    case EFBIG:
        return QStringLiteral("Файл слишком велик для этого диска.");
    case ENAMETOOLONG:
        return QStringLiteral("Слишком длинное имя файла.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Открыто слишком много файлов.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Файл занят другой программой.");
    default:
        return QStringLiteral("Системная ошибка %1 (%2).")
            .arg(systemError)
            .arg(QString::fromLocal8Bit(std::strerror(systemError)));
    }
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
