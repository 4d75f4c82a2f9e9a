#pragma once

#include "export/ExportIdentifier.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class mTDeclaration;

// What the export does with the document it builds.
namespace ExportMode {
// Write the file into a folder and return its name.
inline constexpr int File = 1;
// Return the document's XML text.
inline constexpr int Text = 2;
} // namespace ExportMode

// The texts the export and its callers show.
namespace ExportMessage {
QString calculationFailed();
QString exportFailed();
// What the caller reports when the export returned ExportFailedResult().
QString writeFailed();
// Followed by the file name on success.
QString fileCreated();
} // namespace ExportMessage

// The result of ExportDeclaration when building or writing failed: "ERROR".
QString ExportFailedResult();

// One export document: the file identifier (the file name without ".xml") and the bytes of the
// file, Windows-1251 with its XML declaration.
struct ExportedDocument
{
    QString identifier;
    QByteArray xml;

    QString fileName() const { return identifier + QStringLiteral(".xml"); }
};

// Runs the tax computation and builds the 3-NDFL or 4-NDFL document of the declaration, which is
// left unchanged. A failed computation adds ExportMessage::calculationFailed() to messages and
// the document is built from what was computed. When building fails there is no document and
// messages end with ExportMessage::exportFailed() followed by the reason.
std::optional<ExportedDocument> BuildExportDocument(const mTDeclaration& declaration,
                                                    const ExportStamp& stamp,
                                                    QStringList& messages);

// The export of the declaration. In ExportMode::File the document is written into folder (with
// or without a trailing separator) under its identifier + ".xml" and the bare file name is
// returned; the file appears whole or not at all, and identifier values that would lead out of
// the folder write nothing. In ExportMode::Text the document's XML text is returned. On any
// failure the result is ExportFailedResult() and messages end with ExportMessage::exportFailed()
// followed by the reason. A file in place whose write the system did not confirm is written: its
// name is returned and the warning added to messages. The program's number formatting is never
// touched: every number is written with ".".
QString ExportDeclaration(const QString& folder, const mTDeclaration& declaration, int mode,
                          const ExportStamp& stamp = ExportStamp::now(),
                          QStringList* messages = nullptr);
