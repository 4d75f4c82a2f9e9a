#include "model/ThirtyPercent.h"

#include "model/StreamNames.h"
#include "model/file/Measure.h"

void mTThirtyPercent::Transfer(RecordIO& io, int position, bool)
{
    io.stream(StreamNames::numbered("@ThirtyPercent", position));
    io.integer({"IncomeCode30"}, IncomeCode30);
    TransferSource(io);
    io.money({"TotalIncome"}, TotalIncome);
    io.money({"TaxComputed30"}, TaxComputed30);
    io.money({"TaxableDividends"}, TaxableDividends);
    io.money({"TaxWithheld"}, TaxWithheld);
}

qint64 mTThirtyPercent::Size(int position) const
{
    return Measure::size(*this, position, false);
}
