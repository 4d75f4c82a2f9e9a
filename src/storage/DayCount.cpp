#include "storage/DayCount.h"

#include <cmath>

namespace DayCount {

namespace {

const QDate& epoch()
{
    static const QDate date(1899, 12, 30);
    return date;
}

} // namespace

double fromDate(const QDate& date)
{
    return double(epoch().daysTo(date));
}

double fromDate(int year, int month, int day)
{
    return fromDate(QDate(year, month, day));
}

QDate toDate(double dayCount)
{
    // Days of the years 1 and 9999 relative to the epoch.
    constexpr double first = -693593.0;
    constexpr double last = 2958465.0;
    if (!std::isfinite(dayCount) || dayCount < first || dayCount >= last + 1)
        return {};
    return epoch().addDays(qint64(std::floor(dayCount)));
}

double today()
{
    return fromDate(QDate::currentDate());
}

} // namespace DayCount
