// The main window's check, navigation to the place of an error, export, print and help.
#include "check/DeclarationCheck.h"
#include "directories/SounImport.h"
#include "export/ExportDeclaration.h"
#include "model/Declaration.h"
#include "print/DeclarationPrinting.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/InputInspectionNumber.h"
#include "ui/window/About.h"
#include "ui/window/EntryPlaceSections.h"
#include "ui/window/Main.h"
#include "ui/window/SectionFrames.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace {

// The print dialog: the printer of the print service or a PDF file ("print to file"), the number
// of copies and the pages the person chooses.
std::optional<PrinterChoice> askPrinter(Interaction& interaction, QWidget* parent, int pageCount)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Декларация"));
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (interaction.execDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    PrinterChoice choice;
    choice.copies = std::max(printer.copyCount(), 1);
    if (printer.printRange() == QPrinter::PageRange) {
        choice.fromPage = printer.fromPage();
        choice.toPage = printer.toPage();
    }
    if (printer.outputFormat() == QPrinter::PdfFormat)
        choice.outputFile = printer.outputFileName();
    else
        choice.printerName = printer.printerName();
    return choice;
}

} // namespace

void TFormMain::locateError(int group, quint16 code)
{
    if (const std::optional<EntryPlace> place = PlaceOfCheckGroup(group))
        showPlace(SectionOfPlace(*place).value(), code);
}

void TFormMain::showPlace(SectionPlace place, quint16 code)
{
    if (m_frame == nullptr || m_section != place.section)
        replaceFrame(place.section);
    if (place.subFrame < 0) {
        m_frame->FocusError(code);
    } else if (auto* container = qobject_cast<TContainerFrame*>(m_frame)) {
        container->FocusSubError(place.subFrame, code);
    }
}

int TFormMain::CheckAndLocate()
{
    if (m_frame != nullptr)
        m_frame->StoreData();
    WindowCheckAnswerer answerer(*m_interaction, this);
    const CheckOutcome outcome = CheckDeclaration(*m_document, answerer, QLatin1Char(','));
    if (outcome.passed())
        return 0;
    if (outcome.cancelled())
        return 2;
    locateError(outcome.group, quint16(outcome.field));
    return 1;
}

void TFormMain::CheckDoc()
{
    if (CheckAndLocate() == 0)
        m_interaction->showInformation(this, QStringLiteral("Проверка декларации завершена "
                                                            "успешно"));
}

void TFormMain::ExportDoc()
{
    if (CheckAndLocate() != 0)
        return;
    setEnabled(false);
    const QString folder = m_interaction->existingDirectory(
        this, QStringLiteral("Папка для файла xml"), QDir::homePath());
    if (!folder.isEmpty()) {
        QStringList messages;
        QString result;
        try {
            result = ExportDeclaration(folder, *m_document, ExportMode::File, ExportStamp::now(),
                                       &messages);
        } catch (const std::exception& error) {
            result = ExportFailedResult();
            messages.append(QString::fromUtf8(error.what()));
        }
        if (!messages.isEmpty())
            m_interaction->showError(this, messages.join(QLatin1Char('\n')));
        m_interaction->showInformation(this, result == ExportFailedResult()
                                                 ? ExportMessage::writeFailed()
                                                 : ExportMessage::fileCreated() + result);
    }
    setEnabled(true);
}

void TFormMain::PreviewDoc()
{
    if (CheckAndLocate() != 0)
        return;
    setEnabled(false);
    PrintOrPreview(true);
    setEnabled(true);
}

void TFormMain::PrintDoc()
{
    if (CheckAndLocate() != 0)
        return;
    setEnabled(false);
    PrintOrPreview(false);
    setEnabled(true);
}

void TFormMain::PrintOrPreview(bool preview)
{
    if (CheckAndLocate() != 0)
        return;
    const DeclarationPrinting printing(m_folders.shipped, m_folders.printModule);
    const PrintOutcome outcome = preview ? printing.preview(*m_document, this)
                                         : printing.print(*m_document, [this](int pageCount) {
                                               return askPrinter(*m_interaction, this, pageCount);
                                           });
    // A failure is the last message; what comes before it went on (a warning).
    for (qsizetype at = 0; at < outcome.messages.size(); ++at) {
        if (outcome.failed && at == outcome.messages.size() - 1)
            m_interaction->showError(this, outcome.messages.at(at));
        else
            m_interaction->message(this, QMessageBox::Warning, Interaction::programCaption(),
                                   outcome.messages.at(at), QMessageBox::Ok);
    }
}

void TFormMain::Help()
{
    HelpWindow::showTopic(this, *m_interaction, m_folders.shipped,
                          QString::fromLatin1(HelpWindow::kStartTopic));
}

void TFormMain::About()
{
    TfmAbout about(this, *m_interaction, m_folders.shipped);
    m_interaction->execDialog(about);
}

const ActivityDirectory* TFormMain::activities() const
{
    return m_activities ? &*m_activities : nullptr;
}

const CurrencyDirectory* TFormMain::currencies() const
{
    return m_currencies ? &*m_currencies : nullptr;
}

void TFormMain::loadDirectories()
{
    DirectoryLoadResult loaded = LoadDirectories(m_folders.directorySearchPath());
    if (loaded.fatal) {
        m_interaction->showError(this, loaded.fatalMessage);
        m_startupSucceeded = false;
        return;
    }
    for (const QString& warning : std::as_const(loaded.warnings))
        m_interaction->showError(this, warning);
    ReferenceDirectories& found = loaded.directories;
    if (found.taxOffices) {
        TfmLoadSoun::Importer importer =
            m_sounImporter ? m_sounImporter : TfmLoadSoun::Importer(ImportSoun);
        m_inspectionPicker = new TfmInputInspectionNumber(
            this, found.taxOffices->entries(), *m_interaction, m_folders, std::move(importer));
    }
    if (found.countries)
        m_countryPicker = new TfmGrazhd(this, found.countries->entries());
    m_activities = std::move(found.activities);
    m_currencies = std::move(found.currencies);
}
