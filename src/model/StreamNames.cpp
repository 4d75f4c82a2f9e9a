#include "StreamNames.h"

#include <array>
#include <cstdio>

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

QString numbered(const char* base, int position)
{
    char name[64];
    const int length = std::snprintf(name, sizeof name, "%s%.3d", base, position);
    return QString::fromLatin1(name, length);
}

QString numbered(const char* base, int position, int line)
{
    char name[64];
    const int length = std::snprintf(name, sizeof name, "%s%.3d%.3d", base, position, line);
    return QString::fromLatin1(name, length);
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
