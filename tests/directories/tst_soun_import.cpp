// The tax-office import from the tax authority's dBase file.

#include "SounBuilder.h"
#include "TestFiles.h"
#include "directories/CodeDirectory.h"
#include "directories/SounImport.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

std::optional<QList<DirectoryEntry>> read(const QByteArray& dbf)
{
    QBuffer buffer;
    buffer.setData(dbf);
    buffer.open(QIODevice::ReadOnly);
    return SounFile::ReadOffices(buffer);
}

} // namespace

class TestSounImport : public QObject
{
    Q_OBJECT

private slots:
    void filter_data();
    void filter();
    void namesAreTrimmedAndConverted();
    void headerAnnouncingMoreRecordsStopsAtEnd();
    void damagedFiles_data();
    void damagedFiles();
    void importWritesDirectory();
    void failedWriteSaysWhy();
    void failedImportKeepsOldFile_data();
    void failedImportKeepsOldFile();
};

void TestSounImport::filter_data()
{
    QTest::addColumn<SounBuilder::Record>("record");
    QTest::addColumn<bool>("taken");
    QTest::newRow("inspection") << SounBuilder::Record{"7701", QStringLiteral("ИФНС № 1")} << true;
    QTest::newRow("regional administration")
        << SounBuilder::Record{"7700", QStringLiteral("УФНС")} << false;
    QTest::newRow("federal service") << SounBuilder::Record{"0000", QStringLiteral("ФНС")} << false;
    QTest::newRow("code with blanks") << SounBuilder::Record{" 77 ", QStringLiteral("X")} << true;
    QTest::newRow("field 7 filled")
        << SounBuilder::Record{"7702", QStringLiteral("X"), '1', "7799"} << false;
    QTest::newRow("mark not 1") << SounBuilder::Record{"7703", QStringLiteral("X"), '0'} << false;
    QTest::newRow("mark blank") << SounBuilder::Record{"7703", QStringLiteral("X"), ' '} << false;
    QTest::newRow("field 934 filled")
        << SounBuilder::Record{"7704", QStringLiteral("X"), '1', "", "01.01.2012"} << false;
    QTest::newRow("field 934 blanks")
        << SounBuilder::Record{"7705", QStringLiteral("X"), '1', "   ", "          "} << true;
}

void TestSounImport::filter()
{
    QFETCH(SounBuilder::Record, record);
    QFETCH(bool, taken);
    // The record sits between two taken ones, so the last record is read like every other.
    const QByteArray dbf = SounBuilder()
                               .add("0101", QStringLiteral("Первая"))
                               .add(record)
                               .add("9901", QStringLiteral("Последняя"))
                               .build();
    const auto offices = read(dbf);
    QVERIFY(offices);
    QCOMPARE(offices->size(), taken ? 3 : 2);
    QCOMPARE(offices->first().code, QStringLiteral("0101"));
    QCOMPARE(offices->last().name, QStringLiteral("Последняя"));
}

void TestSounImport::namesAreTrimmedAndConverted()
{
    const QString name = QStringLiteral("Инспекция ФНС России № 5 по г.Москве");
    const auto offices = read(
        SounBuilder().add("7705", QStringLiteral("   ") + name + QStringLiteral("     ")).build());
    QCOMPARE(offices->size(), 1);
    QCOMPARE(offices->first(), (DirectoryEntry{QStringLiteral("7705"), name}));

    const QByteArray xml = SounFile::InspectionNumbersXml(*offices, QStringLiteral("10.12.2026"),
                                                          QStringLiteral("00"));
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"));
    // The name in Windows-1251, as is (not upper-cased), without the blanks around it.
    QVERIFY(xml.contains("<Inspection Code=\"7705\">" +
                         QStringEncoder("windows-1251").encode(name) + "</Inspection>"));
    QVERIFY(xml.contains("<Inspections Version=\"00\" Date=\"10.12.2026\">"));
    // The written file reads back as the directory.
    QString error;
    const auto directory = CodeDirectory::fromXml(xml, &error);
    QVERIFY2(directory, qPrintable(error));
    QCOMPARE(directory->entries(), *offices);
}

void TestSounImport::headerAnnouncingMoreRecordsStopsAtEnd()
{
    const auto offices = read(SounBuilder()
                                  .add("0101", QStringLiteral("A"))
                                  .add("0102", QStringLiteral("B"))
                                  .build(1000000));
    QVERIFY(offices);
    QCOMPARE(offices->size(), 2);
    // A header announcing fewer records than the file holds ends there.
    QCOMPARE(read(SounBuilder()
                      .add("0101", QStringLiteral("A"))
                      .add("0102", QStringLiteral("B"))
                      .build(1))
                 ->size(),
             1);
}

void TestSounImport::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("dbf");
    const QByteArray good =
        SounBuilder().add("0101", QStringLiteral("A")).add("0102", QStringLiteral("B")).build();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header cut short") << good.left(20);
    QTest::newRow("last record cut short") << good.chopped(1);
    QTest::newRow("record cut in the middle") << good.left(65 + 1194 + 400);
    // Files that are not a dBase III table of tax offices at all.
    const auto patched = [&](int offset, QByteArray bytes) {
        return QByteArray(good).replace(offset, bytes.size(), bytes);
    };
    QTest::newRow("not a dBase file") << QByteArray("%PDF-1.4\n% a small file that is no table\n");
    QTest::newRow("dBase IV version byte") << patched(0, "\x04");
    QTest::newRow("FoxPro version byte") << patched(0, "\x30");
    QTest::newRow("header beyond the end of the file") << patched(8, "\xFF\xFF");
    QTest::newRow("header only as long as its first part") << patched(8, QByteArray("\x20\x00", 2));
    QTest::newRow("records of another length") << patched(10, QByteArray("\x20\x00", 2));
}

void TestSounImport::damagedFiles()
{
    QFETCH(QByteArray, dbf);
    QVERIFY(!read(dbf));
}

void TestSounImport::importWritesDirectory()
{
    QTemporaryDir folder;
    const QString dbfPath = folder.filePath(QStringLiteral("soun1.dbf"));
    const QString outPath = folder.filePath(QStringLiteral("InspectionNumbers.xml"));
    QVERIFY(writeFile(dbfPath, SounBuilder()
                                   .add("7700", QStringLiteral("УФНС"))
                                   .add("7701", QStringLiteral("ИФНС № 1"))
                                   .build()));
    const SounImportResult result =
        ImportSoun(dbfPath, outPath, QStringLiteral("01.02.2014"), QStringLiteral("00"));
    QVERIFY(result.imported);
    QCOMPARE(result.message(),
             QStringLiteral("Данные успешно импортированы. Не забудьте перезапустить программу."));
    QString error;
    const auto directory = CodeDirectory::fromXml(readFile(outPath), &error);
    QVERIFY2(directory, qPrintable(error));
    QCOMPARE(directory->entries(),
             (QList<DirectoryEntry>{{QStringLiteral("7701"), QStringLiteral("ИФНС № 1")}}));
}

void TestSounImport::failedWriteSaysWhy()
{
    QTemporaryDir folder;
    const QString dbfPath = folder.filePath(QStringLiteral("soun1.dbf"));
    QVERIFY(writeFile(dbfPath, SounBuilder().add("7701", QStringLiteral("ИФНС № 1")).build()));
    const SounImportResult result =
        ImportSoun(dbfPath, folder.filePath(QStringLiteral("missing/InspectionNumbers.xml")),
                   QStringLiteral("01.02.2014"), QStringLiteral("00"));
    QVERIFY(!result.imported);
    QCOMPARE(result.message(),
             QStringLiteral("Импортировать данные не удалось\rПапка не найдена."));
}

void TestSounImport::failedImportKeepsOldFile_data()
{
    QTest::addColumn<QByteArray>("dbf");
    QTest::addColumn<bool>("dbfExists");
    const QByteArray good =
        SounBuilder().add("0101", QStringLiteral("A")).add("0102", QStringLiteral("B")).build();
    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("truncated record") << good.chopped(100) << true;
    QTest::newRow("truncated header") << good.left(10) << true;
    // A table without a single tax office never replaces the directory with an empty one.
    QTest::newRow("no tax office")
        << SounBuilder().add("7700", QStringLiteral("УФНС")).build() << true;
    QTest::newRow("not a dBase table") << QByteArray(40, 'x') << true;
}

void TestSounImport::failedImportKeepsOldFile()
{
    QFETCH(QByteArray, dbf);
    QFETCH(bool, dbfExists);
    QTemporaryDir folder;
    const QString dbfPath = folder.filePath(QStringLiteral("soun1.dbf"));
    const QString outPath = folder.filePath(QStringLiteral("InspectionNumbers.xml"));
    if (dbfExists)
        QVERIFY(writeFile(dbfPath, dbf));
    const QByteArray old = "<?xml version=\"1.0\"?><Inspections><Inspection "
                           "Code=\"0101\">A</Inspection></Inspections>";
    QVERIFY(writeFile(outPath, old));
    const SounImportResult result =
        ImportSoun(dbfPath, outPath, QStringLiteral("01.02.2014"), QStringLiteral("00"));
    QVERIFY(!result.imported);
    // A file that cannot be read or is no table says no more than the failure message.
    QCOMPARE(result.message(), QStringLiteral("Импортировать данные не удалось"));
    QCOMPARE(readFile(outPath), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), dbfExists ? 2 : 1);
}

QTEST_GUILESS_MAIN(TestSounImport)
#include "tst_soun_import.moc"
