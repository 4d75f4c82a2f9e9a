#pragma once

#include "model/SourseIncomeInfo.h"

// A source of dividends; TotalIncome is the amount of dividends and is stored.
class mTThirtyPercent : public mTSourseIncomeInfo
{
public:
    static constexpr qint32 kDividendsCode = 1010;

    qint32 IncomeCode30 = 0;
    Money TaxComputed30;
    Money TaxableDividends;

    void Transfer(RecordIO& io, int position, bool nonResident = false) override;
    qint64 Size(int position) const;

    bool operator==(const mTThirtyPercent&) const = default;
};
