#pragma once

#include "model/Money.h"

#include <QString>
#include <compare>

// An exact sum of amounts for the check's rules. It never wraps, however large the amounts a file
// holds, so a sum of parts that exceeds every amount compares as greater than any total instead
// of turning negative.
class AmountSum
{
public:
    AmountSum() = default;
    AmountSum(Money amount) : m_units(amount.units()) {}
    // Exact also where kopecks × 100 leaves Money's range.
    static AmountSum ofKopecks(qint64 kopecks)
    {
        AmountSum sum;
        sum.m_units = __int128(kopecks) * (Money::kUnitsPerRouble / 100);
        return sum;
    }

    AmountSum& operator+=(Money amount)
    {
        m_units += amount.units();
        return *this;
    }
    friend AmountSum operator+(AmountSum sum, Money amount) { return sum += amount; }

    friend std::strong_ordering operator<=>(const AmountSum&, const AmountSum&) = default;
    friend bool operator==(const AmountSum&, const AmountSum&) = default;

    // The text of Money::toText, also beyond Money's range.
    QString toText(QChar separator) const;

private:
    __int128 m_units = 0;
};

// The exact sum of a range of amounts.
template <class Iterator> AmountSum SumOf(Iterator first, Iterator last)
{
    AmountSum sum;
    for (; first != last; ++first)
        sum += *first;
    return sum;
}
