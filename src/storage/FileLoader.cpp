#include "storage/FileLoader.h"

#include "storage/AtomicFile.h"
#include "storage/StorageErrors.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>
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

mTFileLoader::mTFileLoader(QByteArray image)
    : m_readOnly(true), m_image(std::move(image)), m_size(m_image.size())
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
    lockExisting(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const qint64 size = m_lockFile.size();
    if (size == 0)
        throw mEMemoryAllocate(StorageMessage::zeroLength());
    if (size > kMaxFileSize)
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    m_size = qsizetype(size);
    m_windowed = true;
}

void mTFileLoader::moveWindow(qsizetype at, qsizetype count)
{
    // The window starts at the requested bytes and reaches as far ahead as it can, so reading the
    // document from start to end moves it once per window.
    const qsizetype length = std::min(std::max(count, kWindowSize), m_size - at);
    try {
        m_image.resize(length);
    } catch (const std::bad_alloc&) {
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    }
    // A file cut short meanwhile gives a shorter window; the reader takes it for a damaged file.
    qint64 got = 0;
    if (m_lockFile.seek(at))
        got = std::max<qint64>(0, m_lockFile.read(m_image.data(), length));
    m_image.truncate(qsizetype(got));
    m_windowStart = at;
}

QByteArrayView mTFileLoader::bytes(qsizetype at, qsizetype count)
{
    if (at < 0 || count < 0 || at >= m_size)
        return QByteArrayView();
    if (!m_windowed)
        return QByteArrayView(m_image).sliced(at, std::min(count, m_size - at));
    const qsizetype end = at + std::min(count, m_size - at);
    if (at < m_windowStart || end > m_windowStart + m_image.size())
        moveWindow(at, end - at);
    const qsizetype offset = at - m_windowStart;
    return QByteArrayView(m_image).sliced(offset, std::min(end - at, m_image.size() - offset));
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
    m_size = qsizetype(size);
    try {
        m_image.resize(std::min(m_size, kWindowSize));
    } catch (const std::bad_alloc&) {
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    }
    m_target = std::make_unique<AtomicFile>(m_fileName);
    if (!m_target->open(QIODevice::WriteOnly))
        throw mEBadStorage(StorageMessage::cannotWrite(m_fileName, m_target->systemError()));
}

void mTFileLoader::write(const char* data, qsizetype count)
{
    if (m_readOnly)
        throw mEWriteStorage(StorageMessage::readOnly());
    if (count > m_size - m_written)
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    if (count > m_image.size() - m_filled)
        flush();
    if (count > m_image.size()) {
        writeThrough(data, count);
    } else {
        std::memcpy(m_image.data() + m_filled, data, size_t(count));
        m_filled += count;
    }
    m_written += count;
}

void mTFileLoader::writeThrough(const char* data, qsizetype count)
{
    if (m_target->write(data, count) != count)
        throw mEBadStorage(StorageMessage::cannotWrite(m_fileName, m_target->systemError()));
}

void mTFileLoader::flush()
{
    writeThrough(m_image.constData(), m_filled);
    m_filled = 0;
}

std::optional<QString> mTFileLoader::commit()
{
    if (m_readOnly)
        throw mEWriteStorage(StorageMessage::readOnly());
    if (m_written != m_size)
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    flush();
    if (m_target->commit())
        return std::nullopt;
    if (m_target->committed())
        return StorageMessage::savedUnconfirmed(m_target->systemError());
    throw mEBadStorage(StorageMessage::cannotWrite(m_fileName, m_target->systemError()));
}
