// The main window: start-up and command line, title, create, open, save, the question about
// unsaved changes, settings, window placement and help.
#include "model/Declaration.h"
#include "storage/StorageErrors.h"
#include "support/UiTestSupport.h"
#include "support/UserActions.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/pickers/InputInspectionNumber.h"
#include "ui/sections/conditions/FrameInitialData.h"
#include "ui/window/WindowPlacement.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void newDocument();
    void commandLine_data();
    void commandLine();
    void saveAndReopen();
    void savingEarlierYearWritesCurrentYearFile();
    void failedSaveKeepsTitleAndFlag();
    void saveAsksBeforeOverwritingAnotherProgramsChange();
    void unsavedChanges_data();
    void unsavedChanges();
    void typingInEveryScreenAsks_data();
    void typingInEveryScreenAsks();
    void cancelPaths_data();
    void cancelPaths();
    void damagedFileInOpenGivesNewDocument();
    void estimatedIncomeDisablesDeductions();
    void settingsOfToolbar();
    void placement_data();
    void placement();
    void help();
    void damagedTaxOfficeFileEndsStartup();
    void importedTaxOfficesComeFirst();

private:
    QTemporaryDir m_settings;
};

void TestMainWindow::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestMainWindow::init()
{
    UiTestBench::clearSettings();
}

void TestMainWindow::newDocument()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    QCOMPARE(window.windowTitle(), QStringLiteral("Без имени - Тарвика 2013"));
    QVERIFY(qobject_cast<TfrInitialData*>(window.currentFrame()));
    QCOMPARE(window.currentSection(), Section::InitialData);
    QVERIFY(window.sectionButton(Section::InitialData)->isChecked());
    QVERIFY(window.sectionButton(Section::RussianIncome)->isEnabled());
    QVERIFY(!window.sectionButton(Section::ForeignIncome)->isEnabled());
    QVERIFY(!window.sectionButton(Section::BusinessIncome)->isEnabled());
    QVERIFY(window.sectionButton(Section::Deduction)->isEnabled());
    QVERIFY(window.isSaved());
    QCOMPARE(window.document().AutoCountSheets, quint8(1));
    QVERIFY(window.inspectionPicker() != nullptr);
    QVERIFY(window.countryPicker() != nullptr);
    QVERIFY(window.activities() != nullptr);
    QVERIFY(window.currencies() != nullptr);
    QVERIFY(bench.script().finished());

    // Creating again from a changed document asks first.
    window.NotifyDocumentChanged();
    bench.script().answerMessage(QMessageBox::No);
    window.CreateDoc();
    QVERIFY(window.isSaved());
    QCOMPARE(bench.script().messageTexts(),
             QStringList{QStringLiteral("Вы хотите сохранить декларацию?")});
}

void TestMainWindow::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("message");
    const QString file = QStringLiteral("@file");
    QTest::newRow("file") << QStringList{file} << true << QString();
    QTest::newRow("-p and file") << QStringList{QStringLiteral("-P"), file} << true << QString();
    QTest::newRow("file and any second")
        << QStringList{file, QStringLiteral("x")} << true << QString();
    QTest::newRow("-p alone") << QStringList{QStringLiteral("-p")} << false
                              << StorageMessage::zeroLength();
    QTest::newRow("damaged") << QStringList{QStringLiteral("@damaged")} << false
                             << StorageMessage::badFormat();
    QTest::newRow("three arguments") << QStringList{file, file, file} << false << QString();
}

void TestMainWindow::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, opens);
    QFETCH(QString, message);
    UiTestBench bench;
    mTDeclaration saved;
    saved.InspectionCode = QStringLiteral("7702");
    const QString file = bench.writeDeclaration(QStringLiteral("decl.tv3"), saved);
    const QString damaged = bench.path(QStringLiteral("damaged.tv3"));
    QFile broken(damaged);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a declaration at all");
    broken.close();
    arguments.replaceInStrings(QStringLiteral("@file"), file);
    arguments.replaceInStrings(QStringLiteral("@damaged"), damaged);

    TFormMain& window = bench.start(arguments);
    QVERIFY(window.startupSucceeded());
    QCOMPARE(window.fileName().isEmpty(), !opens);
    QCOMPARE(window.document().InspectionCode, opens ? QStringLiteral("7702") : QString());
    QCOMPARE(window.windowTitle(), opens ? QStringLiteral("decl.tv3 - Тарвика 2013")
                                         : QStringLiteral("Без имени - Тарвика 2013"));
    QVERIFY(window.isSaved());
    QCOMPARE(bench.script().messageTexts(),
             message.isEmpty() ? QStringList() : QStringList{message});
    if (!opens)
        QCOMPARE(window.document().AutoCountSheets, quint8(1));
}

void TestMainWindow::saveAndReopen()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    auto* currency = window.findChild<QAbstractButton*>(QStringLiteral("chbIncomeCurrency"));
    currency->click();
    QVERIFY(!window.isSaved());
    QVERIFY(window.sectionButton(Section::ForeignIncome)->isEnabled());

    const QString file = bench.path(QStringLiteral("saved.tv3"));
    bench.script().answerFile(file);
    window.SaveDoc();
    QVERIFY(bench.script().finished());
    QVERIFY(window.isSaved());
    QCOMPARE(window.fileName(), file);
    QCOMPARE(window.windowTitle(), QStringLiteral("saved.tv3 - Тарвика 2013"));
    QCOMPARE(bench.script().fileRequests.constLast().filters,
             QStringList{QStringLiteral("Тарвика 2013 (*.tv3)")});

    window.CreateDoc();
    QCOMPARE(window.document().IncomeKinds(), IncomeKind::Country);
    bench.script().answerFile(file);
    window.OpenDoc();
    QVERIFY(bench.script().finished());
    QCOMPARE(bench.script().fileRequests.constLast().filters.size(), 10);
    QCOMPARE(window.fileName(), file);
    QCOMPARE(window.document().IncomeKinds(), quint8(IncomeKind::Country | IncomeKind::Abroad));
    QVERIFY(window.sectionButton(Section::ForeignIncome)->isEnabled());
    QVERIFY(window.isSaved());
}

void TestMainWindow::savingEarlierYearWritesCurrentYearFile()
{
    UiTestBench bench;
    mTDeclaration earlier;
    earlier.InspectionCode = QStringLiteral("7703");
    const QString older = bench.writeDeclaration(QStringLiteral("a.tv2"), earlier);
    const QByteArray olderBytes = [&] {
        QFile f(older);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    TFormMain& window = bench.start({older});
    window.SaveDoc();
    QCOMPARE(window.fileName(), bench.path(QStringLiteral("a.tv3")));
    QVERIFY(QFile::exists(bench.path(QStringLiteral("a.tv3"))));
    QFile f(older);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), olderBytes);
    QCOMPARE(window.windowTitle(), QStringLiteral("a.tv3 - Тарвика 2013"));
}

void TestMainWindow::failedSaveKeepsTitleAndFlag()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    window.NotifyDocumentChanged();
    bench.script().answerFile(bench.path(QStringLiteral("missing/folder/x.tv3")));
    window.SaveAsDoc();
    QCOMPARE(bench.script().messages.size(), 1);
    QCOMPARE(bench.script().messages.constFirst().icon, QMessageBox::Critical);
    QVERIFY(!window.isSaved());
    QVERIFY(window.fileName().isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Без имени - Тарвика 2013"));

    // Answering "Да" to the question with a save that fails keeps the document.
    bench.script().answerMessage(QMessageBox::Yes);
    bench.script().answerFile(bench.path(QStringLiteral("missing/folder/x.tv3")));
    window.CreateDoc();
    QVERIFY(!window.isSaved());
}

void TestMainWindow::saveAsksBeforeOverwritingAnotherProgramsChange()
{
    UiTestBench bench;
    mTDeclaration ours;
    ours.InspectionCode = QStringLiteral("7701");
    const QString file = bench.writeDeclaration(QStringLiteral("a.tv3"), ours);
    const auto contents = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    TFormMain& window = bench.start({file});
    // Nobody else wrote the file: no question.
    window.NotifyDocumentChanged();
    window.SaveDoc();
    QVERIFY(window.isSaved());
    QVERIFY(bench.script().messages.isEmpty());

    // Another instance saves its own declaration under the same name.
    mTDeclaration theirs;
    theirs.InspectionCode = QStringLiteral("7799");
    bench.writeDeclaration(QStringLiteral("a.tv3"), theirs);
    const QByteArray theirBytes = contents();
    window.NotifyDocumentChanged();
    bench.script().answerMessage(QMessageBox::No);
    window.SaveDoc();
    QVERIFY(bench.script().finished());
    QCOMPARE(bench.script().messages.size(), 1);
    QCOMPARE(bench.script().messages.constFirst().icon, QMessageBox::Warning);
    QVERIFY(bench.script().messages.constFirst().text.contains(file));
    QVERIFY(bench.script().messages.constFirst().text.endsWith(QStringLiteral("Заменить файл?")));
    QCOMPARE(contents(), theirBytes);
    QVERIFY(!window.isSaved());

    // Closing asks about the unsaved changes, then again about the other program's file.
    bench.script().answerMessage(QMessageBox::Yes);
    bench.script().answerMessage(QMessageBox::No);
    QVERIFY(!window.close());
    QCOMPARE(contents(), theirBytes);

    bench.script().answerMessage(QMessageBox::Yes);
    window.SaveDoc();
    QVERIFY(window.isSaved());
    QVERIFY(contents() != theirBytes);
    // What this window saved itself is no other program's change.
    window.NotifyDocumentChanged();
    window.SaveDoc();
    QVERIFY(bench.script().finished());
    QCOMPARE(bench.script().messages.size(), 4);
}

void TestMainWindow::unsavedChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("written");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("no") << int(QMessageBox::No) << true << false;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
}

void TestMainWindow::unsavedChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    QFETCH(bool, written);
    UiTestBench bench;
    const QString file = bench.writeDeclaration(QStringLiteral("d.tv3"), mTDeclaration());
    TFormMain& window = bench.start({file});
    window.findChild<QAbstractButton*>(QStringLiteral("rbGiveTrustFase"))->click();
    window.findChild<QLineEdit*>(QStringLiteral("meFIO"))->setText(QStringLiteral("Петров"));
    QVERIFY(!window.isSaved());

    bench.script().answerMessage(QMessageBox::StandardButton(answer));
    window.CreateDoc();
    QCOMPARE(bench.script().messages.constFirst().caption, QStringLiteral("Тарвика 2013"));
    QCOMPARE(bench.script().messages.constFirst().icon, QMessageBox::Question);
    QCOMPARE(window.fileName().isEmpty(), goesOn);
    mTDeclaration reread;
    reread.LoadFromFile(file);
    QCOMPARE(reread.RepresentativeName, written ? QStringLiteral("Петров") : QString());
    QCOMPARE(window.isSaved(), goesOn);
    QVERIFY(bench.script().finished());
}

void TestMainWindow::typingInEveryScreenAsks_data()
{
    // The deduction page, the box that claims it (if any) and one of its fields that reports no
    // change of its own.
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("claim");
    QTest::addColumn<QString>("field");
    QTest::newRow("social") << QStringLiteral("fbPensDeduct")
                            << QStringLiteral("chbGrantingSocDeduct")
                            << QStringLiteral("meCharitySum");
    QTest::newRow("securities") << QStringLiteral("fbCB") << QString()
                                << QStringLiteral("meFinInstr");
    QTest::newRow("property") << QStringLiteral("fbConstructionDeduct")
                              << QStringLiteral("chbGrantingDeduct")
                              << QStringLiteral("mePostIndex");
}

void TestMainWindow::typingInEveryScreenAsks()
{
    // Typing alone is an edit: closing asks whether to save it.
    QFETCH(QString, page);
    QFETCH(QString, claim);
    QFETCH(QString, field);
    UiTestBench bench;
    TFormMain& window = bench.start();
    window.sectionButton(Section::Deduction)->click();
    window.findChild<QAbstractButton*>(page)->click();
    if (!claim.isEmpty()) {
        window.findChild<QAbstractButton*>(claim)->click();
        bench.script().answerFile(bench.path(QStringLiteral("claimed.tv3")));
        window.SaveAsDoc();
    }
    QVERIFY(window.isSaved());
    auto* edit = window.findChild<QLineEdit*>(field);
    QVERIFY(edit != nullptr && edit->isEnabled());
    typeKeys(edit, QStringLiteral("1234"));
    QVERIFY(!window.isSaved());
    bench.script().answerMessage(QMessageBox::No);
    QVERIFY(window.close());
    QCOMPARE(bench.script().messages.size(), 1);
}

void TestMainWindow::cancelPaths_data()
{
    // The command, the answer to "Вы хотите сохранить декларацию?", the answer of the save dialog
    // ("cancel" or a file), of the open dialog ("-" when it is not shown); then what is on screen
    // ("edited": the declaration as it was, "other": the opened file, "new": a new declaration),
    // whether the edited declaration was written, whether the window closed and whether the
    // declaration on screen counts as saved.
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveDialog");
    QTest::addColumn<QString>("openDialog");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    const int cancel = QMessageBox::Cancel;
    const QString saved = QStringLiteral("saved.tv3");
    const QString other = QStringLiteral("other.tv3");
    const QString cancelled = QStringLiteral("cancel");
    const QString none = QStringLiteral("-");
    const QString edited = QStringLiteral("edited");
    const QString fresh = QStringLiteral("new");
    for (const QString& command : {QStringLiteral("create"), QStringLiteral("open")}) {
        const bool opens = command == QLatin1String("open");
        const QByteArray c = command.toLatin1();
        const QString gone = opens ? QStringLiteral("other") : fresh;
        const QString chosen = opens ? other : none;
        QTest::addRow("%s: yes, saved", c.constData())
            << command << yes << saved << chosen << gone << true << false << true;
        QTest::addRow("%s: yes, save cancelled", c.constData())
            << command << yes << cancelled << none << edited << false << false << false;
        QTest::addRow("%s: no", c.constData())
            << command << no << none << chosen << gone << false << false << true;
        QTest::addRow("%s: cancel", c.constData())
            << command << cancel << none << none << edited << false << false << false;
    }
    QTest::newRow("open: yes, saved, open cancelled")
        << QStringLiteral("open") << yes << saved << cancelled << edited << true << false << true;
    QTest::newRow("open: no, open cancelled")
        << QStringLiteral("open") << no << none << cancelled << edited << false << false << false;
    const QString quit = QStringLiteral("quit");
    QTest::newRow("quit: yes, saved")
        << quit << yes << saved << none << edited << true << true << true;
    QTest::newRow("quit: yes, save cancelled")
        << quit << yes << cancelled << none << edited << false << false << false;
    QTest::newRow("quit: no") << quit << no << none << none << edited << false << true << false;
    QTest::newRow("quit: cancel") << quit << cancel << none << none << edited << false << false
                                  << false;
}

void TestMainWindow::cancelPaths()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(QString, saveDialog);
    QFETCH(QString, openDialog);
    QFETCH(QString, screen);
    QFETCH(bool, written);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    UiTestBench bench;
    mTDeclaration otherDeclaration;
    otherDeclaration.InspectionCode = QStringLiteral("7799");
    bench.writeDeclaration(QStringLiteral("other.tv3"), otherDeclaration);
    TFormMain& window = bench.start();
    window.show();
    window.findChild<QAbstractButton*>(QStringLiteral("rbGiveTrustFase"))->click();
    window.findChild<QLineEdit*>(QStringLiteral("meFIO"))->setText(QStringLiteral("Петров"));
    QVERIFY(!window.isSaved());

    const auto dialogAnswer = [&](const QString& answerText) {
        return answerText == QLatin1String("cancel") ? QString() : bench.path(answerText);
    };
    bench.script().answerMessage(QMessageBox::StandardButton(answer));
    if (saveDialog != QLatin1String("-"))
        bench.script().answerFile(dialogAnswer(saveDialog));
    if (openDialog != QLatin1String("-"))
        bench.script().answerFile(dialogAnswer(openDialog));
    bool windowClosed = false;
    if (command == QLatin1String("create"))
        window.CreateDoc();
    else if (command == QLatin1String("open"))
        window.OpenDoc();
    else
        windowClosed = window.close();
    QVERIFY(bench.script().finished());
    QCOMPARE(windowClosed, closed);

    const QString onScreen = window.findChild<QLineEdit*>(QStringLiteral("meFIO"))->text();
    if (screen == QLatin1String("edited")) {
        QCOMPARE(onScreen, QStringLiteral("Петров"));
    } else {
        QVERIFY(onScreen.isEmpty());
        QCOMPARE(window.document().InspectionCode,
                 screen == QLatin1String("other") ? QStringLiteral("7799") : QString());
    }
    QCOMPARE(window.isSaved(), saved);
    const QString savedFile = bench.path(QStringLiteral("saved.tv3"));
    QCOMPARE(QFile::exists(savedFile), written);
    if (written) {
        mTDeclaration reread;
        reread.LoadFromFile(savedFile);
        QCOMPARE(reread.RepresentativeName, QStringLiteral("Петров"));
    }
}

void TestMainWindow::damagedFileInOpenGivesNewDocument()
{
    UiTestBench bench;
    mTDeclaration saved;
    saved.InspectionCode = QStringLiteral("7701");
    TFormMain& window = bench.start({bench.writeDeclaration(QStringLiteral("x.tv3"), saved)});
    const QString damaged = bench.path(QStringLiteral("bad.tv3"));
    QFile broken(damaged);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(300, 'z'));
    broken.close();
    bench.script().answerFile(damaged);
    window.OpenDoc();
    QCOMPARE(bench.script().messages.constLast().text, StorageMessage::badFormat());
    QVERIFY(window.fileName().isEmpty());
    QVERIFY(window.document().InspectionCode.isEmpty());
    QCOMPARE(window.document().IncomeKinds(), IncomeKind::Country);
    QCOMPARE(window.windowTitle(), QStringLiteral("Без имени - Тарвика 2013"));
    QVERIFY(qobject_cast<TfrInitialData*>(window.currentFrame()));
    QVERIFY(window.isSaved());
}

void TestMainWindow::estimatedIncomeDisablesDeductions()
{
    UiTestBench bench;
    mTDeclaration estimated;
    estimated.DeclForm = DeclarationForm::EstimatedIncome;
    estimated.SetIncomeKinds(IncomeKind::Business);
    TFormMain& window = bench.start({bench.writeDeclaration(QStringLiteral("e.tv3"), estimated)});
    QVERIFY(!window.sectionButton(Section::Deduction)->isEnabled());
    QVERIFY(window.isSaved());
}

void TestMainWindow::settingsOfToolbar()
{
    {
        UiTestBench bench;
        TFormMain& window = bench.start();
        auto* save = window.findChild<QToolButton*>(QStringLiteral("fbSave"));
        QVERIFY(save);
        // The buttons take the size their captions need (the large-font tour checks them).
        QCOMPARE(save->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        auto* exportButton = window.findChild<QToolButton*>(QStringLiteral("fbExsport"));
        QCOMPARE(exportButton->text(), QStringLiteral("Файл xml"));
        window.findChild<QAction*>(QStringLiteral("TextLabels"))->trigger();
        QCOMPARE(save->toolButtonStyle(), Qt::ToolButtonIconOnly);
        window.findChild<QAction*>(QStringLiteral("ShowStdToolbar"))->trigger();
        QVERIFY(window.findChild<QToolBar*>(QStringLiteral("StdToolbar"))->isHidden());
    }
    UiTestBench again;
    TFormMain& window = again.start();
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("TextLabels"))->isChecked());
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("ShowStdToolbar"))->isChecked());
    QVERIFY(window.findChild<QToolBar*>(QStringLiteral("StdToolbar"))->isHidden());
}

void TestMainWindow::placement_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("expected");
    // A screen of 1280 x 1024 with a work area 999 high.
    const QSize usual(1280, 999);
    QTest::newRow("no settings: centred") << false << QRect() << usual << QRect(240, 214, 800, 571);
    QTest::newRow("zero placement: centred")
        << true << QRect(0, 0, 0, 0) << usual << QRect(240, 214, 800, 571);
    QTest::newRow("fits") << true << QRect(10, 20, 900, 700) << usual << QRect(10, 20, 900, 700);
    QTest::newRow("off to the right")
        << true << QRect(700, 20, 900, 700) << usual << QRect(480, 20, 800, 700);
    QTest::newRow("off below") << true << QRect(10, 600, 900, 700) << usual
                               << QRect(10, 428, 900, 571);
    QTest::newRow("negative") << true << QRect(-50, -20, 900, 700) << usual
                              << QRect(0, 0, 900, 700);
    QTest::newRow("too small") << true << QRect(10, 10, 300, 200) << usual
                               << QRect(10, 10, 800, 571);
    // The same screen at twice the scale: 640 x 512 with a work area 490 high. The window takes
    // the screen, never more.
    QTest::newRow("scaled screen: standard")
        << false << QRect() << QSize(640, 490) << QRect(0, 0, 640, 490);
    QTest::newRow("scaled screen: stored larger")
        << true << QRect(100, 50, 900, 700) << QSize(640, 490) << QRect(0, 0, 640, 490);
}

void TestMainWindow::placement()
{
    QFETCH(bool, stored);
    QFETCH(QRect, saved);
    QFETCH(QSize, screen);
    QFETCH(QRect, expected);
    std::optional<AppSettings::StoredPlacement> value;
    if (stored)
        value = AppSettings::StoredPlacement{false, saved.left(), saved.top(),
                                             saved.isNull() ? 0 : saved.width(),
                                             saved.isNull() ? 0 : saved.height()};
    const WindowPlacement placed = WindowPlacement::fit(value, screen.width(), screen.height());
    QCOMPARE(placed.geometry, expected);

    // The settings store gives back what closing the window wrote.
    if (stored && !saved.isNull()) {
        AppSettings::setPlacement(saved, false);
        const auto reread = AppSettings::placement();
        QVERIFY(reread.has_value());
        QCOMPARE(QRect(reread->left, reread->top, reread->width, reread->height), saved);
    }
}

void TestMainWindow::help()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    window.Help();
    QCOMPARE(bench.script().messageTexts(),
             QStringList{QStringLiteral("Не найден файл справки help/runprogramm.htm")});

    QDir(bench.folder()).mkpath(QStringLiteral("help"));
    QFile page(bench.path(QStringLiteral("help/runprogramm.htm")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Help</h1></body></html>");
    page.close();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    auto* helpWindow = window.findChild<HelpWindow*>();
    QVERIFY(helpWindow);
    QVERIFY(helpWindow->currentPage().endsWith(QStringLiteral("help/runprogramm.htm")));
    QCOMPARE(bench.script().messages.size(), 1);
}

void TestMainWindow::damagedTaxOfficeFileEndsStartup()
{
    UiTestBench bench(false);
    QFile broken(bench.path(QStringLiteral("InspectionNumbers.xml")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<Inspections><Inspection Code=");
    broken.close();
    TFormMain& window = bench.start();
    QVERIFY(!window.startupSucceeded());
    QCOMPARE(bench.script().messages.size(), 1);
    QVERIFY(bench.script().messages.constFirst().text.startsWith(
        QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские.")));

    // Without directory files the pickers are absent and the program starts.
    UiTestBench bare(false);
    TFormMain& plain = bare.start();
    QVERIFY(plain.startupSucceeded());
    QVERIFY(plain.inspectionPicker() == nullptr);
    QVERIFY(!plain.findChild<QAbstractButton*>(QStringLiteral("bnInspection"))->isEnabled());
}

void TestMainWindow::importedTaxOfficesComeFirst()
{
    // The user's own import lies in the user's folder and is read instead of the shipped file.
    UiTestBench bench;
    QVERIFY(QDir().mkpath(bench.path(QStringLiteral("user"))));
    QFile imported(bench.path(QStringLiteral("user/InspectionNumbers.xml")));
    QVERIFY(imported.open(QIODevice::WriteOnly));
    imported.write("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Inspections Version=\"00\" "
                   "Date=\"11.12.2026\"><Inspection Code=\"9999\">Imported</Inspection>"
                   "</Inspections>");
    imported.close();
    TFormMain& window = bench.start();
    QVERIFY(window.startupSucceeded());
    QVERIFY(window.inspectionPicker()->Preselect(QStringLiteral("9999")));
    QVERIFY(!window.inspectionPicker()->Preselect(QStringLiteral("7701")));
    // The other directories still come from the shipped folder.
    QVERIFY(window.countryPicker() != nullptr);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
