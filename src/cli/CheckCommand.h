#pragma once

#include "cli/CliCommand.h"

// check FILE: the whole-declaration check without questions. The first finding is taken as if
// "Исправить" was chosen and printed as "GROUP CODE TITLE: MESSAGE"; a declaration that passes
// prints "OK".
class CheckCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("check"); }
    QString arguments() const override { return QStringLiteral("FILE"); }
    int execute(const QStringList& args, const CliStreams& io) const override;
};
