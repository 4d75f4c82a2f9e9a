#pragma once

#include "ValidDeclaration.h"
#include "storage/DayCount.h"

// A 13 % source with one income line.
inline mTThirteenPercent SourceWithIncome(Money income, Money withheld)
{
    mTThirteenPercent source;
    source.SourceName = QStringLiteral("ООО Ромашка");
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeSum = income;
    source.AddIncome(line);
    source.TaxWithheld = withheld;
    return source;
}
