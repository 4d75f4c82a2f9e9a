// Whole export documents of the sample declarations in data/<case>/: the declaration file is
// read, computed and exported with a fixed date and identifier, and the bytes must equal
// expected.xml.
//
// After an intended change of the output (or of the builders in GoldenCases.h), refresh the
// folders with
//     TARVIKA_REFRESH_GOLDEN=1 <build>/tests/export/tst_export_golden
// and review the difference (git diff) before committing.

#include "GoldenCases.h"
#include "TestFiles.h"
#include "XmlProbe.h"
#include "export/ExportDeclaration.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTest>

class TestExportGolden : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void document_data();
    void document();
};

void TestExportGolden::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("TARVIKA_REFRESH_GOLDEN"))
        return;
    for (const auto& [name, build] : GoldenCases::all()) {
        const QDir folder(QStringLiteral(TARVIKA_TEST_DATA "/") + name);
        QVERIFY(QDir().mkpath(folder.path()));
        const mTDeclaration declaration = build();
        declaration.SaveToFile(folder.filePath(QStringLiteral("declaration.tv3")));
        QStringList messages;
        const auto exported = BuildExportDocument(declaration, fixedStamp(), messages);
        QVERIFY2(exported, qPrintable(messages.join(QLatin1Char('\n'))));
        QFile expected(folder.filePath(QStringLiteral("expected.xml")));
        QVERIFY(expected.open(QIODevice::WriteOnly));
        expected.write(exported->xml);
    }
}

void TestExportGolden::document_data()
{
    QTest::addColumn<QString>("folder");
    for (const auto& entry : GoldenCases::all())
        QTest::newRow(qPrintable(entry.first))
            << QStringLiteral(TARVIKA_TEST_DATA "/") + entry.first;
}

void TestExportGolden::document()
{
    QFETCH(QString, folder);
    mTDeclaration declaration;
    declaration.LoadFromFile(QDir(folder).filePath(QStringLiteral("declaration.tv3")));
    const QByteArray expected = readFile(QDir(folder).filePath(QStringLiteral("expected.xml")));

    QStringList messages;
    const auto exported = BuildExportDocument(declaration, fixedStamp(), messages);
    QVERIFY(exported);
    QCOMPARE(messages, QStringList());
    QVERIFY(XmlProbe(exported->xml).isWellFormed());
    if (exported->xml != expected) {
        // Show where the documents part, element by element.
        QStringDecoder decode("windows-1251");
        const QStringList actualParts = QString(decode(exported->xml)).split(QLatin1Char('<'));
        const QStringList expectedParts = QString(decode(expected)).split(QLatin1Char('<'));
        for (qsizetype i = 0; i < qMin(actualParts.size(), expectedParts.size()); ++i)
            QCOMPARE(actualParts[i], expectedParts[i]);
        QCOMPARE(actualParts.size(), expectedParts.size());
    }
}

QTEST_GUILESS_MAIN(TestExportGolden)
#include "tst_export_golden.moc"
