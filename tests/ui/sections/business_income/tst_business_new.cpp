// The business section: activities with flat-rate or documented expenses, the advance payments
// and farm data, the activity dialog with its classifier picker, and the section check.
#include "directories/ActivityDirectory.h"
#include "storage/DayCount.h"
#include "support/FrameTestHost.h"
#include "ui/pickers/FormOKVED.h"
#include "ui/sections/business_income/FrameBusinessNew.h"
#include "ui/sections/business_income/InputBusinessIncome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <functional>

namespace {

std::unique_ptr<ActivityDirectory> activities()
{
    const auto entry = [](const char* grup, const char* name, const char* kod, const char* okved) {
        return ActivityEntry{QString::fromLatin1(grup), QString::fromUtf8(name),
                             QString::fromLatin1(kod), QString::fromLatin1(okved)};
    };
    return std::make_unique<ActivityDirectory>(QList<ActivityEntry>{
        entry("1", "Раздел А", "A", "A"), entry("2", "Класс 01", "A01", "01"),
        entry("3", "Подкласс 01.1", "A01.1", "01.1"), entry("2", "Класс 02", "A02", "02"),
        entry("3", "Подкласс 02.1", "A02.1", "02.1"), entry("1", "Раздел B", "B", "B")});
}

// Chooses a kind in the activity dialog and confirms it.
ScriptedInteraction::DialogScript activity(const char* kindButton)
{
    return [kindButton](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(QString::fromLatin1(kindButton))->click();
        click(dialog, "bnOk");
        return dialog.result();
    };
}

mTBusinessNew documented(Money total, Money material, Money labour, Money contracts, Money other,
                         Money depreciation)
{
    mTBusinessNew entry;
    entry.ActivityKind = QStringLiteral("2");
    entry.HasDocumentedExpenses = 1;
    entry.ExpensesTotal = total;
    entry.MaterialExpenses = material;
    entry.LabourCosts = labour;
    entry.LabourContracts = contracts;
    entry.OtherExpenses = other;
    entry.Depreciation = depreciation;
    return entry;
}

QStringList rowTexts(const QTreeWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts.append(list.topLevelItem(row)->text(0));
    return texts;
}

// Where an amount typed into a field of the frame is stored.
using StoredAmount = std::function<Money(const mTDeclaration&)>;

} // namespace

Q_DECLARE_METATYPE(StoredAmount)

class TestBusinessNew : public QObject
{
    Q_OBJECT

private slots:
    void flatRateExpenses_data();
    void flatRateExpenses();
    void addNotaryStartsWithFlatRate();
    void entrepreneurNeedsActivityCode();
    void activityPickerNarrowsLists();
    void shortActivityCodeAsksOnce();
    void switchingRowsStoresTypedAmounts();
    void storeDeclarationFields();
    void farmYearIsTheShownYear_data();
    void farmYearIsTheShownYear();
    void check_data();
    void check();
    void deletingLastActivityClearsPaymentsAndFarm();
    void deletingAsksFirst_data();
    void deletingAsksFirst();
    void clickAndTypeGivesTheAmount_data();
    void clickAndTypeGivesTheAmount();
    void controlsHaveTheirOwnNames();
};

void TestBusinessNew::flatRateExpenses_data()
{
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("expenses");
    QTest::newRow("1234.57") << "1234,57"
                             << "246,91";
    QTest::newRow("1000.03") << "1000,03"
                             << "200,01";
    QTest::newRow("empty") << ""
                           << "0";
}

void TestBusinessNew::flatRateExpenses()
{
    QFETCH(QString, income);
    QFETCH(QString, expenses);
    FrameTestHost host;
    mTBusinessNew& entry = host.doc.Businesses.At(host.doc.Businesses.Add());
    entry.ActivityKind = QStringLiteral("4");
    entry.HasDocumentedExpenses = 0;
    TfrBusinessNew frame(nullptr, host);
    frame.selectRow(0);
    type(frame, "MaskedEdit1", QStringLiteral("5"));
    type(frame, "MaskedEdit1", income);
    QCOMPARE(text(frame, "Panel5"), expenses);
    frame.StoreData();
    QCOMPARE(host.doc.Businesses.At(0).FlatRateExpenses.toText(QLatin1Char(',')), expenses);
    QCOMPARE(host.doc.Businesses.At(0).HasDocumentedExpenses, quint8(0));
}

void TestBusinessNew::addNotaryStartsWithFlatRate()
{
    FrameTestHost host;
    TfrBusinessNew frame(nullptr, host);
    QVERIFY(!child<QLineEdit>(frame, "MaskedEdit1")->isEnabled());
    host.answers.answerDialog(activity("rbNota"));
    click(frame, "fbAddSourseIncome");
    QVERIFY(host.answers.finished());
    QCOMPARE(host.doc.Businesses.Count(), 1);
    QCOMPARE(host.doc.Businesses.At(0).ActivityKind, QStringLiteral("2"));
    QCOMPARE(host.doc.Businesses.At(0).HasDocumentedExpenses, quint8(0));
    QCOMPARE(frame.findChild<QTreeWidget*>()->topLevelItem(0)->text(0),
             QStringLiteral("Нотариальная деятельность"));
    QVERIFY(child<QLineEdit>(frame, "MaskedEdit1")->isEnabled());
    QVERIFY(!child<QLineEdit>(frame, "Panel5")->isHidden());
    QVERIFY(child<QLineEdit>(frame, "MaskedEdit2")->isHidden());
    QCOMPARE(text(frame, "Panel5"), QStringLiteral("0"));
    QCOMPARE(host.changes, 1);

    // Documented expenses show the detail fields instead.
    frame.findChild<QCheckBox*>(QStringLiteral("chbIsConfirmedExpensies"))->click();
    QVERIFY(child<QLineEdit>(frame, "Panel5")->isHidden());
    QVERIFY(!child<QLineEdit>(frame, "MaskedEdit2")->isHidden());
    QCOMPARE(host.changes, 2);
}

void TestBusinessNew::entrepreneurNeedsActivityCode()
{
    FrameTestHost host;
    host.activityDirectory = activities();
    TfrBusinessNew frame(nullptr, host);
    host.answers.answerDialog(activity("rbPredp"));
    click(frame, "fbAddSourseIncome");
    QCOMPARE(host.doc.Businesses.Count(), 0);

    host.answers.answerDialog([&host](QDialog& dialog) {
        host.answers.answerDialog([](QDialog& picker) {
            auto& okved = dynamic_cast<TFormOKVED&>(picker);
            okved.PickItem(1, QStringLiteral("Раздел А"));
            okved.PickItem(2, QStringLiteral("Класс 02"));
            okved.PickItem(3, QStringLiteral("Подкласс 02.1"));
            click(okved, "bnOk");
            return okved.result();
        });
        click(dialog, "bnIncomeCod");
        click(dialog, "bnOk");
        return dialog.result();
    });
    click(frame, "fbAddSourseIncome");
    QVERIFY2(host.answers.finished(), qPrintable(host.answers.unexpected.join(u'\n')));
    QCOMPARE(host.doc.Businesses.Count(), 1);
    QCOMPARE(host.doc.Businesses.At(0).ActivityKind, QStringLiteral("1"));
    QCOMPARE(host.doc.Businesses.At(0).ActivityName, QStringLiteral("02.1"));
    QCOMPARE(frame.findChild<QTreeWidget*>()->topLevelItem(0)->text(0), QStringLiteral("02.1"));
}

void TestBusinessNew::activityPickerNarrowsLists()
{
    FrameTestHost host;
    host.activityDirectory = activities();
    TFormOKVED picker(nullptr, *host.activityDirectory, host.interaction());
    const auto list = [&picker](int level) {
        QStringList items;
        auto* box = picker.findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(level));
        for (int i = 0; i < box->count(); ++i)
            items.append(box->itemText(i));
        return items;
    };
    QCOMPARE(list(1), QStringList({QStringLiteral("нет"), QStringLiteral("Раздел А"),
                                   QStringLiteral("Раздел B")}));
    QCOMPARE(text(picker, "edOKV"), QStringLiteral("нет"));
    QVERIFY(picker.PickItem(1, QStringLiteral("Раздел А")));
    QCOMPARE(text(picker, "edOKV"), QStringLiteral("A"));
    // Every third-level entry under the section, not only under one class.
    QCOMPARE(list(3), QStringList({QStringLiteral("нет"), QStringLiteral("Подкласс 01.1"),
                                   QStringLiteral("Подкласс 02.1")}));
    QVERIFY(picker.PickItem(2, QStringLiteral("Класс 01")));
    QCOMPARE(list(3), QStringList({QStringLiteral("нет"), QStringLiteral("Подкласс 01.1")}));
    QVERIFY(picker.PickItem(2, QStringLiteral("нет")));
    QCOMPARE(list(3), QStringList({QStringLiteral("нет")}));
    QCOMPARE(text(picker, "edOKV"), QStringLiteral("01"));
}

void TestBusinessNew::shortActivityCodeAsksOnce()
{
    FrameTestHost host;
    host.activityDirectory = activities();
    TFormOKVED picker(nullptr, *host.activityDirectory, host.interaction());
    picker.PickItem(1, QStringLiteral("Раздел А"));
    picker.PickItem(2, QStringLiteral("Класс 01"));
    host.answers.answerCheck(TfmCheckError::Fix);
    click(picker, "bnOk");
    QCOMPARE(picker.result(), int(QDialog::Rejected));
    host.answers.answerCheck(TfmCheckError::Skip);
    click(picker, "bnOk");
    QCOMPARE(picker.result(), int(QDialog::Accepted));
    QCOMPARE(host.answers.checkMessages.last(),
             QStringLiteral("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"));
    QCOMPARE(host.answers.dialogTitles.last(), QStringLiteral("Проверка: ОКВЭД"));
    // A code of four characters and more passes at once.
    picker.PickItem(3, QStringLiteral("Подкласс 01.1"));
    click(picker, "bnOk");
    QCOMPARE(host.answers.checkMessages.size(), 2);
    QVERIFY(host.answers.finished());
}

void TestBusinessNew::switchingRowsStoresTypedAmounts()
{
    FrameTestHost host;
    host.doc.Businesses.At(host.doc.Businesses.Add()) =
        documented(100_rub, 100_rub, 0_rub, 0_rub, 0_rub, 0_rub);
    host.doc.Businesses.At(host.doc.Businesses.Add()) =
        documented(0_rub, 0_rub, 0_rub, 0_rub, 0_rub, 0_rub);
    TfrBusinessNew frame(nullptr, host);
    frame.selectRow(0);
    QCOMPARE(text(frame, "MaskedEdit3"), QStringLiteral("100"));
    type(frame, "MaskedEdit1", QStringLiteral("5000"));
    type(frame, "MaskedEdit7", QStringLiteral("25,5"));
    frame.selectRow(1);
    QCOMPARE(host.doc.Businesses.At(0).BusinessIncome, 5000_rub);
    QCOMPARE(host.doc.Businesses.At(0).OtherExpenses, Money::fromKopecks(2550));
    QCOMPARE(text(frame, "MaskedEdit7"), QStringLiteral("0"));
    QCOMPARE(host.changes, 0);
}

void TestBusinessNew::storeDeclarationFields()
{
    FrameTestHost host;
    host.doc.Businesses.Add();
    host.doc.IsFarm = 1;
    host.doc.FarmStartDate = DayCount::fromDate(2005, 1, 1);
    host.doc.AccruedAdvance = 1500_rub;
    TfrBusinessNew frame(nullptr, host);
    auto* year = frame.findChild<QSpinBox*>(QStringLiteral("meBeginninFH"));
    QCOMPARE(year->value(), 2005);
    QCOMPARE(year->maximum(), 2013);
    QVERIFY(year->isEnabled());
    QCOMPARE(text(frame, "meNachPrepayment"), QStringLiteral("1500"));
    type(frame, "meActualPrepayment", QStringLiteral("1200,5"));
    type(frame, "meFHSum", QStringLiteral("300"));
    year->setValue(2010);
    frame.StoreData();
    QCOMPARE(host.doc.ActualAdvance, Money::fromKopecks(120050));
    QCOMPARE(host.doc.FarmExemptIncome, 300_rub);
    QCOMPARE(host.doc.FarmStartDate, DayCount::fromDate(2010, 1, 1));
    QCOMPARE(host.doc.IsFarm, quint8(1));

    frame.findChild<QCheckBox*>(QStringLiteral("cbIsFH"))->click();
    QVERIFY(!year->isEnabled());
    frame.StoreData();
    QCOMPARE(host.doc.IsFarm, quint8(0));
}

void TestBusinessNew::farmYearIsTheShownYear_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("year");
    QTest::newRow("in range") << QStringLiteral("2010") << 2010;
    QTest::newRow("leading zero") << QStringLiteral("0202") << 2005;
    QTest::newRow("before the range") << QStringLiteral("1995") << 2005;
    QTest::newRow("after the range") << QStringLiteral("2099") << 2005;
}

void TestBusinessNew::farmYearIsTheShownYear()
{
    QFETCH(QString, typed);
    QFETCH(int, year);
    FrameTestHost host;
    host.doc.Businesses.Add();
    host.doc.IsFarm = 1;
    host.doc.FarmStartDate = DayCount::fromDate(2005, 1, 1);
    TfrBusinessNew frame(nullptr, host);
    auto* field = child<QSpinBox>(frame, "meBeginninFH");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    typeKeys(field, typed);
    // Stored while the field still has the focus (as "Сохранить" does), then left: the year kept
    // is the year the field shows.
    frame.StoreData();
    leave(field);
    QCOMPARE(field->text(), QString::number(year));
    QCOMPARE(host.doc.FarmStartDate, DayCount::fromDate(year, 1, 1));
}

void TestBusinessNew::check_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("mixed expense modes")
        << 1 << "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.";
    QTest::newRow("contracts above labour")
        << 2
        << "Расходы по оплате трудовых договоров(150) превышают сумму расходов на оплату труда "
           "(100)";
    QTest::newRow("total differs")
        << 3
        << "Общие расходы (90) не совпадают с суммой расходов материальных, на оплату труда, "
           "прочих и амортизационных отчислений (100)";
}

void TestBusinessNew::check()
{
    QFETCH(int, fault);
    QFETCH(QString, message);
    FrameTestHost host;
    host.doc.Businesses.At(host.doc.Businesses.Add()) =
        documented(100_rub, 10_rub, 20_rub, 5_rub, 30_rub, 40_rub);
    mTBusinessNew second = documented(100_rub, 10_rub, 20_rub, 5_rub, 30_rub, 40_rub);
    if (fault == 1)
        second.HasDocumentedExpenses = 0;
    else if (fault == 2)
        second = documented(150_rub, 0_rub, 100_rub, 150_rub, 50_rub, 0_rub);
    else
        second.ExpensesTotal = 90_rub;
    host.doc.Businesses.At(host.doc.Businesses.Add()) = second;
    TfrBusinessNew frame(nullptr, host);

    // Closing the check window goes on as "Пропустить" does.
    host.answers.answerCheck(TfmCheckError::Closed);
    QCOMPARE(frame.CheckData(), quint16(0));
    QCOMPARE(host.answers.checkMessages, QStringList{message});
    host.answers.checkMessages.clear();
    host.answers.answerCheck(TfmCheckError::Fix);
    QCOMPARE(frame.CheckData(), quint16(2));
    QCOMPARE(host.answers.dialogTitles.last(),
             QStringLiteral("Проверка: Доходы от предпринимательской деятельности"));
    frame.FocusError(2);
    QCOMPARE(frame.selectedRow(), 1);
    QVERIFY(host.answers.finished());
}

void TestBusinessNew::deletingLastActivityClearsPaymentsAndFarm()
{
    FrameTestHost host;
    host.doc.Businesses.Add();
    host.doc.IsFarm = 1;
    host.doc.FarmExemptIncome = 700_rub;
    host.doc.ActualAdvance = 10_rub;
    TfrBusinessNew frame(nullptr, host);
    frame.selectRow(0);
    host.answers.answerMessage(QMessageBox::Yes);
    click(frame, "fbDeleteSourseIncome");
    QCOMPARE(host.doc.Businesses.Count(), 0);
    for (const char* name : {"meFHSum", "meNachPrepayment", "meActualPrepayment"})
        QCOMPARE(text(frame, name), QStringLiteral("0"));
    QVERIFY(!frame.findChild<QCheckBox*>(QStringLiteral("cbIsFH"))->isChecked());
    QVERIFY(!child<QLineEdit>(frame, "MaskedEdit1")->isEnabled());
    // Nothing takes typing that would never be stored.
    QCOMPARE(editableFields(frame), QStringList());
    frame.StoreData();
    QCOMPARE(host.doc.IsFarm, quint8(0));
    QCOMPARE(host.doc.FarmExemptIncome, Money());
}

void TestBusinessNew::deletingAsksFirst_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QStringList>("rowsLeft");
    QTest::addColumn<QString>("incomeShown");
    const QString notary = QStringLiteral("Нотариальная деятельность");
    const QString lawyer = QStringLiteral("Адвокатская деятельность");
    const QString other = QStringLiteral("Иная деятельность");
    QTest::newRow("Да deletes, the one before is shown")
        << 1 << QMessageBox::Yes << QStringList{notary, other} << QStringLiteral("100");
    QTest::newRow("Да on the first, the next is shown")
        << 0 << QMessageBox::Yes << QStringList{lawyer, other} << QStringLiteral("200");
    QTest::newRow("Нет keeps it") << 1 << QMessageBox::No << QStringList{notary, lawyer, other}
                                  << QStringLiteral("200");
    QTest::newRow("closing keeps it")
        << 2 << QMessageBox::Cancel << QStringList{notary, lawyer, other} << QStringLiteral("300");
}

void TestBusinessNew::deletingAsksFirst()
{
    QFETCH(int, selected);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QStringList, rowsLeft);
    QFETCH(QString, incomeShown);
    FrameTestHost host;
    for (const char* kind : {"2", "3", "4"}) {
        mTBusinessNew& entry = host.doc.Businesses.At(host.doc.Businesses.Add());
        entry.ActivityKind = QString::fromLatin1(kind);
        entry.BusinessIncome = Money::fromRoubles(100 * host.doc.Businesses.Count());
    }
    TfrBusinessNew frame(nullptr, host);
    auto* list = frame.findChild<QTreeWidget*>();
    frame.selectRow(selected);
    const QString name = list->topLevelItem(selected)->text(0);
    host.answers.answerMessage(answer);
    click(frame, "fbDeleteSourseIncome");

    QVERIFY(host.answers.finished());
    QCOMPARE(host.answers.messages.size(), 1);
    QCOMPARE(host.answers.messages.at(0).text,
             QStringLiteral("Удалить вид деятельности «%1»?").arg(name));
    QCOMPARE(host.answers.messages.at(0).defaultButton, QMessageBox::No);
    QCOMPARE(rowTexts(*list), rowsLeft);
    QStringList stored;
    for (const mTBusinessNew& entry : host.doc.Businesses)
        stored.append(TfrBusinessNew::RowText(entry));
    QCOMPARE(stored, rowsLeft);
    QCOMPARE(text(frame, "MaskedEdit1"), incomeShown);
    QCOMPARE(host.changes, rowsLeft.size() < 3 ? 1 : 0);
}

void TestBusinessNew::clickAndTypeGivesTheAmount_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<StoredAmount>("stored");
    const auto entry = [](Money mTBusinessNew::*amount) {
        return StoredAmount(
            [amount](const mTDeclaration& doc) { return doc.Businesses.At(0).*amount; });
    };
    const auto declaration = [](Money mTDeclaration::*amount) {
        return StoredAmount([amount](const mTDeclaration& doc) { return doc.*amount; });
    };
    QTest::newRow("income") << "MaskedEdit1" << entry(&mTBusinessNew::BusinessIncome);
    QTest::newRow("expenses") << "MaskedEdit2" << entry(&mTBusinessNew::ExpensesTotal);
    QTest::newRow("material") << "MaskedEdit3" << entry(&mTBusinessNew::MaterialExpenses);
    QTest::newRow("depreciation") << "MaskedEdit4" << entry(&mTBusinessNew::Depreciation);
    QTest::newRow("labour") << "MaskedEdit5" << entry(&mTBusinessNew::LabourCosts);
    QTest::newRow("contracts") << "MaskedEdit6" << entry(&mTBusinessNew::LabourContracts);
    QTest::newRow("other") << "MaskedEdit7" << entry(&mTBusinessNew::OtherExpenses);
    QTest::newRow("accrued") << "meNachPrepayment" << declaration(&mTDeclaration::AccruedAdvance);
    QTest::newRow("paid") << "meActualPrepayment" << declaration(&mTDeclaration::ActualAdvance);
    QTest::newRow("farm") << "meFHSum" << declaration(&mTDeclaration::FarmExemptIncome);
}

// A click anywhere in an amount that shows 0, then the amount typed: the document takes exactly
// that amount.
void TestBusinessNew::clickAndTypeGivesTheAmount()
{
    QFETCH(QString, field);
    QFETCH(StoredAmount, stored);
    FrameTestHost host;
    host.doc.Businesses.At(host.doc.Businesses.Add()) =
        documented(0_rub, 0_rub, 0_rub, 0_rub, 0_rub, 0_rub);
    host.doc.IsFarm = 1;
    TfrBusinessNew frame(nullptr, host);
    frame.selectRow(0);
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    auto* amount = child<QLineEdit>(frame, field.toLatin1().constData());
    QCOMPARE(amount->text(), QStringLiteral("0"));
    clickAndType(amount, QStringLiteral("5000,5"));
    frame.StoreData();
    QCOMPARE(stored(host.doc), Money::fromKopecks(500050));
}

void TestBusinessNew::controlsHaveTheirOwnNames()
{
    FrameTestHost host;
    host.activityDirectory = activities();
    host.doc.Businesses.At(host.doc.Businesses.Add()) =
        documented(0_rub, 0_rub, 0_rub, 0_rub, 0_rub, 0_rub);
    host.doc.IsFarm = 1;
    TfrBusinessNew frame(nullptr, host);
    frame.selectRow(0);
    frame.show();
    QVERIFY2(unnamedControls(frame).isEmpty(), qPrintable(unnamedControls(frame).join(u'\n')));
    click(frame, "chbIsConfirmedExpensies");
    QVERIFY2(unnamedControls(frame).isEmpty(), qPrintable(unnamedControls(frame).join(u'\n')));

    TfmInputBusinessIncome dialog(nullptr, host);
    dialog.show();
    QVERIFY2(unnamedControls(dialog).isEmpty(), qPrintable(unnamedControls(dialog).join(u'\n')));
}

QTEST_MAIN(TestBusinessNew)
#include "tst_business_new.moc"
