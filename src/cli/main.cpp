#include "cli/CommandLine.h"
#include "directories/ProgramFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <memory>
#ifdef TARVIKA_CLI_PRINT
#include "cli/PrintCommand.h"
#endif

int main(int argc, char* argv[])
{
#ifdef TARVIKA_CLI_PRINT
    const auto app = PrintCommand::application(argc, argv);
#else
    const auto app = std::make_unique<QCoreApplication>(argc, argv);
#endif
    ProgramFolders::nameApplication();
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return 3;
    return CommandLine::run(QCoreApplication::arguments().mid(1), out, err);
}
