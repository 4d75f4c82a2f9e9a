#pragma once

#include "model/SourseIncomeInfo.h"

// A source of income taxed at 35 %: one income code and amount (TotalIncome, stored) with one
// deduction.
class mTThirtyFivePercent : public mTSourseIncomeInfo
{
public:
    qint32 IncomeCode35 = 0;
    qint32 DeductCode35 = 0;
    Money DeductSum35;

    void Transfer(RecordIO& io, int position, bool nonResident = false) override;
    qint64 Size(int position) const;

    bool operator==(const mTThirtyFivePercent&) const = default;
};
