#pragma once

#include "print/PrintModule.h"

#include <QStringList>

// Finds and loads the print module's plug-in library.
namespace PrintModuleLoader {

// What the user sees when the module cannot be loaded.
QString missingMessage();
// The folders searched by default: where the running program's module lies (ProgramFolders).
QStringList defaultFolders();
// A new print module from the first folder that holds the plug-in library, or nullptr.
std::unique_ptr<PrintModule> create(const QStringList& folders = defaultFolders());

} // namespace PrintModuleLoader
