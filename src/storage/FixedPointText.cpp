#include "storage/FixedPointText.h"

#include <limits>

namespace FixedPointText {

namespace {

constexpr qint64 kScale = 10000;

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

QByteArrayView formatInto(qint64 units, char separator, char* buffer)
{
    const bool negative = units < 0;
    // Work on the unsigned magnitude so that the smallest 64-bit value formats too.
    const quint64 magnitude = negative ? quint64(0) - quint64(units) : quint64(units);
    // Digits are laid down from the end of the buffer towards its start.
    char* const end = buffer + kMaxLength;
    char* at = end;
    quint64 fraction = magnitude % kScale;
    if (fraction != 0) {
        int places = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --places;
        }
        for (; places > 0; --places, fraction /= 10)
            *--at = char('0' + fraction % 10);
        *--at = separator;
    }
    quint64 whole = magnitude / kScale;
    do {
        *--at = char('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative)
        *--at = '-';
    return QByteArrayView(at, end - at);
}

QByteArray format(qint64 units, char separator)
{
    char buffer[kMaxLength];
    return formatInto(units, separator, buffer).toByteArray();
}

std::optional<qint64> parse(QByteArrayView text, char separator)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.isEmpty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text = text.sliced(1);
    }
    const qsizetype point = text.indexOf(separator);
    const QByteArrayView whole = point < 0 ? text : text.first(point);
    const QByteArrayView fraction = point < 0 ? QByteArrayView() : text.sliced(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    constexpr quint64 limit = quint64(std::numeric_limits<qint64>::max()) + 1;
    quint64 magnitude = 0;
    for (char c : whole) {
        if (!isDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + quint64(c - '0');
        if (magnitude > limit / kScale)
            return std::nullopt;
    }
    magnitude *= kScale;
    quint64 scale = kScale;
    bool roundUp = false;
    for (qsizetype i = 0; i < fraction.size(); ++i) {
        const char c = fraction[i];
        if (!isDigit(c))
            return std::nullopt;
        if (scale > 1) {
            scale /= 10;
            magnitude += quint64(c - '0') * scale;
        } else if (i == 4) {
            roundUp = c >= '5';
        }
    }
    if (roundUp)
        ++magnitude;
    if (magnitude > limit || (!negative && magnitude == limit))
        return std::nullopt;
    return negative ? qint64(quint64(0) - magnitude) : qint64(magnitude);
}

} // namespace FixedPointText
