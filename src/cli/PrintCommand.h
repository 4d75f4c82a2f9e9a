#pragma once

#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <memory>

// print FILE --pdf OUT.pdf [--force]: the printed form of a declaration, laid out by the print
// module, as a PDF file. A declaration that fails the whole check is not printed (exit 1 with the
// check's line) unless --force is given; then the line is a warning. Painting needs the GUI
// application; application() makes one for this verb only, on
// the offscreen platform unless another is asked for, so no verb ever needs a display.
class PrintCommand : public CliCommand
{
public:
    // moduleFolders: where the print module is looked for (empty: the default folders).
    explicit PrintCommand(QStringList moduleFolders = {});

    QString name() const override { return QStringLiteral("print"); }
    QString arguments() const override { return QStringLiteral("FILE --pdf OUT.pdf [--force]"); }
    int execute(const QStringList& args, const CliStreams& io) const override;

    // The application object of the command-line tool: the GUI application for this verb,
    // the core application for every other.
    static std::unique_ptr<QCoreApplication> application(int& argc, char** argv);

private:
    QStringList m_moduleFolders;
};
