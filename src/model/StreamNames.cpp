#include "model/StreamNames.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

namespace StreamNames {

namespace {

constexpr std::array<const char*, 31> kBases = {
    "@DeclInfo",
    "@PersonName",
    "@PersonDocument",
    "@Foreigner",
    "@PhoneForeignerHome",
    "@PhoneForeignerWork",
    "@PersonAddress",
    "@HomePhone",
    "@WorkPhone",
    "@DeclInquiry",
    "@ThirteenPercent",
    "@SourseIncome",
    "@ThirteenPerceNR",
    "@SourseIncoNR",
    "@ThirtyFivePercent",
    "@ThirtyPercent",
    "@DeclForeign",
    "@CurrencyIncome",
    "@DeclBusiness",
    "@BusinessIncome",
    "@BusinessExpense",
    "@DeclRepetit",
    "@RepetitIncome",
    "@StandartDeduct",
    "@SocialDeduct",
    "@Pens",
    "@PensSub",
    "@ConstructionDeduct",
    "@CBDeduct",
    "@Nalog",
    "@NalogSub",
};

} // namespace

// The base followed by each number written with at least three digits ("@SourseIncome001002").
// Bases are short and numbers below a billion, so the name always fits.
Numbered::Numbered(const char* base, std::initializer_list<int> numbers)
{
    constexpr qsizetype kMaxBase = 32;
    m_size = std::min(qsizetype(std::strlen(base)), kMaxBase);
    std::memcpy(m_text, base, size_t(m_size));
    for (const int number : numbers) {
        char digits[12];
        char* at = std::end(digits);
        unsigned value = number < 0 ? 0U : unsigned(number);
        do {
            *--at = char('0' + value % 10);
            value /= 10;
        } while (value != 0 || std::end(digits) - at < 3);
        const qsizetype count = std::end(digits) - at;
        if (m_size + count > qsizetype(sizeof m_text))
            break;
        std::memcpy(m_text + m_size, at, size_t(count));
        m_size += count;
    }
}

Numbered numbered(const char* base, int position)
{
    return Numbered(base, {position});
}

Numbered numbered(const char* base, int position, int line)
{
    return Numbered(base, {position, line});
}

bool isStreamName(const QString& text)
{
    if (!text.startsWith(QLatin1Char('@')))
        return false;
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isDigit() && text.at(end - 1).unicode() < 0x80)
        --end;
    const QStringView stem = QStringView(text).first(end);
    for (const char* base : kBases) {
        if (stem == QLatin1String(base))
            return true;
    }
    return false;
}

} // namespace StreamNames
