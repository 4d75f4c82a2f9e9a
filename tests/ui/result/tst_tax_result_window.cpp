// The picture of income at 13 % painted for each outcome, and printed from the window "Расчёт
// налога" through the print dialog.
#include "model/Declaration.h"
#include "summary/SummaryText.h"
#include "support/LayoutFaults.h"
#include "support/ScreenTour.h"
#include "support/ScriptedInteraction.h"
#include "ui/result/IncomeBarPicture.h"
#include "ui/result/TaxResultWindow.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// The resident with a refund: income split into non-taxable, deductions and no base.
TaxSummary refundSummary()
{
    mTDeclaration declaration;
    declaration.LoadFromFile(
        QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/resident-salary/declaration.tv3"));
    return SummarizeDeclaration(declaration);
}

QImage pictureOf(const TaxSummary& summary)
{
    QImage image(720, 420, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    IncomeBarPicture::paint(painter, image.rect(), summary);
    painter.end();
    return image;
}

// How many pixels of the picture have exactly this colour.
int pixelsOf(const TaxSummary& summary, QColor colour)
{
    const QImage image = pictureOf(summary);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}

const QColor kDeductionColour(0x4f, 0x81, 0xbd);
const QColor kPaidColour(0x80, 0x64, 0xa2);

} // namespace

class TestTaxResultWindow : public QObject
{
    Q_OBJECT

private slots:
    void pictureShowsTheBarsOnlyForIncome();
    void largestAmountsWhole();
    void printsThePicture();
    void unwritablePdfIsReported();
    void cancelledPrintWritesNothing();
};

void TestTaxResultWindow::pictureShowsTheBarsOnlyForIncome()
{
    const TaxSummary refund = refundSummary();
    // Deductions take almost the whole income bar; the tax paid is all refunded.
    QVERIFY(pixelsOf(refund, kDeductionColour) > 20000);
    QVERIFY(pixelsOf(refund, kPaidColour) > 5000);

    TaxSummary fault;
    fault.outcome = TaxSummary::Fault;
    fault.faultMessage = QStringLiteral("Ошибка в рассчетах");
    QCOMPARE(pixelsOf(fault, kDeductionColour), 0);
    QCOMPARE(pixelsOf(SummarizeDeclaration(mTDeclaration()), kPaidColour), 0);
}

// With the largest amounts the fields take, every line of the window is whole at the size it opens
// with, within the screen; the picture draws nothing up to its edges (a cut label would run into
// them), and a person who cannot see it reads its figures.
void TestTaxResultWindow::largestAmountsWhole()
{
    const TaxSummary summary =
        SummarizeDeclaration(ScreenTour::crowdedDeclaration(DeclarationForm::Resident));
    QVERIFY2(summary.outcome == TaxSummary::Computed && summary.hasBar13,
             qPrintable(summary.faultMessage));
    ScriptedInteraction script;
    TfmTaxResult window(nullptr, summary, script);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    QVERIFY2(window.width() <= screen.width() && window.height() <= screen.height(),
             qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("lvTaxResult"));
    // A line of Section 1 is read in full, with its codes and its amount, without scrolling.
    QTreeWidgetItem* line = tree->topLevelItem(0)->child(0);
    QVERIFY(line->text(0).contains(QStringLiteral("ОКТМО 45382000001")));
    const QHeaderView* header = tree->header();
    QVERIFY(header->sectionViewportPosition(1) + header->sectionSize(1) <=
            tree->viewport()->width());
    const QStringList faults = layoutFaults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    const QImage image = pictureOf(summary);
    for (int y = 0; y < image.height(); ++y)
        QCOMPARE(image.pixelColor(image.width() - 1, y), QColor(Qt::white));
    for (int x = 0; x < image.width(); ++x)
        QCOMPARE(image.pixelColor(x, image.height() - 1), QColor(Qt::white));
    auto* picture = window.findChild<IncomeBarPicture*>();
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(picture);
    QVERIFY(reader->text(QAccessible::Name).contains(QStringLiteral("Рисунок")));
    const QString figures = reader->text(QAccessible::Description);
    for (const Money amount : {summary.bar13.income, summary.bar13.toRefund})
        QVERIFY2(figures.contains(SummaryText::roubles(amount)), qPrintable(figures));
}

void TestTaxResultWindow::printsThePicture()
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("picture.pdf"));
    {
        // An earlier picture of that name is replaced.
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    }
    ScriptedInteraction script;
    script.answerDialog([&](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    });
    TfmTaxResult window(nullptr, refundSummary(), script);
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("bnPrintPicture")), Qt::LeftButton);
    QVERIFY(script.finished());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QVERIFY(file.size() > 2000);
}

void TestTaxResultWindow::unwritablePdfIsReported()
{
    // The name the person chose is a folder: nothing is written and the person is told why.
    QTemporaryDir folder;
    ScriptedInteraction script;
    script.answerDialog([&](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder.path());
        return int(QDialog::Accepted);
    });
    TfmTaxResult window(nullptr, refundSummary(), script);
    QVERIFY(!window.printPicture());
    QCOMPARE(script.messages.size(), 1);
    QVERIFY2(script.messages.first().text.contains(
                 QStringLiteral("Под этим именем на диске находится папка.")),
             qPrintable(script.messages.first().text));
    QVERIFY(QDir(folder.path()).isEmpty());
}

void TestTaxResultWindow::cancelledPrintWritesNothing()
{
    ScriptedInteraction script;
    script.answerDialog([](QDialog&) { return int(QDialog::Rejected); });
    TfmTaxResult window(nullptr, refundSummary(), script);
    QVERIFY(!window.printPicture());
    QVERIFY(script.finished());
    QVERIFY(script.messages.isEmpty());
}

QTEST_MAIN(TestTaxResultWindow)
#include "tst_tax_result_window.moc"
