#pragma once

#include "model/Money.h"

#include <QtGlobal>

// Exact arithmetic of the computation. Sums and differences are checked: an amount beyond the
// range of Money raises kECalcFault instead of wrapping. Products and quotients are formed as exact
// rationals in 128-bit integers and rounded once, by the named rounding, so no binary fraction
// ever moves a result.
namespace Exact {

enum class Rounding
{
    RoubleHalfUp,     // RoundRub: whole roubles, half up; a negative value toward zero
    KopeckHalfUp,     // RoundKop: kopecks, half up; a negative value toward zero
    KopeckTowardZero, // kopecks, the rest cut off
    UnitNearest,      // the nearest 1/10000, a half away from zero
};

Money Plus(Money a, Money b);
Money Minus(Money a, Money b);

// a + b + c ...
template <class... Rest> Money Sum(Money first, Rest... rest)
{
    Money total = first;
    ((total = Plus(total, rest)), ...);
    return total;
}

// a - b - c ...
template <class... Rest> Money Diff(Money first, Rest... rest)
{
    Money total = first;
    ((total = Minus(total, rest)), ...);
    return total;
}

inline void Add(Money& total, Money value)
{
    total = Plus(total, value);
}

inline Money NotBelowZero(Money value)
{
    return value < Money() ? Money() : value;
}

inline Money CapAt(Money value, Money limit)
{
    return value > limit ? limit : value;
}

inline Money Smaller(Money a, Money b)
{
    return b < a ? b : a;
}

// amount × count, checked.
Money Times(Money amount, qint64 count);

// amount × numerator / denominator, exact, then rounded; a zero denominator is a fault.
Money MulDiv(Money amount, qint64 numerator, qint64 denominator, Rounding rounding);

// The amount rounded by the named rounding, checked (RoundRub and RoundKop of Money itself
// would wrap at the very end of the range).
inline Money Round(Money amount, Rounding rounding)
{
    return MulDiv(amount, 1, 1, rounding);
}

// The tax at a rate in per cent: RoundRub(base × percent / 100), whole roubles.
inline Money TaxAt(Money base, qint64 percent)
{
    return MulDiv(base, percent, 100, Rounding::RoubleHalfUp);
}

// The sign of a − b × numerator / denominator (−1, 0, 1), exact; a zero denominator is a fault.
int CompareScaled(Money a, Money b, qint64 numerator, qint64 denominator);

} // namespace Exact
