#include "export/ExportDeclaration.h"

#include "calc/CalcError.h"
#include "calc/SvodSum.h"
#include "export/ExportElement.h"
#include "export/ExportError.h"
#include "export/ExportXmlDocument.h"
#include "export/Ndfl3Body.h"
#include "export/Ndfl4Document.h"
#include "export/TaxpayerElements.h"
#include "model/Declaration.h"
#include "storage/AtomicFile.h"

#include <QDir>
#include <QStringDecoder>

namespace ExportMessage {

QString calculationFailed()
{
    return kECalcFault::userMessage();
}

QString exportFailed()
{
    return QStringLiteral("Ошибка в выгрузке. Пожалуйста, свяжитесь с разработчиками через "
                          "службу поддержки");
}

QString writeFailed()
{
    return QStringLiteral("Ошибка записи. Файл не сформирован.");
}

QString fileCreated()
{
    return QStringLiteral("Сформирован файл ");
}

} // namespace ExportMessage

QString ExportFailedResult()
{
    return QStringLiteral("ERROR");
}

namespace {

// The root element "Файл"; its three values are written as they are, not in capitals.
ExportXmlDocument newDocument(const QString& identifier, const char* formVersion)
{
    ExportXmlDocument document("Файл");
    const ExportXmlElement root = document.root();
    root.setAttribute("ИдФайл", identifier);
    root.setAttribute("ВерсПрог", QStringLiteral("1.0.0"));
    root.setAttribute("ВерсФорм", QLatin1String(formVersion));
    return document;
}

ExportedDocument buildNdfl4(const mTDeclaration& declaration, const ExportStamp& stamp)
{
    const QString identifier = ExportIdentifier::ndfl4(declaration, stamp);
    ExportXmlDocument document = newDocument(identifier, "5.02");
    Ndfl4Document::write(ExportElement(document.root().addChild("Документ")), declaration, stamp);
    return {identifier, document.toWindows1251()};
}

ExportedDocument buildNdfl3(const mTDeclaration& original, const ExportStamp& stamp,
                            QStringList& messages)
{
    // The computation caps some entries in the document it runs over; it gets a copy so that an
    // export never changes the declaration.
    mTDeclaration declaration = original;
    kTSvodSum sum;
    try {
        sum.Calculate(declaration);
    } catch (const std::exception&) {
        messages << ExportMessage::calculationFailed();
    }

    const QString identifier = ExportIdentifier::ndfl3(declaration, stamp);
    ExportXmlDocument xml = newDocument(identifier, "5.08");
    const ExportElement document(xml.root().addChild("Документ"));
    TaxpayerElements::writeNdfl3Header(document, declaration, stamp);
    TaxpayerElements::writeNdfl3Taxpayer(document, declaration);
    TaxpayerElements::writeSigner(document, declaration);
    Ndfl3Body::write(document, declaration, sum);
    return {identifier, xml.toWindows1251()};
}

// Writes the document's file; a file in place whose write the system did not confirm gives a
// warning.
std::optional<QString> writeFile(const QString& folder, const ExportedDocument& document)
{
    const QString name = document.fileName();
    if (!ExportIdentifier::isPlainFileName(name))
        throw ExportError(QStringLiteral("Имя файла «%1» недопустимо: код налогового органа или "
                                         "ИНН содержат знаки, которых не может быть в имени "
                                         "файла.")
                              .arg(name));
    AtomicFile file(QDir(folder).filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(document.xml) == document.xml.size() &&
        file.commit())
        return std::nullopt;
    if (file.committed())
        return file.unconfirmedMessage();
    throw ExportError(QStringLiteral("Не удалось записать файл %1: %2")
                          .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
}

// Runs one step of the export; a failure becomes the export's messages.
template <class Step> bool guarded(QStringList& messages, Step step)
{
    try {
        step();
        return true;
    } catch (const ExportError& error) {
        messages << ExportMessage::exportFailed() << error.message();
    } catch (const std::exception&) {
        messages << ExportMessage::exportFailed();
    }
    return false;
}

} // namespace

std::optional<ExportedDocument> BuildExportDocument(const mTDeclaration& declaration,
                                                    const ExportStamp& stamp, QStringList& messages)
{
    std::optional<ExportedDocument> document;
    guarded(messages, [&] {
        if (declaration.DeclForm == DeclarationForm::EstimatedIncome)
            document = buildNdfl4(declaration, stamp);
        else
            document = buildNdfl3(declaration, stamp, messages);
    });
    return document;
}

QString ExportDeclaration(const QString& folder, const mTDeclaration& declaration, int mode,
                          const ExportStamp& stamp, QStringList* messages)
{
    QStringList shown;
    QString result = ExportFailedResult();
    if (const auto document = BuildExportDocument(declaration, stamp, shown)) {
        if (mode == ExportMode::File) {
            std::optional<QString> warning;
            if (guarded(shown, [&] { warning = writeFile(folder, *document); })) {
                result = document->fileName();
                if (warning)
                    shown << *warning;
            }
        } else {
            QStringDecoder decoder("windows-1251");
            result = decoder.decode(document->xml);
        }
    }
    if (messages)
        *messages << shown;
    return result;
}
