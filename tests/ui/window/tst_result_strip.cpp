// The result strip of the main window over opened declarations: the document and its saved state
// untouched by it, a computation fault shown as a fault, and the window "Расчёт налога" leading
// from a line to the section of its data.
#include "model/Declaration.h"
#include "support/UiTestSupport.h"
#include "support/UserActions.h"
#include "ui/result/ResultStrip.h"
#include "ui/result/TaxResultWindow.h"
#include "ui/sections/deductions/FrameDeductData.h"
#include "ui/widgets/SubFrameContainer.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString kResidentSalary =
    QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/resident-salary/declaration.tv3");

// The first line of the tree with this caption.
QTreeWidgetItem* lineOf(QTreeWidget& tree, const QString& caption)
{
    const QList<QTreeWidgetItem*> found =
        tree.findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.constFirst();
}

// A double click on the line of the window shown.
void doubleClick(QTreeWidget& tree, QTreeWidgetItem* item)
{
    tree.window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(tree.window()));
    tree.scrollToItem(item);
    const QPoint at = tree.visualItemRect(item).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
}

// The index of the sub-frame a section shows.
int shownSubFrame(const TFormMain& window)
{
    if (auto* deductions = qobject_cast<TfrFrameDeductData*>(window.currentFrame()))
        return deductions->shownSubFrame();
    if (auto* container = qobject_cast<TSubFrameContainer*>(window.currentFrame()))
        return container->shownIndex();
    return -1;
}

} // namespace

Q_DECLARE_METATYPE(Section)

class TestResultStrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void documentAndSavedStateUntouched();
    void faultShownInsteadOfFigure();
    void lineLeadsToItsSection_data();
    void lineLeadsToItsSection();
    void computedLineLeadsNowhere();

private:
    TFormMain& open(UiTestBench& bench, const QString& file);

    QTemporaryDir m_settings;
};

void TestResultStrip::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestResultStrip::init()
{
    UiTestBench::clearSettings();
}

TFormMain& TestResultStrip::open(UiTestBench& bench, const QString& file)
{
    const QString copy = bench.path(QStringLiteral("declaration.tv3"));
    QFile::remove(copy);
    QFile::copy(file, copy);
    TFormMain& window = bench.start({copy});
    // The strip computes a moment after the start; here at once.
    window.resultStrip()->updateNow();
    return window;
}

void TestResultStrip::documentAndSavedStateUntouched()
{
    UiTestBench bench;
    TFormMain& window = open(bench, kResidentSalary);
    ResultStrip* strip = window.resultStrip();
    QCOMPARE(strip->text(), QStringLiteral("К возврату: 19 500 руб."));
    QVERIFY(!strip->isHidden());

    // The frames of the deductions: the computation caps the children's education (60 000) in
    // what it runs over, which must never be the document.
    window.sectionButton(Section::Deduction)->click();
    click(window, "fbPensDeduct");
    const mTDeclaration before = window.document();
    strip->updateNow();
    bench.script().answerDialog(press("bnClose"));
    window.ShowTaxResult();
    QCOMPARE(window.document().SocialDeduction.GetChildEducation(0), 60000_rub);
    QVERIFY(window.document() == before);
    QVERIFY(window.isSaved());
    // The window "Расчёт налога" was the only question.
    QCOMPARE(bench.script().dialogTitles, QStringList{QStringLiteral("Расчёт налога")});
    QVERIFY(bench.script().finished());
}

void TestResultStrip::faultShownInsteadOfFigure()
{
    UiTestBench bench;
    mTDeclaration declaration = UiTestBench::completeDeclaration();
    mTThirteenPercent& source = declaration.Income13.At(declaration.Income13.Add());
    source.SourceName = QStringLiteral("ООО \"Ромашка\"");
    source.AddIncome({2000, QString(), 100000_rub, 0, Money(), 13, 1});
    // A zero share denominator, possible only in a file written elsewhere.
    declaration.PropertyDeduction.PropertyEnabled = 1;
    declaration.PropertyDeduction.ShareDenominator = 0;
    TFormMain& window =
        open(bench, bench.writeDeclaration(QStringLiteral("fault.tv3"), declaration));

    const QString shown = window.resultStrip()->text();
    QCOMPARE(shown, QStringLiteral("Расчёт налога: — Ошибка в рассчетах. Пожалуйста, свяжитесь с "
                                   "разработчиками через службу поддержки"));
    QVERIFY(!shown.contains(QRegularExpression(QStringLiteral("\\d"))));
    QVERIFY(!window.resultStrip()->isHidden());
}

void TestResultStrip::lineLeadsToItsSection_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Section>("section");
    QTest::addColumn<int>("subFrame");
    QTest::newRow("withheld") << QStringLiteral("Удержано налоговыми агентами")
                              << Section::RussianIncome << 0;
    QTest::newRow("children's education") << QStringLiteral("Обучение детей") << Section::Deduction
                                          << int(TfrFrameDeductData::Social);
    QTest::newRow("flat bought") << QStringLiteral("Расходы на объект") << Section::Deduction
                                 << int(TfrFrameDeductData::Property);
    QTest::newRow("securities losses carried")
        << QStringLiteral("Убыток, переносимый на следующие годы") << Section::Deduction
        << int(TfrFrameDeductData::Securities);
    QTest::newRow("standard") << QStringLiteral("Стандартные вычеты") << Section::Deduction
                              << int(TfrFrameDeductData::Standard);
}

void TestResultStrip::lineLeadsToItsSection()
{
    QFETCH(QString, caption);
    QFETCH(Section, section);
    QFETCH(int, subFrame);
    UiTestBench bench;
    TFormMain& window = open(bench, kResidentSalary);
    // The securities losses frame first, so that the standard deductions are a change of
    // sub-frame within the section too.
    window.goToPlace(EntryPlace::SecuritiesLosses);
    QCOMPARE(window.currentSection(), Section::Deduction);

    bench.script().answerDialog([&](QDialog& dialog) {
        auto* tree = child<QTreeWidget>(dialog, "lvTaxResult");
        QTreeWidgetItem* line = lineOf(*tree, caption);
        if (line == nullptr)
            return 0;
        doubleClick(*tree, line);
        return dialog.result();
    });
    QTest::mouseClick(window.resultStrip(), Qt::LeftButton);
    QVERIFY2(bench.script().finished(), qPrintable(bench.script().unexpected.join(u'\n')));
    QCOMPARE(window.currentSection(), section);
    QCOMPARE(shownSubFrame(window), subFrame);
    QVERIFY(window.isSaved());
}

void TestResultStrip::computedLineLeadsNowhere()
{
    UiTestBench bench;
    TFormMain& window = open(bench, kResidentSalary);
    bench.script().answerDialog([](QDialog& dialog) {
        auto* tree = child<QTreeWidget>(dialog, "lvTaxResult");
        doubleClick(*tree, lineOf(*tree, QStringLiteral("Налоговая база")));
        // The window stays open.
        if (dialog.result() != 0)
            return dialog.result();
        click(dialog, "bnClose");
        return dialog.result();
    });
    window.ShowTaxResult();
    QVERIFY(bench.script().finished());
    QCOMPARE(window.currentSection(), Section::InitialData);
}

QTEST_MAIN(TestResultStrip)
#include "tst_result_strip.moc"
