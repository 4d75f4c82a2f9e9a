#include "cli/CliCommand.h"

#include "model/file/DeclarationFile.h"

namespace {

void writeLine(QIODevice& device, QString line)
{
    // Messages of the declaration file break lines with a carriage return.
    line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    device.write(line.toUtf8() + '\n');
}

} // namespace

void CliStreams::print(const QString& line) const
{
    writeLine(out, line);
}

void CliStreams::error(const QString& line) const
{
    writeLine(err, line);
}

QString CliCommand::usage() const
{
    return QStringLiteral("Использование: tarvika-cli ") + name() + QLatin1Char(' ') + arguments();
}

int CliCommand::usageError(const CliStreams& io) const
{
    io.error(usage());
    return CliExit::Usage;
}

bool CliCommand::load(const QString& fileName, mTDeclaration& declaration, const CliStreams& io)
{
    const std::optional<QString> failure = LoadDeclarationFile(declaration, fileName);
    if (failure)
        io.error(*failure);
    return !failure;
}
