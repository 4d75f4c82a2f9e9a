#pragma once

#include <QDate>

// Dates are counts of days since 30 December 1899, with a fraction for the time of day.
namespace DayCount {

double fromDate(const QDate& date);
double fromDate(int year, int month, int day);
// The calendar date of a day count (the time of day is dropped); an invalid QDate when the count
// is not a finite number or lies outside the years 1 to 9999.
QDate toDate(double dayCount);
// The day count of today's date.
double today();

} // namespace DayCount
