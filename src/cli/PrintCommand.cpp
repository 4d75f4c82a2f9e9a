#include "cli/PrintCommand.h"

#include "cli/CheckCommand.h"
#include "directories/ProgramFolders.h"
#include "model/Declaration.h"
#include "print/DeclarationPrinting.h"

#include <QGuiApplication>

PrintCommand::PrintCommand(QStringList moduleFolders) : m_moduleFolders(std::move(moduleFolders)) {}

std::unique_ptr<QCoreApplication> PrintCommand::application(int& argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int PrintCommand::execute(const QStringList& arguments, const CliStreams& io) const
{
    QStringList args = arguments;
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    if (args.size() != 3 || args[1] != QLatin1String("--pdf") || args[0].startsWith(u'-'))
        return usageError(io);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        io.error(QStringLiteral("Для печати нужно графическое приложение"));
        return CliExit::FileError;
    }
    mTDeclaration declaration;
    if (!load(args[0], declaration, io))
        return CliExit::FileError;
    // As in the window, a declaration that fails its check is not printed unless asked to.
    if (const auto finding = CheckCommand::finding(declaration)) {
        io.error(*finding);
        if (!force)
            return CliExit::Finding;
    }
    const DeclarationPrinting printing(ProgramFolders::ofThisProgram().shipped, m_moduleFolders);
    const PrintOutcome outcome = printing.writePdf(declaration, args[2]);
    for (const QString& message : outcome.messages)
        io.error(message);
    if (outcome.failed)
        return CliExit::FileError;
    io.print(args[2]);
    return CliExit::Ok;
}
