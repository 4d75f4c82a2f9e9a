#pragma once

#include "cli/CliCommand.h"

// calc FILE [--json]: runs the tax computation and prints every sheet.
class CalcCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("calc"); }
    QString arguments() const override { return QStringLiteral("FILE [--json]"); }
    int execute(const QStringList& args, const CliStreams& io) const override;
};
