#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <optional>

class AtomicFile;

// Access to the bytes of one declaration file.
//
// Both directions go through a buffer of about kWindowSize bytes, so even a large declaration costs
// little memory. Reading moves a window over the file as the document is read. Writing goes to a
// new file beside the old one, announced with the exact size of the document; every write of it
// is checked, and commit() syncs it and renames it over the old file, so a save that fails, or is
// never committed, leaves the previous file as it was. A write that fails throws the file's
// message followed by what the system said (the disk is full ...). While a loader lives it holds an
// advisory lock on the file, so another instance of the program that opens the same file at that
// moment is refused.
class mTFileLoader
{
public:
    // Files larger than this are refused before anything is allocated.
    static constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;
    static constexpr qsizetype kWindowSize = 1024 * 1024;

    // size 0 means the size of the existing file (reading); for writing it is the exact image size.
    mTFileLoader(const QString& fileName, quint32 size, bool readOnly);
    // A read-only loader over bytes already in memory.
    explicit mTFileLoader(QByteArray image);
    ~mTFileLoader();

    mTFileLoader(const mTFileLoader&) = delete;
    mTFileLoader& operator=(const mTFileLoader&) = delete;

    const QString& fileName() const { return m_fileName; }
    bool readOnly() const { return m_readOnly; }
    // Reading: the length of the file or of the bytes in memory. Writing: the announced size.
    qsizetype size() const { return m_size; }
    // Reading: count bytes from offset at, fewer where the data ends first. The view stays valid
    // until the next call.
    QByteArrayView bytes(qsizetype at, qsizetype count);

    // Writing: appends bytes; more than the announced size are refused.
    void write(const char* data, qsizetype count);
    // Bytes written so far.
    qsizetype written() const { return m_written; }
    // Completes the new file, which must have exactly the announced size, and renames it over the
    // old one. Once the new file is in place nothing more fails: when only the sync of its folder
    // failed, the message saying so comes back as a warning.
    std::optional<QString> commit();

private:
    void openForReading();
    void prepareForWriting(quint32 size);
    void lockExisting(QFile::OpenMode mode);
    void moveWindow(qsizetype at, qsizetype count);
    void flush();
    void writeThrough(const char* data, qsizetype count);

    QString m_fileName;
    bool m_readOnly;
    QByteArray m_image;
    qsizetype m_size = 0;
    bool m_windowed = false;
    qsizetype m_windowStart = 0;
    qsizetype m_written = 0;
    qsizetype m_filled = 0;
    QFile m_lockFile;
    std::unique_ptr<AtomicFile> m_target;
};
