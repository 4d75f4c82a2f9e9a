// A save whose new file is in place but whose folder could not be synced has succeeded: the window
// says so as a warning, counts the declaration as saved and takes the file for its own, so the
// next save asks nothing about another program. The write-fault library, preloaded by the test's
// environment, fails every sync of a folder in TARVIKA_FAULT_FOLDER with an input/output error.
#include "model/Declaration.h"
#include "storage/StorageErrors.h"
#include "support/UiTestSupport.h"
#include "support/UserActions.h"

#include <QDir>
#include <QTest>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

class TestFolderSync : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void savedWithAWarning();

private:
    QTemporaryDir m_settings;
    QString m_folder = QStringLiteral(TARVIKA_FAULT_FOLDER);
};

void TestFolderSync::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
    QDir(m_folder).removeRecursively();
    QVERIFY(QDir().mkpath(m_folder));
    // The fault is there, else the test would pass for nothing.
    const int fd = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    const bool failed = ::fsync(fd) != 0 && errno == EIO;
    ::close(fd);
    QVERIFY2(failed, "the write-fault library is not preloaded");
}

void TestFolderSync::savedWithAWarning()
{
    const QString file = QDir(m_folder).filePath(QStringLiteral("declaration.tv3"));
    QVERIFY(mTDeclaration().SaveToFile(file).has_value());
    UiTestBench bench;
    TFormMain& window = bench.start({file});
    for (const QString& name : {QStringLiteral("Петров"), QStringLiteral("Сидоров")}) {
        click(window, "rbGiveTrustFase");
        type(window, "meFIO", name);
        QVERIFY(!window.isSaved());
        bench.script().messages.clear();
        window.SaveDoc();
        QVERIFY(bench.script().finished());
        QCOMPARE(bench.script().messages.size(), 1);
        QCOMPARE(bench.script().messages.constFirst().icon, QMessageBox::Warning);
        QCOMPARE(bench.script().messages.constFirst().text, StorageMessage::savedUnconfirmed(EIO));
        QCOMPARE(bench.script().messages.constFirst().text,
                 QStringLiteral("Декларация сохранена, но система не подтвердила запись на диск: "
                                "Ошибка ввода-вывода: диск не смог записать данные."));
        QVERIFY(window.isSaved());
        mTDeclaration reread;
        reread.LoadFromFile(file);
        QCOMPARE(reread.RepresentativeName, name);
    }
}

QTEST_MAIN(TestFolderSync)
#include "tst_folder_sync.moc"
