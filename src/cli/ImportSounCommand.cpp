#include "cli/ImportSounCommand.h"

#include "directories/DirectoryFiles.h"
#include "directories/ProgramFolders.h"
#include "directories/SounImport.h"

#include <QDate>

int ImportSounCommand::execute(const QStringList& args, const CliStreams& io) const
{
    if (args.size() != 1 && args.size() != 2)
        return usageError(io);
    const bool intoUserFolder = args.size() == 1;
    const QString output =
        intoUserFolder ? ProgramFolders::ofThisProgram().userFile(DirectoryFiles::TaxOffices())
                       : args[1];
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    if (output.isEmpty()) {
        io.error(QStringLiteral("Импортировать данные не удалось"));
        return CliExit::FileError;
    }
    const SounImportResult result =
        ImportSoun(args[0].trimmed(), output, today, QStringLiteral("00"));
    if (!result.imported) {
        io.error(result.message());
        return CliExit::FileError;
    }
    if (!result.reason.isEmpty())
        io.error(result.reason);
    io.print(SounImportResult{true, QString()}.message());
    if (intoUserFolder)
        io.print(output);
    return CliExit::Ok;
}
