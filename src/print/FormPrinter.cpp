#include "print/FormPrinter.h"

#include "print/PagePainter.h"
#include "print/PrintXml.h"

#include <QApplication>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace {

void prepareA4(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setColorMode(QPrinter::GrayScale);
}

} // namespace

std::optional<PagePainter> FormPrinter::pages(const QString& xml, const PrintParameters& parameters,
                                              QString& error)
{
    const auto root = PrintXml::parse(xml, error);
    if (!root)
        return std::nullopt;
    auto form = FormLayout::build(*root, parameters, error);
    if (!form)
        return std::nullopt;
    return PagePainter(std::move(*form));
}

bool FormPrinter::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool FormPrinter::SetPrintTiffParam(const QString& name, const QString& value)
{
    for (auto& parameter : m_parameters) {
        if (parameter.first == name) {
            parameter.second = value;
            return true;
        }
    }
    m_parameters.append({name, value});
    return true;
}

void FormPrinter::setPrintTiffFolder(const QString& folder)
{
    m_folder = folder;
}

QString FormPrinter::PrintTiffFolder() const
{
    return m_folder;
}

bool FormPrinter::PreviewData(const QString& xml, QWidget* parent)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return fail(QStringLiteral("Просмотр возможен только в окне программы"));
    QString error;
    const auto painter = pages(xml, m_parameters, error);
    if (!painter)
        return fail(error);
    QPrinter printer(QPrinter::HighResolution);
    prepareA4(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Просмотр декларации"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&painter](QPrinter* target) { painter->paint(*target); });
    dialog.exec();
    return true;
}

bool FormPrinter::PrintData(const QString& xml, const QString& /*reserved*/,
                            const QString& printerName, int /*flags*/)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return fail(QStringLiteral("Принтер «%1» не найден").arg(printerName));
    QString error;
    const auto painter = pages(xml, m_parameters, error);
    if (!painter)
        return fail(error);
    QPrinter printer(info, QPrinter::HighResolution);
    prepareA4(printer);
    printer.setCopyCount(1);
    printer.setDocName(QStringLiteral("Декларация"));
    if (!painter->paint(printer))
        return fail(
            QStringLiteral("Не удалось напечатать декларацию на принтере «%1»").arg(printerName));
    return true;
}

bool FormPrinter::WritePdf(const QString& xml, const QString& fileName)
{
    QString error;
    const auto painter = pages(xml, m_parameters, error);
    if (!painter)
        return fail(error);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(
            QStringLiteral("Не удалось создать файл «%1»: %2").arg(fileName, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setTitle(QStringLiteral("Декларация"));
        writer.setCreator(QStringLiteral("Тарвика 2013"));
        if (!painter->paint(writer)) {
            file.cancelWriting();
            return fail(QStringLiteral("Не удалось записать файл «%1»").arg(fileName));
        }
    }
    if (!file.commit())
        return fail(
            QStringLiteral("Не удалось записать файл «%1»: %2").arg(fileName, file.errorString()));
    return true;
}

QString FormPrinter::errorString() const
{
    return m_error;
}
