#include "calc/SheetAmounts.h"

#include "calc/SheetVisitor.h"
#include "calc/SvodSum.h"

namespace {

// Adds up every amount of one computed record.
class AmountSum : public SheetVisitor
{
public:
    Money total;

    void money(const char*, Money value) override { total += value; }
    void integer(const char*, qint64) override {}
    void text(const char*, const QString&) override {}
    void date(const char*, double) override {}
    void ratio(const char*, long double) override {}
    void beginObject(const char*) override {}
    void endObject() override {}
    void beginArray(const char*) override {}
    void endArray() override {}
};

template <class Record> bool isFilled(const Record& record)
{
    AmountSum sum;
    record.Visit(sum);
    return sum.total > Money();
}

} // namespace

std::vector<int> WrittenSections(const kTSvodSum& sum)
{
    std::vector<int> rates;
    const std::pair<int, bool> sections[] = {{13, isFilled(sum.List1)},
                                             {30, isFilled(sum.List2)},
                                             {35, isFilled(sum.List3)},
                                             {9, isFilled(sum.List4)},
                                             {15, isFilled(sum.List5)}};
    for (const auto& [rate, filled] : sections) {
        if (filled)
            rates.push_back(rate);
    }
    if (rates.empty())
        rates.push_back(13);
    return rates;
}
