#pragma once

#include "cli/CliCommand.h"

// import-soun SOUN1.DBF [OUT.xml]: rebuilds the tax-office directory from the tax authority's
// dBase file, dated today, version "00". Without OUT.xml the directory goes to the user's data
// folder, where the program looks before its shipped copy, and the line after the message names
// the file.
class ImportSounCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("import-soun"); }
    QString arguments() const override { return QStringLiteral("SOUN1.DBF [OUT.xml]"); }
    int execute(const QStringList& args, const CliStreams& io) const override;
};
