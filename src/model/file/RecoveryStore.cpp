#include "model/file/RecoveryStore.h"

#include "model/Declaration.h"
#include "model/file/DeclarationFile.h"
#include "storage/StorageErrors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace {

const QLatin1StringView kCopySuffix(".tv3");
const QLatin1StringView kNoteSuffix(".origin");
const QLatin1StringView kDamagedSuffix(".damaged");

QByteArray localName(const QString& path)
{
    return QFile::encodeName(path);
}

// The part of a copy's name that every copy of one file shares.
QString hashOf(const QString& origin)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(origin.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

// The file's name without its folder and suffix, in characters any file system takes.
QString readablePart(const QString& origin)
{
    if (origin.isEmpty())
        return QStringLiteral("Без имени");
    QString name = QFileInfo(origin).completeBaseName().left(40);
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    }
    return name.isEmpty() ? QStringLiteral("_") : name;
}

QByteArray noteContents(const QString& origin)
{
    return origin.toUtf8() + '\n';
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

QByteArray readSmallFile(int fd)
{
    QByteArray contents;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || contents.size() > 65536)
            return contents;
        contents.append(buffer, got);
    }
}

} // namespace

RecoveryCopy::RecoveryCopy(QString path, QString origin)
    : m_path(std::move(path)), m_origin(std::move(origin))
{}

RecoveryCopy::~RecoveryCopy()
{
    unlock();
}

RecoveryCopy::RecoveryCopy(RecoveryCopy&& other) noexcept
    : m_path(std::move(other.m_path)), m_origin(std::move(other.m_origin)),
      m_note(std::exchange(other.m_note, -1))
{}

RecoveryCopy& RecoveryCopy::operator=(RecoveryCopy&& other) noexcept
{
    if (this != &other) {
        unlock();
        m_path = std::move(other.m_path);
        m_origin = std::move(other.m_origin);
        m_note = std::exchange(other.m_note, -1);
    }
    return *this;
}

void RecoveryCopy::unlock()
{
    // Closing the note releases its lock.
    if (m_note >= 0)
        ::close(m_note);
    m_note = -1;
}

QString RecoveryCopy::notePath() const
{
    return m_path.chopped(kCopySuffix.size()) + kNoteSuffix;
}

QDateTime RecoveryCopy::written() const
{
    const QFileInfo info(m_path);
    return info.exists() ? info.lastModified() : QDateTime();
}

void RecoveryCopy::writeNote()
{
    const QString note = notePath();
    // The copies hold the person's declaration: only the person reads the folder.
    const QString folder = QFileInfo(note).absolutePath();
    if (!QDir().mkpath(folder) ||
        !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        throw mEBadStorage(StorageMessage::cannotWrite(note, errno != 0 ? errno : EACCES));
    // The note is new and locked before it holds anything, so no other program takes it for one
    // left behind.
    const int fd =
        ::open(localName(note).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        throw mEBadStorage(StorageMessage::cannotWrite(note, errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !writeAll(fd, noteContents(m_origin)) ||
        ::fdatasync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(localName(note).constData());
        throw mEBadStorage(StorageMessage::cannotWrite(note, error));
    }
    m_note = fd;
}

void RecoveryCopy::write(const mTDeclaration& declaration)
{
    if (m_note < 0)
        writeNote();
    // A copy whose folder could not be synced is there all the same.
    (void)declaration.SaveToFile(m_path);
}

std::optional<QString> RecoveryCopy::read(mTDeclaration& target) const
{
    return LoadDeclarationFile(target, m_path);
}

void RecoveryCopy::remove()
{
    // The copy goes first: a note without its copy is taken for one left behind.
    QFile::remove(m_path);
    QFile::remove(notePath());
    unlock();
}

QString RecoveryCopy::setAside()
{
    const QString aside = m_path + kDamagedSuffix;
    QFile::remove(aside);
    QFile::rename(m_path, aside);
    const QString note = notePath();
    QFile::remove(note + kDamagedSuffix);
    QFile::rename(note, note + kDamagedSuffix);
    unlock();
    return aside;
}

RecoveryStore::RecoveryStore(QString folder) : m_folder(std::move(folder)) {}

QString RecoveryStore::originOf(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

RecoveryCopy RecoveryStore::create(const QString& fileName) const
{
    const QString origin = originOf(fileName);
    const QString own = QUuid::createUuid().toString(QUuid::Id128).left(8);
    const QString name = readablePart(origin) + QLatin1Char('-') + hashOf(origin) +
                         QLatin1Char('-') + own + kCopySuffix;
    return RecoveryCopy(QDir(m_folder).filePath(name), origin);
}

std::vector<RecoveryCopy> RecoveryStore::find(const QString& fileName) const
{
    const QString origin = originOf(fileName);
    const QDir folder(m_folder);
    const QStringList notes = folder.entryList(
        {QStringLiteral("*-") + hashOf(origin) + QStringLiteral("-*") + kNoteSuffix},
        QDir::Files | QDir::Hidden);
    std::vector<RecoveryCopy> found;
    for (const QString& name : notes) {
        const QString note = folder.filePath(name);
        const int fd = ::open(localName(note).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A note another program holds, or one that belongs to another file.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || readSmallFile(fd) != noteContents(origin)) {
            ::close(fd);
            continue;
        }
        RecoveryCopy copy(note.chopped(kNoteSuffix.size()) + kCopySuffix, origin);
        copy.m_note = fd;
        if (!QFileInfo::exists(copy.path())) {
            copy.remove();
            continue;
        }
        found.push_back(std::move(copy));
    }
    std::stable_sort(found.begin(), found.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.written() > b.written();
    });
    return found;
}
