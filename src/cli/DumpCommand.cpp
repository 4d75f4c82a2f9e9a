#include "cli/DumpCommand.h"

#include "model/Declaration.h"
#include "model/file/DocumentDump.h"

int DumpCommand::execute(const QStringList& args, const CliStreams& io) const
{
    if (args.size() != 1)
        return usageError(io);
    mTDeclaration declaration;
    if (!load(args[0], declaration, io))
        return CliExit::FileError;
    io.out.write(DocumentDump::toJson(declaration));
    return CliExit::Ok;
}
