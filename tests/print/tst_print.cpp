// Tests of the print module: the values on the pages are the values of the XML, the form order
// of the sheets, hostile XML, the plug-in library missing or present, PDF output and the print
// command of the command-line tool.

#include "RecordingDevice.h"
#include "cli/PrintCommand.h"
#include "model/Declaration.h"
#include "print/DeclarationPrinting.h"
#include "print/FormLayout.h"
#include "print/PagePainter.h"
#include "print/PrintModuleLoader.h"
#include "print/PrintXml.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QByteArray readData(const QString& name)
{
    QFile file(QStringLiteral(TARVIKA_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test file");
    return file.readAll();
}

QString xmlText(const QString& name)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(readData(name));
}

// Every attribute of the XML as "Element/attribute=value", read straight from the file's bytes.
QStringList xmlValues(const QByteArray& bytes)
{
    QStringList values;
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        for (const auto& attribute : reader.attributes())
            values << reader.name().toString() + QLatin1Char('/') + attribute.name().toString() +
                          QLatin1Char('=') + attribute.value().toString();
    }
    if (reader.hasError())
        qFatal("test XML not well-formed");
    values.sort();
    return values;
}

PrintForm layout(const QString& xml, const PrintParameters& parameters = {})
{
    QString error;
    const auto root = PrintXml::parse(xml, error);
    if (!root)
        qFatal("XML not read: %s", qPrintable(error));
    auto form = FormLayout::build(*root, parameters, error);
    if (!form)
        qFatal("not laid out");
    return *form;
}

// The texts painted on every page, in order.
QStringList paintedTexts(const PagePainter& pages)
{
    RecordingDevice device;
    QPainter painter(&device);
    for (int index = 0; index < pages.pageCount(); ++index)
        pages.paintPage(painter, QRectF(0, 0, device.width(), device.height()), index);
    painter.end();
    return device.texts();
}

// A text without spaces and without the dashes that strike out empty cells.
QString bare(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("[\\s-]")));
}

// A declaration's XML with count income sources at 13 %.
QString manySources(int count)
{
    QString sources;
    for (int i = 0; i < count; ++i)
        sources += QStringLiteral("<РасчДохНал Доход=\"%1.00\" ДоходОбл=\"%1.00\" НалИсчисл=\"1\" "
                                  "НалУдерж=\"1\"><ИстЮЛ Наим=\"ИСТОЧНИК %1\" "
                                  "ИННЮЛ=\"7701234567\" КПП=\"770101001\"/></РасчДохНал>")
                       .arg(1000 + i);
    return QStringLiteral("<Файл><Документ КНД=\"1151020\"><НДФЛ3><ИтогУплВозв><СведДохВыч>"
                          "<ДоходИстРФ Ставка=\"13\">") +
           sources +
           QStringLiteral("</ДоходИстРФ></СведДохВыч></ИтогУплВозв></НДФЛ3></Документ></Файл>");
}

QString exportCase(const QString& name)
{
    return QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/%1/declaration.tv3").arg(name);
}

PrinterChoice choice(const QString& printerName, const QString& outputFile, int copies = 1,
                     int fromPage = 0, int toPage = 0)
{
    PrinterChoice chosen;
    chosen.printerName = printerName;
    chosen.outputFile = outputFile;
    chosen.copies = copies;
    chosen.fromPage = fromPage;
    chosen.toPage = toPage;
    return chosen;
}

int pdfPages(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"));
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void pagesShowEveryValueOfTheXml_data();
    void pagesShowEveryValueOfTheXml();
    void sheetsFollowTheForm();
    void longSheetsContinueOnNumberedPages();
    void hostileXmlIsRefused_data();
    void hostileXmlIsRefused();
    void missingModuleIsReported();
    void moduleWritesPdf();
    void printCommandWritesPdf();
    void printOnUnknownPrinterFails();
    void printToFileKeepsRangeAndCopies();
    void cellRows_data();
    void cellRows();
    void officeNameFromDirectory();
    void printCommandChecksFirst();
    void previewIsUsableOverDisabledWindow();
};

void TestPrint::pagesShowEveryValueOfTheXml_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("3-NDFL with every sheet") << QStringLiteral("rich.xml");
    QTest::newRow("4-NDFL") << QStringLiteral("ndfl4.xml");
}

void TestPrint::pagesShowEveryValueOfTheXml()
{
    QFETCH(QString, file);
    const QString office = QStringLiteral("ИФНС России № 1 по г. Москве");
    const PrintForm form =
        layout(xmlText(file), {{DeclarationPrinting::officeParameter(), office}});

    QStringList laidOut;
    for (const PrintSheet& sheet : form.sheets) {
        for (const PrintRow& row : sheet.rows) {
            if (row.kind != PrintRow::Kind::Heading && !row.source.isEmpty())
                laidOut << row.source + QLatin1Char('=') + row.value;
        }
    }
    laidOut.sort();
    // The file's own details stay off paper; the KND code is the header's.
    QStringList expected;
    QStringList technical;
    for (const QString& value : xmlValues(readData(file))) {
        const bool fileDetail = value.startsWith(QStringLiteral("Файл/")) ||
                                value.startsWith(QStringLiteral("Документ/КНД="));
        (fileDetail ? technical : expected) << value;
    }
    QCOMPARE(laidOut, expected);

    // What is painted holds every value, in the order of the form lines, and the office name,
    // but none of the file's details.
    const PagePainter pages(form);
    const QString painted = bare(paintedTexts(pages).join(QString()));
    qsizetype at = 0;
    for (const PrintSheet& sheet : form.sheets) {
        for (const PrintRow& row : sheet.rows) {
            if (row.kind == PrintRow::Kind::Heading)
                continue;
            const qsizetype found = painted.indexOf(bare(row.value), at);
            QVERIFY2(found >= 0, qPrintable(row.source + QLatin1Char('=') + row.value));
            at = found;
        }
    }
    QVERIFY(painted.contains(bare(office)));
    for (const QString& value : technical) {
        if (!value.startsWith(QStringLiteral("Документ/КНД=")))
            QVERIFY2(!painted.contains(bare(value.section(u'=', 1))), qPrintable(value));
    }
}

void TestPrint::sheetsFollowTheForm()
{
    const PrintForm form = layout(xmlText(QStringLiteral("rich.xml")));
    QStringList keys;
    for (const PrintSheet& sheet : form.sheets)
        keys << sheet.key;
    QCOMPARE(keys.join(QLatin1Char(' ')),
             QStringLiteral("T R1 R2-13 R2-30 R2-35 R2-9 R2-15 A B V G1 G2 G3 D J1 E1 E2 Z I"));
    QCOMPARE(form.formName, QStringLiteral("3-НДФЛ"));
    QCOMPARE(form.inn, QStringLiteral("500100732259"));
    QCOMPARE(form.taxpayer, QStringLiteral("ИВАНОВ И. И."));

    // Section 1 holds the payment lines under their captions and line codes.
    const PrintSheet& section1 = form.sheets[1];
    QVERIFY(section1.title.startsWith(QStringLiteral("Раздел 1.")));
    const PrintRow& refund = section1.rows[5];
    QCOMPARE(refund.source, QStringLiteral("ПодлУплВозв/ПодлВозв"));
    QCOMPARE(refund.code, QStringLiteral("050"));
    QCOMPARE(refund.caption, QStringLiteral("Сумма налога, подлежащая возврату из бюджета"));
    QCOMPARE(refund.value, QStringLiteral("155272"));

    const PrintForm estimated = layout(xmlText(QStringLiteral("ndfl4.xml")));
    QCOMPARE(estimated.formName, QStringLiteral("4-НДФЛ"));
    QCOMPARE(estimated.sheets.last().rows.last().caption,
             QStringLiteral("Сумма предполагаемого дохода"));
}

void TestPrint::longSheetsContinueOnNumberedPages()
{
    const PagePainter pages(layout(manySources(80)));
    QVERIFY(pages.pageCount() > 3);
    QStringList texts;
    for (int page = 0; page < pages.pageCount(); ++page) {
        RecordingDevice device;
        QPainter painter(&device);
        pages.paintPage(painter, QRectF(0, 0, device.width(), device.height()), page);
        painter.end();
        // The page number in its three cells follows "Стр." in the header.
        const QString text = bare(device.texts().join(QString()));
        QVERIFY2(text.contains(QStringLiteral("Стр.%1").arg(page + 1, 3, 10, QLatin1Char('0'))),
                 qPrintable(text.left(80)));
        texts << text;
    }
    QVERIFY(texts.join(QString()).contains(QStringLiteral("(продолжение)")));
    // Every source's name is printed whole, none cut.
    for (int i = 0; i < 80; ++i)
        QVERIFY(texts.join(QString()).contains(QStringLiteral("ИСТОЧНИК%1").arg(1000 + i)));
}

void TestPrint::hostileXmlIsRefused_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("message");
    QTest::newRow("entity expansion")
        << QStringLiteral("<?xml version=\"1.0\"?><!DOCTYPE Файл [<!ENTITY a \"aaaaaaaaaa\">"
                          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><Файл Ид=\"&b;\"/>")
        << QStringLiteral("объявление типа документа не допускается");
    QTest::newRow("external entity")
        << QStringLiteral("<!DOCTYPE Файл SYSTEM \"file:///etc/passwd\"><Файл/>")
        << QStringLiteral("объявление типа документа не допускается");
    QTest::newRow("broken") << QStringLiteral("<Файл><Документ></Файл>")
                            << QStringLiteral("Ошибка в XML-документе (строка 1");
    QTest::newRow("deep") << QStringLiteral("<a>").repeated(PrintXml::MaxDepth + 1)
                          << QStringLiteral("документ слишком велик");
    QTest::newRow("empty") << QString() << QStringLiteral("Ошибка в XML-документе");
    QTest::newRow("not a declaration") << QStringLiteral("<Файл><Другое/></Файл>")
                                       << QStringLiteral("не содержит налоговой декларации");
}

void TestPrint::hostileXmlIsRefused()
{
    QFETCH(QString, xml);
    QFETCH(QString, message);
    const auto module = PrintModuleLoader::create();
    QVERIFY(module);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QVERIFY(!module->WritePdf(xml, pdf));
    QVERIFY2(module->errorString().contains(message), qPrintable(module->errorString()));
    QVERIFY(!QFile::exists(pdf));
}

void TestPrint::missingModuleIsReported()
{
    QVERIFY(!PrintModuleLoader::create({QStringLiteral("/nonexistent")}));
    mTDeclaration declaration;
    const DeclarationPrinting printing(QStringLiteral("/opt/program"),
                                       {QStringLiteral("/nonexistent")});
    const PrintOutcome outcome = printing.preview(declaration, nullptr);
    QVERIFY(outcome.failed);
    QCOMPARE(outcome.messages, QStringList{PrintModuleLoader::missingMessage()});
    QCOMPARE(outcome.messages.first(),
             QStringLiteral("Не найден модуль печати. Войдите в рабочий каталог программы "
                            "\"Тарвика 2013\" и запустите файл \"Velprax(3.0.32).msi\""));

    QTemporaryDir dir;
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const PrintCommand command({QStringLiteral("/nonexistent")});
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QCOMPARE(command.execute(
                 {exportCase(QStringLiteral("resident-salary")), QStringLiteral("--pdf"), pdf},
                 {out, err}),
             3);
    QCOMPARE(QString::fromUtf8(err.data()), PrintModuleLoader::missingMessage() + u'\n');
    QVERIFY(!QFile::exists(pdf));
}

void TestPrint::moduleWritesPdf()
{
    const auto module = PrintModuleLoader::create();
    QVERIFY(module);
    QVERIFY(module->SetPrintTiffParam(DeclarationPrinting::officeParameter(),
                                      QStringLiteral("ИФНС России № 1 по г. Москве")));
    module->setPrintTiffFolder(QStringLiteral("/opt/program/"));
    QCOMPARE(module->PrintTiffFolder(), QStringLiteral("/opt/program/"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("rich.pdf"));
    QVERIFY2(module->WritePdf(xmlText(QStringLiteral("rich.xml")), pdf),
             qPrintable(module->errorString()));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    const PagePainter pages(layout(xmlText(QStringLiteral("rich.xml"))));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), pages.pageCount());

    // A file that cannot be written is reported and nothing is left behind.
    const QString blocked = dir.filePath(QStringLiteral("missing/rich.pdf"));
    QVERIFY(!module->WritePdf(xmlText(QStringLiteral("rich.xml")), blocked));
    QVERIFY(module->errorString().contains(blocked));
}

void TestPrint::printCommandWritesPdf()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sample.pdf"));
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const PrintCommand command;
    QCOMPARE(command.execute(
                 {exportCase(QStringLiteral("resident-salary")), QStringLiteral("--pdf"), pdf},
                 {out, err}),
             0);
    QCOMPARE(QString::fromUtf8(out.data()), pdf + u'\n');
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");

    QCOMPARE(command.execute({QStringLiteral("--pdf"), pdf}, {out, err}), 2);
    QCOMPARE(
        command.execute({dir.filePath(QStringLiteral("none.tv3")), QStringLiteral("--pdf"), pdf},
                        {out, err}),
        3);
}

void TestPrint::printOnUnknownPrinterFails()
{
    mTDeclaration declaration;
    const DeclarationPrinting printing(QStringLiteral("/opt/program"));
    int asked = 0;
    const PrintOutcome cancelled = printing.print(declaration, [&asked](int) {
        ++asked;
        return std::optional<PrinterChoice>();
    });
    QCOMPARE(asked, 1);
    QVERIFY(!cancelled.failed);

    const PrintOutcome failed = printing.print(declaration, [](int) {
        return std::optional<PrinterChoice>(choice(QStringLiteral("нет-такого"), QString(), 3));
    });
    QVERIFY(failed.failed);
    QCOMPARE(failed.messages.last(), QStringLiteral("Принтер «нет-такого» не найден"));
}

void TestPrint::previewIsUsableOverDisabledWindow()
{
    QWidget window;
    window.setEnabled(false);
    const auto module = PrintModuleLoader::create();
    QVERIFY(module);
    bool shown = false;
    bool enabled = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        shown = dialog != nullptr;
        if (dialog) {
            enabled = dialog->isEnabled();
            dialog->reject();
        }
    });
    QVERIFY(module->PreviewData(xmlText(QStringLiteral("ndfl4.xml")), &window));
    QVERIFY(shown);
    QVERIFY(enabled);
}

void TestPrint::printToFileKeepsRangeAndCopies()
{
    mTDeclaration declaration;
    declaration.LoadFromFile(exportCase(QStringLiteral("resident-salary")));
    const DeclarationPrinting printing(QStringLiteral(TARVIKA_SOURCE_DIR "/data"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("выбранный.pdf"));
    int offered = 0;
    const PrintOutcome printed = printing.print(declaration, [&](int pageCount) {
        offered = pageCount;
        return std::optional<PrinterChoice>(choice(QString(), pdf, 2, 2, 3));
    });
    QVERIFY2(!printed.failed, qPrintable(printed.messages.join(u'\n')));
    QVERIFY(offered > 3);
    QCOMPARE(pdfPages(pdf), 4);

    // Pages the declaration does not have fail the command and keep the file there.
    const PrintOutcome outside = printing.print(declaration, [&](int pageCount) {
        return std::optional<PrinterChoice>(
            choice(QString(), pdf, 1, pageCount + 1, pageCount + 2));
    });
    QVERIFY(outside.failed);
    QVERIFY2(outside.messages.last().startsWith(QStringLiteral("В декларации нет страниц")),
             qPrintable(outside.messages.last()));
    QCOMPARE(pdfPages(pdf), 4);
}

void TestPrint::cellRows_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("rows");
    QTest::newRow("code of fixed width")
        << QStringLiteral("ПодлУплВозв/ОКТМО") << QStringLiteral("45382000")
        << QStringLiteral("45382000---");
    QTest::newRow("code longer than a row")
        << QStringLiteral("ПодлУплВозв/КБК") << QStringLiteral("182101020100110001101")
        << QStringLiteral("18210102010011000110|1-------------------");
    QTest::newRow("amount with kopecks")
        << QStringLiteral("НалБаза13/ДоходОбщ") << QStringLiteral("285000.50")
        << QStringLiteral("285000-------.50");
    QTest::newRow("tax in roubles") << QStringLiteral("НалБаза13/УдержОбщ")
                                    << QStringLiteral("19500") << QStringLiteral("19500--------");
    QTest::newRow("date") << QStringLiteral("СведФЛ1/ДатаРожд") << QStringLiteral("29.02.1980")
                          << QStringLiteral("29.02.1980");
    QTest::newRow("text wraps between words")
        << QStringLiteral("ИстЮЛ/Наим")
        << QStringLiteral("ОБЩЕСТВО С ОГРАНИЧЕННОЙ ОТВЕТСТВЕННОСТЬЮ РОМАШКА")
        << QStringLiteral("ОБЩЕСТВО С----------|ОГРАНИЧЕННОЙ--------|ОТВЕТСТВЕННОСТЬЮ----|"
                          "РОМАШКА-------------");
    QTest::newRow("word longer than a row")
        << QStringLiteral("АдрРФ/Улица") << QStringLiteral("А").repeated(23)
        << QStringLiteral("А").repeated(20) + QStringLiteral("|ААА") +
               QStringLiteral("-").repeated(17);
    QTest::newRow("empty text") << QStringLiteral("АдрРФ/Город") << QString()
                                << QStringLiteral("-").repeated(20);
}

void TestPrint::cellRows()
{
    QFETCH(QString, source);
    QFETCH(QString, value);
    QFETCH(QString, rows);
    QCOMPARE(PagePainter::cellRows(source, value).join(u'|'), rows);
}

void TestPrint::officeNameFromDirectory()
{
    mTDeclaration declaration;
    declaration.InspectionCode = QStringLiteral("7701");
    const DeclarationPrinting printing(QStringLiteral(TARVIKA_SOURCE_DIR "/data"));
    const QString name = printing.officeName(declaration);
    QVERIFY2(name.contains(QStringLiteral("Москве")), qPrintable(name));
    declaration.InspectionName = QStringLiteral("ИФНС из файла");
    QCOMPARE(printing.officeName(declaration), QStringLiteral("ИФНС из файла"));

    // Without the directory the name stays blank; the code alone is printed.
    declaration.InspectionName.clear();
    QCOMPARE(DeclarationPrinting(QStringLiteral("/nonexistent")).officeName(declaration),
             QString());
}

void TestPrint::printCommandChecksFirst()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
    // A new declaration without a taxpayer fails the check.
    const QString empty = dir.filePath(QStringLiteral("empty.tv3"));
    mTDeclaration().SaveToFile(empty);
    const PrintCommand command;
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    QCOMPARE(command.execute({empty, QStringLiteral("--pdf"), pdf}, {out, err}), 1);
    const QString finding = QString::fromUtf8(err.data());
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+ \\d+ .+: .+\\n$")).match(finding).hasMatch(),
             qPrintable(finding));
    QVERIFY(!QFile::exists(pdf));

    QCOMPARE(command.execute({empty, QStringLiteral("--pdf"), pdf, QStringLiteral("--force")},
                             {out, err}),
             0);
    QVERIFY(pdfPages(pdf) > 0);
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
