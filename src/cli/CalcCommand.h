#pragma once

#include "cli/CliCommand.h"

// calc FILE [--sheets | --json]: what the declaration comes to, in Russian: the amounts to pay and
// to refund, Section 1 and the per-rate sections with the lines that make them up. --sheets prints
// every field of every computed sheet, one a line; --json the same as one JSON object.
class CalcCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("calc"); }
    QString arguments() const override { return QStringLiteral("FILE [--sheets | --json]"); }
    int execute(const QStringList& args, const CliStreams& io) const override;
};
