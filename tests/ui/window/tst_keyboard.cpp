// The main window by keyboard and through a screen reader: the section buttons, where the focus
// goes, the shortcuts of the commands, the letters of Alt, the help window, and greyed captions a
// person can still read.
#include "model/Declaration.h"
#include "model/file/DeclarationFile.h"
#include "support/UiTestSupport.h"
#include "support/UserActions.h"
#include "ui/dialogs/DialogInteraction.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/result/ResultStrip.h"
#include "ui/widgets/Mnemonics.h"
#include "ui/window/ProgramLook.h"
#include "ui/window/SectionFrames.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

namespace {

// The main window over a declaration that passes every check, shown and active.
TFormMain& startComplete(UiTestBench& bench)
{
    TFormMain& window = bench.start({bench.writeDeclaration(QStringLiteral("complete.tv3"),
                                                            UiTestBench::completeDeclaration())});
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("the main window did not become active");
    return window;
}

QAccessibleInterface* reader(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// Everything the window asked: message texts, dialog titles and file dialog captions.
QStringList asked(const ScriptedInteraction& script)
{
    QStringList all = script.messageTexts() + script.dialogTitles;
    for (const FileDialogRequest& request : script.fileRequests)
        all.append(request.caption);
    return all;
}

// A key pressed where the focus is, as a keyboard does.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr)
        qFatal("no widget has the focus");
    QTest::keyClick(focused, Qt::Key(key), modifiers);
}

void typeWhereFocused(const QString& text)
{
    typeKeys(QApplication::focusWidget(), text);
}

// Presses Tab (Shift+Tab when back) until the focus is on a widget that found accepts; false when
// a hundred presses did not get there.
bool tabTo(const std::function<bool(QWidget*)>& found, bool back = false)
{
    for (int presses = 0; presses < 100; ++presses) {
        if (QWidget* focused = QApplication::focusWidget(); focused != nullptr && found(focused))
            return true;
        press(Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return false;
}

std::function<bool(QWidget*)> named(const char* name)
{
    return [name](QWidget* widget) { return widget->objectName() == QLatin1String(name); };
}

// The buttons of the sub-frames of a section frame, in their order.
QList<QAbstractButton*> subFrameButtons(QWidget& frame)
{
    QList<QAbstractButton*> buttons;
    for (QToolButton* button : frame.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->isCheckable() && button->isVisible() && button->isEnabled())
            buttons.append(button);
    }
    return buttons;
}

void activate(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("%s did not become active", qPrintable(window.objectName()));
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void sectionButtons();
    void sectionButtonPressedByReader();
    void shortcuts_data();
    void shortcuts();
    void focusComesBack();
    void helpBesideTheWindow();
    void resultLineRead();
    void lettersForControls_data();
    void lettersForControls();
    void readableGreys();
    void keyboardOnlyWalk();

private:
    QTemporaryDir m_settings;
};

void TestKeyboard::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestKeyboard::init()
{
    UiTestBench::clearSettings();
}

// The arrows move along the column without changing the section (no check runs on a section
// passed by); Enter changes to the focused one and puts the focus on its first field; Tab from
// the column goes into the section.
void TestKeyboard::sectionButtons()
{
    UiTestBench bench;
    TFormMain& window = startComplete(bench);
    QAbstractButton* conditions = window.sectionButton(Section::InitialData);
    QAbstractButton* person = window.sectionButton(Section::PersonInfo);
    QAbstractButton* income = window.sectionButton(Section::RussianIncome);
    conditions->setFocus();
    QTest::keyClick(conditions, Qt::Key_Down);
    QTest::keyClick(person, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), income);
    QTest::keyClick(income, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), person);
    QCOMPARE(window.currentSection(), Section::InitialData);
    QVERIFY(conditions->isChecked() && !person->isChecked());

    QTest::keyClick(person, Qt::Key_Return);
    QCOMPARE(window.currentSection(), Section::PersonInfo);
    QVERIFY(person->isChecked() && !conditions->isChecked());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("meSurName"));
    // Back in the column, Tab leaves it for the section at once.
    person->setFocus();
    QTest::keyClick(person, Qt::Key_Tab);
    QVERIFY(window.currentFrame()->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(bench.script().finished());
}

// A screen reader meets a list of tabs, of which the shown section's is chosen; pressing one goes
// through the section's check as a click does.
void TestKeyboard::sectionButtonPressedByReader()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    QAccessibleInterface* column =
        reader(window.findChild<QWidget*>(QStringLiteral("PnlSelectGroup")));
    QCOMPARE(column->role(), QAccessible::PageTabList);
    QAccessibleInterface* person = reader(window.sectionButton(Section::PersonInfo));
    QCOMPARE(person->role(), QAccessible::PageTab);
    QCOMPARE(person->text(QAccessible::Name), QStringLiteral("Сведения о декларанте"));
    QVERIFY(reader(window.sectionButton(Section::InitialData))->state().selected);
    QVERIFY(!person->state().selected && !person->state().checked);

    // The new declaration has no tax office: its check asks, "Пропустить" lets the switch go on.
    bench.script().answerDialog(press("Button2"));
    QAccessibleActionInterface* actions = person->actionInterface();
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    // The call returns at once: a reader waiting for its reply is never held by the message.
    QVERIFY(bench.script().dialogTitles.isEmpty());
    QTRY_COMPARE(window.currentSection(), Section::PersonInfo);
    QVERIFY(person->state().selected);
    QCOMPARE(bench.script().dialogTitles, QStringList{QStringLiteral("Проверка: Задание условий")});
}

void TestKeyboard::shortcuts_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("asks");
    QTest::newRow("Проверить") << QKeySequence(Qt::Key_F9)
                               << QStringLiteral("Проверка декларации завершена успешно");
    QTest::newRow("Экспорт в xml")
        << QKeySequence(Qt::CTRL | Qt::Key_E) << QStringLiteral("Папка для файла xml");
    QTest::newRow("Просмотр") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)
                              << QStringLiteral("Не найден модуль печати");
    QTest::newRow("Расчёт налога")
        << QKeySequence(Qt::CTRL | Qt::Key_R) << QStringLiteral("Расчёт налога");
    QTest::newRow("Сохранить как")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << QStringLiteral("Сохранить как");
    QTest::newRow("Выход") << QKeySequence(Qt::CTRL | Qt::Key_Q) << QString();
}

void TestKeyboard::shortcuts()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, asks);
    UiTestBench bench;
    TFormMain& window = startComplete(bench);
    bench.script().otherDialogs = [](QDialog&) { return int(QDialog::Rejected); };
    QTest::keySequence(&window, keys);
    if (asks.isEmpty()) {
        QVERIFY(!window.isVisible());
        return;
    }
    const QStringList all = asked(bench.script());
    QVERIFY2(std::any_of(all.begin(), all.end(),
                         [&](const QString& text) { return text.startsWith(asks); }),
             qPrintable(all.join(QLatin1Char('\n'))));
    // The menus show the keys.
    const QString command = QString::fromUtf8(QTest::currentDataTag());
    bool shown = false;
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (Mnemonics::withoutMark(action->text()).startsWith(command))
            shown = shown || action->shortcut() == keys;
    }
    QVERIFY(shown);
}

// After a dialog, and after a command that disabled the window, the focus is where it was.
void TestKeyboard::focusComesBack()
{
    UiTestBench bench;
    TFormMain& window = startComplete(bench);
    QWidget* field = window.currentFrame()->findChild<QWidget*>(QStringLiteral("meNumVer"));
    field->setFocus();
    QCOMPARE(QApplication::focusWidget(), field);

    QDialog dialog(&window);
    auto* inside = new QPushButton(QStringLiteral("Да"), &dialog);
    QTimer::singleShot(0, &dialog, [&] {
        inside->setFocus();
        dialog.reject();
    });
    DialogInteraction().execDialog(dialog);
    QTRY_COMPARE(QApplication::focusWidget(), field);

    window.setEnabled(false);
    QVERIFY(QApplication::focusWidget() != field);
    window.setEnabled(true);
    QCOMPARE(QApplication::focusWidget(), field);
}

// Help opens over the main window at two thirds of the screen, not maximised, and Escape closes
// it.
void TestKeyboard::helpBesideTheWindow()
{
    UiTestBench bench;
    QDir(bench.folder()).mkpath(QStringLiteral("help"));
    QFile page(bench.path(QStringLiteral("help/runprogramm.htm")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Help</h1></body></html>");
    page.close();
    TFormMain& window = startComplete(bench);
    QTest::keyClick(&window, Qt::Key_F1);
    auto* help = window.findChild<HelpWindow*>();
    QVERIFY(help != nullptr && help->isVisible());
    QVERIFY(!help->isMaximized());
    const QRect available = window.screen()->availableGeometry();
    QVERIFY(available.contains(help->geometry()));
    QCOMPARE(help->size(), available.size() * 2 / 3);

    // Placed beside a window near an edge, it stays on the screen.
    const QRect corner = HelpWindow::placeBeside(QRect(0, 0, 1200, 900), QPoint(1150, 20));
    QCOMPARE(corner, QRect(400, 0, 800, 600));

    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

// The result line is read as what the declaration comes to, and says so in words when nothing is
// due; pressing it opens the window "Расчёт налога".
void TestKeyboard::resultLineRead()
{
    UiTestBench bench;
    TFormMain& window = startComplete(bench);
    ResultStrip* strip = window.resultStrip();
    strip->updateNow();
    QCOMPARE(strip->text(), QStringLiteral("Налог не доплачивается и не возвращается"));
    QAccessibleInterface* line = reader(strip);
    QCOMPARE(line->text(QAccessible::Name), strip->text());
    QCOMPARE(line->role(), QAccessible::Button);
    bench.script().answerDialog([](QDialog& dialog) { return dialog.result(); });
    line->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(bench.script().dialogTitles.isEmpty());
    QTRY_COMPARE(bench.script().dialogTitles, QStringList{QStringLiteral("Расчёт налога")});
}

void TestKeyboard::lettersForControls_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("marked");
    // The first letter of a word first, then any letter; a letter of the menu is not given again.
    QTest::newRow("first letters")
        << QStringList{QStringLiteral("Вычеты"), QStringLiteral("Сумма вычета"),
                       QStringLiteral("Сведения о доходах"), QStringLiteral("Доходы")}
        << QStringList{QStringLiteral("&Вычеты"), QStringLiteral("&Сумма вычета"),
                       QStringLiteral("Сведения &о доходах"), QStringLiteral("До&ходы")};
    // A letter set by hand stays and is not given to another; a caption without a free letter
    // stays as it is.
    QTest::newRow("by hand and none free")
        << QStringList{QStringLiteral("Ф&ИО"), QStringLiteral("ИИ"), QStringLiteral("...")}
        << QStringList{QStringLiteral("Ф&ИО"), QStringLiteral("ИИ"), QStringLiteral("...")};
}

// The letters Alt gives the controls of a window: each its own, the menus' kept.
void TestKeyboard::lettersForControls()
{
    QFETCH(QStringList, captions);
    QFETCH(QStringList, marked);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Декларация"));
    auto* page = new QWidget(&window);
    auto* layout = new QVBoxLayout(page);
    window.setCentralWidget(page);
    QList<QWidget*> controls;
    for (const QString& caption : captions) {
        auto* box = new QCheckBox(caption, page);
        layout->addWidget(box);
        controls.append(box);
    }
    // A caption of a field takes a letter for its field; a label without a field takes none.
    auto* field = new QLineEdit(page);
    auto* caption = new QLabel(QStringLiteral("Номер"), page);
    caption->setBuddy(field);
    auto* plain = new QLabel(QStringLiteral("Примечание"), page);
    Mnemonics::assign(window);
    for (qsizetype at = 0; at < controls.size(); ++at)
        QCOMPARE(Mnemonics::caption(*controls.at(at)), marked.at(at));
    QCOMPARE(Mnemonics::of(caption->text()), QChar(u'н'));
    QCOMPARE(plain->text(), QStringLiteral("Примечание"));
}

// Greyed captions and texts stay readable: 3 : 1 at least against their background.
void TestKeyboard::readableGreys()
{
    ProgramLook::apply();
    const QPalette palette = QApplication::palette();
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::Text, QPalette::Base}};
    for (const auto& [text, background] : pairs)
        QVERIFY(ProgramLook::contrast(palette.color(QPalette::Disabled, text),
                                      palette.color(QPalette::Disabled, background)) >= 3.0);
}

// A person without a mouse: from the start, into every section and every sub-frame, a new income
// line with its code taken from the picker, the check and the save, by keys alone.
void TestKeyboard::keyboardOnlyWalk()
{
    UiTestBench bench(UiTestBench::shippedDirectories());
    mTDeclaration salary;
    QVERIFY(!LoadDeclarationFile(salary, QStringLiteral(TARVIKA_SOURCE_DIR) +
                                             QStringLiteral("/tests/export/data/resident-salary/"
                                                            "declaration.tv3")));
    // The property's page asks for the postcode when it is left; the walk passes it.
    salary.PropertyDeduction.ObjPostIndex = QStringLiteral("125009");
    const QString file = bench.writeDeclaration(QStringLiteral("salary.tv3"), salary);
    TFormMain& window = bench.start({file});
    activate(window);
    QVERIFY(window.currentFrame()->isAncestorOf(QApplication::focusWidget()));

    const auto isSectionButton = [&window](QWidget* widget) {
        return window.findChild<QWidget*>(QStringLiteral("PnlSelectGroup"))->isAncestorOf(widget);
    };
    for (const Section section : SectionFrames::kAll) {
        QAbstractButton* target = window.sectionButton(section);
        if (!target->isEnabled())
            continue;
        QVERIFY(tabTo(isSectionButton, true));
        for (int steps = 0; QApplication::focusWidget() != target && steps < 10; ++steps)
            press(int(section) > int(window.currentSection()) ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), target);
        press(Qt::Key_Return);
        QCOMPARE(window.currentSection(), section);
        QWidget& frame = *window.currentFrame();
        QVERIFY(frame.isAncestorOf(QApplication::focusWidget()));
        // Each sub-frame: the arrows go along the buttons, Space shows the one focused and the
        // focus goes into it.
        const QList<QAbstractButton*> subFrames = subFrameButtons(frame);
        for (qsizetype at = 0; at < subFrames.size(); ++at) {
            QVERIFY(tabTo([&](QWidget* widget) { return subFrames.contains(widget); }));
            while (QApplication::focusWidget() != subFrames.at(at)) {
                const qsizetype focused = subFrames.indexOf(QApplication::focusWidget());
                press(focused < at ? Qt::Key_Right : Qt::Key_Left);
            }
            press(Qt::Key_Space);
            QVERIFY2(subFrames.at(at)->isChecked(), qPrintable(subFrames.at(at)->objectName()));
            QVERIFY2(!subFrames.contains(QApplication::focusWidget()),
                     qPrintable(subFrames.at(at)->objectName()));
        }
    }

    // Income in Russia, at 13 %: the first source, a new line of it.
    QVERIFY(tabTo(isSectionButton, true));
    while (QApplication::focusWidget() != window.sectionButton(Section::RussianIncome))
        press(Qt::Key_Up);
    press(Qt::Key_Return);
    QVERIFY(tabTo(named("lvSourseIncomeInfo")));
    press(Qt::Key_Home);
    const int linesBefore = window.document().Income13.At(0).IncomeCount();
    bench.script().answerDialog([](QDialog& line) {
        activate(line);
        if (!tabTo(named("pnlIncomeCod")))
            return int(QDialog::Rejected);
        // Typing the code opens its picker (answered below); the dialog has the keys again after.
        typeWhereFocused(QStringLiteral("2"));
        activate(line);
        tabTo(named("meIncomeSum"));
        typeWhereFocused(QStringLiteral("12345,67"));
        tabTo(named("mePropSale"));
        typeWhereFocused(QStringLiteral("3"));
        press(Qt::Key_Return);
        return line.result();
    });
    // The picker opened by typing in the code: its search goes on, Enter takes the match.
    bench.script().answerDialog([](QDialog& picker) {
        activate(picker);
        typeWhereFocused(QStringLiteral("000"));
        press(Qt::Key_Return);
        return picker.result();
    });
    QVERIFY(tabTo(named("fbAddIncome")));
    press(Qt::Key_Space);
    QVERIFY2(bench.script().finished(),
             qPrintable(bench.script().unexpected.join(QLatin1Char('\n')) +
                        bench.script().messageTexts().join(QLatin1Char('\n'))));
    QCOMPARE(window.document().Income13.At(0).IncomeCount(), linesBefore + 1);

    // The check (F9) finds nothing; the save (Ctrl+S) writes the line into the file. (The scripted
    // dialogs leave the window without a focus; the program's own give it back.)
    activate(window);
    press(Qt::Key_F9);
    QCOMPARE(bench.script().messageTexts().size(), 1);
    press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(window.isSaved());
    mTDeclaration saved;
    QVERIFY(!LoadDeclarationFile(saved, file));
    const mTThirteenPercent& source = saved.Income13.At(0);
    const mTSourseIncome& added = source.GetIncome(source.IncomeCount() - 1);
    QCOMPARE(added.IncomeCode, 2000);
    QCOMPARE(added.IncomeSum, Money::fromKopecks(1234567));
    QCOMPARE(added.IncomeMonth, quint16(3));
    QVERIFY(bench.script().unexpected.isEmpty());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
