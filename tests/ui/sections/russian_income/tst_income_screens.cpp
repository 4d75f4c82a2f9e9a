// What every screen of income in Russia shares: each control has a name of its own for a screen
// reader, an amount typed after a click in the middle of its field reaches the document as typed,
// deleting an entry asks once, and the lists keep room for four rows at a large font.
#include "support/FrameTestHost.h"
#include "ui/sections/russian_income/FrameRussianIncome.h"
#include "ui/sections/russian_income/FrameThirteenPercent.h"
#include "ui/sections/russian_income/FrameThirteenPercentNR.h"
#include "ui/sections/russian_income/FrameThirtyFivePercent.h"
#include "ui/sections/russian_income/FrameThirtyPercent.h"
#include "ui/sections/russian_income/Input13Income.h"
#include "ui/sections/russian_income/Input13SourseIncome.h"
#include "ui/sections/russian_income/Input30SourseIncome.h"
#include "ui/sections/russian_income/Input35SourseIncome.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

mTThirteenPercent sourceWithLine(const QString& name)
{
    mTThirteenPercent source;
    source.SourceName = name;
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeSum = 30000_rub;
    line.IncomeMonth = 1;
    source.AddIncome(line);
    return source;
}

// A declaration with one entry in each list of the section, every amount of it 0.
void fillLists(mTDeclaration& doc)
{
    doc.Income13.At(doc.Income13.Add()) = sourceWithLine(QStringLiteral("ООО «Ромашка»"));
    doc.Income13NR.At(doc.Income13NR.Add()) = sourceWithLine(QStringLiteral("ООО «Лютик»"));
    mTThirtyPercent& dividends = doc.Income30.At(doc.Income30.Add());
    dividends.SourceName = QStringLiteral("АО «Василёк»");
    dividends.IncomeCode30 = mTThirtyPercent::kDividendsCode;
    mTThirtyFivePercent& prize = doc.Income35.At(doc.Income35.Add());
    prize.SourceName = QStringLiteral("ООО «Реклама»");
    prize.IncomeCode35 = 2740;
    prize.DeductCode35 = 505;
}

using Screen = std::function<std::unique_ptr<QWidget>(FrameTestHost&)>;

template <class Frame> Screen frame()
{
    return [](FrameTestHost& host) { return std::make_unique<Frame>(nullptr, host); };
}

// What a screen hands to the document: the frame's or dialog's amount after it is stored.
using Stored = std::function<Money(QWidget&, FrameTestHost&)>;

// Amounts of an entry may be declared by a base record (the source of payment).
template <class Dialog, class Entry, class Record>
Stored applied(RecordList<Entry> mTDeclaration::*list, Money Record::*amount)
{
    return [list, amount](QWidget& screen, FrameTestHost& host) {
        Entry& entry = (host.doc.*list).At(0);
        static_cast<Dialog&>(screen).Apply(entry);
        return entry.*amount;
    };
}

template <class Dialog, class Entry> Screen filled(RecordList<Entry> mTDeclaration::*list)
{
    return [list](FrameTestHost& host) {
        auto dialog = std::make_unique<Dialog>(nullptr, host.answers);
        dialog->Fill((host.doc.*list).At(0));
        return std::unique_ptr<QWidget>(std::move(dialog));
    };
}

Stored storedSource(Money mTThirteenPercent::*amount)
{
    return [amount](QWidget& screen, FrameTestHost& host) {
        static_cast<TThinkingFrame&>(screen).StoreData();
        return host.doc.Income13.At(0).*amount;
    };
}

// The income-line dialog with a code chosen whose deduction is typed, without a limit (1530 with
// 201).
std::unique_ptr<QWidget> lineWithTypedDeduction(FrameTestHost& host)
{
    auto dialog = std::make_unique<TfmInput13Income>(nullptr, host.answers, true);
    host.answers.answerDialog(pick(QStringLiteral("1530")));
    click(*dialog, "bnIncomeCod");
    host.answers.answerDialog(pick(QStringLiteral("201")));
    click(*dialog, "bnSubtractCod");
    return dialog;
}

Stored lineAmount(Money mTSourseIncome::*amount)
{
    return [amount](QWidget& screen, FrameTestHost&) {
        return static_cast<TfmInput13Income&>(screen).line().*amount;
    };
}

// A list of the section with one entry, the button that deletes it and the count of entries.
struct Deletion
{
    Screen screen;
    const char* button;
    std::function<int(const mTDeclaration&)> count;
};

} // namespace

Q_DECLARE_METATYPE(Screen)
Q_DECLARE_METATYPE(Stored)
Q_DECLARE_METATYPE(Deletion)

class TestIncomeScreens : public QObject
{
    Q_OBJECT

private slots:
    void everyControlNamed_data();
    void everyControlNamed();
    void typedAmountReachesDocument_data();
    void typedAmountReachesDocument();
    void deletionAsksOnce_data();
    void deletionAsksOnce();
    void listsKeepFourRowsAtLargeFont();
};

void TestIncomeScreens::everyControlNamed_data()
{
    QTest::addColumn<Screen>("screen");
    // The section with its sub-frame buttons and the 13 % sub-frame.
    QTest::newRow("section") << frame<TfrRussianIncome>();
    QTest::newRow("specialists") << frame<TTfrThirteenPercentNR>();
    QTest::newRow("dividends") << frame<TfrThirtyPercent>();
    QTest::newRow("35 %") << frame<TfrThirtyFivePercent>();
    QTest::newRow("income line") << Screen(lineWithTypedDeduction);
    QTest::newRow("13 % source") << Screen([](FrameTestHost& host) {
        return std::make_unique<TfmInput13SourseIncome>(nullptr, host.answers, true);
    });
    QTest::newRow("dividend source")
        << filled<TfmInput30SourseIncome, mTThirtyPercent>(&mTDeclaration::Income30);
    QTest::newRow("35 % source") << filled<TfmInput35SourseIncome, mTThirtyFivePercent>(
        &mTDeclaration::Income35);
}

// Each control Tab reaches and each list has a name of its own: not empty, not a sign, not the
// title of its group, and no two alike on one screen.
void TestIncomeScreens::everyControlNamed()
{
    QFETCH(Screen, screen);
    FrameTestHost host;
    fillLists(host.doc);
    const std::unique_ptr<QWidget> shown = screen(host);
    QStringList names;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        // A list's header is a part of the list.
        const bool list = qobject_cast<QAbstractItemView*>(control) != nullptr &&
                          qobject_cast<QHeaderView*>(control) == nullptr;
        if (!list && !(control->focusPolicy() & Qt::TabFocus))
            continue;
        const QString name =
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        const QString what = QString::fromLatin1(control->metaObject()->className()) +
                             QLatin1Char(' ') + control->objectName() + QStringLiteral(": ") + name;
        QVERIFY2(std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetter(); }),
                 qPrintable(what));
        for (QWidget* up = control->parentWidget(); up != nullptr; up = up->parentWidget()) {
            if (auto* group = qobject_cast<QGroupBox*>(up))
                QVERIFY2(name != group->title(), qPrintable(what));
        }
        QVERIFY2(!names.contains(name), qPrintable(what));
        names.append(name);
    }
    QVERIFY(names.size() > 4);
}

void TestIncomeScreens::typedAmountReachesDocument_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QString>("field");
    QTest::addColumn<Stored>("stored");
    using Source = mTThirteenPercent;
    QTest::newRow("13 % withheld")
        << frame<TfrThirteenPercent>() << "meHoldSum" << storedSource(&Source::TaxWithheld);
    QTest::newRow("13 % taxable") << frame<TfrThirteenPercent>() << "meObl"
                                  << storedSource(&Source::TaxableIncome);
    QTest::newRow("13 % computed")
        << frame<TfrThirteenPercent>() << "meTaxIsch" << storedSource(&Source::TaxComputed);
    QTest::newRow("fixed payments") << frame<TfrThirteenPercent>() << "meA25"
                                    << Stored([](QWidget& screen, FrameTestHost& host) {
                                           static_cast<TThinkingFrame&>(screen).StoreData();
                                           return host.doc.ForeignFixedPayments;
                                       });
    QTest::newRow("line income") << Screen(lineWithTypedDeduction) << "meIncomeSum"
                                 << lineAmount(&mTSourseIncome::IncomeSum);
    QTest::newRow("line deduction") << Screen(lineWithTypedDeduction) << "meSubtractSum"
                                    << lineAmount(&mTSourseIncome::DeductSum);
    const auto dividends =
        filled<TfmInput30SourseIncome, mTThirtyPercent>(&mTDeclaration::Income30);
    using Dividends = mTThirtyPercent;
    QTest::newRow("dividends") << dividends << "meItogIncomeSum"
                               << applied<TfmInput30SourseIncome>(&mTDeclaration::Income30,
                                                                  &Dividends::TotalIncome);
    QTest::newRow("taxable dividends")
        << dividends << "meOblSum"
        << applied<TfmInput30SourseIncome>(&mTDeclaration::Income30, &Dividends::TaxableDividends);
    QTest::newRow("dividend tax withheld")
        << dividends << "meHoldSum"
        << applied<TfmInput30SourseIncome>(&mTDeclaration::Income30, &Dividends::TaxWithheld);
    const auto prize =
        filled<TfmInput35SourseIncome, mTThirtyFivePercent>(&mTDeclaration::Income35);
    using Prize = mTThirtyFivePercent;
    QTest::newRow("35 % income") << prize << "meItogIncomeSum"
                                 << applied<TfmInput35SourseIncome>(&mTDeclaration::Income35,
                                                                    &Prize::TotalIncome);
    QTest::newRow("35 % withheld")
        << prize << "meHoldSum"
        << applied<TfmInput35SourseIncome>(&mTDeclaration::Income35, &Prize::TaxWithheld);
}

// The field shows 0 or nothing; a click in its middle and 720000 typed is 720 000, not 7 200 000
// or 0720000.
void TestIncomeScreens::typedAmountReachesDocument()
{
    QFETCH(Screen, screen);
    QFETCH(QString, field);
    QFETCH(Stored, stored);
    FrameTestHost host;
    fillLists(host.doc);
    const std::unique_ptr<QWidget> shown = screen(host);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    auto* edit = child<QLineEdit>(*shown, qPrintable(field));
    QVERIFY2(edit->isEnabled(), qPrintable(field));
    clickAndType(edit, QStringLiteral("720000"));
    QCOMPARE(stored(*shown, host), 720000_rub);
}

void TestIncomeScreens::deletionAsksOnce_data()
{
    QTest::addColumn<Deletion>("deletion");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("yes");
    const Deletion source{frame<TfrThirteenPercent>(), "fbDeleteSourseIncome",
                          [](const mTDeclaration& doc) { return doc.Income13.Count(); }};
    const Deletion line{frame<TfrThirteenPercent>(), "fbRemoveIncome",
                        [](const mTDeclaration& doc) { return doc.Income13.At(0).IncomeCount(); }};
    const Deletion specialists{frame<TTfrThirteenPercentNR>(), "fbDeleteSourseIncome",
                               [](const mTDeclaration& doc) { return doc.Income13NR.Count(); }};
    const auto selectFirst = [](Screen screen) {
        return Screen([screen](FrameTestHost& host) {
            std::unique_ptr<QWidget> shown = screen(host);
            static_cast<OtherIncomeListFrame&>(*shown).selectRow(0);
            return shown;
        });
    };
    const Deletion dividends{selectFirst(frame<TfrThirtyPercent>()), "fbDeleteSourseIncome",
                             [](const mTDeclaration& doc) { return doc.Income30.Count(); }};
    const Deletion prize{selectFirst(frame<TfrThirtyFivePercent>()), "fbDeleteSourseIncome",
                         [](const mTDeclaration& doc) { return doc.Income35.Count(); }};
    const QString lineQuestion = QStringLiteral("Удалить строку дохода?");
    const QString sourceQuestion = QStringLiteral("Удалить источник «%1» и его доходы?");
    for (const bool yes : {true, false}) {
        const char* answer = yes ? "Да" : "Нет";
        QTest::addRow("13 %% source, %s", answer)
            << source << sourceQuestion.arg(QStringLiteral("ООО «Ромашка»")) << yes;
        QTest::addRow("13 %% line, %s", answer) << line << lineQuestion << yes;
        QTest::addRow("specialists' source, %s", answer)
            << specialists << sourceQuestion.arg(QStringLiteral("ООО «Лютик»")) << yes;
        QTest::addRow("dividends, %s", answer)
            << dividends << sourceQuestion.arg(QStringLiteral("АО «Василёк»")) << yes;
        QTest::addRow("35 %%, %s", answer)
            << prize << sourceQuestion.arg(QStringLiteral("ООО «Реклама»")) << yes;
    }
}

void TestIncomeScreens::deletionAsksOnce()
{
    QFETCH(Deletion, deletion);
    QFETCH(QString, question);
    QFETCH(bool, yes);
    FrameTestHost host;
    fillLists(host.doc);
    const std::unique_ptr<QWidget> shown = deletion.screen(host);
    QCOMPARE(deletion.count(host.doc), 1);
    host.answers.answerMessage(yes ? QMessageBox::Yes : QMessageBox::No);
    click(*shown, deletion.button);
    QCOMPARE(host.answers.messageTexts(), QStringList{question});
    QCOMPARE(host.answers.messages.constFirst().icon, QMessageBox::Question);
    QVERIFY(host.answers.finished());
    QCOMPARE(deletion.count(host.doc), yes ? 0 : 1);
    QCOMPARE(host.changes, yes ? 1 : 0);
}

void TestIncomeScreens::listsKeepFourRowsAtLargeFont()
{
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSize(14);
    QApplication::setFont(large);
    FrameTestHost host;
    fillLists(host.doc);
    for (const Screen& screen : {frame<TfrThirteenPercent>(), frame<TfrThirtyPercent>()}) {
        const std::unique_ptr<QWidget> shown = screen(host);
        shown->resize(shown->minimumSizeHint());
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        for (QTreeWidget* list : shown->findChildren<QTreeWidget*>()) {
            list->setCurrentItem(list->topLevelItem(0));
            QVERIFY2(list->topLevelItemCount() > 0, qPrintable(list->objectName()));
            QVERIFY2(list->viewport()->height() >= 4 * list->sizeHintForRow(0),
                     qPrintable(list->objectName()));
        }
    }
    QApplication::setFont(normal);
}

QTEST_MAIN(TestIncomeScreens)
#include "tst_income_screens.moc"
