#pragma once

#include <QString>
#include <exception>

// Failures of the declaration file. Every error carries the Russian message that the window shows
// unchanged, a code of the place that raised it and a code of the document operation that was
// running; neither code is shown to the user.
class mEPrivBase : public std::exception
{
public:
    explicit mEPrivBase(QString message, quint16 placeCode = 0);

    const QString& message() const noexcept { return m_message; }
    quint16 placeCode() const noexcept { return m_placeCode; }
    quint16 operationCode() const noexcept { return m_operationCode; }
    void setOperationCode(quint16 code) noexcept { m_operationCode = code; }

    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
    quint16 m_placeCode = 0;
    quint16 m_operationCode = 0;
};

#define TARVIKA_DECLARE_STORAGE_ERROR(Name)                                                        \
    class Name : public mEPrivBase                                                                 \
    {                                                                                              \
    public:                                                                                        \
        using mEPrivBase::mEPrivBase;                                                              \
    };

// A buffer could not be obtained, the image could not be made, or its size is zero.
TARVIKA_DECLARE_STORAGE_ERROR(mEMemoryAllocate)
// A write on a read-only storage.
TARVIKA_DECLARE_STORAGE_ERROR(mEWriteStorage)
// The file could not be created or opened, or it is not a declaration file.
TARVIKA_DECLARE_STORAGE_ERROR(mEBadStorage)
// The header is written or read a second time on one storage.
TARVIKA_DECLARE_STORAGE_ERROR(mEAlreadyCreated)
// An item or stream operation before the header.
TARVIKA_DECLARE_STORAGE_ERROR(mEObjectAccess)
// A stream name is not in the file.
TARVIKA_DECLARE_STORAGE_ERROR(mEOpenStream)
// An item that is not a number or date where one is expected, or that runs past the end of
// the data. Shown as the bad-format message.
TARVIKA_DECLARE_STORAGE_ERROR(mEConvert)
// A text that the file cannot hold: a character outside Windows-1251, a text longer than an
// item, or a text that would be taken for a stream name.
TARVIKA_DECLARE_STORAGE_ERROR(mEBadText)

#undef TARVIKA_DECLARE_STORAGE_ERROR

// The messages of the container, exactly as the user sees them.
namespace StorageMessage {
QString cannotOpen(const QString& fileName);
// The message of a file that could not be written, followed by what the system said.
QString cannotWrite(const QString& fileName, int systemError);
// What a system error number means for the person, as one sentence ("На диске нет свободного
// места.").
QString systemReason(int systemError);
// The declaration's new file is in place, but the system did not confirm that it reached the disk.
QString savedUnconfirmed(int systemError);
QString zeroLength();
QString cannotMap();
QString noMemoryBound();
QString outOfMemory();
QString readOnly();
QString alreadyCreated();
QString badFormat();
QString notInitialised();
QString noSuchStream();
} // namespace StorageMessage
