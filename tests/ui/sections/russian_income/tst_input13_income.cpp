// The income line dialogs and the two code pickers: which codes are offered, how the deduction
// amount follows the chosen deduction, the month limits and the checks on "Да".
#include "directories/DeductionAmount.h"
#include "support/FrameTestHost.h"
#include "ui/pickers/InputDeductCode.h"
#include "ui/pickers/InputIncomeCode.h"
#include "ui/sections/russian_income/Input13Income.h"
#include "ui/sections/russian_income/Input13NRIncome.h"

#include <QTreeWidget>

namespace {

// The codes a picker offers, in order.
QStringList listed(const TfmListPicker& picker)
{
    QStringList codes;
    auto* list = child<QTreeWidget>(picker, "lvList");
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        codes.append(list->topLevelItem(row)->text(0));
    return codes;
}

} // namespace

class TestInput13Income : public QObject
{
    Q_OBJECT

private slots:
    void incomePickerFilters();
    void deductPickerFilter();
    void startsWithOnlyTheCodeButton();
    void typedCodeSearchesPicker();
    void equivalentWithMaximum();
    void rateShareOfRoyalty();
    void rateShare_data();
    void rateShare();
    void typedDeductionCappedAtMaximum();
    void month_data();
    void month();
    void checksOnYes();
    void excessAllowedForSecurities();
    void excessRefused();
    void loadExistingLine();
    void nonResidentModeHasNoMonth();
    void specialistDeductionIsTyped();
};

void TestInput13Income::incomePickerFilters()
{
    const IncomeCodeDirectory directory = IncomeCodeDirectory::embedded();
    TfmInputIncomeCode at13(nullptr, false, QString(), QStringLiteral("13"), directory);
    QVERIFY(listed(at13).contains(QStringLiteral("2000")));
    QVERIFY(listed(at13).contains(QStringLiteral("1011")));
    QVERIFY(!listed(at13).contains(QStringLiteral("1010")));
    QCOMPARE(at13.chosenCode(), listed(at13).first());

    TfmInputIncomeCode every(nullptr, false, QStringLiteral("2740"), QString(), directory);
    QCOMPARE(listed(every).size(), directory.count());
    QCOMPARE(every.chosenCode(), QStringLiteral("2740"));
    QCOMPARE(every.chosenRate(), QStringLiteral("35"));

    TfmInputIncomeCode specialists(nullptr, true, QString(), QStringLiteral("13"), directory);
    QVERIFY(listed(specialists).contains(QStringLiteral("2000")));
    QVERIFY(!listed(specialists).contains(QStringLiteral("1011")));
    for (const QString& code : listed(specialists))
        QVERIFY(directory.find(code)->nonResident13);
}

void TestInput13Income::deductPickerFilter()
{
    const IncomeCodeDirectory directory = IncomeCodeDirectory::embedded();
    TfmInputDeductCode all(nullptr, true, QString(), QStringLiteral("1510"), directory);
    QCOMPARE(listed(all),
             (QStringList{QStringLiteral("901"), QStringLiteral("903"), QStringLiteral("0")}));
    TfmInputDeductCode nonResident(nullptr, false, QStringLiteral("903"), QStringLiteral("1510"),
                                   directory);
    QCOMPARE(listed(nonResident), QStringList{QStringLiteral("0")});
    QCOMPARE(nonResident.chosenCode(), QStringLiteral("0"));
    TfmInputDeductCode gifts(nullptr, false, QString(), QStringLiteral("2720"), directory);
    QCOMPARE(listed(gifts), (QStringList{QStringLiteral("501"), QStringLiteral("0")}));
}

void TestInput13Income::startsWithOnlyTheCodeButton()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    QVERIFY(child(dialog, "bnIncomeCod")->isEnabled());
    for (const char* name : {"meIncomeSum", "bnSubtractCod", "meSubtractSum", "mePropSale"})
        QVERIFY2(!child(dialog, name)->isEnabled(), name);
}

// What is typed in the income code field is the picker's search; the code chosen there is shown.
void TestInput13Income::typedCodeSearchesPicker()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    QString searched;
    answers.answerDialog([&searched](QDialog& picker) {
        searched = dynamic_cast<TfmListPicker&>(picker).searchText();
        return pick(QStringLiteral("2010"))(picker);
    });
    typeKeys(child(dialog, "pnlIncomeCod"), QStringLiteral("2"));
    QCOMPARE(searched, QStringLiteral("2"));
    QCOMPARE(text(dialog, "pnlIncomeCod"), QStringLiteral("2010"));
    QVERIFY(child(dialog, "meIncomeSum")->isEnabled());
    QVERIFY(answers.finished());
}

void TestInput13Income::equivalentWithMaximum()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    answers.answerDialog(pick(QStringLiteral("2760")));
    click(dialog, "bnIncomeCod");
    QVERIFY(dialog.DeductionExpected());
    QVERIFY(child(dialog, "bnSubtractCod")->isEnabled());
    QVERIFY(!child(dialog, "meSubtractSum")->isEnabled());
    type(dialog, "meIncomeSum", QStringLiteral("5000"));
    answers.answerDialog(pick(QStringLiteral("503")));
    click(dialog, "bnSubtractCod");
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("4000"));
    QVERIFY(dialog.AmountEquivalent());
    QCOMPARE(dialog.MaxSum(), 4000_rub);
    type(dialog, "meIncomeSum", QStringLiteral("3000"));
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("3000"));
    type(dialog, "meIncomeSum", QString());
    QCOMPARE(text(dialog, "meSubtractSum"), QString());
    QVERIFY(answers.finished());
}

void TestInput13Income::rateShareOfRoyalty()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    answers.answerDialog(pick(QStringLiteral("2201")));
    click(dialog, "bnIncomeCod");
    type(dialog, "meIncomeSum", QStringLiteral("1234.57"));
    QCOMPARE(text(dialog, "meIncomeSum"), QStringLiteral("1234,57"));
    answers.answerDialog(pick(QStringLiteral("405")));
    click(dialog, "bnSubtractCod");
    QCOMPARE(dialog.DeductRate(), 20);
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("246,91"));
    QVERIFY(!child(dialog, "meSubtractSum")->isEnabled());
    type(dialog, "meIncomeSum", QStringLiteral("100"));
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("20"));

    type(dialog, "mePropSale", QStringLiteral("3"));
    click(dialog, "bnYes");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const mTSourseIncome line = dialog.line();
    QCOMPARE(line.IncomeCode, 2201);
    QCOMPARE(line.DeductCode, 405);
    QCOMPARE(line.DeductRate, 20);
    QCOMPARE(line.IncomeSum, 100_rub);
    QCOMPARE(line.DeductSum, 20_rub);
    QCOMPARE(line.IncomeMonth, quint16(3));
    QVERIFY(!line.IncomeCodeName.isEmpty());
}

void TestInput13Income::rateShare_data()
{
    QTest::addColumn<qint64>("kopecks");
    QTest::addColumn<int>("rate");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("royalty") << qint64(123457) << 20 << qint64(24691);
    QTest::newRow("half kopeck up") << qint64(2) << 25 << qint64(1);
    QTest::newRow("below half") << qint64(1) << 25 << qint64(0);
    QTest::newRow("largest amount") << qint64(99999999999999) << 100 << qint64(99999999999999);
}

void TestInput13Income::rateShare()
{
    QFETCH(qint64, kopecks);
    QFETCH(int, rate);
    QFETCH(qint64, expected);
    QCOMPARE(DeductionAmount::NormShare(Money::fromKopecks(kopecks), rate),
             Money::fromKopecks(expected));
}

void TestInput13Income::typedDeductionCappedAtMaximum()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    answers.answerDialog(pick(QStringLiteral("1520")));
    click(dialog, "bnIncomeCod");
    type(dialog, "meIncomeSum", QStringLiteral("900000"));
    answers.answerDialog(pick(QStringLiteral("906")));
    click(dialog, "bnSubtractCod");
    QCOMPARE(text(dialog, "meSubtractSum"), QString());
    QVERIFY(child(dialog, "meSubtractSum")->isEnabled());
    type(dialog, "meSubtractSum", QStringLiteral("300000"));
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("250000"));
    type(dialog, "meSubtractSum", QStringLiteral("12,345"));
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("12,34"));
}

void TestInput13Income::month_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("whileTyping");
    QTest::addColumn<QString>("shown");
    // The month is brought into range when the field is left, so a leading zero is no trap.
    QTest::newRow("05") << QStringLiteral("05") << QStringLiteral("05") << QStringLiteral("5");
    QTest::newRow("15") << QStringLiteral("15") << QStringLiteral("15") << QStringLiteral("12");
    QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("1");
    QTest::newRow("7") << QStringLiteral("7") << QStringLiteral("7") << QStringLiteral("7");
    QTest::newRow("letters") << QStringLiteral("a") << QString() << QString();
}

void TestInput13Income::month()
{
    QFETCH(QString, typed);
    QFETCH(QString, whileTyping);
    QFETCH(QString, shown);
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    answers.answerDialog(pick(QStringLiteral("2000")));
    click(dialog, "bnIncomeCod");
    QVERIFY(!dialog.DeductionExpected());
    QVERIFY(!child(dialog, "bnSubtractCod")->isEnabled());
    type(dialog, "mePropSale", typed);
    QCOMPARE(text(dialog, "mePropSale"), whileTyping);
    leave(child(dialog, "mePropSale"));
    QCOMPARE(text(dialog, "mePropSale"), shown);
}

void TestInput13Income::checksOnYes()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    answers.answerCheck(TfmCheckError::Skip);
    answers.answerCheck(TfmCheckError::Fix);
    answers.answerCancel();
    click(dialog, "bnYes");
    QCOMPARE(answers.checkMessages, (QStringList{QStringLiteral("Не выбран доход"),
                                                 QStringLiteral("Не указана сумма дохода")}));
    QCOMPARE(answers.skipEnabled, (QList<bool>{true, false}));
    // "Исправить" on the missing amount without a code opens the income code picker.
    QCOMPARE(answers.dialogTitles.last(), QStringLiteral("Справочник видов доходов"));
    QCOMPARE(dialog.result(), 0);
    QVERIFY(answers.finished());

    answers.checkMessages.clear();
    answers.answerDialog(pick(QStringLiteral("2760")));
    click(dialog, "bnIncomeCod");
    type(dialog, "meIncomeSum", QStringLiteral("10"));
    answers.answerCheck(TfmCheckError::Fix);
    answers.answerCancel();
    click(dialog, "bnYes");
    QCOMPARE(answers.checkMessages, QStringList{QStringLiteral("Не выбран вычет")});
    QCOMPARE(answers.dialogTitles.last(), QStringLiteral("Справочник видов вычетов"));
    QCOMPARE(dialog.result(), 0);
    QVERIFY(answers.finished());
}

void TestInput13Income::excessAllowedForSecurities()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    answers.answerDialog(pick(QStringLiteral("1530")));
    click(dialog, "bnIncomeCod");
    type(dialog, "meIncomeSum", QStringLiteral("100"));
    answers.answerDialog(pick(QStringLiteral("201")));
    click(dialog, "bnSubtractCod");
    type(dialog, "meSubtractSum", QStringLiteral("250"));
    type(dialog, "mePropSale", QStringLiteral("5"));
    click(dialog, "bnYes");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(answers.finished());
}

void TestInput13Income::excessRefused()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    answers.answerDialog(pick(QStringLiteral("2201")));
    click(dialog, "bnIncomeCod");
    type(dialog, "meIncomeSum", QStringLiteral("100"));
    answers.answerDialog(pick(QStringLiteral("404")));
    click(dialog, "bnSubtractCod");
    type(dialog, "meSubtractSum", QStringLiteral("250"));
    answers.answerCheck(TfmCheckError::Fix);
    click(dialog, "bnYes");
    QCOMPARE(answers.checkMessages,
             QStringList{QStringLiteral("Сумма вычета превышает сумму дохода")});
    QCOMPARE(answers.skipEnabled, QList<bool>{false});
    QCOMPARE(answers.dialogTitles.last(),
             QStringLiteral("Проверка: Доходы, облагаемые по ставке 13%"));
    QCOMPARE(dialog.result(), 0);
}

void TestInput13Income::loadExistingLine()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, true);
    mTSourseIncome line;
    line.IncomeCode = 2760;
    line.IncomeSum = 5000_rub;
    line.DeductCode = 503;
    line.DeductSum = 100_rub;
    line.IncomeMonth = 12;
    dialog.load(line);
    QCOMPARE(text(dialog, "pnlIncomeCod"), QStringLiteral("2760"));
    QCOMPARE(text(dialog, "meIncomeSum"), QStringLiteral("5000"));
    QCOMPARE(text(dialog, "pnlSubtractCod"), QStringLiteral("503"));
    // The equivalent deduction is filled again from the income and its maximum.
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("4000"));
    QCOMPARE(text(dialog, "mePropSale"), QStringLiteral("12"));
    QVERIFY(child(dialog, "mePropSale")->isEnabled());
    const mTSourseIncome stored = dialog.line();
    QCOMPARE(stored.IncomeCodeName, IncomeCodeDirectory::embedded().find(2760)->name);
    QCOMPARE(stored.DeductSum, 4000_rub);
}

void TestInput13Income::nonResidentModeHasNoMonth()
{
    ScriptedAnswers answers;
    TfmInput13Income dialog(nullptr, answers, false);
    answers.answerDialog(pick(QStringLiteral("1010")));
    click(dialog, "bnIncomeCod");
    QCOMPARE(text(dialog, "pnlIncomeCod"), QStringLiteral("1010"));
    // Dividends have deductions, but not for a non-resident.
    QVERIFY(!dialog.DeductionExpected());
    QVERIFY(!child(dialog, "mePropSale")->isEnabled());
    type(dialog, "meIncomeSum", QStringLiteral("70"));
    click(dialog, "bnYes");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.line().IncomeMonth, quint16(1));
}

void TestInput13Income::specialistDeductionIsTyped()
{
    ScriptedAnswers answers;
    TfmInput13NRIncome dialog(nullptr, answers);
    answers.answerDialog(pick(QStringLiteral("2010")));
    click(dialog, "bnIncomeCod");
    QVERIFY(child(dialog, "mePropSale")->isEnabled());
    type(dialog, "meIncomeSum", QStringLiteral("1000"));
    answers.answerDialog(pick(QStringLiteral("403")));
    click(dialog, "bnSubtractCod");
    QCOMPARE(text(dialog, "meSubtractSum"), QString());
    type(dialog, "meIncomeSum", QStringLiteral("2000"));
    QCOMPARE(text(dialog, "meSubtractSum"), QString());
    type(dialog, "meSubtractSum", QStringLiteral("300"));
    answers.answerCheck(TfmCheckError::Fix);
    type(dialog, "meIncomeSum", QString());
    click(dialog, "bnYes");
    QCOMPARE(answers.dialogTitles.last(),
             QStringLiteral("Проверка: Доходы нерезедентов, облагаемые по ставке 13%"));
    QCOMPARE(answers.checkMessages.value(0), QStringLiteral("Не указана сумма дохода"));
}

QTEST_MAIN(TestInput13Income)
#include "tst_input13_income.moc"
