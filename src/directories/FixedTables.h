#pragma once

#include "directories/CodeDirectory.h"

// The two fixed directories of the program, in the order the pickers show them.
namespace FixedTables {

// The 14 kinds of identity documents, codes "03" to "91".
const QList<DirectoryEntry>& DocumentKinds();
// The 85 regions, codes "01" to "99".
const QList<DirectoryEntry>& Regions();

} // namespace FixedTables
