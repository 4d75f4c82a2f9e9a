// The sub-frame of income taxed at 35 % and its source dialog: codes from the embedded directory,
// the deduction amount rules and the dialog's own checks.
#include "support/OtherIncomeTestHost.h"
#include "ui/sections/russian_income/FrameThirtyFivePercent.h"
#include "ui/sections/russian_income/Input35SourseIncome.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QLineEdit* field(QWidget& parent, const char* name)
{
    return parent.findChild<QLineEdit*>(QString::fromLatin1(name));
}

void press(QWidget& parent, const char* name)
{
    parent.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

void fillSource(QDialog& dialog)
{
    typeInto(field(dialog, "meSourseName"), QStringLiteral("ООО Реклама"));
    typeInto(field(dialog, "meINN"), QStringLiteral("7707083893"));
    typeInto(field(dialog, "meKPP"), QStringLiteral("773601001"));
    typeInto(field(dialog, "meOKATO"), QStringLiteral("45380000"));
}

int confirm(QDialog& dialog)
{
    press(dialog, "bnOk");
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
    TestHost host;
    TfmInput35SourseIncome dialog(nullptr, host.interaction());
    QVERIFY(!field(dialog, "meItogIncomeSum")->isEnabled());
    QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("bnSubtractCod"))->isEnabled());

    host.answers.answer(Answer::pick(QStringLiteral("2740")));
    press(dialog, "bnIncomeCod");
    QCOMPARE(field(dialog, "pnlIncomeCod")->text(), QStringLiteral("2740"));
    QVERIFY(field(dialog, "meItogIncomeSum")->isEnabled());
    QVERIFY(dialog.deductionExpected());

    typeInto(field(dialog, "meItogIncomeSum"), QStringLiteral("5000"));
    host.answers.answer([](QDialog& picker) {
        // Both deductions of the code are offered.
        auto& list = dynamic_cast<TfmListPicker&>(picker);
        if (list.rowCount() != 2 || !list.Preselect(QStringLiteral("505")))
            return int(QDialog::Rejected);
        return int(QDialog::Accepted);
    });
    press(dialog, "bnSubtractCod");
    QCOMPARE(field(dialog, "pnlSubtractCod")->text(), QStringLiteral("505"));
    QCOMPARE(field(dialog, "meSubtractSum")->text(), QStringLiteral("4000"));

    typeInto(field(dialog, "meItogIncomeSum"), income);
    QCOMPARE(field(dialog, "meSubtractSum")->text(), deduction);
    // A typed deduction cannot pass the limit either.
    typeInto(field(dialog, "meSubtractSum"), QStringLiteral("4500"));
    QCOMPARE(field(dialog, "meSubtractSum")->text(), QStringLiteral("4000"));
    QVERIFY(host.answers.finished());
}

void TestThirtyFivePercent::noDeductionChoiceHidesAmount()
{
    TestHost host;
    TfrThirtyFivePercent frame(nullptr, host);
    host.answers.answer([&host](QDialog& dialog) {
        fillSource(dialog);
        host.answers.answer(Answer::pick(QStringLiteral("2740")));
        press(dialog, "bnIncomeCod");
        typeInto(field(dialog, "meItogIncomeSum"), QStringLiteral("7000"));
        host.answers.answer(Answer::pick(QStringLiteral("0")));
        press(dialog, "bnSubtractCod");
        if (!field(dialog, "meSubtractSum")->isHidden())
            return int(QDialog::Rejected);
        typeInto(field(dialog, "meHoldSum"), QStringLiteral("100"));
        return confirm(dialog);
    });
    press(frame, "fbAddSourseIncome");

    QVERIFY2(host.answers.finished(), qPrintable(host.answers.unexpected.join(u'\n')));
    QCOMPARE(host.doc.Income35.Count(), 1);
    const mTThirtyFivePercent& entry = host.doc.Income35.At(0);
    QCOMPARE(entry.IncomeCode35, 2740);
    QCOMPARE(entry.DeductCode35, 0);
    QCOMPARE(entry.TotalIncome, 7000_rub);
    QCOMPARE(entry.TaxWithheld, 100_rub);
    QCOMPARE(field(frame, "pnlSubtractCod")->text(), QStringLiteral("Нет"));
    QCOMPARE(field(frame, "pnlIncomeCod")->text(), QStringLiteral("2740"));
    QCOMPARE(host.notifications, 1);
}

void TestThirtyFivePercent::codeWithoutDeductionsNeverAsksForOne()
{
    TestHost host;
    TfrThirtyFivePercent frame(nullptr, host);
    host.answers.answer([&host](QDialog& dialog) {
        fillSource(dialog);
        host.answers.answer(Answer::pick(QStringLiteral("2610")));
        press(dialog, "bnIncomeCod");
        typeInto(field(dialog, "meItogIncomeSum"), QStringLiteral("300"));
        return confirm(dialog);
    });
    press(frame, "fbAddSourseIncome");
    QVERIFY(host.answers.finished());
    QVERIFY(host.answers.checkMessages.isEmpty());
    QCOMPARE(host.doc.Income35.Count(), 1);
    QCOMPARE(field(frame, "pnlSubtractCod")->text(), QStringLiteral("Нет"));
}

void TestThirtyFivePercent::missingIncomeCodeOpensPicker()
{
    TestHost host;
    TfrThirtyFivePercent frame(nullptr, host);
    host.answers.answer([&host](QDialog& dialog) {
        fillSource(dialog);
        host.answers.answer(Answer::check(TfmCheckError::Fix));
        host.answers.answer(Answer::cancel()); // the income-code picker opened by the fix
        confirm(dialog);
        return int(QDialog::Rejected);
    });
    press(frame, "fbAddSourseIncome");
    QVERIFY2(host.answers.finished(), qPrintable(host.answers.unexpected.join(u'\n')));
    QCOMPARE(host.answers.checkMessages, QStringList{QStringLiteral("Не выбран доход")});
    QCOMPARE(host.answers.titles.last(), QStringLiteral("Справочник видов доходов"));
    QCOMPARE(host.doc.Income35.Count(), 0);
}

void TestThirtyFivePercent::deductionAboveIncome()
{
    TestHost host;
    TfmInput35SourseIncome dialog(nullptr, host.interaction());
    fillSource(dialog);
    host.answers.answer(Answer::pick(QStringLiteral("2740")));
    press(dialog, "bnIncomeCod");
    host.answers.answer(Answer::pick(QStringLiteral("505")));
    press(dialog, "bnSubtractCod");
    typeInto(field(dialog, "meItogIncomeSum"), QStringLiteral("1000"));
    typeInto(field(dialog, "meSubtractSum"), QStringLiteral("1500"));
    host.answers.answer(Answer::check(TfmCheckError::Fix));
    QCOMPARE(dialog.Check(), quint16(7));
    QCOMPARE(host.answers.checkMessages.last(),
             QStringLiteral("Сумма вычета превышает сумму дохода"));
    QVERIFY(host.answers.finished());
}

void TestThirtyFivePercent::editShowsStoredDeduction()
{
    TestHost host;
    mTThirtyFivePercent& stored = host.doc.Income35.At(host.doc.Income35.Add());
    stored.SourceName = QStringLiteral("ООО Реклама");
    stored.IncomeCode35 = 2740;
    stored.TotalIncome = 2500_rub;
    stored.DeductCode35 = 505;
    stored.DeductSum35 = 2500_rub;
    TfmInput35SourseIncome dialog(nullptr, host.interaction());
    dialog.Fill(stored);
    QCOMPARE(field(dialog, "pnlIncomeCod")->text(), QStringLiteral("2740"));
    QCOMPARE(field(dialog, "pnlSubtractCod")->text(), QStringLiteral("505"));
    QCOMPARE(field(dialog, "meSubtractSum")->text(), QStringLiteral("2500"));
    QVERIFY(field(dialog, "meSubtractSum")->isEnabled());
    mTThirtyFivePercent copy;
    dialog.Apply(copy);
    QCOMPARE(copy.DeductSum35, 2500_rub);
    QCOMPARE(copy.IncomeCode35, 2740);
}

QTEST_MAIN(TestThirtyFivePercent)
#include "tst_thirty_five_percent.moc"
