#pragma once

#include "model/Money.h"
#include "model/RecordIO.h"

#include <QString>

// One income received abroad in foreign currency, with the tax paid abroad.
class mTCurrencyIncome
{
public:
    mTCurrencyIncome();

    qint32 IncomeTaxRate = 0;
    qint32 CurIncomeCode = 0;
    QString CurIncomeCodeName;
    QString CurSourceName;
    QString SourceCountryCode;
    double IncomeDate;
    double TaxPayDate;
    quint8 AutoExchange = 0;
    QString CurrencyCode;
    Money IncomeExchangeRate;
    qint32 IncomeUnits = 0;
    Money TaxExchangeRate;
    qint32 TaxUnits = 0;
    QString CurrencyName;
    Money IncomeInCurrency;
    Money IncomeInRoubles;
    Money TaxInCurrency;
    Money TaxInRoubles;
    qint32 CurDeductCode = 0;
    Money CurDeductSum;
    qint32 CurDeductRate = 0;

    // Stores the amount in the currency and its value in roubles at the rate for the units, to
    // kopecks, half up (0 when no units are given).
    void SetIncomeInCurrency(Money amount);
    void SetTaxInCurrency(Money amount);

    // Roubles for amount at rate per units, to kopecks, half up; 0 when units is 0.
    static Money ToRoubles(Money amount, Money rate, qint32 units);

    void Transfer(RecordIO& io, int position);
    qint64 Size(int position) const;

    bool operator==(const mTCurrencyIncome&) const = default;
};
