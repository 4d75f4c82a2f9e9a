// Replacing a file as a whole or not at all: the new contents arrive only through commit(); every
// other ending, and every failure, leaves the old file byte for byte and nothing beside it.
// Failures of the disk come from a file-size limit (RLIMIT_FSIZE), which makes a write fail the
// way a full disk does; the harness in tests/cli fails every system call in turn.

#include "TestFiles.h"
#include "storage/AtomicFile.h"
#include "storage/FileLoader.h"
#include "storage/StorageErrors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

mode_t modeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot |
                                  QDir::System);
}

// While it lives, no file of this process may grow beyond bytes: a write past it fails with
// EFBIG instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

const QByteArray kOld = "old contents\n";

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

private slots:
    void commitReplacesTheFile();
    void endingWithoutCommitKeepsTheFile_data();
    void endingWithoutCommitKeepsTheFile();
    void linkKeepsPointingAtTheNewFile();
    void failuresSayWhy_data();
    void failuresSayWhy();
    void failedWriteKeepsTheFile();
    void declarationSaveSaysWhy();
};

void TestAtomicFile::commitReplacesTheFile()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("a.xml"));
    QVERIFY(writeFile(target, kOld));
    QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    AtomicFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write("new "), 4);
    QCOMPARE(file.write(QByteArray(100000, 'x')), 100000);
    // Nothing reaches the target before the commit.
    QCOMPARE(readFile(target), kOld);
    QVERIFY(file.commit());
    QVERIFY(file.committed());
    QCOMPARE(file.systemError(), 0);
    QVERIFY(!file.isOpen());
    QCOMPARE(readFile(target), "new " + QByteArray(100000, 'x'));
    // The replaced file keeps its permissions, and nothing else stays in the folder.
    QCOMPARE(modeOf(target), mode_t(0640));
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("a.xml")});

    // A new file gets the permissions the process gives every new file.
    const mode_t mask = ::umask(022);
    AtomicFile fresh(folder.filePath(QStringLiteral("b.xml")));
    QVERIFY(fresh.open(QIODevice::WriteOnly));
    QVERIFY(fresh.commit());
    ::umask(mask);
    QCOMPARE(modeOf(fresh.fileName()), mode_t(0644));
}

void TestAtomicFile::endingWithoutCommitKeepsTheFile_data()
{
    QTest::addColumn<int>("ending");
    QTest::newRow("destroyed") << 0;
    QTest::newRow("closed") << 1;
    QTest::newRow("cancelled") << 2;
}

void TestAtomicFile::endingWithoutCommitKeepsTheFile()
{
    QFETCH(int, ending);
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("a.tv3"));
    QVERIFY(writeFile(target, kOld));
    {
        AtomicFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("half a file"), 11);
        QCOMPARE(entries(folder.path()).size(), 2);
        if (ending == 1)
            file.close();
        if (ending == 2)
            file.cancelWriting();
        if (ending != 0) {
            QVERIFY(!file.commit());
            QVERIFY(!file.committed());
        }
    }
    QCOMPARE(readFile(target), kOld);
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("a.tv3")});
}

void TestAtomicFile::linkKeepsPointingAtTheNewFile()
{
    QTemporaryDir folder;
    const QString real = folder.filePath(QStringLiteral("real.tv3"));
    const QString link = folder.filePath(QStringLiteral("link.tv3"));
    QVERIFY(writeFile(real, kOld));
    QVERIFY(QFile::link(real, link));
    AtomicFile file(link);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write("new"), 3);
    QVERIFY(file.commit());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readFile(real), QByteArray("new"));
    QCOMPARE(entries(folder.path()).size(), 2);
}

void TestAtomicFile::failuresSayWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder")
        << QStringLiteral("missing/a.tv3") << int(ENOENT) << QStringLiteral("Папка не найдена.");
    QTest::newRow("a folder of that name")
        << QStringLiteral("folder") << int(EISDIR)
        << QStringLiteral("Под этим именем на диске находится папка.");
}

void TestAtomicFile::failuresSayWhy()
{
    QFETCH(QString, name);
    QFETCH(int, error);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    AtomicFile file(folder.filePath(name));
    QVERIFY(!file.open(QIODevice::WriteOnly));
    QCOMPARE(file.systemError(), error);
    QCOMPARE(file.errorString(), reason);
    QVERIFY(!file.commit());
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("folder")});
}

void TestAtomicFile::failedWriteKeepsTheFile()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("a.tv3"));
    QVERIFY(writeFile(target, kOld));
    AtomicFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    {
        const FileSizeLimit limit(4096);
        // The first part fits; the second runs into the limit part of the way.
        QCOMPARE(file.write(QByteArray(4000, 'a')), 4000);
        QCOMPARE(file.write(QByteArray(4000, 'b')), -1);
    }
    QCOMPARE(file.systemError(), int(EFBIG));
    QCOMPARE(file.errorString(), QStringLiteral("Файл слишком велик для этого диска."));
    // Once failed, the file stays failed: a later write that would fit changes nothing.
    QCOMPARE(file.write("c"), -1);
    QVERIFY(!file.commit());
    QVERIFY(!file.committed());
    QCOMPARE(readFile(target), kOld);
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("a.tv3")});
}

void TestAtomicFile::declarationSaveSaysWhy()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("a.tv3"));
    QVERIFY(writeFile(target, kOld));
    // The last bytes fail: they are the ones a buffered writer would write only at the end.
    const QByteArray image(10000, 'x');
    QString message;
    try {
        mTFileLoader loader(target, quint32(image.size()), false);
        const FileSizeLimit limit(8192);
        loader.write(image.constData(), image.size());
        loader.commit();
    } catch (const mEBadStorage& error) {
        message = error.message();
    }
    QCOMPARE(message, StorageMessage::cannotOpen(target) +
                          QStringLiteral("\rФайл слишком велик для этого диска."));
    QCOMPARE(readFile(target), kOld);
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("a.tv3")});
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomic_file.moc"
