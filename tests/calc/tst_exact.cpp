// Exact arithmetic of the computation: the named roundings applied to exact rationals, and
// overflow reported as a computation fault instead of wrapping.

#include "calc/CalcError.h"
#include "calc/EntryFigures.h"
#include "calc/Exact.h"
#include "calc/IncomeSheets.h"

#include <QTest>
#include <limits>

using namespace Exact;

Q_DECLARE_METATYPE(Exact::Rounding)

namespace {

Money amount(const char* text)
{
    return *Money::parse(QString::fromLatin1(text));
}

} // namespace

class TestExact : public QObject
{
    Q_OBJECT

private slots:
    void mulDiv_data();
    void mulDiv();
    void compareScaled();
    void faults();
    void foreignTexts_data();
    void foreignTexts();
    void entryFigures_data();
    void entryFigures();
};

void TestExact::mulDiv_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<Rounding>("rounding");
    QTest::addColumn<QString>("expected");
    const auto rub = Rounding::RoubleHalfUp;
    QTest::newRow("13% of 100.00") << "100" << 13LL << 100LL << rub << "13";
    QTest::newRow("15% of 10.00, exact half up") << "10" << 15LL << 100LL << rub << "2";
    QTest::newRow("13% of 3.85 is 0.5005") << "3.85" << 13LL << 100LL << rub << "1";
    QTest::newRow("13% of 3.84 is 0.4992") << "3.84" << 13LL << 100LL << rub << "0";
    QTest::newRow("35% of 6000") << "6000" << 35LL << 100LL << rub << "2100";
    QTest::newRow("negative half toward zero") << "-10" << 15LL << 100LL << rub << "-1";
    QTest::newRow("25% cut to kopecks")
        << "100000.35" << 25LL << 100LL << Rounding::KopeckTowardZero << "25000.08";
    QTest::newRow("one third to kopecks")
        << "2000000" << 1LL << 3LL << Rounding::KopeckHalfUp << "666666.67";
    QTest::newRow("two thirds to kopecks")
        << "2000000" << 2LL << 3LL << Rounding::KopeckHalfUp << "1333333.33";
    QTest::newRow("20% half kopeck up")
        << "0.0025" << 20LL << 1LL << Rounding::KopeckHalfUp << "0.05";
    QTest::newRow("negative denominator")
        << "2000000" << -1LL << -2LL << Rounding::KopeckHalfUp << "1000000";
    QTest::newRow("rate per unit")
        << "3272.92" << 1LL << 100LL << Rounding::UnitNearest << "32.7292";
    QTest::newRow("rate per unit, half away from zero")
        << "0.0005" << 1LL << 10LL << Rounding::UnitNearest << "0.0001";
}

void TestExact::mulDiv()
{
    QFETCH(QString, amount);
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(Rounding, rounding);
    QFETCH(QString, expected);
    QCOMPARE(MulDiv(*Money::parse(amount), numerator, denominator, rounding).toText(), expected);
}

void TestExact::compareScaled()
{
    QCOMPARE(CompareScaled(amount("25000.09"), amount("100000.35"), 1, 4), 1);
    QCOMPARE(CompareScaled(amount("25000.0875"), amount("100000.35"), 1, 4), 0);
    QCOMPARE(CompareScaled(amount("666666.67"), amount("2000000"), 1, 3), 1);
    QCOMPARE(CompareScaled(amount("666666.66"), amount("2000000"), -1, -3), -1);
}

void TestExact::faults()
{
    const Money largest = Money::fromUnits(std::numeric_limits<qint64>::max());
    QVERIFY_THROWS_EXCEPTION(kECalcFault, Plus(largest, Money::fromUnits(1)));
    QVERIFY_THROWS_EXCEPTION(kECalcFault, Minus(-largest, Money::fromUnits(2)));
    QVERIFY_THROWS_EXCEPTION(kECalcFault, Times(largest, 2));
    QVERIFY_THROWS_EXCEPTION(kECalcFault, MulDiv(amount("1"), 1, 0, Rounding::KopeckHalfUp));
    QVERIFY_THROWS_EXCEPTION(kECalcFault, CompareScaled(amount("1"), amount("1"), 1, 0));
    // The product itself is wide; only a result beyond Money is a fault.
    QCOMPARE(MulDiv(largest, 1000, 1000, Rounding::UnitNearest), largest);
}

void TestExact::foreignTexts_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("rateText");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("amountText");
    QTest::newRow("per hundred") << "3272.92" << 100 << "32.7292"
                                 << "12.3456"
                                 << "12.34";
    QTest::newRow("one unit") << "30" << 1 << "30"
                              << "1000"
                              << "1000.00";
    QTest::newRow("no units") << "30" << 0 << ""
                              << "-5"
                              << "0.00";
    QTest::newRow("rounded to four decimals") << "1" << 3 << "0.3333"
                                              << "0.009"
                                              << "0.00";
}

void TestExact::foreignTexts()
{
    QFETCH(QString, rate);
    QFETCH(int, units);
    QFETCH(QString, rateText);
    QFETCH(QString, amount);
    QFETCH(QString, amountText);
    QCOMPARE(kTSvodSumPrilB::RateText(*Money::parse(rate), units), rateText);
    QCOMPARE(kTSvodSumPrilB::CurrencyText(*Money::parse(amount)), amountText);
}

// The figures the entry screens store: 20 % flat-rate expenses to kopecks and the 9 % dividend
// tax to roubles, both half up.
void TestExact::entryFigures_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("flatRateExpenses");
    QTest::addColumn<QString>("dividendTax");
    QTest::newRow("nothing") << "0"
                             << "0"
                             << "0";
    QTest::newRow("1 234.57") << "1234.57"
                              << "246.91"
                              << "111";
    QTest::newRow("1 000.03") << "1000.03"
                              << "200.01"
                              << "90";
    QTest::newRow("12 345.67") << "12345.67"
                               << "2469.13"
                               << "1111";
    // 50 × 9 % is 4.5 roubles; 50.025 × 20 % is 10.005 roubles (a stored amount may carry more
    // decimals than a field takes): both go up.
    QTest::newRow("half a rouble") << "50"
                                   << "10"
                                   << "5";
    QTest::newRow("half a kopeck") << "50.025"
                                   << "10.01"
                                   << "5";
    QTest::newRow("just below a half") << "105.55"
                                       << "21.11"
                                       << "9";
    QTest::newRow("the largest amount a field takes") << "999999999999.99"
                                                      << "200000000000"
                                                      << "90000000000";
}

void TestExact::entryFigures()
{
    QFETCH(QString, amount);
    QFETCH(QString, flatRateExpenses);
    QFETCH(QString, dividendTax);
    const Money value = *Money::parse(amount);
    QCOMPARE(EntryFigures::FlatRateExpenses(value).toText(), flatRateExpenses);
    QCOMPARE(EntryFigures::DividendTax(value).toText(), dividendTax);
}

QTEST_GUILESS_MAIN(TestExact)
#include "tst_exact.moc"
