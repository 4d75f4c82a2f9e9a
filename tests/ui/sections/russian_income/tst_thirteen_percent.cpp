// The 13 % sub-frame and its section: sources and income lines through their dialogs, totals,
// repeat, delete, the withheld-tax check that stops a switch, the non-resident specialists'
// sub-frame, and a declaration with hundreds of sources.
#include "support/FrameTestHost.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/russian_income/FrameRussianIncome.h"
#include "ui/sections/russian_income/FrameThirteenPercent.h"
#include "ui/sections/russian_income/FrameThirteenPercentNR.h"
#include "ui/sections/russian_income/FrameThirtyFivePercent.h"
#include "ui/window/SectionFrames.h"

#include <QGroupBox>
#include <QTreeWidget>

namespace {

// Fills the source dialog and presses "Да".
ScriptedInteraction::DialogScript enterSource(const QString& name, const QString& inn = QString(),
                                              const QString& kpp = QString(),
                                              const QString& oktmo = QStringLiteral("45382000"))
{
    return [=](QDialog& dialog) {
        type(dialog, "meSourseName", name);
        type(dialog, "meINN", inn);
        type(dialog, "meKPP", kpp);
        type(dialog, "meOKATO", oktmo);
        click(dialog, "bnOk");
        return dialog.result();
    };
}

// Adds a source through its dialog.
void addSource(FrameTestHost& host, QWidget& frame, const QString& name)
{
    host.answers.answerDialog(
        enterSource(name, QStringLiteral("7707083893"), QStringLiteral("773601001")));
    click(frame, "fbAddSourseIncome");
}

// Adds an income line with this code, amount and month through the line dialog.
void addLine(FrameTestHost& host, QWidget& frame, const QString& code, const QString& amount,
             const QString& month)
{
    ScriptedAnswers& answers = host.answers;
    answers.answerDialog([&answers, code, amount, month](QDialog& dialog) {
        answers.answerDialog(pick(code));
        click(dialog, "bnIncomeCod");
        type(dialog, "meIncomeSum", amount);
        if (!month.isEmpty())
            type(dialog, "mePropSale", month);
        click(dialog, "bnYes");
        return dialog.result();
    });
    click(frame, "fbAddIncome");
}

QStringList rowTexts(QTreeWidget* list, int row)
{
    QStringList texts;
    QTreeWidgetItem* item = list->topLevelItem(row);
    for (int column = 0; column < list->columnCount(); ++column)
        texts.append(item->text(column));
    return texts;
}

mTThirteenPercent source(const QString& name, Money total, Money withheld)
{
    mTThirteenPercent entry;
    entry.SourceName = name;
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeSum = total;
    line.IncomeMonth = 1;
    entry.AddIncome(line);
    entry.TaxWithheld = withheld;
    return entry;
}

} // namespace

class TestThirteenPercent : public QObject
{
    Q_OBJECT

private slots:
    void twoEmployersWithMonthlySalary();
    void emptyNameNotAdded();
    void sourceCheckKeepsDialogOpen_data();
    void sourceCheckKeepsDialogOpen();
    void repeatAndRemove();
    void editLine();
    void deleteSourceSelectsPrevious();
    void linesFollowTheSelectedSource();
    void totalsWrittenOnLeavingSource();
    void fixedPayments();
    void withheldAboveIncomeStopsSwitch();
    void skipLetsSwitchGoOn();
    void containerButtonsByForm();
    void specialistsNeverStop();
    void hundredsOfSources();
};

void TestThirteenPercent::twoEmployersWithMonthlySalary()
{
    FrameTestHost host;
    TfrThirteenPercent frame(nullptr, host);
    QVERIFY(!child(frame, "fbAddIncome")->isEnabled());
    QVERIFY(!child(frame, "meHoldSum")->isEnabled());

    addSource(host, frame, QStringLiteral("ООО \"Ромашка\""));
    addLine(host, frame, QStringLiteral("2000"), QStringLiteral("30000"), QStringLiteral("1"));
    click(frame, "fbCopy");
    click(frame, "fbCopy");
    addSource(host, frame, QStringLiteral("АО \"Василёк\""));
    addLine(host, frame, QStringLiteral("2000"), QStringLiteral("12500,50"), QStringLiteral("3"));
    QVERIFY(host.answers.finished());
    QVERIFY(host.answers.unexpected.isEmpty());

    QCOMPARE(host.doc.Income13.Count(), 2);
    const mTThirteenPercent& first = host.doc.Income13.At(0);
    QCOMPARE(first.SourceName, QStringLiteral("ООО \"Ромашка\""));
    QCOMPARE(first.SourceINN, QStringLiteral("7707083893"));
    QCOMPARE(first.SourceKPP, QStringLiteral("773601001"));
    QCOMPARE(first.SourceOKTMO, QStringLiteral("45382000"));
    QCOMPARE(first.IncomeCount(), 3);
    QCOMPARE(first.GetIncome(2).IncomeMonth, quint16(3));
    QCOMPARE(first.TotalIncome, 90000_rub);
    QVERIFY(!first.GetIncome(0).IncomeCodeName.isEmpty());
    QCOMPARE(host.doc.Income13.At(1).TotalIncome, Money::fromKopecks(1250050));

    QCOMPARE(frame.selectedSource(), 1);
    QCOMPARE(child<QLineEdit>(frame, "pnlItogIncomeSum")->text(), QStringLiteral("12500,5"));
    auto* lines = child<QTreeWidget>(frame, "lvIncome");
    QCOMPARE(rowTexts(lines, 0),
             (QStringList{QStringLiteral("3"), QStringLiteral("2000"), QStringLiteral("12500,5"),
                          QStringLiteral("Нет"), QStringLiteral("-")}));
    QVERIFY(host.changes >= 4);
}

void TestThirteenPercent::emptyNameNotAdded()
{
    FrameTestHost host;
    TfrThirteenPercent frame(nullptr, host);
    host.answers.answerDialog(enterSource(QStringLiteral("   ")));
    // "Пропустить" cannot be pressed for a missing name: closing the check window keeps the entry
    // dialog open, and when it is cancelled the frame adds nothing.
    host.answers.answerCheck(TfmCheckError::Closed);
    click(frame, "fbAddSourseIncome");
    QCOMPARE(host.answers.checkMessages,
             QStringList{QStringLiteral("Не заполненно поле \"Наименование источника выплаты\"")});
    QCOMPARE(host.answers.skipEnabled, QList<bool>{false});
    QVERIFY(host.answers.finished());
    QCOMPARE(host.doc.Income13.Count(), 0);
    QCOMPARE(child<QTreeWidget>(frame, "lvSourseIncomeInfo")->topLevelItemCount(), 0);
    QCOMPARE(host.changes, 0);
}

void TestThirteenPercent::sourceCheckKeepsDialogOpen_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Исправить") << int(TfmCheckError::Fix);
    // "Пропустить" is disabled for a wrong INN, so closing the check window (Escape) must not let
    // the wrong INN through either.
    QTest::newRow("closed") << int(TfmCheckError::Closed);
}

void TestThirteenPercent::sourceCheckKeepsDialogOpen()
{
    QFETCH(int, answer);
    FrameTestHost host;
    TfrThirteenPercent frame(nullptr, host);
    int firstResult = -1;
    host.answers.answerDialog([&](QDialog& dialog) {
        type(dialog, "meSourseName", QStringLiteral("ИП Петров"));
        type(dialog, "meOKATO", QStringLiteral("45382000"));
        type(dialog, "meINN", QStringLiteral("123"));
        host.answers.answerCheck(TfmCheckError::Result(answer));
        click(dialog, "bnOk");
        firstResult = dialog.result();
        type(dialog, "meINN", QStringLiteral("500100732259"));
        click(dialog, "bnOk");
        return dialog.result();
    });
    click(frame, "fbAddSourseIncome");
    QCOMPARE(firstResult, 0);
    QCOMPARE(host.answers.checkMessages,
             QStringList{QStringLiteral("Длинна ИНН должна быть равна 10 или 12 цифрам")});
    QCOMPARE(host.answers.dialogTitles.value(1),
             QStringLiteral("Проверка: Доходы, облагаемые по ставке 13%"));
    QCOMPARE(host.doc.Income13.Count(), 1);
    QCOMPARE(host.doc.Income13.At(0).SourceINN, QStringLiteral("500100732259"));
}

void TestThirteenPercent::repeatAndRemove()
{
    FrameTestHost host;
    TfrThirteenPercent frame(nullptr, host);
    addSource(host, frame, QStringLiteral("Работодатель"));
    addLine(host, frame, QStringLiteral("2000"), QStringLiteral("100"), QStringLiteral("12"));
    click(frame, "fbCopy");
    const mTThirteenPercent& entry = host.doc.Income13.At(0);
    QCOMPARE(entry.IncomeCount(), 2);
    QCOMPARE(entry.GetIncome(1).IncomeMonth, quint16(12));
    QCOMPARE(entry.TotalIncome, 200_rub);

    child<QTreeWidget>(frame, "lvIncome")
        ->setCurrentItem(child<QTreeWidget>(frame, "lvIncome")->topLevelItem(0));
    host.answers.answerMessage(QMessageBox::Yes);
    click(frame, "fbRemoveIncome");
    QCOMPARE(entry.IncomeCount(), 1);
    QCOMPARE(entry.TotalIncome, 100_rub);
    QCOMPARE(child<QLineEdit>(frame, "pnlItogIncomeSum")->text(), QStringLiteral("100"));
    host.answers.answerMessage(QMessageBox::Yes);
    click(frame, "fbRemoveIncome");
    QCOMPARE(entry.IncomeCount(), 0);
    // Nothing is selected any more: the buttons do nothing.
    click(frame, "fbRemoveIncome");
    click(frame, "fbCopy");
    QCOMPARE(entry.IncomeCount(), 0);
    QVERIFY(host.answers.finished());
}

void TestThirteenPercent::editLine()
{
    FrameTestHost host;
    host.doc.Income13.Add();
    host.doc.Income13.At(0) = source(QStringLiteral("А"), 100_rub, Money());
    TfrThirteenPercent frame(nullptr, host);
    QCOMPARE(frame.selectedSource(), 0);
    QString shownAmount;
    host.answers.answerDialog([&shownAmount](QDialog& dialog) {
        shownAmount = child<QLineEdit>(dialog, "meIncomeSum")->text();
        type(dialog, "meIncomeSum", QStringLiteral("250"));
        click(dialog, "bnYes");
        return dialog.result();
    });
    click(frame, "fbEditIncome");
    QCOMPARE(shownAmount, QStringLiteral("100"));
    QCOMPARE(host.doc.Income13.At(0).TotalIncome, 250_rub);
    QCOMPARE(host.doc.Income13.At(0).IncomeCount(), 1);
    QCOMPARE(child<QTreeWidget>(frame, "lvIncome")->topLevelItem(0)->text(2),
             QStringLiteral("250"));

    host.answers.answerDialog([](QDialog& dialog) {
        type(dialog, "meIncomeSum", QStringLiteral("999"));
        click(dialog, "bnCansel");
        return dialog.result();
    });
    click(frame, "fbEditIncome");
    QCOMPARE(host.doc.Income13.At(0).TotalIncome, 250_rub);
}

void TestThirteenPercent::deleteSourceSelectsPrevious()
{
    FrameTestHost host;
    for (const char* name : {"A", "B", "C"}) {
        const int position = host.doc.Income13.Add();
        host.doc.Income13.At(position) = source(QString::fromLatin1(name), 10_rub, Money());
    }
    TfrThirteenPercent frame(nullptr, host);
    auto* sources = child<QTreeWidget>(frame, "lvSourseIncomeInfo");
    sources->setCurrentItem(sources->topLevelItem(2));
    QCOMPARE(frame.selectedSource(), 2);
    for (int deletion = 0; deletion < 3; ++deletion)
        host.answers.answerMessage(QMessageBox::Yes);
    click(frame, "fbDeleteSourseIncome");
    QCOMPARE(host.doc.Income13.Count(), 2);
    QCOMPARE(frame.selectedSource(), 1);
    sources->setCurrentItem(sources->topLevelItem(0));
    click(frame, "fbDeleteSourseIncome");
    QCOMPARE(frame.selectedSource(), 0);
    QCOMPARE(host.doc.Income13.At(0).SourceName, QStringLiteral("B"));
    click(frame, "fbDeleteSourseIncome");
    QCOMPARE(host.doc.Income13.Count(), 0);
    QCOMPARE(frame.selectedSource(), -1);
    QVERIFY(!child(frame, "fbAddIncome")->isEnabled());
    QCOMPARE(child<QLineEdit>(frame, "meHoldSum")->text(), QString());
    QCOMPARE(host.changes, 3);
}

// After every change of the sources the list of lines shows, on the screen too, exactly the lines
// of the selected source: a new source shows none, not what the one before it had.
void TestThirteenPercent::linesFollowTheSelectedSource()
{
    FrameTestHost host;
    host.doc.Income13.At(host.doc.Income13.Add()) = source(QStringLiteral("Второй"), 10_rub, {});
    mTThirteenPercent first = source(QStringLiteral("ООО «Ромашка»"), 30000_rub, Money());
    for (int line = 0; line < 4; ++line)
        first.AddIncome(first.GetIncome(0));
    host.doc.Income13.At(host.doc.Income13.Add()) = first;
    TfrThirteenPercent frame(nullptr, host);
    frame.resize(frame.sizeHint());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    auto* sources = child<QTreeWidget>(frame, "lvSourseIncomeInfo");
    auto* lines = child<QTreeWidget>(frame, "lvIncome");
    sources->setCurrentItem(sources->topLevelItem(1));
    QCOMPARE(lines->topLevelItemCount(), 5);
    QVERIFY(showsWhatItDraws(lines->viewport()));

    addSource(host, frame, QStringLiteral("Новый"));
    QCOMPARE(frame.selectedSource(), 2);
    QCOMPARE(lines->topLevelItemCount(), 0);
    QCOMPARE(text(frame, "pnlItogIncomeSum"), QStringLiteral("0"));
    QVERIFY(showsWhatItDraws(lines->viewport()));

    host.answers.answerMessage(QMessageBox::Yes);
    click(frame, "fbDeleteSourseIncome");
    QCOMPARE(frame.selectedSource(), 1);
    QCOMPARE(lines->topLevelItemCount(), 5);
    QVERIFY(showsWhatItDraws(lines->viewport()));

    sources->setCurrentItem(sources->topLevelItem(0));
    host.answers.answerMessage(QMessageBox::Yes);
    click(frame, "fbRemoveIncome");
    QCOMPARE(lines->topLevelItemCount(), 0);
    QCOMPARE(host.doc.Income13.At(0).IncomeCount(), 0);
    QVERIFY(showsWhatItDraws(lines->viewport()));
    QVERIFY(host.answers.finished());
}

void TestThirteenPercent::totalsWrittenOnLeavingSource()
{
    FrameTestHost host;
    for (const char* name : {"A", "B"}) {
        const int position = host.doc.Income13.Add();
        host.doc.Income13.At(position) = source(QString::fromLatin1(name), 10_rub, Money());
    }
    TfrThirteenPercent frame(nullptr, host);
    type(frame, "meHoldSum", QStringLiteral("1300"));
    type(frame, "meObl", QStringLiteral("10000,25"));
    type(frame, "meTaxIsch", QString());
    auto* sources = child<QTreeWidget>(frame, "lvSourseIncomeInfo");
    sources->setCurrentItem(sources->topLevelItem(1));
    const mTThirteenPercent& first = host.doc.Income13.At(0);
    QCOMPARE(first.TaxWithheld, 1300_rub);
    QCOMPARE(first.TaxableIncome, Money::fromKopecks(1000025));
    QCOMPARE(first.TaxComputed, Money());
    QCOMPARE(child<QLineEdit>(frame, "meHoldSum")->text(), QStringLiteral("0"));

    type(frame, "meTaxIsch", QStringLiteral("77"));
    frame.StoreData();
    QCOMPARE(host.doc.Income13.At(1).TaxComputed, 77_rub);
}

void TestThirteenPercent::fixedPayments()
{
    FrameTestHost host;
    host.doc.ForeignFixedPayments = 12000_rub;
    {
        TfrThirteenPercent frame(nullptr, host);
        frame.show();
        QVERIFY(child(frame, "gbA25")->isVisible());
        QCOMPARE(child<QLineEdit>(frame, "meA25")->text(), QStringLiteral("12000"));
        type(frame, "meA25", QStringLiteral("15000"));
        frame.StoreData();
        QCOMPARE(host.doc.ForeignFixedPayments, 15000_rub);
    }
    host.doc.DeclForm = DeclarationForm::NonResident;
    TfrThirteenPercent nonResident(nullptr, host);
    nonResident.show();
    QVERIFY(!child(nonResident, "gbA25")->isVisible());
    TTfrThirteenPercentNR specialists(nullptr, host);
    specialists.show();
    QVERIFY(child(specialists, "GroupBox1")->isVisible());
}

void TestThirteenPercent::withheldAboveIncomeStopsSwitch()
{
    FrameTestHost host;
    for (Money withheld : {100_rub, 2000_rub}) {
        const int position = host.doc.Income13.Add();
        host.doc.Income13.At(position) = source(QStringLiteral("И"), 1000_rub, withheld);
    }
    TfrRussianIncome section(nullptr, host);
    QVERIFY(section.findChild<TfrThirteenPercent*>() != nullptr);
    host.answers.answerCheck(TfmCheckError::Fix);
    click(section, "FlashButton2");
    QCOMPARE(host.answers.checkMessages,
             QStringList{QStringLiteral("По данному источнику выплаты общая сумма дохода меньше "
                                        "удержанной суммы")});
    QCOMPARE(host.answers.dialogTitles.last(),
             QStringLiteral("Проверка: Доходы, облагаемые ставкой 13%"));
    auto* shown = section.findChild<TfrThirteenPercent*>();
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->selectedSource(), 1);
    QVERIFY(child<QAbstractButton>(section, "FlashButton1")->isChecked());
    QVERIFY(!child<QAbstractButton>(section, "FlashButton2")->isChecked());
}

void TestThirteenPercent::skipLetsSwitchGoOn()
{
    FrameTestHost host;
    host.doc.Income13.Add();
    host.doc.Income13.At(0) = source(QStringLiteral("И"), 1000_rub, 2000_rub);
    TfrRussianIncome section(nullptr, host);
    host.answers.answerCheck(TfmCheckError::Skip);
    click(section, "FlashButton3");
    QVERIFY(section.findChild<TfrThirteenPercent*>() == nullptr);
    QVERIFY(section.findChild<TfrThirtyFivePercent*>() != nullptr);
    QCOMPARE(section.shownIndex(), int(TfrRussianIncome::ThirtyFivePercent));

    // Back to 13 %: the list is focused with its first source selected.
    click(section, "FlashButton1");
    auto* shown = section.findChild<TfrThirteenPercent*>();
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->selectedSource(), 0);

    section.FocusSubError(3, 1);
    QVERIFY(section.findChild<TTfrThirteenPercentNR*>() != nullptr);
    QVERIFY(host.answers.finished());
}

void TestThirteenPercent::containerButtonsByForm()
{
    FrameTestHost host;
    TfrRussianIncome resident(nullptr, host);
    resident.show();
    QVERIFY(child(resident, "FlashButton3")->isVisible());
    QVERIFY(!child(resident, "FlashButton6")->isVisible());
    QVERIFY(child<QAbstractButton>(resident, "FlashButton1")->isChecked());

    host.doc.DeclForm = DeclarationForm::NonResident;
    TfrRussianIncome nonResident(nullptr, host);
    nonResident.show();
    QVERIFY(!child(nonResident, "FlashButton3")->isVisible());
    QVERIFY(child(nonResident, "FlashButton6")->isVisible());
    QCOMPARE(child(nonResident, "FlashButton1")->toolTip(), QStringLiteral("Доходы нерезидента"));

    host.doc.DeclForm = DeclarationForm::EstimatedIncome;
    TfrRussianIncome estimated(nullptr, host);
    QVERIFY(estimated.shownFrame() == nullptr);
    QCOMPARE(estimated.CheckData(), quint16(0));
}

void TestThirteenPercent::specialistsNeverStop()
{
    FrameTestHost host;
    host.doc.DeclForm = DeclarationForm::NonResident;
    host.doc.Income13NR.Add();
    host.doc.Income13NR.At(0) = source(QStringLiteral("И"), 1000_rub, 2000_rub);
    TfrRussianIncome section(nullptr, host);
    click(section, "FlashButton6");
    auto* specialists = section.findChild<TTfrThirteenPercentNR*>();
    QVERIFY(specialists != nullptr);
    QCOMPARE(specialists->selectedSource(), 0);
    QCOMPARE(section.CheckData(), quint16(0));

    bool primaryOffered = true;
    host.answers.answerDialog([&primaryOffered](QDialog& dialog) {
        primaryOffered = child(dialog, "chbPrimaryWorkplase")->isVisibleTo(&dialog);
        click(dialog, "bnCansel");
        return dialog.result();
    });
    click(*specialists, "fbAddSourseIncome");
    QVERIFY(!primaryOffered);
    QCOMPARE(host.doc.Income13NR.Count(), 1);
    host.answers.answerDialog([&host](QDialog& dialog) {
        host.answers.answerDialog(pick(QStringLiteral("2000")));
        click(dialog, "bnIncomeCod");
        type(dialog, "meIncomeSum", QStringLiteral("50000"));
        click(dialog, "bnYes");
        return dialog.result();
    });
    click(*specialists, "fbAddIncome");
    const mTSourseIncome& line = host.doc.Income13NR.At(0).GetIncome(1);
    QCOMPARE(line.IncomeCode, 2000);
    QCOMPARE(line.IncomeCodeName, QString());
    QCOMPARE(line.DeductRate, 0);
    QCOMPARE(line.IncomeMonth, quint16(1));
    QCOMPARE(host.doc.Income13.Count(), 0);

    click(section, "FlashButton1");
    QVERIFY(section.findChild<TfrThirteenPercent*>() != nullptr);
    QVERIFY(host.answers.unexpected.isEmpty());
}

void TestThirteenPercent::hundredsOfSources()
{
    FrameTestHost host;
    mTThirteenPercent entry = source(QStringLiteral("Источник"), 100_rub, Money());
    for (int line = 1; line < 100; ++line)
        entry.AddIncome(entry.GetIncome(0));
    for (int position = 0; position < 500; ++position)
        host.doc.Income13.At(host.doc.Income13.Add()) = entry;
    TfrThirteenPercent frame(nullptr, host);
    auto* sources = child<QTreeWidget>(frame, "lvSourseIncomeInfo");
    QCOMPARE(sources->topLevelItemCount(), 500);
    QCOMPARE(child<QTreeWidget>(frame, "lvIncome")->topLevelItemCount(), 100);
    sources->setCurrentItem(sources->topLevelItem(499));
    QCOMPARE(frame.selectedSource(), 499);
    QCOMPARE(child<QLineEdit>(frame, "pnlItogIncomeSum")->text(), QStringLiteral("10000"));
}

QTEST_MAIN(TestThirteenPercent)
#include "tst_thirteen_percent.moc"
