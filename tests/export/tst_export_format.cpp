// Value formats of the tax authority's XML file, the file identifier and the representative's
// name split.

#include "export/ExportFormat.h"
#include "export/ExportIdentifier.h"
#include "export/TaxpayerElements.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"

#include <QTest>
#include <cmath>

class TestExportFormat : public QObject
{
    Q_OBJECT

private slots:
    void amountK_data();
    void amountK();
    void amountG_data();
    void amountG();
    void dates();
    void paddingAndDecimalText();
    void representativeName_data();
    void representativeName();
    void identifier_data();
    void identifier();
    void plainFileName_data();
    void plainFileName();
};

void TestExportFormat::amountK_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0.00";
    QTest::newRow("half") << qint64(5000) << "0.50";
    QTest::newRow("third decimal dropped") << qint64(123450) << "12.34";
    QTest::newRow("fourth decimal dropped") << qint64(123456) << "12.34";
    QTest::newRow("1234.5") << qint64(12345000) << "1234.50";
    QTest::newRow("negative is zero") << qint64(-50000) << "0.00";
    QTest::newRow("fifteen characters") << qint64(9999999999999999) << "999999999999.99";
    QTest::newRow("too long") << qint64(10000000000000000) << "999999999999.99";
    QTest::newRow("far too long") << qint64(4611686018427387904) << "999999999999.99";
}

void TestExportFormat::amountK()
{
    QFETCH(qint64, units);
    QFETCH(QString, text);
    QCOMPARE(ExportFormat::amountK(Money::fromUnits(units)), text);
}

void TestExportFormat::amountG_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("whole") << qint64(15000000) << "1500";
    QTest::newRow("no trailing zeros") << qint64(12345000) << "1234.5";
    QTest::newRow("four decimals") << qint64(1) << "0.0001";
    QTest::newRow("negative keeps sign") << qint64(-30000) << "-3";
    QTest::newRow("fifteen characters") << qint64(1234567890123450000) << "123456789012345";
    QTest::newRow("too long") << qint64(1234567890123456000) << "999999999999999";
}

void TestExportFormat::amountG()
{
    QFETCH(qint64, units);
    QFETCH(QString, text);
    QCOMPARE(ExportFormat::amountG(Money::fromUnits(units)), text);
}

void TestExportFormat::dates()
{
    QCOMPARE(ExportFormat::date(DayCount::fromDate(2014, 3, 5)), QStringLiteral("05.03.2014"));
    QCOMPARE(ExportFormat::date(DayCount::fromDate(2014, 3, 5) + 0.75),
             QStringLiteral("05.03.2014"));
    QCOMPARE(ExportFormat::date(QDate(987, 11, 30)), QStringLiteral("30.11.0987"));
    QCOMPARE(ExportFormat::year(DayCount::fromDate(2009, 12, 31)), QStringLiteral("2009"));
    QCOMPARE(ExportFormat::date(std::nan("")), QString());
    QCOMPARE(ExportFormat::year(1e12), QString());
}

void TestExportFormat::paddingAndDecimalText()
{
    QCOMPARE(ExportFormat::zeroPadded(5, 2), QStringLiteral("05"));
    QCOMPARE(ExportFormat::zeroPadded(77, 2), QStringLiteral("77"));
    QCOMPARE(ExportFormat::zeroPadded(QStringLiteral(" 36 "), 3), QStringLiteral("036"));
    QCOMPARE(ExportFormat::zeroPadded(QStringLiteral("840"), 3), QStringLiteral("840"));
    QCOMPARE(ExportFormat::decimalText(QStringLiteral("1,5,0")), QStringLiteral("1.5.0"));
    QCOMPARE(ExportFormat::decimalText(QStringLiteral("32.7292")), QStringLiteral("32.7292"));
}

void TestExportFormat::representativeName_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("patronymic");
    QTest::newRow("three words") << "Петров Петр Петрович"
                                 << "Петров"
                                 << "Петр"
                                 << "Петрович";
    QTest::newRow("blanks between words") << "  Петров   Петр    Петрович  "
                                          << "Петров"
                                          << "Петр"
                                          << "Петрович";
    QTest::newRow("one word") << "Петров"
                              << "Петров"
                              << " "
                              << "";
    QTest::newRow("two words") << "Петров Петр"
                               << "Петров"
                               << "Петр"
                               << "";
    QTest::newRow("empty") << "   "
                           << " "
                           << " "
                           << "";
    QTest::newRow("fourth word joins the third") << "Алиев Рустам Ильхам оглы"
                                                 << "Алиев"
                                                 << "Рустам"
                                                 << "Ильхам оглы";
    const QString longWord(70, QChar(u'Ж'));
    QTest::newRow("long surname runs on")
        << longWord + QStringLiteral(" Петр") << QString(60, QChar(u'Ж'))
        << QString(10, QChar(u'Ж')) << "Петр";
}

void TestExportFormat::representativeName()
{
    QFETCH(QString, fullName);
    const RepresentativeName parts = RepresentativeName::split(fullName);
    QTEST(parts.surname, "surname");
    QTEST(parts.firstName, "firstName");
    QTEST(parts.patronymic, "patronymic");
}

void TestExportFormat::identifier_data()
{
    QTest::addColumn<quint8>("form");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("expected");
    const QString tail = QStringLiteral("_20140305_0F8FAD5B-D9CB-469F-A165-70867728950E");
    QTest::newRow("3-NDFL") << DeclarationForm::Resident << "500100732259"
                            << QStringLiteral("NO_NDFL3_7701_7701_500100732259") + tail;
    QTest::newRow("3-NDFL without INN") << DeclarationForm::NonResident << ""
                                        << QStringLiteral("NO_NDFL3_7701_7701_000000000000") + tail;
    QTest::newRow("4-NDFL") << DeclarationForm::EstimatedIncome << "500100732259"
                            << QStringLiteral("NO_NDFL4_7701_7701_500100732259") + tail;
    QTest::newRow("4-NDFL without INN")
        << DeclarationForm::EstimatedIncome << "" << QStringLiteral("NO_NDFL4_7701_7701_") + tail;
}

void TestExportFormat::identifier()
{
    QFETCH(quint8, form);
    QFETCH(QString, inn);
    mTDeclaration declaration;
    declaration.DeclForm = form;
    declaration.InspectionCode = QStringLiteral("7701");
    declaration.Person.INN = inn;
    const ExportStamp stamp{QDate(2014, 3, 5),
                            QUuid::fromString(u"{0f8fad5b-d9cb-469f-a165-70867728950e}")};
    const QString id = form == DeclarationForm::EstimatedIncome
                           ? ExportIdentifier::ndfl4(declaration, stamp)
                           : ExportIdentifier::ndfl3(declaration, stamp);
    QTEST(id, "expected");
}

void TestExportFormat::plainFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plain");
    QTest::newRow("ordinary") << "NO_NDFL3_7701_7701_500100732259_20140305_X.xml" << true;
    QTest::newRow("cyrillic") << "NO_NDFL3_ФНС.xml" << true;
    QTest::newRow("slash") << "NO_NDFL3_77/01.xml" << false;
    QTest::newRow("backslash") << "NO_NDFL3_77\\01.xml" << false;
    QTest::newRow("parent") << "NO_NDFL3_.._x.xml" << false;
    QTest::newRow("newline") << "NO_NDFL3_77\n01.xml" << false;
    QTest::newRow("nul") << QString(QStringLiteral("NO_NDFL3_77") + QChar(0) +
                                    QStringLiteral("01.xml"))
                         << false;
    QTest::newRow("empty") << "" << false;
}

void TestExportFormat::plainFileName()
{
    QFETCH(QString, name);
    QTEST(ExportIdentifier::isPlainFileName(name), "plain");
}

QTEST_GUILESS_MAIN(TestExportFormat)
#include "tst_export_format.moc"
