#include "print/FormPrinter.h"

#include "print/PagePainter.h"
#include "print/PrintXml.h"
#include "storage/AtomicFile.h"

#include <QApplication>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

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

std::optional<PagePainter::Selection> FormPrinter::selection(const PagePainter& pages, int copies)
{
    PagePainter::Selection chosen{1, pages.pageCount(), copies};
    if (m_fromPage > 0 || m_toPage > 0) {
        chosen.fromPage = std::max(m_fromPage, 1);
        chosen.toPage = m_toPage > 0 ? std::min(m_toPage, pages.pageCount()) : pages.pageCount();
    }
    if (chosen.fromPage > chosen.toPage) {
        m_error = QStringLiteral("В декларации нет страниц с %1 по %2 (всего страниц: %3)")
                      .arg(m_fromPage)
                      .arg(m_toPage)
                      .arg(pages.pageCount());
        return std::nullopt;
    }
    return chosen;
}

bool FormPrinter::PrintData(const QString& xml, const QString& /*reserved*/,
                            const QString& printerName, int /*flags*/)
{
    if (printerName.isEmpty())
        return fail(QStringLiteral("Не выбран принтер"));
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return fail(QStringLiteral("Принтер «%1» не найден").arg(printerName));
    QString error;
    const auto painter = pages(xml, m_parameters, error);
    if (!painter)
        return fail(error);
    const auto chosen = selection(*painter, 1);
    if (!chosen)
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    prepareA4(printer);
    printer.setCopyCount(1);
    printer.setDocName(QStringLiteral("Декларация"));
    if (!painter->paint(printer, *chosen))
        return fail(
            QStringLiteral("Не удалось напечатать декларацию на принтере «%1»").arg(printerName));
    return true;
}

bool FormPrinter::WritePdf(const QString& xml, const QString& fileName, int copies)
{
    m_error.clear();
    QString error;
    const auto painter = pages(xml, m_parameters, error);
    if (!painter)
        return fail(error);
    const auto chosen = selection(*painter, std::max(copies, 1));
    if (!chosen)
        return false;
    // Written beside the old file, synced and renamed over it only when every write succeeded.
    AtomicFile file(fileName);
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
        if (!painter->paint(writer, *chosen)) {
            file.cancelWriting();
            return fail(file.writeFailedMessage());
        }
    }
    if (file.commit())
        return true;
    if (!file.committed())
        return fail(file.writeFailedMessage());
    m_error = file.unconfirmedMessage();
    return true;
}

int FormPrinter::PageCount(const QString& xml)
{
    QString error;
    const auto painter = pages(xml, m_parameters, error);
    if (!painter) {
        fail(error);
        return 0;
    }
    return painter->pageCount();
}

void FormPrinter::SetPageRange(int fromPage, int toPage)
{
    m_fromPage = std::max(fromPage, 0);
    m_toPage = std::max(toPage, 0);
}

QString FormPrinter::errorString() const
{
    return m_error;
}
