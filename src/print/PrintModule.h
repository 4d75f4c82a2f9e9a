#pragma once

#include <QString>
#include <QtPlugin>
#include <memory>

class QWidget;

// The print module: lays out the declaration from its XML text and shows it in a print preview,
// prints it or writes it to a PDF file. It is a plug-in library loaded at run time
// (PrintModuleLoader); one instance serves one command. A member that fails returns false and
// errorString() then holds the message to show.
class PrintModule
{
public:
    virtual ~PrintModule() = default;

    // A named text printed with the declaration; the program passes
    // "Наименование налогового органа-получателя" and the receiving tax office's name.
    virtual bool SetPrintTiffParam(const QString& name, const QString& value) = 0;
    // The program's folder.
    virtual void setPrintTiffFolder(const QString& folder) = 0;
    virtual QString PrintTiffFolder() const = 0;
    // Shows the pages in a modal print preview owned by parent (needs the widget application).
    virtual bool PreviewData(const QString& xml, QWidget* parent) = 0;
    // Prints one copy on the named printer of the system's print service. reserved and flags are
    // kept for callers of the original interface and must be empty and 0.
    virtual bool PrintData(const QString& xml, const QString& reserved, const QString& printerName,
                           int flags) = 0;
    // Writes copies of the pages, one after another, to a PDF file, which appears whole or not at
    // all: a failed write keeps the file that was there. When the new file is in place but the
    // system did not confirm its way to the disk, the PDF is written: true, and errorString()
    // holds the warning to show (it is empty after a write the system confirmed).
    virtual bool WritePdf(const QString& xml, const QString& fileName, int copies = 1) = 0;
    // The number of pages of the declaration, or 0 (with errorString()) when it cannot be laid out.
    virtual int PageCount(const QString& xml) = 0;
    // The pages PrintData and WritePdf put out, numbered from 1; 0, 0 (the default) for all.
    virtual void SetPageRange(int fromPage, int toPage) = 0;

    virtual QString errorString() const = 0;
};

// What the plug-in library exports: a factory of print modules.
class PrintModuleFactory
{
public:
    virtual ~PrintModuleFactory() = default;
    virtual std::unique_ptr<PrintModule> create() = 0;
};

#define TARVIKA_PRINT_MODULE_IID "tarvika.PrintModuleFactory/1.0"
Q_DECLARE_INTERFACE(PrintModuleFactory, TARVIKA_PRINT_MODULE_IID)
