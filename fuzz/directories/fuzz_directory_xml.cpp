// Every directory reader over arbitrary bytes: no crash, no hang, no unbounded allocation, and a
// rate look-up on whatever was read.

#include "directories/ActivityDirectory.h"
#include "directories/CodeDirectory.h"
#include "directories/CurrencyDirectory.h"
#include "directories/IncomeCodeDirectory.h"

#include <QDate>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    if (const auto codes = CodeDirectory::fromXml(bytes, &error); codes && !codes->isEmpty())
        codes->find(codes->entries().last().code);
    if (const auto activities = ActivityDirectory::fromXml(bytes, &error); activities)
        activities->entriesOfLevel(2, activities->count() ? activities->entries().first().kod
                                                          : QString());
    if (const auto currencies = CurrencyDirectory::fromXml(bytes, &error)) {
        for (const Currency& currency : currencies->currencies()) {
            currencies->rateFor(currency.code, QDate(2013, 12, 31));
            if (!currency.rates.isEmpty())
                currencies->rateFor(currency.code, QDate::fromString(currency.rates.first().date,
                                                                     QStringLiteral("dd.MM.yyyy")));
        }
    }
    if (const auto incomes = IncomeCodeDirectory::fromXml(bytes, &error);
        incomes && incomes->count())
        incomes->at(0).findDeduction(QStringLiteral("0"));
    return 0;
}
