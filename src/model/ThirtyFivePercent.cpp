#include "model/ThirtyFivePercent.h"

#include "model/StreamNames.h"
#include "model/file/Measure.h"

void mTThirtyFivePercent::Transfer(RecordIO& io, int position, bool)
{
    io.stream(StreamNames::numbered("@ThirtyFivePercent", position));
    io.integer({"IncomeCode35"}, IncomeCode35);
    TransferSource(io);
    io.money({"TotalIncome"}, TotalIncome);
    io.integer({"DeductCode35"}, DeductCode35);
    io.money({"DeductSum35"}, DeductSum35);
    io.money({"TaxWithheld"}, TaxWithheld);
}

qint64 mTThirtyFivePercent::Size(int position) const
{
    return Measure::size(*this, position, false);
}
