// Typing never changes a figure: on every screen of the tour, in every amount and date field a
// person can type into, a click in the middle of the field and a typed value give exactly that
// value — in the field, and on the section frames in the declaration as the screen stores it.
#include "model/file/DocumentDump.h"
#include "support/ScreenTour.h"
#include "support/UiTestSupport.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/window/Main.h"

#include <QScrollArea>
#include <QTest>

namespace {

bool takesTyping(const QLineEdit& field)
{
    return field.isVisible() && field.isEnabled() && !field.isReadOnly();
}

// A value of its own for each field, as long as the field takes: at most five digits of roubles
// and, where the field takes kopecks, ",25".
struct TypedAmount
{
    QString keys;
    Money value;
};

TypedAmount amountFor(const AmountField& field, int serial)
{
    const QString longest = EntryFields::longestText(field);
    const qsizetype comma = longest.indexOf(QLatin1Char(','));
    const int integerDigits = int(comma < 0 ? longest.size() : comma);
    const int roubles = (31 + 17 * serial) % 100000;
    QString digits = QString::number(roubles);
    digits.truncate(std::max(1, integerDigits));
    const Money whole = Money::fromRoubles(digits.toLongLong());
    if (comma < 0)
        return {digits, whole};
    return {digits + QStringLiteral(",25"), whole + Money::fromKopecks(25)};
}

// A date inside the field's range, of its own for each field.
QDate dateFor(const DateField& field, int serial)
{
    const QDate first = field.minimumDate().isValid() ? field.minimumDate() : QDate(1950, 1, 1);
    const QDate last = field.maximumDate().isValid() ? field.maximumDate() : QDate(2013, 12, 31);
    const qint64 span = std::max<qint64>(first.daysTo(last), 0);
    return first.addDays(span == 0 ? 0 : (span / 2 + serial * 3) % span);
}

// Comes to the field from elsewhere, as a person does with the mouse, and clicks in its middle.
void clickInTheMiddle(QLineEdit& field)
{
    QWidget* screen = field.window();
    if (!screen->isActiveWindow()) {
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
    }
    if (auto* area = screen->findChild<QScrollArea*>())
        area->ensureWidgetVisible(&field);
    if (field.hasFocus())
        field.clearFocus();
    QTest::mouseClick(&field, Qt::LeftButton, Qt::NoModifier, field.rect().center());
}

// Leaves the field as a person does: Tab.
void tabAway(QLineEdit& field)
{
    QTest::keyClick(&field, Qt::Key_Tab);
}

// An amount field as a new entry shows it: "0".
void showZero(QLineEdit& field)
{
    field.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, '0');
    tabAway(field);
}

void typeDigits(QLineEdit& field, const QString& keys)
{
    for (const QChar key : keys)
        QTest::keyClick(&field, key.toLatin1());
}

// The object path of a field, for the messages.
QString pathOf(const QWidget& field, const QWidget& screen)
{
    QStringList names;
    for (const QWidget* at = &field; at != nullptr && at != &screen; at = at->parentWidget()) {
        if (!at->objectName().isEmpty())
            names.prepend(at->objectName());
    }
    return names.join(QLatin1Char('/'));
}

} // namespace

class TestTypingTour : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void everyFieldTakesWhatIsTyped_data();
    void everyFieldTakesWhatIsTyped();

private:
    QTemporaryDir m_settings;
};

void TestTypingTour::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestTypingTour::init()
{
    UiTestBench::clearSettings();
}

void TestTypingTour::everyFieldTakesWhatIsTyped_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("resident") << int(DeclarationForm::Resident);
    QTest::newRow("nonresident") << int(DeclarationForm::NonResident);
    QTest::newRow("estimated") << int(DeclarationForm::EstimatedIncome);
}

void TestTypingTour::everyFieldTakesWhatIsTyped()
{
    QFETCH(int, form);
    UiTestBench bench(UiTestBench::shippedDirectories());
    TFormMain& window = bench.start({bench.writeDeclaration(
        QStringLiteral("crowded.tv3"), ScreenTour::crowdedDeclaration(quint8(form)))});
    window.resize(window.standardMinimum());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    settle();

    QStringList faults;
    int amounts = 0;
    int dates = 0;
    const auto visit = [&](const QString& name, QWidget& screen) {
        // On the main window only the frame shown takes typing; a dialog is a screen of its own.
        QWidget* root = &screen == &window ? window.currentFrame() : &screen;
        const bool stored = &screen == &window;
        for (AmountField* field : root->findChildren<AmountField*>()) {
            if (!takesTyping(*field))
                continue;
            const TypedAmount typed = amountFor(*field, ++amounts);
            showZero(*field);
            clickInTheMiddle(*field);
            typeDigits(*field, typed.keys);
            tabAway(*field);
            const QString where = name + QLatin1Char(' ') + pathOf(*field, screen);
            if (field->valueOrZero() != typed.value) {
                faults << QStringLiteral("%1: %2 typed, %3 taken")
                              .arg(where, typed.keys, field->text());
            } else if (stored && !DocumentDump::toJson(window.screenDeclaration())
                                      .contains("\"" + typed.value.toFixed4().toUtf8() + "\"")) {
                faults << QStringLiteral("%1: %2 typed, not in the declaration")
                              .arg(where, typed.keys);
            }
        }
        for (DateField* field : root->findChildren<DateField*>()) {
            if (!takesTyping(*field))
                continue;
            const QDate typed = dateFor(*field, ++dates);
            clickInTheMiddle(*field);
            typeDigits(*field, typed.toString(QStringLiteral("ddMMyyyy")));
            tabAway(*field);
            const QString where = name + QLatin1Char(' ') + pathOf(*field, screen);
            if (field->date() != typed) {
                faults << QStringLiteral("%1: %2 typed, %3 taken")
                              .arg(where, typed.toString(QStringLiteral("dd.MM.yyyy")),
                                   field->text());
            } else if (stored && !DocumentDump::toJson(window.screenDeclaration())
                                      .contains(typed.toString(Qt::ISODate).toUtf8())) {
                faults << QStringLiteral("%1: %2 typed, not in the declaration")
                              .arg(where, typed.toString(QStringLiteral("dd.MM.yyyy")));
            }
        }
    };
    ScreenTour tour(window, bench.script(), QString::fromLatin1(QTest::currentDataTag()), visit);
    tour.run();
    qInfo("%d amount and %d date fields typed into", amounts, dates);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // A 4-NDFL shows no dates.
    QVERIFY(amounts > 0);
    QVERIFY(dates > 0 || form == DeclarationForm::EstimatedIncome);
}

QTEST_MAIN(TestTypingTour)
#include "tst_typing_tour.moc"
