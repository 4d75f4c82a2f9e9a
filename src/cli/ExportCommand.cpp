#include "cli/ExportCommand.h"

#include "export/ExportDeclaration.h"
#include "model/Declaration.h"

#include <optional>

namespace {

struct ExportArguments
{
    QString file;
    QString folder;
    bool toStdout = false;
    ExportStamp stamp = ExportStamp::now();
};

std::optional<ExportArguments> parse(const QStringList& args)
{
    ExportArguments parsed;
    bool hasOut = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--stdout")) {
            parsed.toStdout = true;
        } else if (arg == QLatin1String("--out") && hasValue) {
            parsed.folder = args[++i];
            hasOut = true;
        } else if (arg == QLatin1String("--date") && hasValue) {
            parsed.stamp.date = QDate::fromString(args[++i], QStringLiteral("dd.MM.yyyy"));
            if (!parsed.stamp.date.isValid())
                return std::nullopt;
        } else if (arg == QLatin1String("--guid") && hasValue) {
            parsed.stamp.guid = QUuid::fromString(args[++i]);
            if (parsed.stamp.guid.isNull())
                return std::nullopt;
        } else if (!arg.startsWith(QLatin1String("--")) && parsed.file.isEmpty()) {
            parsed.file = arg;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.isEmpty() || hasOut == parsed.toStdout)
        return std::nullopt;
    return parsed;
}

} // namespace

int ExportCommand::execute(const QStringList& args, const CliStreams& io) const
{
    const auto parsed = parse(args);
    if (!parsed)
        return usageError(io);
    mTDeclaration declaration;
    if (!load(parsed->file, declaration, io))
        return CliExit::FileError;

    QStringList messages;
    QString fileName;
    std::optional<ExportedDocument> document;
    if (parsed->toStdout) {
        document = BuildExportDocument(declaration, parsed->stamp, messages);
    } else {
        fileName = ExportDeclaration(parsed->folder, declaration, ExportMode::File, parsed->stamp,
                                     &messages);
    }
    for (const QString& message : messages)
        io.error(message);
    if (parsed->toStdout ? !document : fileName == ExportFailedResult()) {
        io.error(ExportMessage::writeFailed());
        return CliExit::FileError;
    }
    if (document)
        io.out.write(document->xml);
    else
        io.print(fileName);
    return CliExit::Ok;
}
