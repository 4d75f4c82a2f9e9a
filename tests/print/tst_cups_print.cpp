// Printing through a real print service: a CUPS server of the test's own with a PDF-writing queue
// receives the declaration from the main window's "Печать" command, and the PDF the queue writes
// holds the taxpayer's INN and name, the tax office and the Section 1 amounts.

#include "CupsServer.h"
#include "support/UiTestSupport.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

class TestCupsPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void printReachesTheQueue();
    void printToFileFromDialog();

private:
    QTemporaryDir m_settings;
    CupsServer m_server;
    bool m_started = false;
};

void TestCupsPrint::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
    m_started = m_server.start();
}

void TestCupsPrint::cleanupTestCase()
{
    m_server.stop();
}

void TestCupsPrint::printReachesTheQueue()
{
    if (!m_started)
        QSKIP(qPrintable(QStringLiteral("no CUPS server: ") + m_server.error()));
    UiTestBench bench;
    bench.usePrintModule();
    TFormMain& window = bench.start(
        {QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/resident-salary/declaration.tv3")});
    // The person picks the test's queue in the print dialog and presses "Печать".
    bool offered = false;
    bench.script().answerDialog([&offered](QDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        const int index =
            printers ? printers->findText(QString::fromLatin1(CupsServer::QueueName)) : -1;
        offered = index >= 0;
        if (!offered)
            return int(QDialog::Rejected);
        printers->setCurrentIndex(index);
        dialog.accept();
        return dialog.result();
    });
    QElapsedTimer clock;
    clock.start();
    window.PrintDoc();
    QVERIFY2(offered, "the print dialog does not offer the test's queue");
    QVERIFY2(bench.script().finished(), qPrintable(bench.script().unexpected.join(u'\n')));
    QVERIFY2(bench.script().messages.isEmpty(),
             qPrintable(bench.script().messageTexts().join(u'\n')));
    const QString pdf = m_server.waitForPdf(120000);
    QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
    qInfo("from the command to the queue's PDF: %lld ms", clock.elapsed());

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput())
                                .remove(QRegularExpression(QStringLiteral("[\\s-]")));
    for (const QString& expected :
         {QStringLiteral("500100732259"), QStringLiteral("ИВАНОВ"), QStringLiteral("ИВАНОВИЧ"),
          QStringLiteral("Инспекция"), QStringLiteral("18210102010011000110"),
          QStringLiteral("45382000"), QStringLiteral("19500")})
        QVERIFY2(printed.contains(expected), qPrintable(expected + u' ' + printed.left(400)));
}

void TestCupsPrint::printToFileFromDialog()
{
    UiTestBench bench;
    bench.usePrintModule();
    TFormMain& window = bench.start(
        {QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/resident-salary/declaration.tv3")});
    const QString pdf = bench.path(QStringLiteral("декларация.pdf"));
    // "Print to file (PDF)" is the last printer the dialog offers; pages 2 to 3, two copies.
    int offeredPages = 0;
    bench.script().answerDialog([&](QDialog& dialog) {
        // Shown, the dialog offers its own printers besides those of the print service.
        dialog.show();
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        auto* range = dialog.findChild<QRadioButton*>(QStringLiteral("printRange"));
        auto* from = dialog.findChild<QSpinBox*>(QStringLiteral("from"));
        auto* to = dialog.findChild<QSpinBox*>(QStringLiteral("to"));
        auto* copies = dialog.findChild<QSpinBox*>(QStringLiteral("copies"));
        if (!printers || !file || !range || !from || !to || !copies)
            return int(QDialog::Rejected);
        if (auto* print = qobject_cast<QAbstractPrintDialog*>(&dialog))
            offeredPages = print->maxPage();
        printers->setCurrentIndex(printers->count() - 1);
        file->setText(pdf);
        range->setChecked(true);
        from->setValue(2);
        to->setValue(3);
        copies->setValue(2);
        dialog.accept();
        return dialog.result();
    });
    window.PrintDoc();
    QVERIFY2(bench.script().finished(), qPrintable(bench.script().unexpected.join(u'\n')));
    QVERIFY2(bench.script().messages.isEmpty(),
             qPrintable(bench.script().messageTexts().join(u'\n')));
    QCOMPARE(offeredPages, 10);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 4);
}

QTEST_MAIN(TestCupsPrint)
#include "tst_cups_print.moc"
