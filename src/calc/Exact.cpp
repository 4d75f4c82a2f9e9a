#include "calc/Exact.h"

#include "calc/CalcError.h"

#include <limits>

namespace Exact {

namespace {

using Wide = __int128;

Money fromWide(Wide units, const char* what)
{
    if (units > std::numeric_limits<qint64>::max() || units < std::numeric_limits<qint64>::min())
        throw kECalcFault(QString::fromLatin1(what) +
                          QStringLiteral(": сумма вне допустимых границ"));
    return Money::fromUnits(qint64(units));
}

// numerator / denominator units, rounded to a multiple of step units by the rounding.
Wide roundQuotient(Wide numerator, Wide denominator, Wide step, Rounding rounding)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Wide divisor = denominator * step;
    const Wide whole = numerator / divisor; // toward zero
    const Wide rest = numerator % divisor;  // the sign of the numerator
    switch (rounding) {
    case Rounding::RoubleHalfUp:
    case Rounding::KopeckHalfUp:
        // Half up on a value not below zero; a negative value keeps its whole part.
        return (numerator >= 0 && 2 * rest >= divisor ? whole + 1 : whole) * step;
    case Rounding::KopeckTowardZero:
        return whole * step;
    case Rounding::UnitNearest:
        if (2 * (rest < 0 ? -rest : rest) >= divisor)
            return (numerator < 0 ? whole - 1 : whole + 1) * step;
        return whole * step;
    }
    return whole * step;
}

Wide stepOf(Rounding rounding)
{
    switch (rounding) {
    case Rounding::RoubleHalfUp:
        return Money::kUnitsPerRouble;
    case Rounding::KopeckHalfUp:
    case Rounding::KopeckTowardZero:
        return 100;
    case Rounding::UnitNearest:
        return 1;
    }
    return 1;
}

} // namespace

Money Plus(Money a, Money b)
{
    qint64 result = 0;
    if (__builtin_add_overflow(a.units(), b.units(), &result))
        throw kECalcFault(QStringLiteral("сложение: сумма вне допустимых границ"));
    return Money::fromUnits(result);
}

Money Minus(Money a, Money b)
{
    qint64 result = 0;
    if (__builtin_sub_overflow(a.units(), b.units(), &result))
        throw kECalcFault(QStringLiteral("вычитание: сумма вне допустимых границ"));
    return Money::fromUnits(result);
}

Money Times(Money amount, qint64 count)
{
    return fromWide(Wide(amount.units()) * count, "умножение");
}

Money MulDiv(Money amount, qint64 numerator, qint64 denominator, Rounding rounding)
{
    if (denominator == 0)
        throw kECalcFault(QStringLiteral("деление на ноль"));
    return fromWide(
        roundQuotient(Wide(amount.units()) * numerator, denominator, stepOf(rounding), rounding),
        "умножение");
}

int CompareScaled(Money a, Money b, qint64 numerator, qint64 denominator)
{
    if (denominator == 0)
        throw kECalcFault(QStringLiteral("деление на ноль"));
    Wide left = Wide(a.units()) * denominator;
    Wide right = Wide(b.units()) * numerator;
    if (denominator < 0) {
        left = -left;
        right = -right;
    }
    return left < right ? -1 : (left > right ? 1 : 0);
}

} // namespace Exact
