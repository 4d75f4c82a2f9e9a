#pragma once

#include "cli/CliCommand.h"

// convert IN OUT: opens a declaration of any supported year and saves it as a current one.
class ConvertCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("convert"); }
    QString arguments() const override { return QStringLiteral("IN OUT"); }
    int execute(const QStringList& args, const CliStreams& io) const override;
};
