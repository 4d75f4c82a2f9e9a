#include "cli/NextYearCommand.h"

#include "calc/NextYear.h"
#include "storage/StorageErrors.h"

#include <QFileInfo>

int NextYearCommand::execute(const QStringList& args, const CliStreams& io) const
{
    if (args.size() != 2)
        return usageError(io);
    mTDeclaration current;
    if (!load(args[0], current, io))
        return CliExit::FileError;
    const QFileInfo out(args[1]);
    if (out.exists() && out.canonicalFilePath() == QFileInfo(args[0]).canonicalFilePath()) {
        io.error(QStringLiteral("Декларация за следующий год записывается в другой файл: в «%1» "
                                "остаётся декларация этого года")
                     .arg(args[1]));
        return CliExit::Usage;
    }
    const NextYearDeclaration next = MakeNextYearDeclaration(current);
    if (!next.declaration) {
        io.error(next.refusal);
        return CliExit::Finding;
    }
    try {
        next.declaration->SaveToFile(args[1]);
    } catch (const mEPrivBase& error) {
        io.error(error.message());
        return CliExit::FileError;
    }
    return CliExit::Ok;
}
