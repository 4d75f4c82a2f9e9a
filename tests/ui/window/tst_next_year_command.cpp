// The main window's command "Декларация за следующий год...": the new declaration opens unnamed
// and unsaved after the tax-year notice; a refused year, a cancelled question about saving and a
// refused notice change nothing.
#include "DeclarationBuilder.h"
#include "model/Declaration.h"
#include "model/file/DocumentDump.h"
#include "support/UiTestSupport.h"
#include "support/UserActions.h"
#include "ui/sections/conditions/FrameInitialData.h"
#include "ui/window/DocumentRecovery.h"

#include <QAction>
#include <QTest>

namespace {

// A 2013 declaration: a salary that gives a base of 690 000 and a flat of 3 500 000 bought in
// 2013 with interest of 120 000.
mTDeclaration flatBought2013()
{
    mTDeclaration d = UiTestBench::completeDeclaration();
    mTThirteenPercent& employer = d.Income13.At(d.Income13.Add());
    employer.SourceName = QStringLiteral("ООО \"Ромашка\"");
    mTSourseIncome salary;
    salary.IncomeCode = 2000;
    salary.IncomeSum = 690000_rub;
    salary.IncomeMonth = 1;
    employer.AddIncome(salary);
    Build::flatBought2013(d.PropertyDeduction);
    return d;
}

void triggerNextYear(TFormMain& window)
{
    window.findChild<QAction*>(QStringLiteral("NextYearDoc"))->trigger();
}

} // namespace

class TestNextYearCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void opensNextYearUnsaved();
    void answersThatChangeNothing_data();
    void answersThatChangeNothing();

private:
    QTemporaryDir m_settings;
};

void TestNextYearCommand::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestNextYearCommand::init()
{
    UiTestBench::clearSettings();
}

void TestNextYearCommand::opensNextYearUnsaved()
{
    UiTestBench bench;
    const QString file = bench.writeDeclaration(QStringLiteral("2013.tv3"), flatBought2013());
    TFormMain& window = bench.start({file});
    QVERIFY(window.selectSection(Section::PersonInfo));
    bench.script().answerDialog([](QDialog& notice) {
        clickChild(notice, "chbAgree");
        clickChild(notice, "btnYes");
        return notice.result();
    });
    triggerNextYear(window);
    QVERIFY(bench.script().finished());
    QCOMPARE(bench.script().dialogTitles, QStringList{QStringLiteral("ВНИМАНИЕ!")});

    QCOMPARE(window.fileName(), QString());
    QCOMPARE(window.windowTitle(), QStringLiteral("Без имени - Тарвика 2013"));
    QVERIFY(!window.isSaved());
    // Not saved yet, so a recovery copy of it is on its way.
    QVERIFY(window.recovery().copyDue());
    QVERIFY(qobject_cast<TfrInitialData*>(window.currentFrame()));
    QVERIFY(child<QAbstractButton>(window, "rb14")->isChecked());
    const mTDeclaration& next = window.document();
    QCOMPARE(next.TaxYear, 2014);
    QCOMPARE(next.Person.Surname, QStringLiteral("Иванов"));
    QCOMPARE(next.Income13.Count(), 0);
    QCOMPARE(next.PropertyDeduction.PriorYearsDeduction, 690000_rub);
    QCOMPARE(next.PropertyDeduction.CarriedCost, 1310000_rub);
    QCOMPARE(next.PropertyDeduction.CarriedInterest, 120000_rub);

    // There is no year after 2014: the message, and the declaration stays as it is.
    const QByteArray before = DocumentDump::toJson(window.document());
    triggerNextYear(window);
    QCOMPARE(bench.script().messageTexts(),
             QStringList{QStringLiteral("Декларацию за 2015 год эта программа не заполняет")});
    QCOMPARE(bench.script().dialogTitles.size(), 1);
    QCOMPARE(DocumentDump::toJson(window.document()), before);
    QVERIFY(!window.isSaved());
}

void TestNextYearCommand::answersThatChangeNothing_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("noticeShown");
    QTest::newRow("save question cancelled") << true << false;
    QTest::newRow("notice refused") << false << true;
}

void TestNextYearCommand::answersThatChangeNothing()
{
    QFETCH(bool, changed);
    QFETCH(bool, noticeShown);
    UiTestBench bench;
    const QString file = bench.writeDeclaration(QStringLiteral("2013.tv3"), flatBought2013());
    TFormMain& window = bench.start({file});
    if (changed) {
        window.NotifyDocumentChanged();
        bench.script().answerMessage(QMessageBox::Cancel);
    }
    if (noticeShown)
        bench.script().answerDialog(press("btnNo"));
    const QByteArray before = DocumentDump::toJson(window.document());
    triggerNextYear(window);
    QVERIFY(bench.script().finished());
    QCOMPARE(bench.script().messageTexts().size(), changed ? 1 : 0);
    QCOMPARE(window.fileName(), file);
    QCOMPARE(window.isSaved(), !changed);
    QCOMPARE(window.document().TaxYear, 2013);
    QCOMPARE(DocumentDump::toJson(window.document()), before);
}

QTEST_MAIN(TestNextYearCommand)
#include "tst_next_year_command.moc"
