#pragma once

#include "cli/CliCommand.h"

// next-year IN OUT: writes the declaration of the tax year after IN's, made from IN and its
// computation. A year this program does not fill in, or a computation fault, is reported and
// writes nothing (exit code 1); OUT may not be IN itself, which still holds this year's
// declaration (exit code 2).
class NextYearCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("next-year"); }
    QString arguments() const override { return QStringLiteral("IN OUT"); }
    int execute(const QStringList& args, const CliStreams& io) const override;
};
