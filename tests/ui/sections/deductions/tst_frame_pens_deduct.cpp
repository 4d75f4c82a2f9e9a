#include "storage/DayCount.h"
#include "support/FrameTestHost.h"
#include "ui/sections/deductions/ChildEduSum.h"
#include "ui/sections/deductions/FramePensDeduct.h"
#include "ui/sections/deductions/InputSoursePens.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/EntryFields.h"

#include <QCheckBox>
#include <QTreeWidget>
#include <memory>

namespace {

// A contract that passes every check of the contract dialog.
struct ContractInput
{
    QString name = QStringLiteral("НПФ «Будущее»");
    QString inn = QStringLiteral("7707083893");
    QString kpp = QStringLiteral("773601001");
    QString number = QStringLiteral("Д-15");
    QString contribution = QStringLiteral("10000");
    QString agent = QStringLiteral("0");
};

void fillContract(QDialog& dialog, const ContractInput& input)
{
    type(dialog, "meSourseName", input.name);
    type(dialog, "meINN", input.inn);
    type(dialog, "meKPP", input.kpp);
    type(dialog, "meNomDog", input.number);
    type(dialog, "meVZSum", input.contribution);
    type(dialog, "meNA", input.agent);
}

QTreeWidget* list(const QObject& frame, const char* name)
{
    return child<QTreeWidget>(frame, name);
}

} // namespace

class TestFramePensDeduct : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TfrFramePensDeduct> build(FrameTestHost& host)
    {
        return std::make_unique<TfrFramePensDeduct>(nullptr, host);
    }

    static void addAmount(FrameTestHost& host, QObject& frame, const QString& amount)
    {
        host.answers.answerDialog([amount](QDialog& dialog) {
            type(dialog, "meChildEduSum", amount);
            click(dialog, "btnYes");
            return dialog.result();
        });
        click(frame, "fbAddSum");
    }

    // Opens the contract dialog with the button, fills it and presses "Да"; the check dialogs it
    // raises are answered with the given results.
    static void enterContract(FrameTestHost& host, QObject& frame, const char* button,
                              const ContractInput& input,
                              QList<TfmCheckError::Result> checkAnswers = {})
    {
        host.answers.answerDialog([input](QDialog& dialog) {
            fillContract(dialog, input);
            click(dialog, "btnYes");
            return dialog.result();
        });
        for (TfmCheckError::Result answer : checkAnswers)
            host.answers.answerCheck(answer);
        click(frame, button);
    }

private slots:
    void claimedWithoutData()
    {
        FrameTestHost host;
        auto frame = build(host);
        QVERIFY(!child<QWidget>(*frame, "meMedicalSum")->isEnabled());
        click(*frame, "chbGrantingSocDeduct");
        QCOMPARE(host.changes, 1);
        QVERIFY(child<QWidget>(*frame, "meMedicalSum")->isEnabled());
        frame->StoreData();
        host.answers.answerCheck(TfmCheckError::Fix);
        QCOMPARE(frame->CheckData(), quint16(1));
        QCOMPARE(host.answers.checkMessages,
                 QStringList{QStringLiteral("Не введены данные по социальным налоговым вычетам")});
        QCOMPARE(host.answers.dialogTitles.constLast(),
                 QStringLiteral("Проверка: Социальные вычеты"));
        host.answers.answerCheck(TfmCheckError::SkipAll);
        QCOMPARE(frame->CheckData(), quint16(0));

        type(*frame, "meMedicalSum", QStringLiteral("45000"));
        type(*frame, "meSelfEducationSum", QStringLiteral("30000,5"));
        frame->StoreData();
        QCOMPARE(frame->CheckData(), quint16(0));
        QCOMPARE(host.doc.SocialDeduction.MedicalSum, Money::fromRoubles(45000));
        QCOMPARE(host.doc.SocialDeduction.SelfEducationSum, Money::fromKopecks(3000050));
        QVERIFY(host.answers.finished());
    }

    void childrenAmounts()
    {
        FrameTestHost host;
        host.doc.SocialDeduction.SocialEnabled = 1;
        auto frame = build(host);
        addAmount(host, *frame, QStringLiteral("0"));
        addAmount(host, *frame, QString());
        QCOMPARE(host.doc.SocialDeduction.ChildEducationCount(), 0);
        QCOMPARE(host.changes, 0);

        addAmount(host, *frame, QStringLiteral("10000"));
        addAmount(host, *frame, QStringLiteral("20000"));
        addAmount(host, *frame, QStringLiteral("30000"));
        QCOMPARE(host.changes, 3);
        QTreeWidget* sums = list(*frame, "lvSumList");
        QCOMPARE(sums->topLevelItemCount(), 3);
        QCOMPARE(sums->currentItem()->text(0), QStringLiteral("30000"));

        // Edit the middle one with Enter in the list, then delete it.
        sums->setCurrentItem(sums->topLevelItem(1));
        QString shown;
        host.answers.answerDialog([&shown](QDialog& dialog) {
            shown = text(dialog, "meChildEduSum");
            type(dialog, "meChildEduSum", QStringLiteral("25000"));
            click(dialog, "btnYes");
            return dialog.result();
        });
        QTest::keyClick(sums, Qt::Key_Return);
        QCOMPARE(shown, QStringLiteral("20000"));
        QCOMPARE(host.doc.SocialDeduction.GetChildEducation(1), Money::fromRoubles(25000));
        QCOMPARE(sums->topLevelItem(1)->text(0), QStringLiteral("25000"));

        host.answers.answerMessage(QMessageBox::Yes);
        click(*frame, "fbDeleteSum");
        QCOMPARE(host.doc.SocialDeduction.ChildEducationSums(),
                 (std::vector<Money>{Money::fromRoubles(10000), Money::fromRoubles(30000)}));
        QCOMPARE(sums->currentItem()->text(0), QStringLiteral("10000"));
        QVERIFY(host.answers.finished());

        // The list is built again with the frame, its first row selected.
        frame = build(host);
        QCOMPARE(list(*frame, "lvSumList")->topLevelItemCount(), 2);
        QCOMPARE(list(*frame, "lvSumList")->currentItem()->text(0), QStringLiteral("10000"));
    }

    void clearingTheClaimEmptiesTheLists()
    {
        FrameTestHost host;
        host.doc.SocialDeduction.SocialEnabled = 1;
        auto frame = build(host);
        addAmount(host, *frame, QStringLiteral("100"));
        addAmount(host, *frame, QStringLiteral("200"));
        enterContract(host, *frame, "fbAddPens", ContractInput());
        QCOMPARE(host.doc.SocialDeduction.PensCount(), 1);
        type(*frame, "meCharitySum", QStringLiteral("5"));

        // It asks first: "Нет" keeps the claim and everything entered.
        host.answers.answerMessage(QMessageBox::No);
        click(*frame, "chbGrantingSocDeduct");
        QVERIFY(child<QCheckBox>(*frame, "chbGrantingSocDeduct")->isChecked());
        QCOMPARE(host.doc.SocialDeduction.PensCount(), 1);
        QCOMPARE(list(*frame, "lvSumList")->topLevelItemCount(), 2);
        QCOMPARE(text(*frame, "meCharitySum"), QStringLiteral("5"));
        QVERIFY(child<QWidget>(*frame, "fbAddSum")->isEnabled());

        host.answers.answerMessage(QMessageBox::Yes);
        click(*frame, "chbGrantingSocDeduct");
        QCOMPARE(host.doc.SocialDeduction.ChildEducationCount(), 0);
        QCOMPARE(host.doc.SocialDeduction.PensCount(), 0);
        QCOMPARE(list(*frame, "lvSumList")->topLevelItemCount(), 0);
        QCOMPARE(list(*frame, "lvPensInfo")->topLevelItemCount(), 0);
        QVERIFY(text(*frame, "meCharitySum").isEmpty());
        QVERIFY(!child<QWidget>(*frame, "fbAddSum")->isEnabled());
        frame->StoreData();
        QCOMPARE(host.doc.SocialDeduction.SocialEnabled, quint8(0));
        QCOMPARE(host.doc.SocialDeduction.CharitySum, Money());

        click(*frame, "chbGrantingSocDeduct");
        QCOMPARE(list(*frame, "lvSumList")->topLevelItemCount(), 0);
        QVERIFY(host.answers.finished());
    }

    void contractIsStoredWhole()
    {
        FrameTestHost host;
        host.doc.SocialDeduction.SocialEnabled = 1;
        auto frame = build(host);
        bool firstKind = false;
        host.answers.answerDialog([&firstKind](QDialog& dialog) {
            firstKind = child<QAbstractButton>(dialog, "rbSelf3")->isChecked();
            fillContract(dialog, ContractInput());
            click(dialog, "rbFam4");
            child<DateField>(dialog, "dtpDatDog")->setDate(QDate(2011, 4, 1));
            click(dialog, "btnYes");
            return dialog.result();
        });
        click(*frame, "fbAddPens");
        QVERIFY(firstKind);
        QCOMPARE(host.answers.dialogTitles.constLast(), QStringLiteral("Данные договора"));
        QCOMPARE(host.changes, 1);
        const mTPens& contract = host.doc.SocialDeduction.GetPens(0);
        QCOMPARE(contract.PensOrgName, QStringLiteral("НПФ «Будущее»"));
        QCOMPARE(contract.PensINN, QStringLiteral("7707083893"));
        QCOMPARE(contract.PensKPP, QStringLiteral("773601001"));
        QCOMPARE(contract.ContractNumber, QStringLiteral("Д-15"));
        QCOMPARE(contract.ContractKind, 4);
        QCOMPARE(contract.ContractDate, DayCount::fromDate(2011, 4, 1));
        QCOMPARE(contract.Contribution, Money::fromRoubles(10000));
        QCOMPARE(list(*frame, "lvPensInfo")->topLevelItem(0)->text(0), contract.PensOrgName);

        // Editing shows the contract and replaces it.
        ContractInput renamed;
        renamed.name = QStringLiteral("НПФ «Завтра»");
        host.answers.answerDialog([renamed](QDialog& dialog) {
            if (!child<QAbstractButton>(dialog, "rbFam4")->isChecked())
                return int(QDialog::Rejected);
            type(dialog, "meSourseName", renamed.name);
            click(dialog, "btnYes");
            return dialog.result();
        });
        click(*frame, "fbEditPens");
        QCOMPARE(host.doc.SocialDeduction.GetPens(0).PensOrgName, renamed.name);
        QCOMPARE(host.doc.SocialDeduction.GetPens(0).ContractKind, 4);
        QCOMPARE(list(*frame, "lvPensInfo")->topLevelItem(0)->text(0), renamed.name);

        host.answers.answerMessage(QMessageBox::Yes);
        click(*frame, "fbDeletePens");
        QCOMPARE(host.doc.SocialDeduction.PensCount(), 0);
        QVERIFY(host.answers.finished());
    }

    // Deleting an entry of either list asks once, naming the entry, with "Нет" as the default;
    // "Да" deletes it from the document and the list at once, "Нет" deletes nothing.
    void deletingAsksFirst_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("rows");
        const QString sum = QStringLiteral("Удалить сумму 200,5, уплаченную за обучение ребенка?");
        const QString contract = QStringLiteral("Удалить договор «НПФ «Завтра»»?");
        const QStringList sums = {QStringLiteral("100"), QStringLiteral("200,5")};
        const QStringList contracts = {QStringLiteral("НПФ «Будущее»"),
                                       QStringLiteral("НПФ «Завтра»")};
        QTest::newRow("amount, Да")
            << "lvSumList" << false << true << sum << QStringList{QStringLiteral("100")};
        QTest::newRow("amount by Delete, Нет") << "lvSumList" << true << false << sum << sums;
        QTest::newRow("contract by Delete, Да") << "lvPensInfo" << true << true << contract
                                                << QStringList{QStringLiteral("НПФ «Будущее»")};
        QTest::newRow("contract, Нет") << "lvPensInfo" << false << false << contract << contracts;
    }

    void deletingAsksFirst()
    {
        QFETCH(QString, list);
        QFETCH(bool, byKey);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QStringList, rows);
        FrameTestHost host;
        mTSocialDeduct& record = host.doc.SocialDeduction;
        record.SocialEnabled = 1;
        record.AddChildEducation(Money::fromRoubles(100));
        record.AddChildEducation(Money::fromKopecks(20050));
        for (const char* name : {"НПФ «Будущее»", "НПФ «Завтра»"})
            record.GetPens(record.AddPens()).PensOrgName = QString::fromUtf8(name);
        auto frame = build(host);
        QTreeWidget* entries = child<QTreeWidget>(*frame, qPrintable(list));
        entries->setCurrentItem(entries->topLevelItem(1));

        host.answers.answerMessage(yes ? QMessageBox::Yes : QMessageBox::No);
        if (byKey)
            QTest::keyClick(entries, Qt::Key_Delete);
        else
            click(*frame, list == QLatin1String("lvSumList") ? "fbDeleteSum" : "fbDeletePens");
        QCOMPARE(host.answers.messageTexts(), QStringList{question});
        QCOMPARE(host.answers.messages.constFirst().defaultButton, QMessageBox::No);
        QCOMPARE(host.changes, yes ? 1 : 0);
        // The list shows exactly the entries of the document.
        QStringList shown;
        for (int row = 0; row < entries->topLevelItemCount(); ++row)
            shown.append(entries->topLevelItem(row)->text(0));
        QCOMPARE(shown, rows);
        QStringList kept;
        if (list == QLatin1String("lvSumList")) {
            for (const Money amount : record.ChildEducationSums())
                kept.append(EntryFields::amountText(amount));
        } else {
            for (const mTPens& contract : record.PensionContracts())
                kept.append(contract.PensOrgName);
        }
        QCOMPARE(kept, rows);
        QCOMPARE(entries->currentItem()->text(0), yes ? rows.constFirst() : rows.at(1));
        QVERIFY(host.answers.finished());
    }

    void refusedContracts_data()
    {
        QTest::addColumn<QString>("inn");
        QTest::addColumn<QString>("kpp");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("agent");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::newRow("short INN") << "770708389"
                                   << "773601001"
                                   << "1"
                                   << "0"
                                   << "Длинна ИНН должна быть равна 10 цифрам"
                                   << "meINN";
        QTest::newRow("no KPP") << "7707083893"
                                << ""
                                << "1"
                                << "0"
                                << "Отсутствует КПП"
                                << "meKPP";
        QTest::newRow("no number") << "7707083893"
                                   << "773601001"
                                   << ""
                                   << "0"
                                   << "Введите номер договора"
                                   << "meNomDog";
        QTest::newRow("agent exceeds") << "7707083893"
                                       << "773601001"
                                       << "1"
                                       << "12000"
                                       << "Сумма взносов меньше суммы предоставленного вычета"
                                       << "meVZSum";
    }

    void refusedContracts()
    {
        QFETCH(QString, inn);
        QFETCH(QString, kpp);
        QFETCH(QString, number);
        QFETCH(QString, agent);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        FrameTestHost host;
        TfmInputSoursePens dialog(nullptr, host.answers);
        dialog.show();
        ContractInput input;
        input.inn = inn;
        input.kpp = kpp;
        input.number = number;
        input.agent = agent;
        fillContract(dialog, input);
        host.answers.answerCheck(TfmCheckError::Fix);
        // Enter in any field confirms as "Да" does.
        QTest::keyClick(child<QLineEdit>(dialog, "meSourseName"), Qt::Key_Return);
        QCOMPARE(host.answers.checkMessages, QStringList{message});
        QCOMPARE(host.answers.skipEnabled, QList<bool>{false});
        QCOMPARE(host.answers.skipAllEnabled, QList<bool>{false});
        QCOMPARE(host.answers.dialogTitles.constLast(),
                 QStringLiteral("Проверка: Пенсионные договоры"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.focusWidget()->objectName(), focused);
        QVERIFY(host.answers.finished());
    }

    void refusedContractIsNotAdded()
    {
        FrameTestHost host;
        host.doc.SocialDeduction.SocialEnabled = 1;
        auto frame = build(host);
        ContractInput input;
        input.kpp.clear();
        enterContract(host, *frame, "fbAddPens", input, {TfmCheckError::Fix});
        QCOMPARE(host.doc.SocialDeduction.PensCount(), 0);
        QCOMPARE(host.changes, 0);
        QVERIFY(host.answers.finished());
    }
};

QTEST_MAIN(TestFramePensDeduct)
#include "tst_frame_pens_deduct.moc"
