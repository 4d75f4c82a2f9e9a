#include "cli/CalcCommand.h"

#include "calc/CalcError.h"
#include "calc/SheetPrinter.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"

int CalcCommand::execute(const QStringList& args, const CliStreams& io) const
{
    QString fileName;
    bool json = false;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--json") && !json)
            json = true;
        else if (!arg.startsWith(QLatin1String("--")) && fileName.isEmpty())
            fileName = arg;
        else
            return usageError(io);
    }
    if (fileName.isEmpty())
        return usageError(io);

    mTDeclaration declaration;
    if (!load(fileName, declaration, io))
        return CliExit::FileError;
    kTSvodSum sum;
    int exitCode = CliExit::Ok;
    try {
        sum.Calculate(declaration);
    } catch (const kECalcFault& fault) {
        // As the export does: the fault is reported and the sheets are shown as they stand.
        io.error(kECalcFault::userMessage() + QStringLiteral(" (") + fault.detail() +
                 QLatin1Char(')'));
        exitCode = CliExit::Finding;
    }
    io.out.write(json ? SheetPrinter::toJson(sum) : SheetPrinter::toLines(sum));
    return exitCode;
}
