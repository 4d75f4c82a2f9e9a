#pragma once

#include <QString>

// The name of a month as the screens show it (0 January to 11 December).
QString MonthName(int index);
