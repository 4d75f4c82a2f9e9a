#include "check/AmountSum.h"

#include <limits>

QString AmountSum::toText(QChar separator) const
{
    if (m_units >= std::numeric_limits<qint64>::min() &&
        m_units <= std::numeric_limits<qint64>::max())
        return Money::fromUnits(qint64(m_units)).toText(separator);
    // The whole roubles digit by digit; the fraction as Money writes it, without its leading 0.
    using Magnitude = unsigned __int128;
    const Magnitude magnitude =
        m_units < 0 ? Magnitude(0) - Magnitude(m_units) : Magnitude(m_units);
    Magnitude whole = magnitude / Money::kUnitsPerRouble;
    QString digits;
    do {
        digits.prepend(QLatin1Char(char('0' + int(whole % 10))));
        whole /= 10;
    } while (whole != 0);
    const qint64 fraction = qint64(magnitude % Money::kUnitsPerRouble);
    const QString fractionText = Money::fromUnits(fraction).toText(separator).mid(1);
    return (m_units < 0 ? QStringLiteral("-") : QString()) + digits + fractionText;
}
