#include "storage/FileStamp.h"

#include <QFile>
#include <sys/stat.h>

FileStamp FileStamp::of(const QString& fileName)
{
    FileStamp stamp;
    struct stat info = {};
    if (fileName.isEmpty() || ::stat(QFile::encodeName(fileName).constData(), &info) != 0)
        return stamp;
    stamp.m_exists = true;
    stamp.m_device = quint64(info.st_dev);
    stamp.m_inode = quint64(info.st_ino);
    stamp.m_size = qint64(info.st_size);
    stamp.m_seconds = qint64(info.st_mtim.tv_sec);
    stamp.m_nanoseconds = qint64(info.st_mtim.tv_nsec);
    return stamp;
}
