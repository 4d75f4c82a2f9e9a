#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// Text form of a fixed-point number with four decimal places held as a count of 1/10000:
// the shortest decimal form, at most four fractional digits, no trailing zeros, no thousands
// separator. The separator is always passed in; nothing depends on regional settings.
namespace FixedPointText {

QByteArray format(qint64 units, char separator);

// The longest text format() gives: a sign, twenty digits and the separator.
inline constexpr qsizetype kMaxLength = 26;
// The same text laid down in buffer, which holds kMaxLength characters; the view points into it.
QByteArrayView formatInto(qint64 units, char separator, char* buffer);

// Accepts optional blanks around the number, an optional sign, digits, and an optional
// separator followed by digits. Digits past the fourth decimal are rounded half away from
// zero. Returns nothing for anything else or for a value outside the 64-bit range.
std::optional<qint64> parse(QByteArrayView text, char separator);

} // namespace FixedPointText
