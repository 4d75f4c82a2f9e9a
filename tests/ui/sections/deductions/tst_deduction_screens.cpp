// The deduction screens as a person meets them with the mouse and a screen reader: a click in the
// middle of any amount or date field and a typed value give exactly that value in the document,
// and every control that takes the focus is named by its own caption.
#define QTEST_QPA_MOUSE_HANDLING

#include "storage/DayCount.h"
#include "support/FrameTestHost.h"
#include "ui/sections/deductions/ChildEduSum.h"
#include "ui/sections/deductions/Dif.h"
#include "ui/sections/deductions/FrameCB.h"
#include "ui/sections/deductions/FrameConstructionDeduct.h"
#include "ui/sections/deductions/FrameDeductData.h"
#include "ui/sections/deductions/FramePensDeduct.h"
#include "ui/sections/deductions/FrameStandartDeduct.h"
#include "ui/sections/deductions/InputSoursePens.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/EntryFields.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <functional>
#include <memory>

namespace {

using Screen = std::function<std::unique_ptr<QWidget>(FrameTestHost&)>;
// What the screen put into the document, as the screens show it: an amount or a date.
using Stored = std::function<QString(const mTDeclaration&)>;
// Writes what the screen holds into the document: a frame stores itself, a dialog's result is
// put where its frame puts it.
using Store = std::function<void(QWidget&, mTDeclaration&)>;

struct TypedField
{
    QString name;
    Stored stored;
};

template <class Record> Stored amountOf(Record mTDeclaration::*record, Money Record::*field)
{
    return [record, field](const mTDeclaration& doc) {
        return EntryFields::amountText(doc.*record.*field);
    };
}

template <class Record> Stored dateOf(Record mTDeclaration::*record, double Record::*field)
{
    return [record, field](const mTDeclaration& doc) {
        return DayCount::toDate(doc.*record.*field).toString(QStringLiteral("dd.MM.yyyy"));
    };
}

template <class T> Screen frame(std::function<void(mTDeclaration&)> prepare = {})
{
    return [prepare](FrameTestHost& host) -> std::unique_ptr<QWidget> {
        if (prepare)
            prepare(host.doc);
        return std::make_unique<T>(nullptr, host);
    };
}

void storeFrame(QWidget& screen, mTDeclaration&)
{
    qobject_cast<TThinkingFrame*>(&screen)->StoreData();
}

// A property deduction claimed for land bought with joint ownership: every date but the act's
// takes typing; under investment the act's date does.
void landBought(mTDeclaration& doc)
{
    mTConstructionDeduct& record = doc.PropertyDeduction;
    record.PropertyEnabled = 1;
    record.ObjectKind = 5;
    record.OwnershipKind = 3;
    record.OwnerSign = 1;
}

// Where a click in the middle of a field lands.
QPoint middle(const QWidget& field)
{
    return {field.width() / 2, field.height() / 2};
}

void typeText(const QString& text)
{
    for (const QChar character : text)
        QTest::keyClick(QApplication::focusWidget(), char(character.unicode()));
}

} // namespace

Q_DECLARE_METATYPE(Screen)
Q_DECLARE_METATYPE(Store)
Q_DECLARE_METATYPE(QList<TypedField>)

class TestDeductionScreens : public QObject
{
    Q_OBJECT

private slots:
    void clickedAndTyped_data();
    void clickedAndTyped();
    void everyControlIsNamed_data();
    void everyControlIsNamed();
};

void TestDeductionScreens::clickedAndTyped_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<Store>("store");
    QTest::addColumn<QList<TypedField>>("fields");

    QList<TypedField> months;
    for (int month = 1; month <= 12; ++month) {
        months.append({QStringLiteral("me%1").arg(month), [month](const mTDeclaration& doc) {
                           return EntryFields::amountText(
                               doc.StandardDeduction.GetMonthIncome(month));
                       }});
        months.append({QStringLiteral("meR%1").arg(month), [month](const mTDeclaration& doc) {
                           return EntryFields::amountText(
                               doc.StandardDeduction.GetMonthExpense(month));
                       }});
    }
    QTest::newRow("standard, monthly income")
        << frame<TfrFrameStandartDeduct>([](mTDeclaration& doc) {
               doc.SetIncomeKinds(IncomeKind::Country | IncomeKind::Business);
           })
        << Store(storeFrame) << months;

    using P = mTConstructionDeduct;
    const auto property = &mTDeclaration::PropertyDeduction;
    const QList<TypedField> sums = {
        {QStringLiteral("meObsch"), amountOf(property, &P::ObjectCost)},
        {QStringLiteral("meTransferringChargeSum"), amountOf(property, &P::CarriedCost)},
        {QStringLiteral("mePostYears"), amountOf(property, &P::PriorYearsDeduction)},
        {QStringLiteral("mePostYearsNA"), amountOf(property, &P::PriorYearsAgentDeduction)},
        {QStringLiteral("meVychNA"), amountOf(property, &P::AgentDeduction)},
        {QStringLiteral("meobschip"), amountOf(property, &P::InterestPaid)},
        {QStringLiteral("meTransferringCreditSum"), amountOf(property, &P::CarriedInterest)},
        {QStringLiteral("mePostYearsIp"), amountOf(property, &P::PriorYearsInterest)},
        {QStringLiteral("mePostYearsIpNA"), amountOf(property, &P::PriorYearsAgentInterest)},
        {QStringLiteral("meVychIpNA"), amountOf(property, &P::AgentInterest)}};
    QTest::newRow("property, land bought")
        << frame<TfrConstructionDeduct>(landBought) << Store(storeFrame)
        << QList<TypedField>{{QStringLiteral("dtpRegRightDate"),
                              dateOf(property, &P::RightRegDate)},
                             {QStringLiteral("dtpRegZemDate"), dateOf(property, &P::LandRegDate)},
                             {QStringLiteral("dtpAppDate"),
                              dateOf(property, &P::ApplicationDate)}} +
               sums;
    QTest::newRow("property, investment")
        << frame<TfrConstructionDeduct>([](mTDeclaration& doc) {
               landBought(doc);
               doc.PropertyDeduction.ByInvestment = 1;
               doc.PropertyDeduction.ObjectKind = 2;
               doc.PropertyDeduction.OwnershipKind = 1;
           })
        << Store(storeFrame)
        << QList<TypedField>{{QStringLiteral("dtpBayDate"), dateOf(property, &P::ActDate)}} + sums;

    using S = mTSocialDeduct;
    const auto social = &mTDeclaration::SocialDeduction;
    QTest::newRow("social")
        << frame<TfrFramePensDeduct>(
               [](mTDeclaration& doc) { doc.SocialDeduction.SocialEnabled = 1; })
        << Store(storeFrame)
        << QList<TypedField>{
               {QStringLiteral("meCharitySum"), amountOf(social, &S::CharitySum)},
               {QStringLiteral("meSelfEducationSum"), amountOf(social, &S::SelfEducationSum)},
               {QStringLiteral("meMedicalSum"), amountOf(social, &S::MedicalSum)},
               {QStringLiteral("meExpensiveMedicalSum"), amountOf(social, &S::ExpensiveMedicalSum)},
               {QStringLiteral("meStrahovka"), amountOf(social, &S::InsuranceSum)},
               {QStringLiteral("meStrahovka2"), amountOf(social, &S::PensionContribSum)}};

    const auto securities = &mTDeclaration::SecuritiesDeduction;
    QTest::newRow("securities losses")
        << frame<TfrCB>() << Store(storeFrame)
        << QList<TypedField>{
               {QStringLiteral("meCB"), amountOf(securities, &mTCBDeduct::SecuritiesLoss)},
               {QStringLiteral("meFinInstr"), amountOf(securities, &mTCBDeduct::DerivativesLoss)}};

    // The dialogs' results go where their frame puts them: the first contract, the first amount.
    const auto contract = [](const mTDeclaration& doc) { return doc.SocialDeduction.GetPens(0); };
    QTest::newRow("pension contract")
        << Screen([](FrameTestHost& host) -> std::unique_ptr<QWidget> {
               return std::make_unique<TfmInputSoursePens>(nullptr, host.answers);
           })
        << Store([](QWidget& screen, mTDeclaration& doc) {
               const int position = doc.SocialDeduction.AddPens();
               doc.SocialDeduction.ReplacePens(
                   position, qobject_cast<TfmInputSoursePens*>(&screen)->contract());
           })
        << QList<TypedField>{{QStringLiteral("dtpDatDog"),
                              [contract](const mTDeclaration& doc) {
                                  return DayCount::toDate(contract(doc).ContractDate)
                                      .toString(QStringLiteral("dd.MM.yyyy"));
                              }},
                             {QStringLiteral("meVZSum"),
                              [contract](const mTDeclaration& doc) {
                                  return EntryFields::amountText(contract(doc).Contribution);
                              }},
                             {QStringLiteral("meNA"), [contract](const mTDeclaration& doc) {
                                  return EntryFields::amountText(contract(doc).AgentDeduction);
                              }}};
    QTest::newRow("child's education") << Screen([](FrameTestHost&) -> std::unique_ptr<QWidget> {
        auto dialog = std::make_unique<TfmChildEduSum>(nullptr);
        dialog->setAmount(Money());
        return dialog;
    }) << Store([](QWidget& screen, mTDeclaration& doc) {
        doc.SocialDeduction.AddChildEducation(qobject_cast<TfmChildEduSum*>(&screen)->amount());
    }) << QList<TypedField>{{QStringLiteral("meChildEduSum"), [](const mTDeclaration& doc) {
                                 return EntryFields::amountText(
                                     doc.SocialDeduction.GetChildEducation(0));
                             }}};
}

// Each field as the screen shows it ("0", or empty, or a date), entered by a click in its middle
// and typed into: the document holds exactly what was typed. Every amount and date field of the
// screen that takes typing is in the table.
void TestDeductionScreens::clickedAndTyped()
{
    QFETCH(Screen, screen);
    QFETCH(Store, store);
    QFETCH(QList<TypedField>, fields);
    FrameTestHost host;
    std::unique_ptr<QWidget> widget = screen(host);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));

    QStringList expected;
    QStringList typed;
    for (qsizetype at = 0; at < fields.size(); ++at) {
        auto* field = child<QLineEdit>(*widget, qPrintable(fields.at(at).name));
        // The sums of the property are on its second page.
        if (!field->isVisible())
            click(*widget, "bnNext");
        QVERIFY2(field->isVisible() && field->isEnabled(), qPrintable(fields.at(at).name));
        typed.append(field->objectName());
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, middle(*field));
        QVERIFY(field->hasFocus());
        // A date of March 2012, an amount of whole thousands: each field its own.
        const bool date = qobject_cast<DateField*>(field) != nullptr;
        const QString value =
            date ? QStringLiteral("%1.03.2012").arg(at + 10) : QString::number((at + 5) * 1000);
        typeText(QString(value).remove(QLatin1Char('.')));
        expected.append(value);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    store(*widget, host.doc);
    for (qsizetype at = 0; at < fields.size(); ++at)
        QCOMPARE(fields.at(at).stored(host.doc), expected.at(at));

    // No amount or date field of the screen is left out.
    QStringList taking;
    for (QLineEdit* field : widget->findChildren<QLineEdit*>()) {
        const bool kit = qobject_cast<AmountField*>(field) || qobject_cast<DateField*>(field);
        if (kit && field->isEnabled() && !field->isReadOnly())
            taking.append(field->objectName());
    }
    taking.sort();
    typed.sort();
    QCOMPARE(taking, typed);
}

void TestDeductionScreens::everyControlIsNamed_data()
{
    QTest::addColumn<Screen>("screen");
    const auto claimed = [](mTDeclaration& doc) {
        doc.SetIncomeKinds(IncomeKind::Country | IncomeKind::Business);
        doc.StandardDeduction.Children.Constant = 0;
        doc.PropertyDeduction.PropertyEnabled = 1;
        doc.SocialDeduction.SocialEnabled = 1;
        doc.SocialDeduction.AddChildEducation(Money::fromRoubles(100));
        doc.SocialDeduction.GetPens(doc.SocialDeduction.AddPens()).PensOrgName =
            QStringLiteral("НПФ «Будущее»");
    };
    QTest::newRow("section") << frame<TfrFrameDeductData>(claimed);
    QTest::newRow("standard") << frame<TfrFrameStandartDeduct>(claimed);
    QTest::newRow("property") << frame<TfrConstructionDeduct>(claimed);
    QTest::newRow("social") << frame<TfrFramePensDeduct>(claimed);
    QTest::newRow("securities") << frame<TfrCB>(claimed);
    QTest::newRow("pension contract")
        << Screen([](FrameTestHost& host) -> std::unique_ptr<QWidget> {
               return std::make_unique<TfmInputSoursePens>(nullptr, host.answers);
           });
    QTest::newRow("child's education") << Screen([](FrameTestHost&) -> std::unique_ptr<QWidget> {
        return std::make_unique<TfmChildEduSum>(nullptr);
    });
    QTest::newRow("personal code by month")
        << Screen([](FrameTestHost&) -> std::unique_ptr<QWidget> {
               return std::make_unique<TfmDif>(nullptr);
           });
    QTest::newRow("sole parent by month") << Screen([](FrameTestHost&) -> std::unique_ptr<QWidget> {
        return std::make_unique<TfmDif2>(nullptr);
    });
}

// What a screen reader says of each control that takes the focus, on both pages of a screen: a
// name of its own, with a letter in it, that is not the title of the group around it; a control
// named by its caption is that caption's buddy. No two controls of a screen share a name.
void TestDeductionScreens::everyControlIsNamed()
{
    QFETCH(Screen, screen);
    FrameTestHost host;
    std::unique_ptr<QWidget> widget = screen(host);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    QStringList faults;
    const auto inspect = [&] {
        QStringList names;
        for (QWidget* control : widget->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisible() ||
                control->focusProxy() != nullptr)
                continue;
            if (qobject_cast<QAbstractItemView*>(control->parentWidget()) != nullptr)
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            // A list box here tells its chosen item as its name; a screen reader names it by
            // the label it is related to.
            QString name = accessible->text(QAccessible::Name);
            if (qobject_cast<QComboBox*>(control) != nullptr) {
                const auto labels = accessible->relations(QAccessible::Label);
                name = labels.isEmpty() ? QString()
                                        : labels.constFirst().first->text(QAccessible::Name);
            }
            QString group;
            for (QWidget* up = control->parentWidget(); up != nullptr; up = up->parentWidget()) {
                if (auto* box = qobject_cast<QGroupBox*>(up)) {
                    group = box->title().trimmed();
                    break;
                }
            }
            const QString path = control->objectName().isEmpty()
                                     ? QString::fromLatin1(control->metaObject()->className())
                                     : control->objectName();
            if (!std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }))
                faults.append(path + QStringLiteral(": no name (\"") + name +
                              QStringLiteral("\")"));
            else if (name.trimmed() == group)
                faults.append(path + QStringLiteral(": the group's title"));
            else if (names.contains(name))
                faults.append(path + QStringLiteral(": a second \"") + name + QStringLiteral("\""));
            names.append(name);
        }
    };
    inspect();
    if (auto* next = widget->findChild<QAbstractButton*>(QStringLiteral("bnNext"))) {
        next->click();
        inspect();
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestDeductionScreens)
#include "tst_deduction_screens.moc"
