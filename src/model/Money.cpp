#include "model/Money.h"

#include "storage/FixedPointText.h"

QString Money::toText(QChar separator) const
{
    return QString::fromLatin1(FixedPointText::format(m_units, separator.toLatin1()));
}

QString Money::toFixed4(QChar separator) const
{
    const bool negative = m_units < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(m_units) : quint64(m_units);
    return (negative ? QStringLiteral("-") : QString()) + QString::number(magnitude / 10000) +
           separator + QString::number(magnitude % 10000).rightJustified(4, QLatin1Char('0'));
}

QString Money::toFixed2(QChar separator) const
{
    const qint64 kopecks = roundKop().m_units / 100;
    const bool negative = kopecks < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(kopecks) : quint64(kopecks);
    return (negative ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100) +
           separator + QString::number(magnitude % 100).rightJustified(2, QLatin1Char('0'));
}

std::optional<Money> Money::parse(const QString& text, QChar separator)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
    }
    const auto units = FixedPointText::parse(text.toLatin1(), separator.toLatin1());
    if (!units)
        return std::nullopt;
    return Money(*units);
}
