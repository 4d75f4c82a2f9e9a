// The picture of income at 13 % painted for each outcome, and printed from the window "Расчёт
// налога" through the print dialog.
#include "model/Declaration.h"
#include "support/ScriptedInteraction.h"
#include "ui/result/IncomeBarPicture.h"
#include "ui/result/TaxResultWindow.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The resident with a refund: income split into non-taxable, deductions and no base.
TaxSummary refundSummary()
{
    mTDeclaration declaration;
    declaration.LoadFromFile(
        QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/resident-salary/declaration.tv3"));
    return SummarizeDeclaration(declaration);
}

// How many pixels of the picture have exactly this colour.
int pixelsOf(const TaxSummary& summary, QColor colour)
{
    QImage image(720, 420, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    IncomeBarPicture::paint(painter, image.rect(), summary);
    painter.end();
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
