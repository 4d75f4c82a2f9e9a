#pragma once

#include "cli/CliCommand.h"

#include <memory>
#include <vector>

namespace CommandLine {

// Every verb of the tool, in the order the usage text lists them.
std::vector<std::unique_ptr<CliCommand>> commands();

// Runs the verb named by the first argument; args excludes the program name.
int run(const QStringList& args, QIODevice& out, QIODevice& err);

} // namespace CommandLine
