// The command-line tool's verbs, run in-process with their output captured.

#include "CliRun.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString sample()
{
    return QStringLiteral(TARVIKA_SOURCE_DIR "/examples/sample.tv3");
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void dumpIsJson();
    void convertWritesTheSameBytes();
    void fileErrors();
    void usageErrors_data();
    void usageErrors();
    void shippedExamplesPassTheCheck();
};

void TestCli::dumpIsJson()
{
    const CliRun result = runCli({QStringLiteral("dump"), sample()});
    QCOMPARE(result.code, 0);
    QCOMPARE(result.err, QString());
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(result.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json.object().value(QStringLiteral("signature")).toString(),
             QStringLiteral("Tarv2013"));
    QVERIFY(result.out.contains("\"Surname\": \"Смирнова\""));
    QVERIFY(result.out.contains("\"stream\": \"@SourseIncome001011\""));
}

void TestCli::convertWritesTheSameBytes()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("copy.tv3"));
    const CliRun result = runCli({QStringLiteral("convert"), sample(), out});
    QCOMPARE(result.code, 0);
    QCOMPARE(readFile(out), readFile(sample()));
}

void TestCli::fileErrors()
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.tv3"));
    QVERIFY(
        writeFile(broken, readFile(sample()).replace("0009@DeclInfo0004", "0009@DeclInfo00x4")));
    const QString out = dir.filePath(QStringLiteral("out.tv3"));
    for (const QStringList& args : {QStringList{QStringLiteral("dump"), broken},
                                    QStringList{QStringLiteral("convert"), broken, out}}) {
        const CliRun result = runCli(args);
        QCOMPARE(result.code, 3);
        QCOMPARE(result.err,
                 QStringLiteral("Неправильный формат файла декларации, возможно он поврежден.\n"));
        QCOMPARE(result.out, QByteArray());
    }
    QVERIFY(!QFile::exists(out));

    const CliRun unwritable = runCli({QStringLiteral("convert"), sample(), dir.path()});
    QCOMPARE(unwritable.code, 3);
    QCOMPARE(unwritable.err, QStringLiteral("Ошибка чтения файла: ") + dir.path() +
                                 QStringLiteral("\nВозможно он занят, или с признаком "
                                                "'read only'\n"));
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("unknown verb") << QStringList{QStringLiteral("frobnicate")};
    QTest::newRow("dump without file") << QStringList{QStringLiteral("dump")};
    QTest::newRow("convert with one file") << QStringList{QStringLiteral("convert"), sample()};
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, args);
    const CliRun result = runCli(args);
    QCOMPARE(result.code, 2);
    QVERIFY(result.err.startsWith(QStringLiteral("Использование: tarvika-cli ")));
    QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
}

void TestCli::shippedExamplesPassTheCheck()
{
    // What a person opens first must not fail the program's own check.
    const QDir examples(QStringLiteral(TARVIKA_SOURCE_DIR "/examples"));
    const QStringList files = examples.entryList({QStringLiteral("*.tv3")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString& file : files) {
        const CliRun result = runCli({QStringLiteral("check"), examples.filePath(file)});
        QVERIFY2(result.code == 0, qPrintable(file + QLatin1Char(' ') + result.err));
    }
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
