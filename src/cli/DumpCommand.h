#pragma once

#include "cli/CliCommand.h"

// dump FILE: the whole document as JSON.
class DumpCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("dump"); }
    QString arguments() const override { return QStringLiteral("FILE"); }
    int execute(const QStringList& args, const CliStreams& io) const override;
};
