#pragma once

#include "model/Declaration.h"

// Walks every entry of the 13 % list (for a non-resident, the income at 30 %), then every foreign
// income record when there is foreign income. apply(incomeCode, deductCode, amount, deduction,
// foreign) is called once an entry.
template <class Apply> void forEachIncomeEntry(const mTDeclaration& declaration, Apply apply)
{
    for (const mTThirteenPercent& source : declaration.Income13) {
        for (const mTSourseIncome& line : source.Incomes())
            apply(line.IncomeCode, line.DeductCode, line.IncomeSum, line.DeductSum, false);
    }
    if (declaration.HasIncomeKind(IncomeKind::Abroad)) {
        for (const mTCurrencyIncome& record : declaration.CurrencyIncomes)
            apply(record.CurIncomeCode, record.CurDeductCode, record.IncomeInRoubles,
                  record.CurDeductSum, true);
    }
}
