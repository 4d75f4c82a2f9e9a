#include "print/DeclarationPrinting.h"

#include "export/ExportDeclaration.h"
#include "model/Declaration.h"
#include "print/PrintModuleLoader.h"

#include <QDir>

DeclarationPrinting::DeclarationPrinting(QString programFolder, QStringList moduleFolders)
    : m_programFolder(std::move(programFolder)),
      m_moduleFolders(moduleFolders.isEmpty() ? PrintModuleLoader::defaultFolders()
                                              : std::move(moduleFolders))
{}

QString DeclarationPrinting::officeParameter()
{
    return QStringLiteral("Наименование налогового органа-получателя");
}

PrintOutcome
DeclarationPrinting::run(const mTDeclaration& declaration,
                         const std::function<QString(PrintModule&, const QString&)>& use) const
{
    const auto module = PrintModuleLoader::create(m_moduleFolders);
    if (!module)
        return {{PrintModuleLoader::missingMessage()}, true};
    module->SetPrintTiffParam(officeParameter(), declaration.InspectionName);
    QString folder = QDir::toNativeSeparators(m_programFolder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    module->setPrintTiffFolder(folder);

    PrintOutcome outcome;
    const QString xml = ExportDeclaration(QString(), declaration, ExportMode::Text,
                                          ExportStamp::now(), &outcome.messages);
    if (xml == ExportFailedResult()) {
        outcome.failed = true;
        return outcome;
    }
    const QString failure = use(*module, xml);
    if (!failure.isEmpty()) {
        outcome.messages << failure;
        outcome.failed = true;
    }
    return outcome;
}

PrintOutcome DeclarationPrinting::preview(const mTDeclaration& declaration, QWidget* parent) const
{
    return run(declaration, [parent](PrintModule& module, const QString& xml) {
        return module.PreviewData(xml, parent) ? QString() : module.errorString();
    });
}

PrintOutcome DeclarationPrinting::print(const mTDeclaration& declaration,
                                        const AskPrinter& askPrinter) const
{
    return run(declaration, [&askPrinter](PrintModule& module, const QString& xml) {
        const auto choice = askPrinter();
        if (!choice)
            return QString();
        for (int copy = 0; copy < choice->copies; ++copy) {
            if (!module.PrintData(xml, QString(), choice->printerName, 0))
                return module.errorString();
        }
        return QString();
    });
}

PrintOutcome DeclarationPrinting::writePdf(const mTDeclaration& declaration,
                                           const QString& fileName) const
{
    return run(declaration, [&fileName](PrintModule& module, const QString& xml) {
        return module.WritePdf(xml, fileName) ? QString() : module.errorString();
    });
}
