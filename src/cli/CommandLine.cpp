#include "cli/CommandLine.h"

#include "cli/CalcCommand.h"
#include "cli/CheckCommand.h"
#include "cli/ConvertCommand.h"
#include "cli/DumpCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportSounCommand.h"
#include "cli/NextYearCommand.h"
#ifdef TARVIKA_CLI_PRINT
#include "cli/PrintCommand.h"
#endif

namespace CommandLine {

std::vector<std::unique_ptr<CliCommand>> commands()
{
    std::vector<std::unique_ptr<CliCommand>> list;
    list.push_back(std::make_unique<DumpCommand>());
    list.push_back(std::make_unique<ConvertCommand>());
    list.push_back(std::make_unique<NextYearCommand>());
    list.push_back(std::make_unique<ExportCommand>());
    list.push_back(std::make_unique<CalcCommand>());
    list.push_back(std::make_unique<CheckCommand>());
    list.push_back(std::make_unique<ImportSounCommand>());
#ifdef TARVIKA_CLI_PRINT
    list.push_back(std::make_unique<PrintCommand>());
#endif
    return list;
}

int run(const QStringList& args, QIODevice& out, QIODevice& err)
{
    const CliStreams io{out, err};
    const auto all = commands();
    if (!args.isEmpty()) {
        for (const auto& command : all) {
            if (command->name() == args.first())
                return command->execute(args.mid(1), io);
        }
    }
    QStringList verbs;
    for (const auto& command : all)
        verbs << command->name() + QLatin1Char(' ') + command->arguments();
    io.error(QStringLiteral("Использование: tarvika-cli ") + verbs.join(QStringLiteral(" | ")));
    return CliExit::Usage;
}

} // namespace CommandLine
