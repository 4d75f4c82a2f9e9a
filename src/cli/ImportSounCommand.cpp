#include "cli/ImportSounCommand.h"

#include "directories/SounImport.h"

#include <QDate>

int ImportSounCommand::execute(const QStringList& args, const CliStreams& io) const
{
    if (args.size() != 2)
        return usageError(io);
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const SounImportResult result =
        ImportSoun(args[0].trimmed(), args[1], today, QStringLiteral("00"));
    if (!result.imported) {
        io.error(result.message());
        return CliExit::FileError;
    }
    io.print(result.message());
    return CliExit::Ok;
}
