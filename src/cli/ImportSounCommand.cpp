#include "cli/ImportSounCommand.h"

#include "directories/SounImport.h"

#include <QDate>

int ImportSounCommand::execute(const QStringList& args, const CliStreams& io) const
{
    if (args.size() != 2)
        return usageError(io);
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    if (!ImportSoun(args[0].trimmed(), args[1], today, QStringLiteral("00"))) {
        io.error(QStringLiteral("Импортировать данные не удалось"));
        return CliExit::FileError;
    }
    io.print(QStringLiteral("Данные успешно импортированы. Не забудьте перезапустить программу."));
    return CliExit::Ok;
}
