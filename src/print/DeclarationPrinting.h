#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class mTDeclaration;
class PrintModule;
class QWidget;

// What the user chose in the print dialog: a printer of the print service, or a PDF file
// ("print to file"); the number of copies and the pages (numbered from 1; 0, 0 for all).
struct PrinterChoice
{
    QString printerName;
    int copies = 1;
    int fromPage = 0;
    int toPage = 0;
    // Not empty when the pages go to this PDF file instead of a printer.
    QString outputFile;
};

// What a print, preview or PDF run leaves to show: its messages in order (a failed computation, or
// a PDF in place whose write the system did not confirm, is reported and the run goes on; a
// failure ends the run and is the last message).
struct PrintOutcome
{
    QStringList messages;
    bool failed = false;
};

// The print and preview commands of the main window, after the declaration has passed its check:
// creates the print module, hands it the receiving tax office's name and the program's folder,
// builds the declaration's XML text with the export and previews or prints it (or writes a PDF
// for the command-line tool). Nothing here shows a window but the module's own preview.
class DeclarationPrinting
{
public:
    // Asked after the XML text is built, with the number of pages to print: the choice, or
    // std::nullopt when cancelled.
    using AskPrinter = std::function<std::optional<PrinterChoice>(int pageCount)>;

    // programFolder is handed to the module; moduleFolders are searched for its library.
    explicit DeclarationPrinting(QString programFolder, QStringList moduleFolders = {});

    PrintOutcome preview(const mTDeclaration& declaration, QWidget* parent) const;
    // Calls the module's PrintData once per copy on the chosen printer, or writes the copies to the
    // chosen PDF file; a cancelled print dialog is no failure.
    PrintOutcome print(const mTDeclaration& declaration, const AskPrinter& askPrinter) const;
    PrintOutcome writePdf(const mTDeclaration& declaration, const QString& fileName) const;

    // The parameter name under which the tax office's name is passed.
    static QString officeParameter();
    // The name of the receiving tax office: the declaration's own, else the name the tax-office
    // directory of the program folder gives its code (empty when neither has one).
    QString officeName(const mTDeclaration& declaration) const;

private:
    // use puts what the module did into the outcome: its failure, or a warning.
    PrintOutcome
    run(const mTDeclaration& declaration,
        const std::function<void(PrintModule&, const QString&, PrintOutcome&)>& use) const;

    QString m_programFolder;
    QStringList m_moduleFolders;
};
