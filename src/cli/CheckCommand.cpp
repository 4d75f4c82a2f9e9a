#include "cli/CheckCommand.h"

#include "check/DeclarationCheck.h"
#include "model/Declaration.h"

namespace {

// Answers every question with "Исправить" and keeps the question.
class FixAnswerer : public CheckAnswerer
{
public:
    SectionAnswer askSection(const SectionQuestion& question) override
    {
        title = question.title;
        message = question.message;
        return SectionAnswer::Fix;
    }
    DeclarationAnswer askDeclaration(const DeclarationQuestion& question) override
    {
        title = question.title;
        message = question.message;
        return DeclarationAnswer::Fix;
    }

    QString title;
    QString message;
};

} // namespace

int CheckCommand::execute(const QStringList& args, const CliStreams& io) const
{
    if (args.size() != 1)
        return usageError(io);
    mTDeclaration declaration;
    if (!load(args[0], declaration, io))
        return CliExit::FileError;
    FixAnswerer answerer;
    const CheckOutcome outcome = CheckDeclaration(declaration, answerer);
    if (outcome.passed()) {
        io.print(QStringLiteral("OK"));
        return CliExit::Ok;
    }
    io.print(QStringLiteral("%1 %2 %3: %4")
                 .arg(outcome.group)
                 .arg(outcome.field)
                 .arg(answerer.title, answerer.message));
    return CliExit::Finding;
}
