// The dividends sub-frame and its source dialog, driven through their widgets with scripted
// answers to every modal dialog.
#include "support/FrameTestHost.h"
#include "ui/sections/russian_income/FrameThirtyPercent.h"
#include "ui/sections/russian_income/Input30SourseIncome.h"

#include <QTreeWidget>

namespace {

struct Source
{
    QString name = QStringLiteral("ООО Ромашка");
    QString inn = QStringLiteral("7707083893");
    QString kpp = QStringLiteral("773601001");
    QString oktmo = QStringLiteral("45380000");
    QString dividends;
    QString taxable;
    QString withheld;
};

void fill(QDialog& dialog, const Source& source)
{
    type(dialog, "meSourseName", source.name);
    type(dialog, "meINN", source.inn);
    type(dialog, "meKPP", source.kpp);
    type(dialog, "meOKATO", source.oktmo);
    type(dialog, "meItogIncomeSum", source.dividends);
    type(dialog, "meOblSum", source.taxable);
    type(dialog, "meHoldSum", source.withheld);
}

int confirm(QDialog& dialog)
{
    click(dialog, "bnOk");
    return dialog.result();
}

ScriptedInteraction::DialogScript enter(Source source)
{
    return [source](QDialog& dialog) {
        fill(dialog, source);
        return confirm(dialog);
    };
}

} // namespace

class TestThirtyPercent : public QObject
{
    Q_OBJECT

private slots:
    void dividendTax_data();
    void dividendTax();
    void addShowsTotalsAndNotifies();
    void withheldAboveDividends_data();
    void withheldAboveDividends();
    void noTaxableAndNoWithheldAsksNothing();
    void innTakesTenDigits();
    void cancelOrBlankNameAddsNothing();
    void editKeepsStoredTaxUntilTaxableChanges();
    void deleteSelectsNeighbourOrClears();
};

void TestThirtyPercent::dividendTax_data()
{
    QTest::addColumn<QString>("taxable");
    QTest::addColumn<QString>("tax");
    QTest::newRow("12345.67") << "12345,67"
                              << "1111";
    QTest::newRow("half up") << "50"
                             << "5";
    QTest::newRow("just below half") << "105,55"
                                     << "9";
    QTest::newRow("empty") << ""
                           << "";
}

void TestThirtyPercent::dividendTax()
{
    QFETCH(QString, taxable);
    QFETCH(QString, tax);
    FrameTestHost host;
    TfmInput30SourseIncome dialog(nullptr, host.interaction());
    type(dialog, "meOblSum", QStringLiteral("1"));
    type(dialog, "meOblSum", taxable);
    QCOMPARE(text(dialog, "meTaxDiscount"), tax);
}

void TestThirtyPercent::addShowsTotalsAndNotifies()
{
    FrameTestHost host;
    TfrThirtyPercent frame(nullptr, host);
    Source source;
    source.dividends = QStringLiteral("1000,5");
    source.taxable = QStringLiteral("1000,5");
    source.withheld = QStringLiteral("90");
    host.answers.answerDialog(enter(source));
    click(frame, "fbAddSourseIncome");

    QVERIFY2(host.answers.finished(), qPrintable(host.answers.unexpected.join(u'\n')));
    QCOMPARE(host.doc.Income30.Count(), 1);
    const mTThirtyPercent& entry = host.doc.Income30.At(0);
    QCOMPARE(entry.SourceName, source.name);
    QCOMPARE(entry.IncomeCode30, 1010);
    QCOMPARE(entry.TotalIncome, Money::fromKopecks(100050));
    QCOMPARE(entry.TaxComputed30, 90_rub);
    QCOMPARE(entry.TaxWithheld, 90_rub);
    QCOMPARE(host.changes, 1);
    QCOMPARE(frame.selectedRow(), 0);
    QCOMPARE(text(frame, "pnlItogIncomeSum"), QStringLiteral("1000,5"));
    QCOMPARE(text(frame, "pnlHoldSum"), QStringLiteral("90"));
    frame.StoreData();
    QCOMPARE(frame.CheckData(), quint16(0));
}

void TestThirtyPercent::withheldAboveDividends_data()
{
    QTest::addColumn<QString>("dividends");
    QTest::addColumn<QString>("focused");
    QTest::newRow("dividends below tax") << "1000"
                                         << "meHoldSum";
    QTest::newRow("no dividends") << ""
                                  << "meOblSum";
}

void TestThirtyPercent::withheldAboveDividends()
{
    QFETCH(QString, dividends);
    QFETCH(QString, focused);
    FrameTestHost host;
    TfrThirtyPercent frame(nullptr, host);
    Source source;
    source.dividends = dividends;
    source.taxable = QStringLiteral("1000");
    source.withheld = QStringLiteral("2000");
    QString focusAfterFix;
    bool stayedOpen = false;
    host.answers.answerDialog([&](QDialog& dialog) {
        dialog.show();
        fill(dialog, source);
        // "Исправить": the dialog stays open.
        stayedOpen = confirm(dialog) == QDialog::Rejected && dialog.isVisible();
        focusAfterFix = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
        return confirm(dialog); // "Пропустить": accepted as typed
    });
    host.answers.answerCheck(TfmCheckError::Fix);
    host.answers.answerCheck(TfmCheckError::Skip);
    click(frame, "fbAddSourseIncome");

    QVERIFY2(host.answers.finished(), qPrintable(host.answers.unexpected.join(u'\n')));
    const QString message = QStringLiteral("Сумма дивидендов меньше суммы удержанного налога");
    QCOMPARE(host.answers.checkMessages, QStringList({message, message}));
    QCOMPARE(host.answers.dialogTitles.at(1),
             QStringLiteral("Проверка: Доходы, облагаемые по ставке 30%"));
    QVERIFY(stayedOpen);
    QCOMPARE(focusAfterFix, focused);
    QCOMPARE(host.doc.Income30.Count(), 1);
    QCOMPARE(host.doc.Income30.At(0).TaxWithheld, 2000_rub);
}

void TestThirtyPercent::noTaxableAndNoWithheldAsksNothing()
{
    FrameTestHost host;
    TfrThirtyPercent frame(nullptr, host);
    Source source;
    source.dividends = QStringLiteral("500");
    host.answers.answerDialog(enter(source));
    click(frame, "fbAddSourseIncome");
    QVERIFY(host.answers.finished());
    QVERIFY(host.answers.checkMessages.isEmpty());
    QCOMPARE(host.doc.Income30.Count(), 1);
}

void TestThirtyPercent::innTakesTenDigits()
{
    FrameTestHost host;
    TfmInput30SourseIncome dialog(nullptr, host.interaction());
    type(dialog, "meINN", QStringLiteral("770708389312"));
    QCOMPARE(text(dialog, "meINN"), QStringLiteral("7707083893"));
    type(dialog, "meHoldSum", QStringLiteral("12,5"));
    QCOMPARE(text(dialog, "meHoldSum"), QStringLiteral("125"));
    type(dialog, "meItogIncomeSum", QStringLiteral("12.345"));
    QCOMPARE(text(dialog, "meItogIncomeSum"), QStringLiteral("12,34"));
}

void TestThirtyPercent::cancelOrBlankNameAddsNothing()
{
    FrameTestHost host;
    TfrThirtyPercent frame(nullptr, host);
    host.answers.answerCancel();
    click(frame, "fbAddSourseIncome");
    QCOMPARE(host.doc.Income30.Count(), 0);
    QCOMPARE(host.changes, 0);
}

void TestThirtyPercent::editKeepsStoredTaxUntilTaxableChanges()
{
    FrameTestHost host;
    const int row = host.doc.Income30.Add();
    mTThirtyPercent& stored = host.doc.Income30.At(row);
    stored.SourceName = QStringLiteral("АО Старое");
    stored.SourceINN = QStringLiteral("7707083893");
    stored.SourceKPP = QStringLiteral("773601001");
    stored.SourceOKTMO = QStringLiteral("45380000");
    stored.TotalIncome = 1000_rub;
    stored.TaxableDividends = 1000_rub;
    stored.TaxComputed30 = 95_rub; // differs from 9 %: typed long ago
    stored.IncomeCode30 = 1010;
    TfrThirtyPercent frame(nullptr, host);
    frame.selectRow(0);

    host.answers.answerDialog([](QDialog& dialog) {
        type(dialog, "meSourseName", QStringLiteral("АО Новое"));
        return confirm(dialog);
    });
    click(frame, "fbEditSourseIncome");
    QCOMPARE(host.doc.Income30.At(0).SourceName, QStringLiteral("АО Новое"));
    QCOMPARE(host.doc.Income30.At(0).TaxComputed30, 95_rub);
    QCOMPARE(frame.findChild<QTreeWidget*>()->topLevelItem(0)->text(0), QStringLiteral("АО Новое"));

    host.answers.answerDialog([](QDialog& dialog) {
        type(dialog, "meOblSum", QStringLiteral("2000"));
        return confirm(dialog);
    });
    click(frame, "fbEditSourseIncome");
    QCOMPARE(host.doc.Income30.At(0).TaxComputed30, 180_rub);
    QVERIFY(host.answers.finished());
}

void TestThirtyPercent::deleteSelectsNeighbourOrClears()
{
    FrameTestHost host;
    for (const char* name : {"Первый", "Второй"}) {
        mTThirtyPercent& entry = host.doc.Income30.At(host.doc.Income30.Add());
        entry.SourceName = QString::fromUtf8(name);
        entry.TotalIncome = 100_rub;
    }
    TfrThirtyPercent frame(nullptr, host);
    QCOMPARE(frame.selectedRow(), -1);
    QVERIFY(text(frame, "pnlItogIncomeSum").isEmpty());
    frame.selectRow(0);
    host.answers.answerMessage(QMessageBox::Yes);
    host.answers.answerMessage(QMessageBox::Yes);
    click(frame, "fbDeleteSourseIncome");
    QCOMPARE(host.doc.Income30.Count(), 1);
    QCOMPARE(host.doc.Income30.At(0).SourceName, QStringLiteral("Второй"));
    QCOMPARE(frame.selectedRow(), 0);
    QCOMPARE(text(frame, "pnlItogIncomeSum"), QStringLiteral("100"));
    click(frame, "fbDeleteSourseIncome");
    QCOMPARE(host.doc.Income30.Count(), 0);
    QCOMPARE(frame.selectedRow(), -1);
    QVERIFY(text(frame, "pnlItogIncomeSum").isEmpty());
    QCOMPARE(host.changes, 2);
}

QTEST_MAIN(TestThirtyPercent)
#include "tst_thirty_percent.moc"
