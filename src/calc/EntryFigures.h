#pragma once

#include "model/Money.h"

// Figures an entry screen works out while the person types and stores with the entry, computed
// with the computation's own exact arithmetic and rounding.
namespace EntryFigures {

// The flat-rate expenses of a business without documented expenses: RoundKop(income × 20 %).
Money FlatRateExpenses(Money income);

// The tax on a resident's dividends: RoundRub(taxable dividends × 9 %).
Money DividendTax(Money taxable);

} // namespace EntryFigures
