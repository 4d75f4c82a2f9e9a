#include "FileLoader.h"

#include "StorageErrors.h"

#include <QFileInfo>
#include <QSaveFile>
#include <new>
#include <sys/file.h>

mTFileLoader::mTFileLoader(const QString& fileName, quint32 size, bool readOnly)
    : m_fileName(fileName), m_readOnly(readOnly)
{
    if (readOnly)
        openForReading();
    else
        prepareForWriting(size);
}

mTFileLoader::mTFileLoader(QByteArray image) : m_readOnly(true), m_image(std::move(image))
{
    if (m_image.isEmpty())
        throw mEMemoryAllocate(StorageMessage::zeroLength());
}

mTFileLoader::~mTFileLoader()
{
    if (m_lockFile.isOpen())
        ::flock(m_lockFile.handle(), LOCK_UN);
}

void mTFileLoader::lockExisting(QFile::OpenMode mode)
{
    m_lockFile.setFileName(m_fileName);
    if (!m_lockFile.open(mode))
        throw mEBadStorage(StorageMessage::cannotOpen(m_fileName));
    if (::flock(m_lockFile.handle(), LOCK_EX | LOCK_NB) != 0) {
        m_lockFile.close();
        throw mEBadStorage(StorageMessage::cannotOpen(m_fileName));
    }
}

void mTFileLoader::openForReading()
{
    const QFileInfo info(m_fileName);
    // A missing file is not created: it is as empty as a file of length zero.
    if (!info.exists())
        throw mEMemoryAllocate(StorageMessage::zeroLength());
    if (!info.isFile())
        throw mEBadStorage(StorageMessage::cannotOpen(m_fileName));
    lockExisting(QIODevice::ReadOnly);
    const qint64 size = m_lockFile.size();
    if (size == 0)
        throw mEMemoryAllocate(StorageMessage::zeroLength());
    if (size > kMaxFileSize)
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    try {
        m_image = m_lockFile.readAll();
    } catch (const std::bad_alloc&) {
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    }
    if (m_image.size() != size)
        throw mEBadStorage(StorageMessage::cannotOpen(m_fileName));
}

void mTFileLoader::prepareForWriting(quint32 size)
{
    if (size == 0)
        throw mEMemoryAllocate(StorageMessage::zeroLength());
    if (qint64(size) > kMaxFileSize)
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    const QFileInfo info(m_fileName);
    if (info.exists()) {
        // A read-only file keeps its contents, as does a file that is open in another instance.
        if (!info.isFile() || !info.isWritable())
            throw mEBadStorage(StorageMessage::cannotOpen(m_fileName));
        lockExisting(QIODevice::ReadOnly);
    }
    try {
        m_image = QByteArray(qsizetype(size), '\0');
    } catch (const std::bad_alloc&) {
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    }
}

void mTFileLoader::commit()
{
    if (m_readOnly)
        throw mEWriteStorage(StorageMessage::readOnly());
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw mEBadStorage(StorageMessage::cannotOpen(m_fileName));
    if (file.write(m_image) != m_image.size() || !file.commit()) {
        file.cancelWriting();
        throw mEBadStorage(StorageMessage::cannotOpen(m_fileName));
    }
}
