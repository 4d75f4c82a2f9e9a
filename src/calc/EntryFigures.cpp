#include "calc/EntryFigures.h"

#include "calc/Exact.h"

namespace EntryFigures {

Money FlatRateExpenses(Money income)
{
    return Exact::MulDiv(income, 20, 100, Exact::Rounding::KopeckHalfUp);
}

Money DividendTax(Money taxable)
{
    return Exact::TaxAt(taxable, 9);
}

} // namespace EntryFigures
