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

std::optional<QString> CheckCommand::finding(const mTDeclaration& declaration)
{
    FixAnswerer answerer;
    const CheckOutcome outcome = CheckDeclaration(declaration, answerer);
    if (outcome.passed())
        return std::nullopt;
    return QStringLiteral("%1 %2 %3: %4")
        .arg(outcome.group)
        .arg(outcome.field)
        .arg(answerer.title, answerer.message);
}

int CheckCommand::execute(const QStringList& args, const CliStreams& io) const
{
    if (args.size() != 1)
        return usageError(io);
    mTDeclaration declaration;
    if (!load(args[0], declaration, io))
        return CliExit::FileError;
    if (const auto line = finding(declaration)) {
        io.print(*line);
        return CliExit::Finding;
    }
    io.print(QStringLiteral("OK"));
    return CliExit::Ok;
}
