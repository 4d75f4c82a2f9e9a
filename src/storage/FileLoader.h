#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Access to the bytes of one declaration file.
//
// Reading takes the whole file into memory. Writing prepares an image of the exact size of the
// document; commit() writes it beside the old file and renames it over it, so a save that fails
// leaves the previous file as it was. While a loader lives it holds an advisory lock on the file,
// so another instance of the program that opens the same file at that moment is refused.
class mTFileLoader
{
public:
    // Files larger than this are refused before anything is allocated.
    static constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

    // size 0 means the size of the existing file (reading); for writing it is the exact image size.
    mTFileLoader(const QString& fileName, quint32 size, bool readOnly);
    // A read-only loader over bytes already in memory.
    explicit mTFileLoader(QByteArray image);
    ~mTFileLoader();

    mTFileLoader(const mTFileLoader&) = delete;
    mTFileLoader& operator=(const mTFileLoader&) = delete;

    const QString& fileName() const { return m_fileName; }
    bool readOnly() const { return m_readOnly; }
    QByteArray& image() { return m_image; }
    const QByteArray& image() const { return m_image; }

    // Writes the image to the file: to a temporary sibling first, then renamed over the old file.
    void commit();

private:
    void openForReading();
    void prepareForWriting(quint32 size);
    void lockExisting(QFile::OpenMode mode);

    QString m_fileName;
    bool m_readOnly;
    QByteArray m_image;
    QFile m_lockFile;
};
