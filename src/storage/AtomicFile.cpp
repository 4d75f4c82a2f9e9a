#include "storage/AtomicFile.h"

#include "storage/StorageErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray localName(const QString& path)
{
    return QFile::encodeName(path);
}

// A name beside the target that nobody uses: the target's name, a dot and six random letters.
QString temporarySibling(const QString& target)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        name +=
            QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    return name;
}

} // namespace

AtomicFile::AtomicFile(QString target, QObject* parent)
    : QIODevice(parent), m_target(std::move(target))
{}

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::fail(int error)
{
    if (m_error == 0) {
        m_error = error != 0 ? error : EIO;
        setErrorString(StorageMessage::systemReason(m_error));
    }
    return false;
}

void AtomicFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.isEmpty()) {
        ::unlink(localName(m_temporary).constData());
        m_temporary.clear();
    }
}

bool AtomicFile::open(OpenMode mode)
{
    if (isOpen() || !(mode & WriteOnly) || (mode & (ReadOnly | Append)))
        return fail(EINVAL);
    m_error = 0;
    m_committed = false;
    setErrorString(QString());

    // A symbolic link stays a link: the file it points at is the one replaced.
    const QFileInfo info(m_target);
    m_resolved = info.isSymLink() ? info.symLinkTarget() : m_target;
    const QByteArray resolved = localName(m_resolved);
    struct stat existing = {};
    const bool exists = ::stat(resolved.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fail(EISDIR);
    // A file the person may not write keeps its contents, even where the folder would allow
    // replacing it.
    if (exists && ::access(resolved.constData(), W_OK) != 0)
        return fail(errno);

    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        const QString candidate = temporarySibling(m_resolved);
        m_fd =
            ::open(localName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0)
            m_temporary = candidate;
        else if (errno != EEXIST)
            return fail(errno);
    }
    if (m_fd < 0)
        return fail(EEXIST);
    if (exists && ::fchmod(m_fd, existing.st_mode & 07777) != 0) {
        const int error = errno;
        discard();
        return fail(error);
    }
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 AtomicFile::readData(char*, qint64)
{
    return -1;
}

qint64 AtomicFile::writeData(const char* data, qint64 size)
{
    if (m_error != 0 || m_fd < 0) {
        fail(EBADF);
        return -1;
    }
    qint64 done = 0;
    while (done < size) {
        const ssize_t written = ::write(m_fd, data + done, size_t(size - done));
        if (written < 0 && errno == EINTR)
            continue;
        // A write that takes nothing from a regular file means there is no room left.
        if (written <= 0) {
            fail(written < 0 ? errno : ENOSPC);
            return -1;
        }
        done += written;
    }
    return size;
}

bool AtomicFile::syncFolder()
{
    const QString folder = QFileInfo(m_resolved).absolutePath();
    const int fd = ::open(localName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        // A folder the person may write but not list cannot be synced; the file is there.
        return errno == EACCES || fail(errno);
    }
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    // Some file systems cannot sync a folder at all.
    return synced || error == EINVAL || fail(error);
}

bool AtomicFile::commit()
{
    if (!isOpen() || m_fd < 0) {
        discard();
        return fail(EBADF);
    }
    bool done = m_error == 0;
    if (done && ::fdatasync(m_fd) != 0)
        done = fail(errno);
    if (done) {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            done = fail(errno);
    }
    if (done &&
        ::rename(localName(m_temporary).constData(), localName(m_resolved).constData()) != 0)
        done = fail(errno);
    if (done) {
        // The new file is in place; from here nothing is removed.
        m_temporary.clear();
        m_committed = true;
        done = syncFolder();
    }
    discard();
    QIODevice::close();
    return done;
}

void AtomicFile::cancelWriting()
{
    discard();
    if (isOpen())
        QIODevice::close();
}

void AtomicFile::close()
{
    if (!isOpen())
        return;
    discard();
    QIODevice::close();
}

QString AtomicFile::unconfirmedMessage() const
{
    return QStringLiteral("Файл «%1» записан, но система не подтвердила запись на диск: %2")
        .arg(m_target, StorageMessage::systemReason(m_error));
}

QString AtomicFile::writeFailedMessage() const
{
    const QString message = QStringLiteral("Не удалось записать файл «%1»").arg(m_target);
    return m_error == 0 ? message
                        : message + QStringLiteral(": ") + StorageMessage::systemReason(m_error);
}
