#include "print/DeclarationPrinting.h"

#include "directories/CodeDirectory.h"
#include "directories/DirectoryFiles.h"
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

QString DeclarationPrinting::officeName(const mTDeclaration& declaration) const
{
    if (!declaration.InspectionName.trimmed().isEmpty())
        return declaration.InspectionName;
    const QString code = declaration.InspectionCode.trimmed();
    if (code.isEmpty())
        return QString();
    // The same file the window's picker reads; a missing or unreadable file leaves the name blank.
    QString error;
    const auto bytes = DirectoryFiles::readFile(
        QDir(m_programFolder).filePath(DirectoryFiles::TaxOffices()), &error);
    if (!bytes)
        return QString();
    const auto offices = CodeDirectory::fromXml(*bytes, &error);
    const DirectoryEntry* office = offices ? offices->find(code) : nullptr;
    return office ? office->name : QString();
}

PrintOutcome DeclarationPrinting::run(
    const mTDeclaration& declaration,
    const std::function<void(PrintModule&, const QString&, PrintOutcome&)>& use) const
{
    const auto module = PrintModuleLoader::create(m_moduleFolders);
    if (!module)
        return {{PrintModuleLoader::missingMessage()}, true};
    module->SetPrintTiffParam(officeParameter(), officeName(declaration));
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
    use(*module, xml, outcome);
    return outcome;
}

namespace {

void failWith(PrintOutcome& outcome, const QString& message)
{
    outcome.messages << message;
    outcome.failed = true;
}

// A PDF written, not written, or in place with the module's warning that the system did not
// confirm its write.
void wrotePdf(PrintOutcome& outcome, const PrintModule& module, bool written)
{
    if (!written)
        failWith(outcome, module.errorString());
    else if (!module.errorString().isEmpty())
        outcome.messages << module.errorString();
}

} // namespace

PrintOutcome DeclarationPrinting::preview(const mTDeclaration& declaration, QWidget* parent) const
{
    return run(declaration,
               [parent](PrintModule& module, const QString& xml, PrintOutcome& outcome) {
                   if (!module.PreviewData(xml, parent))
                       failWith(outcome, module.errorString());
               });
}

PrintOutcome DeclarationPrinting::print(const mTDeclaration& declaration,
                                        const AskPrinter& askPrinter) const
{
    return run(
        declaration, [&askPrinter](PrintModule& module, const QString& xml, PrintOutcome& outcome) {
            const int pages = module.PageCount(xml);
            if (pages == 0) {
                failWith(outcome, module.errorString());
                return;
            }
            const auto choice = askPrinter(pages);
            if (!choice)
                return;
            module.SetPageRange(choice->fromPage, choice->toPage);
            if (!choice->outputFile.isEmpty()) {
                wrotePdf(outcome, module, module.WritePdf(xml, choice->outputFile, choice->copies));
                return;
            }
            for (int copy = 0; copy < choice->copies; ++copy) {
                if (!module.PrintData(xml, QString(), choice->printerName, 0)) {
                    failWith(outcome, module.errorString());
                    return;
                }
            }
        });
}

PrintOutcome DeclarationPrinting::writePdf(const mTDeclaration& declaration,
                                           const QString& fileName) const
{
    return run(declaration,
               [&fileName](PrintModule& module, const QString& xml, PrintOutcome& outcome) {
                   wrotePdf(outcome, module, module.WritePdf(xml, fileName));
               });
}
