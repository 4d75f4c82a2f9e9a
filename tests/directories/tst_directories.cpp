// Directory formats, look-ups, hardened parsing and start-up loading, including the shipped files.

#include "TestFiles.h"
#include "directories/ActivityDirectory.h"
#include "directories/CodeDirectory.h"
#include "directories/CurrencyDirectory.h"
#include "directories/DirectoryFiles.h"
#include "directories/FixedTables.h"
#include "directories/IncomeCodeDirectory.h"
#include "storage/DayCount.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray utf8Xml(const char* body)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + body;
}

QString dataFile(const char* name)
{
    return QStringLiteral(TARVIKA_TEST_DATA "/") + QLatin1String(name);
}

QString shippedFolder()
{
    return QStringLiteral(TARVIKA_SOURCE_DIR "/data");
}

const QByteArray kAscendingRates = utf8Xml(R"(<CurrencyRates>
  <Currency Code="840" Name="Доллар США" Quantity="1">
    <Rate Date="28.12.2013" Rate="32,6587"/>
    <Rate Date="31.12.2013" Rate="32,7292"/>
  </Currency>
</CurrencyRates>)");

const QByteArray kDescendingRates = utf8Xml(R"(<CurrencyRates>
  <Valuta Code="392" Name="Иена" Quantity="100">
    <Kurs Date="31.12.2013" Rate="31,0568"/>
    <Kurs Date="28.12.2013" Rate="31,2000"/>
    <Kurs Date="25.12.2013" Rate="31,5000"/>
  </Valuta>
</CurrencyRates>)");

} // namespace

class TestDirectories : public QObject
{
    Q_OBJECT

private slots:
    void fixedTables();
    void codeDirectoryTakesEveryChildInOrder();
    void emptyCodeDirectoryIsAvailable();
    void rateLookup_data();
    void rateLookup();
    void rateLookupWithInvalidDateFails();
    void rateLookupForUnknownCurrency();
    void activityHierarchy();
    void hostileOrBrokenXmlIsRefused_data();
    void hostileOrBrokenXmlIsRefused();
    void loadingMissingFilesLeavesDirectoriesAbsent();
    void unreadableTaxOfficeFileIsFatal();
    void unreadableOtherFilesAreWarnings_data();
    void unreadableOtherFilesAreWarnings();
    void folderInPlaceOfFile();
    void shippedFilesHoldRealData();
    void embeddedIncomeCodes();
};

void TestDirectories::fixedTables()
{
    const auto& kinds = FixedTables::DocumentKinds();
    QCOMPARE(kinds.size(), 14);
    QCOMPARE(kinds.first().code, QStringLiteral("03"));
    QCOMPARE(kinds.at(10),
             (DirectoryEntry{QStringLiteral("21"), QStringLiteral("Паспорт гражданина РФ")}));
    QCOMPARE(kinds.last().code, QStringLiteral("91"));

    const auto& regions = FixedTables::Regions();
    QCOMPARE(regions.size(), 85);
    QCOMPARE(regions.first(),
             (DirectoryEntry{QStringLiteral("01"), QStringLiteral("Республика Адыгея (Адыгея)")}));
    QCOMPARE(
        regions.last(),
        (DirectoryEntry{QStringLiteral("99"),
                        QStringLiteral("иные территории, включая город и космодром Байконур")}));
    for (const char* absent :
         {"80", "81", "82", "83", "84", "85", "88", "90", "93", "94", "95", "96", "97", "98"}) {
        const bool present =
            std::any_of(regions.begin(), regions.end(),
                        [&](const DirectoryEntry& e) { return e.code == QLatin1String(absent); });
        QVERIFY2(!present, absent);
    }
    // Rows come in ascending code order.
    for (int i = 1; i < regions.size(); ++i)
        QVERIFY(regions.at(i - 1).code < regions.at(i).code);
}

void TestDirectories::codeDirectoryTakesEveryChildInOrder()
{
    QString error;
    const auto directory = CodeDirectory::fromXml(utf8Xml(R"(<Root>
        <Country Code="643">РОССИЯ</Country>
        <!-- a comment is no row -->
        <Land Code="840">СОЕДИНЕННЫЕ ШТАТЫ</Land>
        <Country Code="643">ВТОРАЯ РОССИЯ</Country>
        <Country>БЕЗ КОДА</Country>
        <Country Code="&amp;&#38;#38;&lt;&quot;&#1060;">A &amp; B &#1060;&lt;</Country>
    </Root>)"),
                                                  &error);
    QVERIFY2(directory, qPrintable(error));
    QCOMPARE(directory->count(), 5);
    QCOMPARE(directory->entries().at(1).name, QStringLiteral("СОЕДИНЕННЫЕ ШТАТЫ"));
    // Two rows with the same code: the first counts.
    QCOMPARE(directory->find(QStringLiteral("643"))->name, QStringLiteral("РОССИЯ"));
    QCOMPARE(directory->indexOf(QStringLiteral("643")), 0);
    QCOMPARE(directory->find(QStringLiteral("999")), nullptr);
    QCOMPARE(directory->entries().at(3).code, QString());
    // References are resolved in values and in text alike.
    QCOMPARE(directory->entries().at(4),
             (DirectoryEntry{QStringLiteral("&&#38;<\"Ф"), QStringLiteral("A & B Ф<")}));
}

void TestDirectories::emptyCodeDirectoryIsAvailable()
{
    QTemporaryDir folder;
    QVERIFY(writeFile(
        folder.filePath(DirectoryFiles::TaxOffices()),
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?><Inspections Version=\"00\"/>"));
    QVERIFY(writeFile(folder.filePath(DirectoryFiles::Countries()), "<Oksm></Oksm>"));
    const DirectoryLoadResult result = LoadDirectories(folder.path());
    QVERIFY(!result.fatal);
    QVERIFY(result.warnings.isEmpty());
    QVERIFY(result.directories.taxOfficesAvailable());
    QVERIFY(result.directories.countriesAvailable());
    QVERIFY(result.directories.taxOffices->isEmpty());
}

void TestDirectories::rateLookup_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("rate");

    QTest::newRow("between two rates: the earlier")
        << kAscendingRates << "840" << QDate(2013, 12, 30) << true << "32,6587";
    QTest::newRow("own date") << kAscendingRates << "840" << QDate(2013, 12, 31) << true
                              << "32,7292";
    QTest::newRow("after the last")
        << kAscendingRates << "840" << QDate(2014, 1, 1) << true << "32,7292";
    QTest::newRow("before the first")
        << kAscendingRates << "840" << QDate(2013, 12, 27) << false << "";
    QTest::newRow("descending: own date")
        << kDescendingRates << "392" << QDate(2013, 12, 28) << true << "31,2000";
    // Walking down a descending list, every earlier rate is remembered: the last one wins.
    QTest::newRow("descending: no own date")
        << kDescendingRates << "392" << QDate(2013, 12, 30) << true << "31,5000";
    QTest::newRow("descending: after all")
        << kDescendingRates << "392" << QDate(2014, 1, 15) << true << "31,5000";
}

void TestDirectories::rateLookup()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, code);
    QFETCH(QDate, date);
    QFETCH(bool, found);
    QFETCH(QString, rate);
    QString error;
    const auto directory = CurrencyDirectory::fromXml(xml, &error);
    QVERIFY2(directory, qPrintable(error));
    const RateLookup lookup = directory->rateFor(code, date);
    QCOMPARE(lookup.found(), found);
    QCOMPARE(lookup.status, found ? RateLookup::Status::Found : RateLookup::Status::NoRate);
    QCOMPARE(lookup.rate, rate);
    if (found)
        QCOMPARE(lookup.quantity, directory->find(code)->quantity);
    // A day count with a time of day gives the same rate as its date.
    QCOMPARE(directory->rateFor(code, DayCount::fromDate(date) + 0.75).rate, rate);
}

void TestDirectories::rateLookupWithInvalidDateFails()
{
    QString error;
    const auto directory =
        CurrencyDirectory::fromXml(utf8Xml(R"(<R><C Code="978" Name="Евро" Quantity="1">
        <X Date="10.01.2013" Rate="40,0000"/>
        <X Date="2013-01-11" Rate="41,0000"/>
        <X Date="12.01.2013" Rate="42,0000"/>
    </C></R>)"),
                                   &error);
    QVERIFY(directory);
    // The exact date is met before the damaged one.
    QCOMPARE(directory->rateFor(QStringLiteral("978"), QDate(2013, 1, 10)).rate,
             QStringLiteral("40,0000"));
    const RateLookup lookup = directory->rateFor(QStringLiteral("978"), QDate(2013, 1, 12));
    QCOMPARE(lookup.status, RateLookup::Status::BadDate);
    QCOMPARE(lookup.rateDate, QStringLiteral("2013-01-11"));
    QVERIFY(lookup.rate.isEmpty());
}

void TestDirectories::rateLookupForUnknownCurrency()
{
    QString error;
    const auto directory = CurrencyDirectory::fromXml(kAscendingRates, &error);
    QCOMPARE(directory->rateFor(QStringLiteral("978"), QDate(2013, 12, 31)).status,
             RateLookup::Status::NoCurrency);
    QCOMPARE(directory->find(QStringLiteral("840"))->name, QStringLiteral("Доллар США"));
}

void TestDirectories::activityHierarchy()
{
    QString error;
    const auto directory = ActivityDirectory::fromXml(utf8Xml(R"(<R>
        <I><GRUP>1</GRUP><Name>Раздел А</Name><Kod>A</Kod><OKVED>A</OKVED></I>
        <I><GRUP>2</GRUP><Name>Класс 01</Name><Kod>A01</Kod><OKVED>01</OKVED></I>
        <I><GRUP>3</GRUP><Name>Подкласс 01.1</Name><Kod>A01.1</Kod><OKVED>01.1</OKVED></I>
        <I><GRUP>2</GRUP><Name>Класс 02</Name><Kod>A02</Kod><OKVED>02</OKVED></I>
        <I><GRUP>3</GRUP><Name>Подкласс 02.1</Name><Kod>A02.1</Kod><OKVED>02.1</OKVED></I>
        <I><GRUP>1</GRUP><Name>Раздел B</Name><Kod>B</Kod><OKVED>B</OKVED></I>
    </R>)"),
                                                      &error);
    QVERIFY2(directory, qPrintable(error));
    QCOMPARE(directory->entriesOfLevel(1), (QList<int>{0, 5}));
    // Every third-level entry under the section, not only those under one class.
    QCOMPARE(directory->entriesOfLevel(3, QStringLiteral("A")), (QList<int>{2, 4}));
    QCOMPARE(directory->entriesOfLevel(3, QStringLiteral("A02")), (QList<int>{4}));
    QCOMPARE(directory->entriesOfLevel(2, QStringLiteral("B")), QList<int>());
    QCOMPARE(directory->findByName(2, QStringLiteral("Класс 02")), 3);
    QCOMPARE(directory->findByName(3, QStringLiteral("Класс 02")), -1);
    QCOMPARE(directory->findByOkved(QStringLiteral("01.1")), 2);
}

void TestDirectories::hostileOrBrokenXmlIsRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unclosed element") << "unclosed_element.xml"
                                      << "ошибка разметки XML в строке 6, столбце 1";
    QTest::newRow("entity expansion") << "entity_expansion.xml"
                                      << "объявление типа документа";
    QTest::newRow("external entity") << "external_entity.xml"
                                     << "объявление типа документа";
    QTest::newRow("external DTD") << "external_dtd.xml"
                                  << "объявление типа документа";
    QTest::newRow("unknown encoding") << "unknown_encoding.xml"
                                      << "ошибка разметки XML в строке 1";
    QTest::newRow("empty file") << "empty_file.xml"
                                << "ошибка разметки XML";
    QTest::newRow("binary") << "binary.xml"
                            << "ошибка разметки XML";
}

void TestDirectories::hostileOrBrokenXmlIsRefused()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QString error;
    const auto bytes = DirectoryFiles::readFile(dataFile(file.toLatin1().constData()), &error);
    QVERIFY2(bytes, qPrintable(error));
    QVERIFY(!CodeDirectory::fromXml(*bytes, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestDirectories::loadingMissingFilesLeavesDirectoriesAbsent()
{
    QTemporaryDir folder;
    const DirectoryLoadResult result = LoadDirectories(folder.path());
    QVERIFY(!result.fatal);
    QVERIFY(result.warnings.isEmpty());
    QVERIFY(!result.directories.taxOfficesAvailable());
    QVERIFY(!result.directories.countriesAvailable());
    QVERIFY(!result.directories.activities);
    QVERIFY(!result.directories.currencies);
}

void TestDirectories::unreadableTaxOfficeFileIsFatal()
{
    QTemporaryDir folder;
    QVERIFY(QFile::copy(dataFile("unclosed_element.xml"),
                        folder.filePath(DirectoryFiles::TaxOffices())));
    QVERIFY(QFile::copy(shippedFolder() + QStringLiteral("/Oksm.xml"),
                        folder.filePath(DirectoryFiles::Countries())));
    const DirectoryLoadResult result = LoadDirectories(folder.path());
    QVERIFY(result.fatal);
    QVERIFY(result.fatalMessage.startsWith(
        QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские.")));
    // The program ends; nothing else is loaded.
    QVERIFY(!result.directories.countriesAvailable());
}

void TestDirectories::unreadableOtherFilesAreWarnings_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("countries") << DirectoryFiles::Countries();
    QTest::newRow("activities") << DirectoryFiles::Activities();
    QTest::newRow("currencies") << DirectoryFiles::Currencies();
}

void TestDirectories::unreadableOtherFilesAreWarnings()
{
    QFETCH(QString, fileName);
    QTemporaryDir folder;
    const QStringList names{DirectoryFiles::TaxOffices(), DirectoryFiles::Countries(),
                            DirectoryFiles::Activities(), DirectoryFiles::Currencies()};
    for (const QString& name : names) {
        if (name == fileName)
            QVERIFY(QFile::copy(dataFile("entity_expansion.xml"), folder.filePath(name)));
        else
            QVERIFY(writeFile(folder.filePath(name), "<Root/>"));
    }
    const DirectoryLoadResult result = LoadDirectories(folder.path());
    QVERIFY(!result.fatal);
    QCOMPARE(result.warnings.size(), 1);
    QVERIFY2(result.warnings.first().contains(QLatin1Char('"') + fileName + QLatin1Char('"')),
             qPrintable(result.warnings.first()));
    const ReferenceDirectories& d = result.directories;
    QVERIFY(d.taxOfficesAvailable());
    QCOMPARE(d.countriesAvailable(), fileName != DirectoryFiles::Countries());
    QCOMPARE(d.activities.has_value(), fileName != DirectoryFiles::Activities());
    QCOMPARE(d.currencies.has_value(), fileName != DirectoryFiles::Currencies());
}

void TestDirectories::folderInPlaceOfFile()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(DirectoryFiles::Currencies()));
    const DirectoryLoadResult result = LoadDirectories(folder.path());
    QVERIFY(!result.fatal);
    QCOMPARE(result.warnings.size(), 1);
    QVERIFY2(result.warnings.first().contains(QStringLiteral("\"CurrencyRates.xml\"")),
             qPrintable(result.warnings.first()));
    QVERIFY(!result.directories.currencies);
}

void TestDirectories::shippedFilesHoldRealData()
{
    const DirectoryLoadResult result = LoadDirectories(shippedFolder());
    QVERIFY(!result.fatal);
    QVERIFY2(result.warnings.isEmpty(), qPrintable(result.warnings.join(QLatin1Char('\n'))));
    const ReferenceDirectories& d = result.directories;

    QVERIFY(d.taxOffices->count() > 2000);
    QCOMPARE(d.taxOffices->find(QStringLiteral("7701"))->name,
             QStringLiteral("Инспекция Федеральной налоговой службы № 1 по г.Москве"));
    // Regional administrations are left out, as the import leaves them out.
    for (const DirectoryEntry& office : d.taxOffices->entries())
        QVERIFY2(office.code.mid(2, 2) != QLatin1String("00"), qPrintable(office.code));

    QCOMPARE(d.countries->find(QStringLiteral("643"))->name, QStringLiteral("РОССИЯ"));
    QCOMPARE(d.countries->find(QStringLiteral("840"))->name, QStringLiteral("СОЕДИНЕННЫЕ ШТАТЫ"));

    const CurrencyDirectory& c = *d.currencies;
    QCOMPARE(c.find(QStringLiteral("840"))->name, QStringLiteral("Доллар США"));
    QCOMPARE(c.rateFor(QStringLiteral("840"), QDate(2013, 12, 31)).rate, QStringLiteral("32,7292"));
    // No rate was set on 2 to 9 January 2014: the rate of 1 January applies.
    QCOMPARE(c.rateFor(QStringLiteral("840"), QDate(2014, 1, 5)).rate, QStringLiteral("32,6587"));
    QCOMPARE(c.rateFor(QStringLiteral("978"), QDate(2013, 12, 31)).rate, QStringLiteral("44,9699"));
    const RateLookup yen = c.rateFor(QStringLiteral("392"), QDate(2013, 12, 31));
    QCOMPARE(yen.rate, QStringLiteral("31,0568"));
    QCOMPARE(yen.quantity, QStringLiteral("100"));
    QCOMPARE(c.rateFor(QStringLiteral("840"), QDate(2012, 12, 28)).status,
             RateLookup::Status::NoRate);

    const ActivityDirectory& a = *d.activities;
    QCOMPARE(a.entriesOfLevel(1).size(), 21);
    const int retail = a.findByOkved(QStringLiteral("47.11"));
    QVERIFY(retail >= 0);
    QCOMPARE(a.entries().at(retail).grup, QStringLiteral("4"));
    // The entry is found below its section and its class.
    const ActivityEntry& section = a.entries().at(a.entriesOfLevel(1).at(6)); // G
    QVERIFY(a.entriesOfLevel(4, section.kod).contains(retail));
    QVERIFY(a.entriesOfLevel(4, a.entries().at(a.findByOkved(QStringLiteral("47"))).kod)
                .contains(retail));
}

void TestDirectories::embeddedIncomeCodes()
{
    const IncomeCodeDirectory directory = IncomeCodeDirectory::embedded();
    QCOMPARE(directory.count(), 76);
    QCOMPARE(directory.at(0).code, QStringLiteral("1010"));
    QCOMPARE(directory.at(23).code, QStringLiteral("1531")); // document order, not code order
    QCOMPARE(directory.at(75).code, QStringLiteral("4900"));

    int nonResident = 0;
    int sale = 0;
    for (const IncomeCode& income : directory.incomes()) {
        QVERIFY2(!income.name.isEmpty(), qPrintable(income.code));
        nonResident += income.nonResident13;
        sale += income.saleDate;
        if (!income.deductions.isEmpty()) {
            const DeductionCode& last = income.deductions.last();
            QCOMPARE(last.code, QStringLiteral("0"));
            QCOMPARE(last.name, QStringLiteral("Не предоставлять вычет"));
            QVERIFY(!last.visible);
        }
    }
    QCOMPARE(nonResident, 7);
    QCOMPARE(sale, 13);
    QCOMPARE(directory.find(1010)->rate, 9);
    QCOMPARE(directory.find(3022)->rate, 35);
    QCOMPARE(directory.find(2000)->rate, 13);
    QCOMPARE(directory.find(2610)->name,
             QStringLiteral("Сумма мат. выгоды за пользование заемными  средствами"));

    const IncomeCode* property = directory.find(1510);
    QCOMPARE(property->deductions.size(), 3);
    const DeductionCode& d901 = property->deductions.at(0);
    QCOMPARE(d901.code, QStringLiteral("901"));
    QVERIFY(!d901.enabled);
    QVERIFY(d901.equivalent);
    QCOMPARE(d901.maxSum, 1000000);
    QCOMPARE(property->deductions.at(1).name,
             QStringLiteral("В сумме документально подтвержденных расходов "));

    const DeductionCode* norm = directory.find(2205)->findDeduction(QStringLiteral("405"));
    QCOMPARE(norm->normPercent(), 40);
    QVERIFY(!norm->enabled);
    QCOMPARE(directory.find(2201)->deductions.at(0).rate, QStringLiteral(" "));
    QCOMPARE(directory.find(2790)->deductions.at(0).maxSum, 10000);
    QCOMPARE(directory.find(1541)->deductions.at(0).code, QStringLiteral("620"));
    QVERIFY(directory.find(1011)->deductions.isEmpty());
    QCOMPARE(directory.find(QStringLiteral("9999")), nullptr);
}

QTEST_GUILESS_MAIN(TestDirectories)
#include "tst_directories.moc"
