#pragma once

#include "ui/widgets/DocumentNumberField.h"

// Which shape the series and number of each kind of identity document takes.
namespace SeriesMask {

// The shape for a document kind when a stored document is shown, and when the user picks a kind;
// a kind without its own shape keeps the current one.
TEditType KindAtBuilding(int docKind, TEditType current);
TEditType KindAtPicking(int docKind, TEditType current);

} // namespace SeriesMask
