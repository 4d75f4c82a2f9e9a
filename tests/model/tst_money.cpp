// Money: exact text forms and the two named roundings.

#include "model/Money.h"

#include <QTest>

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void parseRefuses_data();
    void parseRefuses();
    void rounding_data();
    void rounding();
};

void TestMoney::text_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("shortest");
    QTest::addColumn<QString>("fixed4");
    QTest::addColumn<QString>("fixed2");
    QTest::newRow("zero") << qint64(0) << "0"
                          << "0.0000"
                          << "0.00";
    QTest::newRow("half") << qint64(12505000) << "1250.5"
                          << "1250.5000"
                          << "1250.50";
    QTest::newRow("minus one") << qint64(-10000) << "-1"
                               << "-1.0000"
                               << "-1.00";
    QTest::newRow("four decimals") << qint64(12345) << "1.2345"
                                   << "1.2345"
                                   << "1.23";
    QTest::newRow("kopeck rounds up") << qint64(12350) << "1.235"
                                      << "1.2350"
                                      << "1.24";
    QTest::newRow("small negative") << qint64(-5) << "-0.0005"
                                    << "-0.0005"
                                    << "0.00";
}

void TestMoney::text()
{
    QFETCH(qint64, units);
    QFETCH(QString, shortest);
    QFETCH(QString, fixed4);
    QFETCH(QString, fixed2);
    const Money money = Money::fromUnits(units);
    QCOMPARE(money.toText(), shortest);
    QCOMPARE(money.toFixed4(), fixed4);
    QCOMPARE(money.toFixed2(), fixed2);
    QCOMPARE(Money::parse(shortest), money);
    QCOMPARE(Money::parse(QString(shortest).replace(QLatin1Char('.'), QLatin1Char(',')),
                          QLatin1Char(',')),
             money);
}

void TestMoney::parseRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "12a";
    QTest::newRow("two separators") << "1.2.3";
    QTest::newRow("other separator") << "1,5";
    QTest::newRow("too large") << "922337203685478";
    QTest::newRow("cyrillic digit-like") << QStringLiteral("1З");
}

void TestMoney::parseRefuses()
{
    QFETCH(QString, text);
    QVERIFY(!Money::parse(text).has_value());
}

void TestMoney::rounding_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("rub");
    QTest::addColumn<QString>("kop");
    QTest::newRow("exact half up") << "10.5"
                                   << "11"
                                   << "10.5";
    QTest::newRow("below half") << "10.4999"
                                << "10"
                                << "10.5";
    QTest::newRow("kopeck half") << "0.005"
                                 << "0"
                                 << "0.01";
    QTest::newRow("negative toward zero") << "-2.7"
                                          << "-2"
                                          << "-2.7";
    QTest::newRow("negative kopecks toward zero") << "-0.0159"
                                                  << "0"
                                                  << "-0.01";
}

void TestMoney::rounding()
{
    QFETCH(QString, value);
    QFETCH(QString, rub);
    QFETCH(QString, kop);
    const Money money = *Money::parse(value);
    QCOMPARE(RoundRub(money), *Money::parse(rub));
    QCOMPARE(RoundKop(money), *Money::parse(kop));
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
