#pragma once

#include <QIODevice>
#include <QString>

// Replaces a file as a whole or not at all.
//
// open() creates a new file beside the target; every write goes straight to it (nothing is kept
// in a buffer that could fail later unnoticed) and is checked. commit() syncs the new file to the
// disk, closes it, renames it over the target and syncs the folder. Any failure before the rename
// removes the new file and leaves the target byte for byte as it was; a device that is closed or
// destroyed without commit() does the same. After the first failure every further write and
// commit() fails too, so a caller may check once, at commit().
//
// An existing target keeps its permissions; a symbolic link keeps pointing at the replaced file.
// The failure is kept as the system's error number and, in errorString(), as a sentence in
// Russian that tells the person what happened (the disk is full, an input/output error ...).
class AtomicFile : public QIODevice
{
public:
    explicit AtomicFile(QString target, QObject* parent = nullptr);
    ~AtomicFile() override;

    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The file that commit() replaces.
    const QString& fileName() const { return m_target; }

    // Only QIODevice::WriteOnly (Text and Unbuffered are ignored): the new file starts empty.
    bool open(OpenMode mode) override;
    void close() override;
    bool isSequential() const override { return true; }

    bool commit();
    // Removes the new file; the target stays as it was.
    void cancelWriting();

    // "Не удалось записать файл «target»", followed by the system's reason when there is one.
    QString writeFailedMessage() const;
    // What to tell the person when commit() failed after the rename, so the new contents are in
    // place (committed()) and only their way to the disk was not confirmed: a warning, not a
    // failure.
    QString unconfirmedMessage() const;

    // The system's error number of the first failure, 0 when nothing failed.
    int systemError() const { return m_error; }
    // The target holds the new contents: commit() renamed the new file over it (also when the
    // folder could not be synced afterwards, which commit() reports as a failure).
    bool committed() const { return m_committed; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool fail(int error);
    void discard();
    bool syncFolder();

    QString m_target;
    QString m_resolved;
    QString m_temporary;
    int m_fd = -1;
    int m_error = 0;
    bool m_committed = false;
};
