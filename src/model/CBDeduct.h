#pragma once

#include "model/Money.h"
#include "model/RecordIO.h"

// Losses of earlier tax periods on securities and derivatives.
class mTCBDeduct
{
public:
    Money SecuritiesLoss;
    Money DerivativesLoss;

    void Transfer(RecordIO& io);
    qint64 Size() const;

    bool operator==(const mTCBDeduct&) const = default;
};
