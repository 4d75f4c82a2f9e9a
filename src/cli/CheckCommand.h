#pragma once

#include "cli/CliCommand.h"

#include <optional>

// check FILE: the whole-declaration check without questions. The first finding is taken as if
// "Исправить" was chosen and printed as "GROUP CODE TITLE: MESSAGE"; a declaration that passes
// prints "OK".
class CheckCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("check"); }
    QString arguments() const override { return QStringLiteral("FILE"); }
    int execute(const QStringList& args, const CliStreams& io) const override;

    // The first finding of the whole check as the line above, or nothing when it passes.
    static std::optional<QString> finding(const mTDeclaration& declaration);
};
