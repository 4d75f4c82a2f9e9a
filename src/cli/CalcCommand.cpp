#include "cli/CalcCommand.h"

#include "calc/CalcError.h"
#include "calc/SheetPrinter.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"
#include "summary/SummaryText.h"
#include "summary/TaxSummary.h"

namespace {

enum class Output
{
    Summary,
    Sheets,
    Json,
};

void reportFault(const QString& detail, const CliStreams& io)
{
    io.error(kECalcFault::userMessage() + QStringLiteral(" (") + detail + QLatin1Char(')'));
}

// Every computed sheet field by field; after a fault the sheets as they stand.
int printSheets(mTDeclaration& declaration, bool json, const CliStreams& io)
{
    kTSvodSum sum;
    int exitCode = CliExit::Ok;
    try {
        sum.Calculate(declaration);
    } catch (const kECalcFault& fault) {
        reportFault(fault.detail(), io);
        exitCode = CliExit::Finding;
    }
    io.out.write(json ? SheetPrinter::toJson(sum) : SheetPrinter::toLines(sum));
    return exitCode;
}

} // namespace

int CalcCommand::execute(const QStringList& args, const CliStreams& io) const
{
    QString fileName;
    std::optional<Output> output;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--json") && !output)
            output = Output::Json;
        else if (arg == QLatin1String("--sheets") && !output)
            output = Output::Sheets;
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
    if (output)
        return printSheets(declaration, *output == Output::Json, io);

    const TaxSummary summary = SummarizeDeclaration(std::move(declaration));
    if (summary.outcome == TaxSummary::Fault)
        reportFault(summary.faultDetail, io);
    io.out.write(SummaryText::report(summary).toUtf8());
    return summary.outcome == TaxSummary::Fault ? CliExit::Finding : CliExit::Ok;
}
