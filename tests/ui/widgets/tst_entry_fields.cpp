// The entry-field kit as a person uses it: each kind of field entered by a click at its start, its
// middle or its end, by Tab or by Shift+Tab, then typed or pasted into, and the value it holds once
// the person has left it. The captions name the fields for a screen reader; typing in a code field
// searches its picker; text outside Windows-1251 is refused.
#define QTEST_QPA_MOUSE_HANDLING

#include "directories/FixedTables.h"
#include "ui/pickers/ListPicker.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/DocumentNumberField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <memory>

namespace {

enum class Kind
{
    Amount,
    WholeRoubles,
    Date,
    OptionalDate,
    Passport,
    Inn,
};

enum class Entry
{
    ClickStart,
    ClickMiddle,
    ClickEnd,
    Tab,
    ShiftTab,
};

enum class Action
{
    Type,
    Paste,
    SelectAllAndType,
    Clear,
};

QWidget* makeField(Kind kind, QWidget* parent)
{
    switch (kind) {
    case Kind::Amount:
        return new AmountField(parent, QStringLiteral("meSum"), Amount::Kopecks);
    case Kind::WholeRoubles:
        return new AmountField(parent, QStringLiteral("meSum"), Amount::WholeRoubles);
    case Kind::Date:
        return new DateField(parent, QStringLiteral("dtDate"));
    case Kind::OptionalDate: {
        auto* date = new DateField(parent, QStringLiteral("dtDate"));
        date->setEmptyAllowed(true);
        return date;
    }
    case Kind::Passport: {
        auto* number = new DocumentNumberField(parent, QStringLiteral("meSerial"));
        number->setKind(TEditType::edt99_);
        return number;
    }
    case Kind::Inn:
        return EntryFields::digits(parent, QStringLiteral("meINN"), Digits::PersonInn);
    }
    return nullptr;
}

// What the field holds: an amount or a date as the screens show it, or the text.
QString held(QWidget* field)
{
    if (const auto* amount = qobject_cast<AmountField*>(field)) {
        const std::optional<Money> value = amount->value();
        return value ? EntryFields::amountText(*value) : QStringLiteral("(none)");
    }
    if (const auto* date = qobject_cast<DateField*>(field))
        return date->date().isValid() ? date->date().toString(QStringLiteral("dd.MM.yyyy"))
                                      : QStringLiteral("(none)");
    return static_cast<QLineEdit*>(field)->text();
}

// A window with a field between two others, as a form has it.
struct Form
{
    explicit Form(Kind kind)
    {
        before = EntryFields::text(&window, QStringLiteral("meBefore"), TextLength::NamePart);
        field = makeField(kind, &window);
        after = EntryFields::text(&window, QStringLiteral("meAfter"), TextLength::NamePart);
        FormGrid grid(&window);
        grid.row({{QStringLiteral("&Перед"), before}});
        grid.row({{QStringLiteral("По&ле"), field}});
        grid.row({{QStringLiteral("П&осле"), after}});
        window.show();
    }

    QWidget window;
    QLineEdit* before;
    QWidget* field;
    QLineEdit* after;
};

// Where a click lands: left of the text, the middle of the field, just after the text (a date's
// calendar button at the right edge is not the field's end).
QPoint clickPoint(const QLineEdit& edit, Entry entry)
{
    int right = edit.width() - 4;
    for (const QToolButton* inside : edit.findChildren<QToolButton*>()) {
        if (inside->isVisible())
            right = std::min(right, inside->x() - 2);
    }
    const int y = edit.height() / 2;
    switch (entry) {
    case Entry::ClickStart:
        return {4, y};
    case Entry::ClickMiddle:
        return {edit.width() / 2, y};
    default:
        break;
    }
    if (edit.alignment() & Qt::AlignRight)
        return {right, y};
    const int textEnd = 6 + edit.fontMetrics().horizontalAdvance(edit.displayText());
    return {std::min(right, textEnd), y};
}

void enter(Form& form, Entry entry)
{
    form.before->setFocus();
    auto* edit = static_cast<QLineEdit*>(form.field);
    switch (entry) {
    case Entry::Tab:
        QTest::keyClick(form.before, Qt::Key_Tab);
        break;
    case Entry::ShiftTab:
        form.after->setFocus();
        QTest::keyClick(form.after, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    default:
        QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, clickPoint(*edit, entry));
        break;
    }
}

// Types as a keyboard does, into the widget that has the focus.
void typeText(const QString& text)
{
    for (const QChar character : text)
        QTest::keyClick(QApplication::focusWidget(), char(character.unicode()));
}

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(Action)

class TestEntryFields : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void dateIsOneTabStop();
    void captionsNameFields();
    void codeFieldSearchesItsPicker();
    void windows1251Only_data();
    void windows1251Only();
    void longTextShowsItsBeginning();
};

void TestEntryFields::typing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const std::pair<Entry, const char*> entries[] = {{Entry::ClickStart, "click at start"},
                                                     {Entry::ClickMiddle, "click in middle"},
                                                     {Entry::ClickEnd, "click at end"},
                                                     {Entry::Tab, "Tab"},
                                                     {Entry::ShiftTab, "Shift+Tab"}};
    // Every way in, for each kind.
    for (const auto& [entry, howEntered] : entries) {
        const char* how = howEntered;
        const auto row = [how](const char* what) {
            return &QTest::newRow(
                qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(what), QLatin1String(how))));
        };
        *row("0 then 5000") << Kind::Amount << QStringLiteral("0") << entry << Action::Type
                            << QStringLiteral("5000") << QStringLiteral("5000");
        *row("roubles 0 then 720000")
            << Kind::WholeRoubles << QStringLiteral("0") << entry << Action::Type
            << QStringLiteral("720000") << QStringLiteral("720000");
        *row("date then 15031980")
            << Kind::Date << QStringLiteral("01.01.1990") << entry << Action::Type
            << QStringLiteral("15031980") << QStringLiteral("15.03.1980");
        *row("passport 4508123456")
            << Kind::Passport << QString() << entry << Action::Type << QStringLiteral("4508123456")
            << QStringLiteral("45 08 123456");
    }

    const auto row = [](const char* name, Kind kind, const QString& shown, Entry entry,
                        Action action, const QString& input, const QString& expected) {
        QTest::newRow(name) << kind << shown << entry << action << input << expected;
    };
    const QString zero = QStringLiteral("0");
    const QString newYear = QStringLiteral("01.01.1990");
    row("amount pasted in groups", Kind::Amount, zero, Entry::ClickMiddle, Action::Paste,
        QStringLiteral("1 234,56"), QStringLiteral("1234,56"));
    row("amount pasted with no-break space", Kind::Amount, zero, Entry::ClickStart, Action::Paste,
        QStringLiteral("1\u00A0234,56"), QStringLiteral("1234,56"));
    row("amount pasted with a point", Kind::Amount, zero, Entry::ClickEnd, Action::Paste,
        QStringLiteral("1234.56"), QStringLiteral("1234,56"));
    row("amount pasted with words refused", Kind::Amount, zero, Entry::ClickMiddle, Action::Paste,
        QStringLiteral("12 руб."), zero);
    row("amount of three decimals refused whole", Kind::Amount, zero, Entry::Tab, Action::Paste,
        QStringLiteral("1 234,567"), zero);
    row("roubles refuse kopecks", Kind::WholeRoubles, zero, Entry::ClickEnd, Action::Paste,
        QStringLiteral("720 000,50"), zero);
    row("amount comma after 0", Kind::Amount, zero, Entry::ClickStart, Action::Type,
        QStringLiteral(",5"), QStringLiteral("0,5"));
    row("amount goes on after a figure", Kind::Amount, QStringLiteral("1500"), Entry::ClickEnd,
        Action::Type, zero, QStringLiteral("15000"));
    row("date with points", Kind::Date, newYear, Entry::ClickMiddle, Action::Type,
        QStringLiteral("15.03.1980"), QStringLiteral("15.03.1980"));
    row("date pasted", Kind::Date, newYear, Entry::ClickEnd, Action::Paste,
        QStringLiteral("15.03.1980"), QStringLiteral("15.03.1980"));
    row("date that does not exist", Kind::Date, newYear, Entry::ClickMiddle, Action::Type,
        QStringLiteral("31021990"), newYear);
    row("date before its range", Kind::Date, newYear, Entry::Tab, Action::Type,
        QStringLiteral("31121899"), newYear);
    row("date left half typed", Kind::Date, newYear, Entry::ClickStart, Action::Type,
        QStringLiteral("1503"), newYear);
    row("date emptied", Kind::Date, newYear, Entry::Tab, Action::Clear, QString(), newYear);
    row("date that may be empty emptied", Kind::OptionalDate, newYear, Entry::Tab, Action::Clear,
        QString(), QStringLiteral("(none)"));
    row("passport Ctrl+A", Kind::Passport, QStringLiteral("12 34 567890"), Entry::ClickMiddle,
        Action::SelectAllAndType, QStringLiteral("4508123456"), QStringLiteral("45 08 123456"));
    row("passport goes on where it stops", Kind::Passport, QStringLiteral("45 08 1"),
        Entry::ClickStart, Action::Type, QStringLiteral("23456"), QStringLiteral("45 08 123456"));
    row("passport pasted", Kind::Passport, QString(), Entry::Tab, Action::Paste,
        QStringLiteral("4508123456"), QStringLiteral("45 08 123456"));
    row("passport seventh digit refused", Kind::Passport, QString(), Entry::ClickEnd, Action::Type,
        QStringLiteral("45081234567"), QStringLiteral("45 08 123456"));
    row("INN pasted in groups", Kind::Inn, QString(), Entry::ClickMiddle, Action::Paste,
        QStringLiteral("500 100 732 259"), QStringLiteral("500100732259"));
    row("INN with a dash refused", Kind::Inn, QString(), Entry::ClickMiddle, Action::Paste,
        QStringLiteral("5001-00732259"), QString());
}

void TestEntryFields::typing()
{
    QFETCH(Kind, kind);
    QFETCH(QString, shown);
    QFETCH(Entry, entry);
    QFETCH(Action, action);
    QFETCH(QString, input);
    QFETCH(QString, expected);

    Form form(kind);
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    auto* edit = static_cast<QLineEdit*>(form.field);
    if (auto* date = qobject_cast<DateField*>(edit))
        date->setDate(QDate::fromString(shown, QStringLiteral("dd.MM.yyyy")));
    else
        edit->setText(shown);
    // The field is drawn with its value before a person clicks on it.
    QCoreApplication::processEvents();

    enter(form, entry);
    QCOMPARE(QApplication::focusWidget(), edit);
    switch (action) {
    case Action::Type:
        typeText(input);
        break;
    case Action::SelectAllAndType:
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        typeText(input);
        break;
    case Action::Paste:
        QApplication::clipboard()->setText(input);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        break;
    case Action::Clear:
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        break;
    }
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.after);
    QCOMPARE(held(edit), expected);
}

void TestEntryFields::dateIsOneTabStop()
{
    Form form(Kind::Date);
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    form.before->setFocus();
    QTest::keyClick(form.before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.field);
    QTest::keyClick(form.field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.after);
    QTest::keyClick(form.after, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(form.field, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), form.before);
}

void TestEntryFields::captionsNameFields()
{
    QWidget window;
    auto* country = new CodeField(&window, "meKodGrazhd", Shows::Code, "bnGrazhd",
                                  QStringLiteral("Выбрать страну"));
    auto* shown = EntryFields::panel(&window, "meCitizenship", Qt::AlignLeft);
    const QList<QWidget*> fields{
        EntryFields::text(&window, QStringLiteral("meSurName"), TextLength::NamePart),
        EntryFields::digits(&window, QStringLiteral("meINN"), Digits::PersonInn),
        new AmountField(&window, QStringLiteral("meSum"), Amount::Kopecks),
        new DateField(&window, QStringLiteral("dtBirthDate")),
        new DocumentNumberField(&window, QStringLiteral("meSerial")),
        country};
    const QStringList captions{QStringLiteral("&Фамилия"),       QStringLiteral("ИН&Н"),
                               QStringLiteral("&Сумма"),         QStringLiteral("Дата &рождения"),
                               QStringLiteral("Серия и &номер"), QStringLiteral("Код стр&аны")};
    FormGrid grid(&window);
    for (qsizetype at = 0; at < fields.size(); ++at)
        grid.row({{captions.at(at), fields.at(at)}});
    grid.row({FormGrid::Field::uncaptioned(shown, QStringLiteral("Страна"))});

    const auto name = [](QObject* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    for (qsizetype at = 0; at < fields.size(); ++at)
        QCOMPARE(name(fields.at(at)), QString(captions.at(at)).remove(QLatin1Char('&')));
    QCOMPARE(name(shown), QStringLiteral("Страна"));
    QCOMPARE(name(country->button()), QStringLiteral("Выбрать страну"));
    QCOMPARE(country->button()->toolTip(), QStringLiteral("Выбрать страну"));
}

void TestEntryFields::codeFieldSearchesItsPicker()
{
    QWidget window;
    auto* before = EntryFields::text(&window, QStringLiteral("meBefore"), TextLength::NamePart);
    auto* region = new CodeField(&window, "pnlRegion", Shows::Code, "bnRegion",
                                 QStringLiteral("Выбрать регион"));
    FormGrid grid(&window);
    grid.row({{QStringLiteral("&Перед"), before}});
    grid.row({{QStringLiteral("&Регион"), region}});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QString searched;
    // The picker as the frame opens it; the person goes on typing in it and presses Enter.
    QObject::connect(region, &CodeField::pickRequested, &window, [&](const QString& search) {
        TfmRegionName picker(&window, FixedTables::Regions());
        picker.PreselectRegion(1);
        picker.setSearchText(search);
        picker.show();
        picker.activateWindow();
        auto* box = picker.findChild<QLineEdit*>(QStringLiteral("edSearch"));
        QTRY_COMPARE(QApplication::focusWidget(), box);
        typeText(QStringLiteral("7"));
        searched = box->text();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        region->setText(picker.chosenCode());
    });
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), region);
    typeText(QStringLiteral("7"));
    QCOMPARE(searched, QStringLiteral("77"));
    QCOMPARE(region->text(), QStringLiteral("77"));
    // The focus is back where the picker was opened from, once the window is active again.
    window.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), region);
}

void TestEntryFields::windows1251Only_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("cyrillic and signs") << QStringLiteral("Ёлкин «№ 5» — €") << true;
    QTest::newRow("chinese") << QStringLiteral("中") << false;
    QTest::newRow("check mark") << QStringLiteral("ООО ✓") << false;
}

void TestEntryFields::windows1251Only()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(Cp1251Validator::encodable(text), accepted);
    // The field's own validator: typed and pasted text both pass through it.
    std::unique_ptr<QLineEdit> edit(
        EntryFields::text(nullptr, QStringLiteral("meName"), TextLength::NamePart));
    int position = 0;
    QCOMPARE(edit->validator()->validate(text, position) == QValidator::Acceptable, accepted);
}

void TestEntryFields::longTextShowsItsBeginning()
{
    // A district longer than its field, as a file gives it: the field shows where it begins;
    // typing at the end of the field the person is in goes on as always.
    QWidget window;
    QLineEdit* typed =
        EntryFields::text(&window, QStringLiteral("meDistrict"), TextLength::AddressLine);
    QLineEdit* shown = EntryFields::panel(&window, "pnlName", Shows::Name);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(typed);
    layout->addWidget(shown);
    typed->setFixedWidth(60);
    shown->setFixedWidth(60);
    auto* elsewhere = new QLineEdit(&window);
    layout->addWidget(elsewhere);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    elsewhere->setFocus();
    const QString district = QStringLiteral("Москворецко-Краснопресненский");
    for (QLineEdit* field : {typed, shown}) {
        field->setText(district);
        QCOMPARE(field->cursorPosition(), 0);
    }
    typed->setFocus();
    QTest::keyClick(typed, Qt::Key_End);
    QTest::keyClicks(typed, QStringLiteral(" 2"));
    QCOMPARE(typed->text(), district + QStringLiteral(" 2"));
    QCOMPARE(typed->cursorPosition(), typed->text().size());
}

QTEST_MAIN(TestEntryFields)
#include "tst_entry_fields.moc"
