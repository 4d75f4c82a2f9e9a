#pragma once

#include "model/IncomeCodes.h"
#include "model/SourseIncomeInfo.h"

// A source of dividends; TotalIncome is the amount of dividends and is stored.
class mTThirtyPercent : public mTSourseIncomeInfo
{
public:
    static constexpr qint32 kDividendsCode = IncomeCodes::Dividends;

    qint32 IncomeCode30 = 0;
    Money TaxComputed30;
    Money TaxableDividends;

    void Transfer(RecordIO& io, int position, bool nonResident = false) override;
    qint64 Size(int position) const;

    bool operator==(const mTThirtyPercent&) const = default;
};
