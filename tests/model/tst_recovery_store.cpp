// Recovery copies without a window: where they lie, which file each belongs to, the lock that
// keeps a running program's copy from another, the copy left by a program that ended, a damaged
// copy set aside, and the writer on its own thread with the newest declaration winning.

#include "model/Declaration.h"
#include "model/file/RecoveryStore.h"
#include "model/file/RecoveryWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

mTDeclaration withInspection(const QString& code)
{
    mTDeclaration d;
    d.SetInteractiveDefaults();
    d.InspectionCode = code;
    return d;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void copyBelongsToItsFile();
    void heldCopyIsNotFound();
    void newestFirstAndStaleNoteRemoved();
    void damagedCopySetAside();
    void writerWritesTheNewest();
    void writerReportsFailure();

private:
    QString file(const QString& name) const { return m_dir->filePath(name); }
    QString folder() const { return m_dir->filePath(QStringLiteral("recovery")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecovery::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    withInspection(QStringLiteral("0000")).SaveToFile(file(QStringLiteral("a.tv3")));
    withInspection(QStringLiteral("0000")).SaveToFile(file(QStringLiteral("b.tv3")));
}

void TestRecovery::copyBelongsToItsFile()
{
    const RecoveryStore store(folder());
    {
        // Named through another path to the same file.
        RecoveryCopy copy = store.create(m_dir->path() + QStringLiteral("/./a.tv3"));
        QVERIFY(!copy.written().isValid());
        copy.write(withInspection(QStringLiteral("7701")));
        QVERIFY(copy.path().startsWith(folder() + QStringLiteral("/a-")));
        QCOMPARE(copy.origin(), RecoveryStore::originOf(file(QStringLiteral("a.tv3"))));
        // Only the person reads the copies of the declaration.
        QCOMPARE(QFileInfo(folder()).permissions() &
                     (QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther),
                 QFileDevice::Permissions());
        RecoveryCopy fresh = store.create(QString());
        fresh.write(withInspection(QStringLiteral("7702")));
    }
    QVERIFY(store.find(file(QStringLiteral("b.tv3"))).empty());

    std::vector<RecoveryCopy> found = store.find(file(QStringLiteral("a.tv3")));
    QCOMPARE(found.size(), size_t(1));
    mTDeclaration read;
    QVERIFY(!found.front().read(read));
    QCOMPARE(read.InspectionCode, QStringLiteral("7701"));

    std::vector<RecoveryCopy> unnamed = store.find(QString());
    QCOMPARE(unnamed.size(), size_t(1));
    QVERIFY(unnamed.front().origin().isEmpty());
    QVERIFY(!unnamed.front().read(read));
    QCOMPARE(read.InspectionCode, QStringLiteral("7702"));

    found.front().remove();
    unnamed.front().remove();
    QCOMPARE(entries(folder()), QStringList());
}

void TestRecovery::heldCopyIsNotFound()
{
    // A copy another running program writes is neither offered nor removed here; once that
    // program ends, however it ends, the copy is found.
    const RecoveryStore store(folder());
    auto owned = std::make_unique<RecoveryCopy>(store.create(file(QStringLiteral("a.tv3"))));
    owned->write(withInspection(QStringLiteral("7701")));
    QVERIFY(store.find(file(QStringLiteral("a.tv3"))).empty());
    QCOMPARE(entries(folder()).size(), 2);
    owned.reset();
    {
        std::vector<RecoveryCopy> found = store.find(file(QStringLiteral("a.tv3")));
        QCOMPARE(found.size(), size_t(1));
        // Found is held too.
        QVERIFY(store.find(file(QStringLiteral("a.tv3"))).empty());
    }
    QCOMPARE(store.find(file(QStringLiteral("a.tv3"))).size(), size_t(1));
}

void TestRecovery::newestFirstAndStaleNoteRemoved()
{
    const RecoveryStore store(folder());
    for (const char* code : {"0001", "0002"}) {
        RecoveryCopy copy = store.create(file(QStringLiteral("a.tv3")));
        copy.write(withInspection(QString::fromLatin1(code)));
        QFile touched(copy.path());
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(code[3] == '1' ? 60 : -60),
                                    QFileDevice::FileModificationTime));
    }
    // A note whose copy never came: its program ended in between.
    QString stale;
    {
        RecoveryCopy copy = store.create(file(QStringLiteral("a.tv3")));
        copy.write(withInspection(QStringLiteral("0003")));
        stale = copy.path();
    }
    QVERIFY(QFile::remove(stale));
    QCOMPARE(entries(folder()).size(), 5);

    const std::vector<RecoveryCopy> found = store.find(file(QStringLiteral("a.tv3")));
    QCOMPARE(found.size(), size_t(2));
    mTDeclaration first;
    QVERIFY(!found.front().read(first));
    QCOMPARE(first.InspectionCode, QStringLiteral("0001"));
    QVERIFY(found.front().written() > found.back().written());
    QCOMPARE(entries(folder()).size(), 4);
}

void TestRecovery::damagedCopySetAside()
{
    const RecoveryStore store(folder());
    QString path;
    {
        RecoveryCopy copy = store.create(file(QStringLiteral("a.tv3")));
        copy.write(withInspection(QStringLiteral("7701")));
        path = copy.path();
    }
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("DLSG cut short");
    damaged.close();

    std::vector<RecoveryCopy> found = store.find(file(QStringLiteral("a.tv3")));
    QCOMPARE(found.size(), size_t(1));
    mTDeclaration read;
    QVERIFY(found.front().read(read).has_value());
    QCOMPARE(found.front().setAside(), path + QStringLiteral(".damaged"));
    QVERIFY(QFile::exists(path + QStringLiteral(".damaged")));
    QVERIFY(!QFile::exists(path));
    QVERIFY(store.find(file(QStringLiteral("a.tv3"))).empty());
}

void TestRecovery::writerWritesTheNewest()
{
    const RecoveryStore store(folder());
    RecoveryCopy copy = store.create(file(QStringLiteral("a.tv3")));
    RecoveryWriter writer;
    for (int i = 0; i < 20; ++i)
        writer.write(
            copy, std::make_unique<const mTDeclaration>(withInspection(QString::number(1000 + i))));
    writer.flush();
    QVERIFY(!writer.lastFailure());
    mTDeclaration read;
    QVERIFY(!copy.read(read));
    QCOMPARE(read.InspectionCode, QStringLiteral("1019"));

    // After settle() nothing writes the copy any more: removed, it stays removed.
    writer.write(copy,
                 std::make_unique<const mTDeclaration>(withInspection(QStringLiteral("2000"))));
    writer.settle();
    copy.remove();
    writer.flush();
    QCOMPARE(entries(folder()), QStringList());
}

void TestRecovery::writerReportsFailure()
{
    // The recovery folder cannot be made: a file lies where it should be.
    QFile blocking(folder());
    QVERIFY(blocking.open(QIODevice::WriteOnly));
    blocking.close();
    RecoveryCopy copy = RecoveryStore(folder()).create(file(QStringLiteral("a.tv3")));
    RecoveryWriter writer;
    writer.write(copy, std::make_unique<const mTDeclaration>(withInspection(QStringLiteral("1"))));
    writer.flush();
    QVERIFY(writer.lastFailure().has_value());
    QVERIFY(writer.lastFailure()->contains(folder()));
}

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery_store.moc"
