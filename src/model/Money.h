#pragma once

#include <QString>
#include <compare>
#include <optional>

// An amount of money: a signed 64-bit count of 1/10000 rouble. Sums, differences and
// comparisons are exact; every rounding is named where it happens.
class Money
{
public:
    static constexpr qint64 kUnitsPerRouble = 10000;

    constexpr Money() = default;

    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    static constexpr Money fromRoubles(qint64 roubles) { return Money(roubles * kUnitsPerRouble); }
    static constexpr Money fromKopecks(qint64 kopecks) { return Money(kopecks * 100); }

    constexpr qint64 units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }

    // Whole roubles toward zero.
    constexpr qint64 wholeRoubles() const { return m_units / kUnitsPerRouble; }

    // Half up on the whole part: the whole part, plus one when the fraction is 0.5 or more; a
    // negative amount keeps its whole part toward zero and nothing is added.
    constexpr Money roundRub() const
    {
        const qint64 whole = m_units / kUnitsPerRouble;
        const qint64 fraction = m_units % kUnitsPerRouble;
        return fromRoubles(m_units >= 0 && fraction >= kUnitsPerRouble / 2 ? whole + 1 : whole);
    }

    // The same rule applied to kopecks.
    constexpr Money roundKop() const
    {
        const qint64 whole = m_units / 100;
        const qint64 fraction = m_units % 100;
        return fromKopecks(m_units >= 0 && fraction >= 50 ? whole + 1 : whole);
    }

    constexpr Money operator+(Money other) const { return Money(m_units + other.m_units); }
    constexpr Money operator-(Money other) const { return Money(m_units - other.m_units); }
    constexpr Money operator-() const { return Money(-m_units); }
    constexpr Money& operator+=(Money other)
    {
        m_units += other.m_units;
        return *this;
    }
    constexpr Money& operator-=(Money other)
    {
        m_units -= other.m_units;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

    // The shortest decimal text with at most four fractional digits ("1250.5", "-1", "0").
    QString toText(QChar separator = QLatin1Char('.')) const;
    // Exactly four fractional digits ("1250.5000").
    QString toFixed4(QChar separator = QLatin1Char('.')) const;
    // Exactly two fractional digits after rounding half up to kopecks ("1250.50").
    QString toFixed2(QChar separator = QLatin1Char('.')) const;
    static std::optional<Money> parse(const QString& text, QChar separator = QLatin1Char('.'));

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}

    qint64 m_units = 0;
};

// The marker of a missing amount: minus one rouble.
inline constexpr Money AbsentAmount = Money::fromRoubles(-1);

inline constexpr Money RoundRub(Money value)
{
    return value.roundRub();
}

inline constexpr Money RoundKop(Money value)
{
    return value.roundKop();
}

inline constexpr Money operator""_rub(unsigned long long roubles)
{
    return Money::fromRoubles(qint64(roubles));
}
