#pragma once

#include "cli/CommandLine.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of the command-line tool, in-process, with its standard output and error captured.
struct CliRun
{
    int code;
    QByteArray out;
    QString err;
};

inline CliRun runCli(const QStringList& args)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int code = CommandLine::run(args, out, err);
    return {code, out.data(), QString::fromUtf8(err.data())};
}
