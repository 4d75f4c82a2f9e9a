// What a change of the kinds of income deletes, and the question that names it.

#include "model/Declaration.h"
#include "model/DroppedRecords.h"

#include <QTest>

namespace {

// Two sources at 13 % with 5 and 3 lines and one at 35 %; 2 incomes abroad; one business; a
// social deduction.
mTDeclaration filled()
{
    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Country | IncomeKind::Abroad | IncomeKind::Business);
    for (int lines : {5, 3}) {
        mTThirteenPercent& source = d.Income13.At(d.Income13.Add());
        for (int i = 0; i < lines; ++i)
            source.AddIncome(mTSourseIncome());
    }
    d.Income35.Add();
    d.CurrencyIncomes.Add();
    d.CurrencyIncomes.Add();
    d.Businesses.Add();
    d.SocialDeduction.CharitySum = Money::fromRoubles(1000);
    return d;
}

} // namespace

class TestDroppedRecords : public QObject
{
    Q_OBJECT

private slots:
    void question_data();
    void question();
    void plurals_data();
    void plurals();
};

void TestDroppedRecords::question_data()
{
    QTest::addColumn<quint8>("kept");
    QTest::addColumn<quint8>("keptAfter");
    QTest::addColumn<QString>("expected");
    const quint8 all = IncomeKind::Country | IncomeKind::Abroad | IncomeKind::Business;
    QTest::newRow("nothing goes") << all << all << QString();
    QTest::newRow("country") << all << quint8(IncomeKind::Abroad | IncomeKind::Business)
                             << QStringLiteral("Сведения о доходах в РФ (3 источника, 9 строк) "
                                               "будут удалены. Продолжить?");
    QTest::newRow("abroad") << all << quint8(IncomeKind::Country | IncomeKind::Business)
                            << QStringLiteral("Сведения о доходах в иностранной валюте (2 строки) "
                                              "будут удалены. Продолжить?");
    QTest::newRow("every kind, and so the deductions")
        << all << quint8(0)
        << QStringLiteral("Сведения о доходах в РФ (3 источника, 9 строк), о доходах в "
                          "иностранной валюте (2 строки), о доходах от предпринимательской "
                          "деятельности (1 вид деятельности) и о вычетах будут удалены. "
                          "Продолжить?");
    // Already going before this choice: not named again.
    QTest::newRow("last kind") << quint8(IncomeKind::Business) << quint8(0)
                               << QStringLiteral("Сведения о доходах от предпринимательской "
                                                 "деятельности (1 вид деятельности) и о вычетах "
                                                 "будут удалены. Продолжить?");
    QTest::newRow("private practice keeps the deductions")
        << quint8(IncomeKind::Practice | IncomeKind::Country) << quint8(IncomeKind::Practice)
        << QStringLiteral("Сведения о доходах в РФ (3 источника, 9 строк) будут удалены. "
                          "Продолжить?");
}

void TestDroppedRecords::question()
{
    QFETCH(quint8, kept);
    QFETCH(quint8, keptAfter);
    QFETCH(QString, expected);
    const DroppedRecords dropped = DroppedRecords::of(filled(), kept, keptAfter);
    QCOMPARE(dropped.empty(), expected.isEmpty());
    QCOMPARE(dropped.question(), expected);

    // Without deductions and records nothing is asked.
    mTDeclaration empty;
    empty.SetIncomeKinds(IncomeKind::Country | IncomeKind::Abroad | IncomeKind::Business);
    QVERIFY(DroppedRecords::of(empty, kept, keptAfter).empty());
}

void TestDroppedRecords::plurals_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1") << 1 << QStringLiteral("(1 строка)");
    QTest::newRow("4") << 4 << QStringLiteral("(4 строки)");
    QTest::newRow("5") << 5 << QStringLiteral("(5 строк)");
    QTest::newRow("11") << 11 << QStringLiteral("(11 строк)");
    QTest::newRow("12") << 12 << QStringLiteral("(12 строк)");
    QTest::newRow("21") << 21 << QStringLiteral("(21 строка)");
    QTest::newRow("102") << 102 << QStringLiteral("(102 строки)");
}

void TestDroppedRecords::plurals()
{
    QFETCH(int, count);
    QFETCH(QString, expected);
    DroppedRecords dropped;
    dropped.currencyIncomes = count;
    QVERIFY(dropped.question().contains(expected));
}

QTEST_GUILESS_MAIN(TestDroppedRecords)
#include "tst_dropped_records.moc"
