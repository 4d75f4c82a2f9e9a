#include "cli/ConvertCommand.h"

#include "model/Declaration.h"
#include "storage/StorageErrors.h"

int ConvertCommand::execute(const QStringList& args, const CliStreams& io) const
{
    if (args.size() != 2)
        return usageError(io);
    mTDeclaration declaration;
    if (!load(args[0], declaration, io))
        return CliExit::FileError;
    try {
        // The new file is in place even when the system could not confirm it: a warning only.
        if (const std::optional<QString> warning = declaration.SaveToFile(args[1]))
            io.error(*warning);
    } catch (const mEPrivBase& error) {
        io.error(error.message());
        return CliExit::FileError;
    }
    return CliExit::Ok;
}
