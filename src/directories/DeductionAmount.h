#pragma once

#include "model/Money.h"

#include <optional>

// How the amount of a deduction follows the income it belongs to, as its income-code directory
// entry says: a norm in percent of the income, or the whole income (an equivalent deduction), in
// either case up to a limit.
namespace DeductionAmount {

// The share of an income for a norm in percent, rounded to kopecks half up.
Money NormShare(Money income, int normPercent);
// The deduction that follows an income: the norm's share when there is a norm, else the whole
// income for an equivalent deduction; nothing when the deduction does not follow its income.
std::optional<Money> Following(Money income, int normPercent, bool equivalent);
// An amount capped by a limit; a zero limit caps nothing.
Money Capped(Money amount, Money limit);

} // namespace DeductionAmount
