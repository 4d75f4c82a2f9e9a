#pragma once

#include <QString>

// Tells one version of a file on disk from another: its device, inode, size and modification
// time. A file replaced by renaming another over it (as every save of this program does) has a
// new inode; a file rewritten in place a new modification time or size.
class FileStamp
{
public:
    // The stamp of the file as it is now; an empty stamp when there is no such file.
    static FileStamp of(const QString& fileName);

    bool exists() const { return m_exists; }

    friend bool operator==(const FileStamp&, const FileStamp&) = default;

private:
    bool m_exists = false;
    quint64 m_device = 0;
    quint64 m_inode = 0;
    qint64 m_size = 0;
    qint64 m_seconds = 0;
    qint64 m_nanoseconds = 0;
};
