#include "model/CurrencyIncome.h"

#include "model/StreamNames.h"
#include "model/file/Measure.h"
#include "storage/DayCount.h"

mTCurrencyIncome::mTCurrencyIncome()
    : IncomeDate(DayCount::fromDate(2013, 1, 1)), TaxPayDate(DayCount::fromDate(2013, 1, 1))
{}

Money mTCurrencyIncome::ToRoubles(Money amount, Money rate, qint32 units)
{
    if (units == 0)
        return Money();
    // amount * rate / units in 1/10000 rouble, computed exactly and rounded half up to kopecks.
    // Both amounts carry four decimals, so the product carries eight.
    const __int128 product = __int128(amount.units()) * rate.units();
    const __int128 denominator = __int128(units) * Money::kUnitsPerRouble * 100; // in kopecks
    const bool negative = (product < 0) != (denominator < 0);
    const __int128 n = product < 0 ? -product : product;
    const __int128 d = denominator < 0 ? -denominator : denominator;
    __int128 kopecks = n / d;
    // Half up; a negative result keeps its whole part toward zero and nothing is added.
    if (!negative && (n % d) * 2 >= d)
        ++kopecks;
    return Money::fromKopecks(qint64(negative ? -kopecks : kopecks));
}

void mTCurrencyIncome::SetIncomeInCurrency(Money amount)
{
    IncomeInCurrency = amount;
    IncomeInRoubles = ToRoubles(amount, IncomeExchangeRate, IncomeUnits);
}

void mTCurrencyIncome::SetTaxInCurrency(Money amount)
{
    TaxInCurrency = amount;
    TaxInRoubles = ToRoubles(amount, TaxExchangeRate, TaxUnits);
}

void mTCurrencyIncome::Transfer(RecordIO& io, int position)
{
    io.stream(StreamNames::numbered("@CurrencyIncome", position));
    io.integer({"IncomeTaxRate"}, IncomeTaxRate);
    io.integer({"CurIncomeCode"}, CurIncomeCode);
    io.text({"CurIncomeCodeName"}, CurIncomeCodeName);
    io.text({"CurSourceName"}, CurSourceName);
    io.text({"SourceCountryCode"}, SourceCountryCode);
    io.date({"IncomeDate"}, IncomeDate);
    io.date({"TaxPayDate"}, TaxPayDate);
    io.byte({"AutoExchange"}, AutoExchange);
    io.text({"CurrencyCode"}, CurrencyCode);
    io.money({"IncomeExchangeRate"}, IncomeExchangeRate);
    io.integer({"IncomeUnits"}, IncomeUnits);
    io.money({"TaxExchangeRate"}, TaxExchangeRate);
    io.integer({"TaxUnits"}, TaxUnits);
    io.text({"CurrencyName"}, CurrencyName);
    io.money({"IncomeInCurrency"}, IncomeInCurrency);
    io.money({"IncomeInRoubles"}, IncomeInRoubles);
    io.money({"TaxInCurrency"}, TaxInCurrency);
    io.money({"TaxInRoubles"}, TaxInRoubles);
    io.integer({"CurDeductCode"}, CurDeductCode);
    io.money({"CurDeductSum"}, CurDeductSum);
    io.integer({"CurDeductRate"}, CurDeductRate);
}

qint64 mTCurrencyIncome::Size(int position) const
{
    return Measure::size(*this, position);
}
