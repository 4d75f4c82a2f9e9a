#include "export/ExportFormat.h"

#include "storage/DayCount.h"

namespace ExportFormat {

namespace {

constexpr int kMaxLength = 15;

} // namespace

QString amountK(Money value)
{
    const qint64 units = value.units() < 0 ? 0 : value.units();
    const qint64 kopecks = units % Money::kUnitsPerRouble / 100;
    QString text =
        QString::number(units / Money::kUnitsPerRouble) + QLatin1Char('.') + zeroPadded(kopecks, 2);
    if (text.size() > kMaxLength)
        return QStringLiteral("999999999999.99");
    return text;
}

QString amountG(Money value)
{
    QString text = value.toText(QLatin1Char('.'));
    if (text.size() > kMaxLength)
        return QStringLiteral("999999999999999");
    return text;
}

QString date(const QDate& day)
{
    if (!day.isValid())
        return {};
    return zeroPadded(day.day(), 2) + QLatin1Char('.') + zeroPadded(day.month(), 2) +
           QLatin1Char('.') + zeroPadded(day.year(), 4);
}

QString date(double dayCount)
{
    return date(DayCount::toDate(dayCount));
}

QString year(double dayCount)
{
    const QDate day = DayCount::toDate(dayCount);
    return day.isValid() ? zeroPadded(day.year(), 4) : QString();
}

QString zeroPadded(qint64 value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

QString zeroPadded(const QString& code, int width)
{
    return code.trimmed().rightJustified(width, QLatin1Char('0'));
}

QString decimalText(QString text)
{
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

} // namespace ExportFormat
