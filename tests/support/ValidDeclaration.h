#pragma once

#include "model/Declaration.h"

// A resident's declaration that passes the whole check: the tax office, the taxpayer with a valid
// INN, a passport and an address, and income in the country without any source yet.
mTDeclaration ValidDeclaration();
