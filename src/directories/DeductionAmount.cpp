#include "directories/DeductionAmount.h"

namespace DeductionAmount {

Money NormShare(Money income, int normPercent)
{
    return Money::fromUnits(income.units() * normPercent / 100).roundKop();
}

std::optional<Money> Following(Money income, int normPercent, bool equivalent)
{
    if (normPercent != 0)
        return NormShare(income, normPercent);
    if (equivalent)
        return income;
    return std::nullopt;
}

Money Capped(Money amount, Money limit)
{
    return !limit.isZero() && amount > limit ? limit : amount;
}

} // namespace DeductionAmount
