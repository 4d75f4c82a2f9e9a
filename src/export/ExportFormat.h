#pragma once

#include "model/Money.h"

#include <QDate>
#include <QString>

// How values are written into the tax authority's XML file. Every number uses "." as its decimal
// separator, whatever the program's locale.
namespace ExportFormat {

// An amount with kopecks: a negative amount is 0, the whole roubles, "." and the first two
// fractional digits, cut rather than rounded ("1234.50", "0.00"); longer than 15 characters
// gives "999999999999.99".
QString amountK(Money value);
// A plain amount: the shortest decimal text, sign kept ("1234", "1234.5", "-3"); longer than 15
// characters gives "999999999999999".
QString amountG(Money value);
// "DD.MM.YYYY" of a day count; empty for a day count that is no date.
QString date(double dayCount);
QString date(const QDate& date);
// "YYYY" of a day count; empty for a day count that is no date.
QString year(double dayCount);
// A decimal integer left-padded with "0" to width characters.
QString zeroPadded(qint64 value, int width);
// A code trimmed and left-padded with "0" to width characters.
QString zeroPadded(const QString& code, int width);
// A decimal number kept as text, with every "," replaced by ".".
QString decimalText(QString text);

} // namespace ExportFormat
