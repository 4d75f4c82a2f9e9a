#include "model/CBDeduct.h"

#include "model/file/Measure.h"

void mTCBDeduct::Transfer(RecordIO& io)
{
    io.stream(QLatin1StringView("@CBDeduct"));
    io.money({"SecuritiesLoss"}, SecuritiesLoss);
    io.money({"DerivativesLoss"}, DerivativesLoss);
}

qint64 mTCBDeduct::Size() const
{
    return Measure::size(*this);
}
