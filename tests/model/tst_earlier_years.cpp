// Declarations of earlier tax years yield their taxpayer; what each year's file holds follows
// its signature. Also the oldest format version, without the main-source flag.

#include "ImageBuilder.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "storage/StorageErrors.h"

#include <QTest>

namespace {

enum Layout
{
    Older,
    Year2004,
    Later
};

// The taxpayer's streams as a program of that year wrote them; dates as texts (older versions).
void writePerson(ImageBuilder& b, Layout layout, bool withForeignPhones = true)
{
    b << "@PersonName"
      << "Сидоров"
      << "Пётр"
      << "Ильич"
      << "770000000000";
    if (layout != Older)
        b << "reserved"
          << "7";
    b << "@PersonDocument" << 21 << "Паспорт"
      << "45 01 000001"
      << "02.03.2001"
      << "04.05.1960";
    if (layout != Older)
        b << "ОВД"
          << "Тула";
    if (layout == Later)
        b << 9;
    b << "@Foreigner"
      << "1"
      << "РОССИЯ";
    if (layout != Older)
        b << "abroad"
          << "643";
    if (layout == Later) {
        if (withForeignPhones)
            b << "@PhoneForeignerHome"
              << "1"
              << "2"
              << "@PhoneForeignerWork"
              << "3"
              << "4";
    }
    b << "@PersonAddress";
    if (layout == Later)
        b << 1;
    b << "300000" << 71 << "Тульская обл"
      << "р-н"
      << "Тула"
      << ""
      << "Ленина"
      << "1"
      << ""
      << "2";
    if (layout == Later)
        b << "@HomePhone"
          << "h"
          << "+7 4872 000000"
          << "@WorkPhone"
          << "w1"
          << "w2";
}

QByteArray earlierFile(const QByteArray& signature, Layout layout, bool withForeignPhones = true)
{
    ImageBuilder b(signature, layout == Later ? "0101" : "0100");
    b << "@DeclInfo"
      << "7100"
      << "" << 0 << 0 << "01.02.2013";
    writePerson(b, layout, withForeignPhones);
    return b.bytes();
}

} // namespace

class TestEarlierYears : public QObject
{
    Q_OBJECT

private slots:
    void taxpayerOfEarlierYears_data();
    void taxpayerOfEarlierYears();
    void fileWithoutDeclInfoIsRefused();
    void versionOneZeroHasNoMainSourceFlag();
};

void TestEarlierYears::taxpayerOfEarlierYears_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("nameStatus");
    QTest::addColumn<QString>("docIssuer");
    QTest::addColumn<int>("docReserved");
    QTest::addColumn<QString>("citizenshipCode");
    QTest::addColumn<int>("stayAddress");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("foreignHome");

    QTest::newRow("2012") << earlierFile("Tarv2012", Later) << "7" << QStringLiteral("ОВД") << 9
                          << "643" << 1 << "+7 4872 000000"
                          << "1";
    QTest::newRow("2010 without foreign phones")
        << earlierFile("Tarv2010", Later, false) << "7" << QStringLiteral("ОВД") << 9 << "643" << 1
        << "+7 4872 000000"
        << "";
    QTest::newRow("2004") << earlierFile("Tarv2004", Year2004) << "7" << QStringLiteral("ОВД") << 0
                          << "643" << 0 << ""
                          << "";
    QTest::newRow("before 2004") << earlierFile("Tarv2003", Older) << "0"
                                 << "" << 0 << "643" << 0 << ""
                                 << "";
}

void TestEarlierYears::taxpayerOfEarlierYears()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, nameStatus);
    QFETCH(QString, docIssuer);
    QFETCH(int, docReserved);
    QFETCH(QString, citizenshipCode);
    QFETCH(int, stayAddress);
    QFETCH(QString, phone);
    QFETCH(QString, foreignHome);

    mTDeclaration d;
    d.LoadFromImage(image);
    const mTPersonInformation& p = d.Person;
    QCOMPARE(p.Surname, QStringLiteral("Сидоров"));
    QCOMPARE(p.FirstName, QStringLiteral("Пётр"));
    QCOMPARE(p.DocNumber, QStringLiteral("45 01 000001"));
    QCOMPARE(p.DocIssueDate, DayCount::fromDate(2001, 3, 2));
    QCOMPARE(p.BirthDate, DayCount::fromDate(1960, 5, 4));
    QCOMPARE(p.NameStatus, nameStatus);
    QCOMPARE(p.DocIssuer, docIssuer);
    QCOMPARE(int(p.DocReserved), docReserved);
    QCOMPARE(p.CitizenshipCode, citizenshipCode);
    QCOMPARE(int(p.StayAddress), stayAddress);
    QCOMPARE(p.RegionCode, 71);
    QCOMPARE(p.Street, QStringLiteral("Ленина"));
    QCOMPARE(p.Flat, QStringLiteral("2"));
    QCOMPARE(p.OKTMO, QString());
    QCOMPARE(p.Phone, phone);
    QCOMPARE(p.ForeignHomePhone[0], foreignHome);

    // Nothing else of an earlier declaration is taken over.
    QCOMPARE(d.IncomeKinds(), 0);
    QCOMPARE(d.TaxYear, 2013);
    QCOMPARE(d.InspectionCode, QString());
    QCOMPARE(d.SignDate, DayCount::today());
}

void TestEarlierYears::fileWithoutDeclInfoIsRefused()
{
    ImageBuilder b("Tarv2011", "0102");
    writePerson(b, Later);
    mTDeclaration d;
    QVERIFY_THROWS_EXCEPTION(mEOpenStream, d.LoadFromImage(b.bytes()));
    QCOMPARE(d.Person.Surname, QString());
}

void TestEarlierYears::versionOneZeroHasNoMainSourceFlag()
{
    ImageBuilder b("Tarv2013", "0100");
    b << "@DeclInfo"
      << "7701"
      << "" << 0 << 0 << "15.04.2014" << 0 << 5 << 0 << 1 << 1;
    b.repeat("0", 4) << 2013;
    b.repeat("0", 5) << ""
                     << "0"
                     << ""
                     << ""
                     << "0";
    b << "@PersonName"
      << "Ким"
      << "Ан"
      << ""
      << ""
      << ""
      << "0";
    b << "@PersonDocument" << 0 << ""
      << ""
      << "01.01.1990"
      << "01.01.1977"
      << ""
      << "" << 0;
    b << "@Foreigner"
      << ""
      << "РОССИЯ"
      << ""
      << "643";
    b << "@PhoneForeignerHome"
      << ""
      << ""
      << "@PhoneForeignerWork"
      << ""
      << "";
    b << "@PersonAddress" << 0;
    b.repeat("", 1) << 0;
    b.repeat("", 8) << "45000000";
    b << "@HomePhone"
      << ""
      << ""
      << "@WorkPhone"
      << ""
      << "";
    b << "@DeclInquiry" << 1;
    b << "@ThirteenPercent000"
      << "7707083893"
      << "773601001"
      << "45382000"
      << "ООО"
      << "1300"
      << "10000"
      << "1300"
      << "0";
    b.repeat("a", 12) << 1;
    b << "@SourseIncome000000" << 2000 << "Зарплата"
      << "10000" << 0 << "0" << 0 << 12;
    b << 0 << 0 << 0;
    b << "@StandartDeduct" << 0 << "@SocialDeduct" << 0 << "@ConstructionDeduct" << 0;
    b << "@CBDeduct"
      << "0"
      << "0"
      << "@Nalog" << 0;

    mTDeclaration d;
    d.LoadFromImage(b.bytes());
    QCOMPARE(d.SignDate, DayCount::fromDate(2014, 4, 15));
    QCOMPARE(d.Person.OKTMO, QStringLiteral("45000000"));
    QCOMPARE(d.Income13.Count(), 1);
    const mTThirteenPercent& source = d.Income13.At(0);
    QCOMPARE(source.IsPrimarySource, 0);
    QCOMPARE(source.SourceName, QStringLiteral("ООО"));
    QCOMPARE(source.TaxWithheld, 1300_rub);
    QCOMPARE(source.TotalIncome, 10000_rub);
    QCOMPARE(source.GetIncome(0).IncomeMonth, 12);
    QCOMPARE(d.StandardDeduction.StdEnabled, 0);
}

QTEST_GUILESS_MAIN(TestEarlierYears)
#include "tst_earlier_years.moc"
