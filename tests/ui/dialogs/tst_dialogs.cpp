// The list pickers' preselection, the tax-office import window, the About window, the tax-year
// notice, and the button rows of the entry and check dialogs, and Escape on a check message.
#include "check/SectionCheckRun.h"
#include "directories/FixedTables.h"
#include "support/ScriptedInteraction.h"
#include "support/UserActions.h"
#include "ui/dialogs/Announce.h"
#include "ui/dialogs/CheckAllError.h"
#include "ui/dialogs/CheckError.h"
#include "ui/dialogs/DialogInteraction.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/pickers/LoadSoun.h"
#include "ui/sections/deductions/ChildEduSum.h"
#include "ui/sections/deductions/InputSoursePens.h"
#include "ui/sections/russian_income/Input13Income.h"
#include "ui/sections/russian_income/Input30SourseIncome.h"
#include "ui/window/About.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void regionAndDocumentKind();
    void typingSearchesCodeThenName_data();
    void typingSearchesCodeThenName();
    void currencyFallsBackToFirstRow();
    void yesNeedsARow();
    void sounImport_data();
    void sounImport();
    void sounImportWithEmptyPath();
    void aboutKeys();
    void noticeNeedsAgreement();
    void yesNoRow_data();
    void yesNoRow();
    void checkAnswers_data();
    void checkAnswers();
    void escapeClosesCheckMessage_data();
    void escapeClosesCheckMessage();
    void deletionDefaultsToNo_data();
    void deletionDefaultsToNo();
};

namespace {

// The entry dialogs whose foot holds the "Да" / "Нет" pair, by their row in yesNoRow_data.
std::unique_ptr<QDialog> entryDialog(int kind, Interaction& interaction)
{
    switch (kind) {
    case 0:
        return std::make_unique<TfmChildEduSum>(nullptr);
    case 1:
        return std::make_unique<TfmInput30SourseIncome>(nullptr, interaction);
    case 2:
        return std::make_unique<TfmInput13Income>(nullptr, interaction, true);
    default:
        return std::make_unique<TfmInputSoursePens>(nullptr, interaction);
    }
}

QPushButton* button(QDialog& dialog, const QString& name)
{
    auto* found = dialog.findChild<QPushButton*>(name);
    if (found == nullptr)
        qFatal("no button %s", qPrintable(name));
    return found;
}

// The widget that Tab moves to from widget.
QWidget* nextTabStop(QWidget* widget)
{
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && (next->focusPolicy() & Qt::TabFocus) == 0)
        next = next->nextInFocusChain();
    return next;
}

} // namespace

void TestDialogs::regionAndDocumentKind()
{
    TfmRegionName regions(nullptr, FixedTables::Regions());
    QCOMPARE(regions.rowCount(), 85);
    regions.PreselectRegion(0);
    QCOMPARE(regions.chosenCode(), QStringLiteral("01"));
    regions.PreselectRegion(77);
    QCOMPARE(regions.chosenRegion(), 77);

    TfmDocType kinds(nullptr, FixedTables::DocumentKinds());
    kinds.PreselectKind(0);
    QVERIFY(kinds.chosenCode().isEmpty());
    QVERIFY(!kinds.findChild<QAbstractButton*>(QStringLiteral("btnYes"))->isEnabled());
    kinds.PreselectKind(21);
    QCOMPARE(kinds.chosenKind(), 21);
}

void TestDialogs::typingSearchesCodeThenName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    // A repeated digit continues the code instead of cycling through the rows starting with it.
    QTest::newRow("77 is Moscow") << QStringLiteral("77") << QStringLiteral("77");
    QTest::newRow("22") << QStringLiteral("22") << QStringLiteral("22");
    QTest::newRow("55") << QStringLiteral("55") << QStringLiteral("55");
    QTest::newRow("name start") << QStringLiteral("моск") << QStringLiteral("50");
    QTest::newRow("name word") << QStringLiteral("москва") << QStringLiteral("77");
    QTest::newRow("nothing matches") << QStringLiteral("xq") << QStringLiteral("01");
}

void TestDialogs::typingSearchesCodeThenName()
{
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    TfmRegionName regions(nullptr, FixedTables::Regions());
    regions.PreselectRegion(1);
    typeKeys(child(regions, "lvList"), typed);
    QCOMPARE(regions.chosenCode(), chosen);
}

void TestDialogs::currencyFallsBackToFirstRow()
{
    const QList<PickerRow> rows{{QStringLiteral("840"), QStringLiteral("Доллар США")},
                                {QStringLiteral("978"), QStringLiteral("Евро")}};
    TfmInputCurrencyCode picker(nullptr, rows);
    picker.PreselectCurrency(QStringLiteral("999"));
    QCOMPARE(picker.chosenCode(), QStringLiteral("840"));
    picker.PreselectCurrency(QStringLiteral("978"));
    QCOMPARE(picker.chosenName(), QStringLiteral("Евро"));
    clickChild(picker, "btnYes");
    QCOMPARE(picker.result(), int(QDialog::Accepted));
}

void TestDialogs::yesNeedsARow()
{
    const QList<PickerRow> rows{{QStringLiteral("643"), QStringLiteral("РОССИЯ")},
                                {QStringLiteral("643"), QStringLiteral("ДУБЛЬ")}};
    TfmGrazhd picker(nullptr, rows);
    QVERIFY(!picker.Preselect(QStringLiteral("000")));
    QVERIFY(!picker.findChild<QAbstractButton*>(QStringLiteral("btnYes"))->isEnabled());
    // Two rows with one code: the first is taken.
    QVERIFY(picker.Preselect(QStringLiteral("643")));
    QCOMPARE(picker.chosenName(), QStringLiteral("РОССИЯ"));
}

void TestDialogs::sounImport_data()
{
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("message");
    QTest::newRow("imported") << true << QString()
                              << QStringLiteral("Данные успешно импортированы. Не забудьте "
                                                "перезапустить программу.");
    QTest::newRow("failed") << false << QString()
                            << QStringLiteral("Импортировать данные не удалось");
    // What the system said follows the failure message on a line of its own.
    QTest::newRow("disk full") << false << QStringLiteral("На диске нет свободного места.")
                               << QStringLiteral("Импортировать данные не удалось\rНа диске нет "
                                                 "свободного места.");
}

void TestDialogs::sounImport()
{
    QFETCH(bool, succeeds);
    QFETCH(QString, reason);
    QFETCH(QString, message);
    QTemporaryDir folder;
    ScriptedInteraction script;
    QStringList call;
    ProgramFolders folders;
    folders.shipped = folder.filePath(QStringLiteral("shipped"));
    folders.user = folder.filePath(QStringLiteral("user/Тарвика 2013"));
    TfmLoadSoun window(
        nullptr, script, folders,
        [&](const QString& dbf, const QString& out, const QString& date, const QString& version) {
            call << dbf << out << date << version;
            return SounImportResult{succeeds, reason};
        });
    auto* import = window.findChild<QAbstractButton*>(QStringLiteral("Button1"));
    auto* ok = window.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(!import->isEnabled());
    script.answerFile(QStringLiteral("/tmp/soun1.dbf"));
    clickChild(window, "Button4");
    QCOMPARE(script.fileRequests.constFirst().filters,
             QStringList{QStringLiteral("*.dbf (soun1.dbf)")});
    QVERIFY(import->isEnabled());
    QVERIFY(!ok->isEnabled());
    import->click();
    QVERIFY(ok->isEnabled());
    QCOMPARE(script.messageTexts(), QStringList{message});
    QCOMPARE(call.size(), 4);
    QCOMPARE(call.at(0), QStringLiteral("/tmp/soun1.dbf"));
    // The directory goes to the user's data folder, made when missing, never beside the program.
    QCOMPARE(call.at(1), folders.user + QStringLiteral("/InspectionNumbers.xml"));
    QVERIFY(QFileInfo(folders.user).isDir());
    QCOMPARE(call.at(2), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    QCOMPARE(call.at(3), QStringLiteral("00"));
}

void TestDialogs::sounImportWithEmptyPath()
{
    ScriptedInteraction script;
    bool called = false;
    ProgramFolders folders;
    folders.shipped = QStringLiteral("/nowhere");
    TfmLoadSoun window(nullptr, script, folders,
                       [&](const QString&, const QString&, const QString&, const QString&) {
                           called = true;
                           return SounImportResult{true, QString()};
                       });
    script.answerFile(QString());
    clickChild(window, "Button4");
    clickChild(window, "Button1");
    QVERIFY(!called);
    QCOMPARE(script.messageTexts(), QStringList{QStringLiteral("Укажите путь к файлу soun1.dbf")});
    // The help link without help pages names the missing page.
    window.findChild<QLabel*>(QStringLiteral("lbHelpLink"))->linkActivated(QStringLiteral("help"));
    QCOMPARE(script.messageTexts().constLast(),
             QStringLiteral("Не найден файл справки help/EditSOUN.htm"));
    window.findChild<QLabel*>(QStringLiteral("lbSiteLink"))->linkActivated(QStringLiteral("site"));
    QCOMPARE(script.messageTexts().constLast(), QStringLiteral("Не удалось запустить браузер"));
}

void TestDialogs::aboutKeys()
{
    ScriptedInteraction script;
    TfmAbout about(nullptr, script, QString());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_A);
    QVERIFY(about.isVisible());
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Rejected));
    // The support it points to is the program's own help; no made-up contact anywhere.
    for (const QLabel* label : about.findChildren<QLabel*>())
        QVERIFY2(!label->text().contains(QLatin1String(".example")), qPrintable(label->text()));
    about.findChild<QLabel*>(QStringLiteral("lbSite"))->linkActivated(QStringLiteral("help"));
    QCOMPARE(script.messageTexts().constLast(), QStringLiteral("Не найден файл справки help/") +
                                                    QString::fromLatin1(HelpWindow::kStartTopic));
}

void TestDialogs::noticeNeedsAgreement()
{
    TfmAnnounce notice(nullptr);
    auto* yes = notice.findChild<QAbstractButton*>(QStringLiteral("btnYes"));
    QVERIFY(!yes->isEnabled());
    clickChild(notice, "chbAgree");
    QVERIFY(yes->isEnabled());
    clickChild(notice, "chbAgree");
    QVERIFY(!yes->isEnabled());
    clickChild(notice, "chbAgree");
    yes->click();
    QCOMPARE(notice.result(), int(QDialog::Accepted));
}

void TestDialogs::yesNoRow_data()
{
    QTest::addColumn<int>("kind");
    // The last field before the buttons, then the names of "Да" and "Нет".
    QTest::addColumn<QString>("names");
    QTest::newRow("child education") << 0 << QStringLiteral("meChildEduSum btnYes btnNo");
    QTest::newRow("dividends") << 1 << QStringLiteral("meTaxDiscount bnOk bnCansel");
    QTest::newRow("income line") << 2 << QStringLiteral("mePropSale bnYes bnCansel");
    QTest::newRow("pension contract") << 3 << QStringLiteral("meNA btnYes btnNo");
}

void TestDialogs::yesNoRow()
{
    QFETCH(int, kind);
    QFETCH(QString, names);
    const QStringList name = names.split(QLatin1Char(' '));
    ScriptedInteraction interaction;
    const std::unique_ptr<QDialog> dialog = entryDialog(kind, interaction);
    QPushButton* yes = button(*dialog, name.at(1));
    QPushButton* no = button(*dialog, name.at(2));
    QCOMPARE(yes->text(), QStringLiteral("Да"));
    QCOMPARE(no->text(), QStringLiteral("Нет"));
    QVERIFY(yes->isDefault());
    QVERIFY(!no->isDefault() && !no->autoDefault());
    // Tab goes from the last field to "Да", then to "Нет".
    QCOMPARE(nextTabStop(dialog->findChild<QWidget*>(name.at(0))), yes);
    QCOMPARE(nextTabStop(yes), no);
    dialog->layout()->activate();
    QVERIFY(yes->geometry().right() < no->geometry().left());
    QVERIFY(no->geometry().right() > dialog->width() * 3 / 4);

    dialog->setResult(QDialog::Accepted);
    no->click();
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
}

void TestDialogs::checkAnswers_data()
{
    QTest::addColumn<bool>("section");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("results");
    QTest::newRow("section") << true
                             << QStringList{QStringLiteral("Исправить"),
                                            QStringLiteral("Пропустить"),
                                            QStringLiteral("Пропустить все")}
                             << QList<int>{TfmCheckError::Fix, TfmCheckError::Skip,
                                           TfmCheckError::SkipAll};
    QTest::newRow("declaration") << false
                                 << QStringList{QStringLiteral("Исправить"),
                                                QStringLiteral("Отмена")}
                                 << QList<int>{TfmCheckAllError::Fix, TfmCheckAllError::Cancel};
}

void TestDialogs::checkAnswers()
{
    QFETCH(bool, section);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, results);
    std::unique_ptr<QDialog> dialog;
    if (section)
        dialog = std::make_unique<TfmCheckError>(nullptr);
    else
        dialog = std::make_unique<TfmCheckAllError>(nullptr);
    dialog->layout()->activate();
    int left = -1;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        QPushButton* answer = button(*dialog, QStringLiteral("Button%1").arg(i + 1));
        QCOMPARE(answer->text(), captions.at(i));
        QCOMPARE(answer->isDefault(), i == 0);
        QVERIFY(answer->geometry().left() > left);
        left = answer->geometry().left();
        dialog->setResult(-1);
        answer->click();
        QCOMPARE(dialog->result(), results.at(i));
    }
    QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("Button%1").arg(captions.size() + 1)) ==
            nullptr);
}

void TestDialogs::escapeClosesCheckMessage_data()
{
    QTest::addColumn<bool>("skipEnabled");
    QTest::addColumn<int>("result");
    // Where "Пропустить" may be pressed, Escape skips as it does.
    QTest::newRow("skip enabled") << true << 0;
    // Where only "Исправить" may be pressed (an income line without its amount), Escape ends the
    // check without a field to fix: nothing opens (a fix may open a picker), nothing is skipped.
    QTest::newRow("only fix") << false << int(SectionCheckRun::kClosedCode);
}

void TestDialogs::escapeClosesCheckMessage()
{
    QFETCH(bool, skipEnabled);
    QFETCH(int, result);
    ScriptedInteraction script;
    bool closed = false;
    script.answerDialog([&](QDialog& dialog) {
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        closed = !dialog.isVisible();
        return dialog.result();
    });
    WindowCheckAnswerer answerer(script, nullptr);
    SectionCheckRun run(answerer, QStringLiteral("Доход"), skipEnabled, false);
    run.fail(QStringLiteral("Не указана сумма дохода"), 2);
    QVERIFY(closed);
    QCOMPARE(int(run.result()), result);
    QVERIFY(script.finished());
}

void TestDialogs::deletionDefaultsToNo_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    QTest::newRow("Space on Да") << int(Qt::Key_Space) << true;
}

// The real question before a deletion: "Да" and "Нет", where Enter and Escape answer "Нет"; only
// pressing "Да" deletes.
void TestDialogs::deletionDefaultsToNo()
{
    QFETCH(int, key);
    QFETCH(bool, deleted);
    QStringList buttons;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text());
        QWidget* target = box;
        if (key == Qt::Key_Space) {
            target = box->button(QMessageBox::Yes);
            target->setFocus();
        }
        QTest::keyClick(target, Qt::Key(key));
    });
    DialogInteraction interaction;
    QCOMPARE(interaction.confirmDeletion(nullptr, QStringLiteral("Удалить строку дохода?")),
             deleted);
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет")}));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
