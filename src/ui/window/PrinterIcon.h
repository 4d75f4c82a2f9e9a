#pragma once

#include <QIcon>

// The picture of the "Печать" command: the desktop theme's printer, or a printer drawn here where
// the theme has none.
QIcon PrinterIcon();
