// tarvika-cli export, run in-process: the document bytes on standard output, the file in a
// folder, reproducible output, usage errors and refused file names.

#include "CliRun.h"
#include "ExportSamples.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kDate = QStringLiteral("05.03.2014");
const QString kGuid = QStringLiteral("0f8fad5b-d9cb-469f-a165-70867728950e");
const QString kName = QStringLiteral(
    "NO_NDFL3_7701_7701_000000000000_20140305_0F8FAD5B-D9CB-469F-A165-70867728950E.xml");

} // namespace

class TestExportCli : public QObject
{
    Q_OBJECT

private slots:
    void toStandardOutput();
    void intoFolder();
    void usageErrors_data();
    void usageErrors();
    void unreadableDeclaration();
    void refusedFileName();

private:
    const QString m_case = QStringLiteral(TARVIKA_TEST_DATA "/non-resident/");
};

void TestExportCli::toStandardOutput()
{
    const CliRun result = runCli({u"export"_qs, m_case + u"declaration.tv3"_qs, u"--stdout"_qs,
                                  u"--date"_qs, kDate, u"--guid"_qs, kGuid});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.code, 0);
    QCOMPARE(result.out, readFile(m_case + u"expected.xml"_qs));
}

void TestExportCli::intoFolder()
{
    QTemporaryDir folder;
    const CliRun result =
        runCli({u"export"_qs, m_case + u"declaration.tv3"_qs, u"--guid"_qs,
                u"{"_qs + kGuid + u"}"_qs, u"--out"_qs, folder.path(), u"--date"_qs, kDate});
    QCOMPARE(result.code, 0);
    QCOMPARE(result.out, kName.toUtf8() + '\n');
    QCOMPARE(readFile(folder.filePath(kName)), readFile(m_case + u"expected.xml"_qs));

    // Without --date and --guid: today and a fresh identifier each time.
    const CliRun first =
        runCli({u"export"_qs, m_case + u"declaration.tv3"_qs, u"--out"_qs, folder.path()});
    const CliRun second =
        runCli({u"export"_qs, m_case + u"declaration.tv3"_qs, u"--out"_qs, folder.path()});
    QCOMPARE(first.code, 0);
    QVERIFY(first.out != second.out);
    QVERIFY(first.out.contains(QDate::currentDate().toString(u"yyyyMMdd"_qs).toLatin1()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 3);
}

void TestExportCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    const QString file = QStringLiteral("a.tv3");
    QTest::newRow("no destination") << QStringList{u"export"_qs, file};
    QTest::newRow("both destinations")
        << QStringList{u"export"_qs, file, u"--stdout"_qs, u"--out"_qs, u"/tmp"_qs};
    QTest::newRow("no file") << QStringList{u"export"_qs, u"--stdout"_qs};
    QTest::newRow("two files") << QStringList{u"export"_qs, file, file, u"--stdout"_qs};
    QTest::newRow("bad date") << QStringList{u"export"_qs, file, u"--stdout"_qs, u"--date"_qs,
                                             u"31.02.2014"_qs};
    QTest::newRow("bad guid") << QStringList{u"export"_qs, file, u"--stdout"_qs, u"--guid"_qs,
                                             u"xyz"_qs};
    QTest::newRow("missing value") << QStringList{u"export"_qs, file, u"--out"_qs};
    QTest::newRow("unknown option") << QStringList{u"export"_qs, file, u"--stdout"_qs, u"--pdf"_qs};
}

void TestExportCli::usageErrors()
{
    QFETCH(QStringList, args);
    const CliRun result = runCli(args);
    QCOMPARE(result.code, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.startsWith(u"Использование: tarvika-cli export FILE"_qs),
             qPrintable(result.err));
}

void TestExportCli::unreadableDeclaration()
{
    QTemporaryDir folder;
    const CliRun result =
        runCli({u"export"_qs, folder.filePath(u"missing.tv3"_qs), u"--out"_qs, folder.path()});
    QCOMPARE(result.code, 3);
    QVERIFY(!result.err.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

void TestExportCli::refusedFileName()
{
    QTemporaryDir folder;
    mTDeclaration declaration = ValidDeclaration();
    declaration.Person.INN = QStringLiteral("/../../x");
    const QString file = folder.filePath(u"hostile.tv3"_qs);
    declaration.SaveToFile(file);
    const QString out = folder.filePath(u"out"_qs);
    QVERIFY(QDir().mkpath(out));
    const CliRun result = runCli({u"export"_qs, file, u"--out"_qs, out});
    QCOMPARE(result.code, 3);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.endsWith(u"Ошибка записи. Файл не сформирован.\n"_qs),
             qPrintable(result.err));
    QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"hostile.tv3"_qs});
}

QTEST_GUILESS_MAIN(TestExportCli)
#include "tst_export_cli.moc"
