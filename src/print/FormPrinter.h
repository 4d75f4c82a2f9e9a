#pragma once

#include "print/FormLayout.h"
#include "print/PagePainter.h"
#include "print/PrintModule.h"

#include <optional>

// The print module of the plug-in library: every member lays out the XML text afresh.
class FormPrinter : public PrintModule
{
public:
    bool SetPrintTiffParam(const QString& name, const QString& value) override;
    void setPrintTiffFolder(const QString& folder) override;
    QString PrintTiffFolder() const override;
    bool PreviewData(const QString& xml, QWidget* parent) override;
    bool PrintData(const QString& xml, const QString& reserved, const QString& printerName,
                   int flags) override;
    bool WritePdf(const QString& xml, const QString& fileName, int copies = 1) override;
    int PageCount(const QString& xml) override;
    void SetPageRange(int fromPage, int toPage) override;
    QString errorString() const override;

    // The pages of a declaration's XML text, or std::nullopt with the reason in error.
    static std::optional<PagePainter> pages(const QString& xml, const PrintParameters& parameters,
                                            QString& error);

private:
    bool fail(const QString& message);
    // The pages of the range set, copies times; std::nullopt (and the message) when the range
    // holds no page of the declaration.
    std::optional<PagePainter::Selection> selection(const PagePainter& pages, int copies);

    PrintParameters m_parameters;
    QString m_folder;
    QString m_error;
    int m_fromPage = 0;
    int m_toPage = 0;
};
