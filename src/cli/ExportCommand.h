#pragma once

#include "cli/CliCommand.h"

// export FILE (--out DIR | --stdout) [--date DD.MM.YYYY] [--guid GUID]: the tax authority's XML
// file of a declaration, written into DIR (its name is printed) or as bytes to standard output.
// --date and --guid fix the date and identifier of the file, so the output is reproducible.
class ExportCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("export"); }
    QString arguments() const override
    {
        return QStringLiteral("FILE (--out DIR | --stdout) [--date DD.MM.YYYY] [--guid GUID]");
    }
    int execute(const QStringList& args, const CliStreams& io) const override;
};
