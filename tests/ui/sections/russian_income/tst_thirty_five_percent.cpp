// The sub-frame of income taxed at 35 % and its source dialog: codes from the embedded directory,
// the deduction amount rules and the dialog's own checks.
#include "support/FrameTestHost.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/russian_income/FrameThirtyFivePercent.h"
#include "ui/sections/russian_income/Input35SourseIncome.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

void fillSource(QDialog& dialog)
{
    type(dialog, "meSourseName", QStringLiteral("ООО Реклама"));
    type(dialog, "meINN", QStringLiteral("7707083893"));
    type(dialog, "meKPP", QStringLiteral("773601001"));
    type(dialog, "meOKATO", QStringLiteral("45380000"));
}

int confirm(QDialog& dialog)
{
    click(dialog, "bnOk");
    return dialog.result();
}

} // namespace

class TestThirtyFivePercent : public QObject
{
    Q_OBJECT

private slots:
    void equivalentDeductionFollowsIncomeUpToLimit_data();
    void equivalentDeductionFollowsIncomeUpToLimit();
    void noDeductionChoiceHidesAmount();
    void codeWithoutDeductionsNeverAsksForOne();
    void missingIncomeCodeOpensPicker();
    void deductionAboveIncome();
    void editShowsStoredDeduction();
};

void TestThirtyFivePercent::equivalentDeductionFollowsIncomeUpToLimit_data()
{
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("deduction");
    QTest::newRow("above the limit") << "5000"
                                     << "4000";
    QTest::newRow("below the limit") << "3000"
                                     << "3000";
    QTest::newRow("kopecks") << "3000,5"
                             << "3000,5";
}

void TestThirtyFivePercent::equivalentDeductionFollowsIncomeUpToLimit()
{
    QFETCH(QString, income);
    QFETCH(QString, deduction);
    FrameTestHost host;
    TfmInput35SourseIncome dialog(nullptr, host.interaction());
    QVERIFY(!child<QLineEdit>(dialog, "meItogIncomeSum")->isEnabled());
    QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("bnSubtractCod"))->isEnabled());

    host.answers.answerDialog(pick(QStringLiteral("2740")));
    click(dialog, "bnIncomeCod");
    QCOMPARE(text(dialog, "pnlIncomeCod"), QStringLiteral("2740"));
    QVERIFY(child<QLineEdit>(dialog, "meItogIncomeSum")->isEnabled());
    QVERIFY(dialog.deductionExpected());

    type(dialog, "meItogIncomeSum", QStringLiteral("5000"));
    host.answers.answerDialog([](QDialog& picker) {
        // Both deductions of the code are offered.
        auto& list = dynamic_cast<TfmListPicker&>(picker);
        if (list.rowCount() != 2 || !list.Preselect(QStringLiteral("505")))
            return int(QDialog::Rejected);
        return int(QDialog::Accepted);
    });
    click(dialog, "bnSubtractCod");
    QCOMPARE(text(dialog, "pnlSubtractCod"), QStringLiteral("505"));
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("4000"));

    type(dialog, "meItogIncomeSum", income);
    QCOMPARE(text(dialog, "meSubtractSum"), deduction);
    // A typed deduction cannot pass the limit either.
    type(dialog, "meSubtractSum", QStringLiteral("4500"));
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("4000"));
    QVERIFY(host.answers.finished());
}

void TestThirtyFivePercent::noDeductionChoiceHidesAmount()
{
    FrameTestHost host;
    TfrThirtyFivePercent frame(nullptr, host);
    host.answers.answerDialog([&host](QDialog& dialog) {
        fillSource(dialog);
        host.answers.answerDialog(pick(QStringLiteral("2740")));
        click(dialog, "bnIncomeCod");
        type(dialog, "meItogIncomeSum", QStringLiteral("7000"));
        host.answers.answerDialog(pick(QStringLiteral("0")));
        click(dialog, "bnSubtractCod");
        if (!child<QLineEdit>(dialog, "meSubtractSum")->isHidden())
            return int(QDialog::Rejected);
        type(dialog, "meHoldSum", QStringLiteral("100"));
        return confirm(dialog);
    });
    click(frame, "fbAddSourseIncome");

    QVERIFY2(host.answers.finished(), qPrintable(host.answers.unexpected.join(u'\n')));
    QCOMPARE(host.doc.Income35.Count(), 1);
    const mTThirtyFivePercent& entry = host.doc.Income35.At(0);
    QCOMPARE(entry.IncomeCode35, 2740);
    QCOMPARE(entry.DeductCode35, 0);
    QCOMPARE(entry.TotalIncome, 7000_rub);
    QCOMPARE(entry.TaxWithheld, 100_rub);
    QCOMPARE(text(frame, "pnlSubtractCod"), QStringLiteral("Нет"));
    QCOMPARE(text(frame, "pnlIncomeCod"), QStringLiteral("2740"));
    QCOMPARE(host.changes, 1);
}

void TestThirtyFivePercent::codeWithoutDeductionsNeverAsksForOne()
{
    FrameTestHost host;
    TfrThirtyFivePercent frame(nullptr, host);
    host.answers.answerDialog([&host](QDialog& dialog) {
        fillSource(dialog);
        host.answers.answerDialog(pick(QStringLiteral("2610")));
        click(dialog, "bnIncomeCod");
        type(dialog, "meItogIncomeSum", QStringLiteral("300"));
        return confirm(dialog);
    });
    click(frame, "fbAddSourseIncome");
    QVERIFY(host.answers.finished());
    QVERIFY(host.answers.checkMessages.isEmpty());
    QCOMPARE(host.doc.Income35.Count(), 1);
    QCOMPARE(text(frame, "pnlSubtractCod"), QStringLiteral("Нет"));
}

void TestThirtyFivePercent::missingIncomeCodeOpensPicker()
{
    FrameTestHost host;
    TfrThirtyFivePercent frame(nullptr, host);
    host.answers.answerDialog([&host](QDialog& dialog) {
        fillSource(dialog);
        host.answers.answerCheck(TfmCheckError::Fix);
        host.answers.answerCancel(); // the income-code picker opened by the fix
        confirm(dialog);
        return int(QDialog::Rejected);
    });
    click(frame, "fbAddSourseIncome");
    QVERIFY2(host.answers.finished(), qPrintable(host.answers.unexpected.join(u'\n')));
    QCOMPARE(host.answers.checkMessages, QStringList{QStringLiteral("Не выбран доход")});
    QCOMPARE(host.answers.dialogTitles.last(), QStringLiteral("Справочник видов доходов"));
    QCOMPARE(host.doc.Income35.Count(), 0);
}

void TestThirtyFivePercent::deductionAboveIncome()
{
    FrameTestHost host;
    TfmInput35SourseIncome dialog(nullptr, host.interaction());
    fillSource(dialog);
    host.answers.answerDialog(pick(QStringLiteral("2740")));
    click(dialog, "bnIncomeCod");
    host.answers.answerDialog(pick(QStringLiteral("505")));
    click(dialog, "bnSubtractCod");
    type(dialog, "meItogIncomeSum", QStringLiteral("1000"));
    type(dialog, "meSubtractSum", QStringLiteral("1500"));
    host.answers.answerCheck(TfmCheckError::Fix);
    QCOMPARE(dialog.Check(), quint16(7));
    QCOMPARE(host.answers.checkMessages.last(),
             QStringLiteral("Сумма вычета превышает сумму дохода"));
    QVERIFY(host.answers.finished());
}

void TestThirtyFivePercent::editShowsStoredDeduction()
{
    FrameTestHost host;
    mTThirtyFivePercent& stored = host.doc.Income35.At(host.doc.Income35.Add());
    stored.SourceName = QStringLiteral("ООО Реклама");
    stored.IncomeCode35 = 2740;
    stored.TotalIncome = 2500_rub;
    stored.DeductCode35 = 505;
    stored.DeductSum35 = 2500_rub;
    TfmInput35SourseIncome dialog(nullptr, host.interaction());
    dialog.Fill(stored);
    QCOMPARE(text(dialog, "pnlIncomeCod"), QStringLiteral("2740"));
    QCOMPARE(text(dialog, "pnlSubtractCod"), QStringLiteral("505"));
    QCOMPARE(text(dialog, "meSubtractSum"), QStringLiteral("2500"));
    QVERIFY(child<QLineEdit>(dialog, "meSubtractSum")->isEnabled());
    mTThirtyFivePercent copy;
    dialog.Apply(copy);
    QCOMPARE(copy.DeductSum35, 2500_rub);
    QCOMPARE(copy.IncomeCode35, 2740);
}

QTEST_MAIN(TestThirtyFivePercent)
#include "tst_thirty_five_percent.moc"
