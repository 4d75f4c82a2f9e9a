#pragma once

#include "model/Money.h"

#include <QString>
#include <vector>

class kTSvodSum;
class mTDeclaration;
class SheetVisitor;

// One source the sheet counts ("РасчДохНал"): its position in the declaration's list, the income
// taxed and the tax computed on it.
struct SourceTax
{
    int Position = 0;
    Money Taxable;     // "ДоходОбл"
    Money TaxComputed; // "НалИсчисл"

    bool operator==(const SourceTax&) const = default;
};

// Totals of income from sources in the country at one rate ("ДоходИстРФ").
class kTSvodSumPrilA
{
public:
    Money IncomeTotal;   // "ДоходОбщ"
    Money TaxWithheld;   // "НалУдержИт"
    Money TaxComputed;   // "НалИсчислИт"
    Money IncomeTaxable; // "ДоходОблОбщ"
    // The sources counted, in list order (income at 35 % has no line for material benefit).
    std::vector<SourceTax> Sources;

    void Clear() { *this = kTSvodSumPrilA(); }
    void Visit(SheetVisitor& visitor) const;
};

// Dividends of a resident at 9 %, "Ставка" "09".
class kTSvodSumPrilA6 : public kTSvodSumPrilA
{
public:
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Income at 13 %, "Ставка" "13".
class kTSvodSumPrilA13 : public kTSvodSumPrilA
{
public:
    Money FixedAdvancePaid; // "НалУплФАП"

    void Clear() { *this = kTSvodSumPrilA13(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Dividends of a non-resident at 15 %, "Ставка" "15".
class kTSvodSumPrilA15 : public kTSvodSumPrilA
{
public:
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Income of a non-resident at 30 %, "Ставка" "30".
class kTSvodSumPrilA30 : public kTSvodSumPrilA
{
public:
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Income at 35 %, "Ставка" "35".
class kTSvodSumPrilA35 : public kTSvodSumPrilA
{
public:
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// One foreign income entry ("РасчДохНалИно").
struct DohodCur
{
    QString Oksm;           // "ОКСМ"
    QString CurrencyCode;   // "КодВалют"
    QString SourceName;     // "НаимИстДох"
    double IncomeDate = 0;  // "ДатаДох"
    QString IncomeRateText; // "КурсВалютДох"
    QString IncomeCurText;  // "ДоходИноВал"
    Money IncomeRub;        // "ДоходИноРуб"
    qint32 IncomeCode = 0;
    Money DeductionRub;
    qint32 DeductionCode = 0;
    double TaxPaidDate = 0; // "ДатаУплНал"
    QString TaxRateText;    // "КурсВалютНал"
    QString TaxPaidCurText; // "НалУплИноВал"
    Money TaxPaidRub;       // "НалУплИноРуб"
    Money TaxComputedRF;    // "НалЗачРФОбщ"
    Money TaxCredited;      // "НалогЗачРФОбщ"

    void Visit(SheetVisitor& visitor) const;
};

// Foreign income at one rate with the foreign tax credit ("ДоходИстИно").
class kTSvodSumPrilB
{
public:
    Money IncomeRub;        // "ДоходИноРубОбщ"
    Money TaxPaidAbroadRub; // "НалУплИноРубОбщ"
    Money TaxComputedRF;    // "НалИсчислРФОбщ"
    Money TaxCredited;      // "НалЗачРФОбщ"
    std::vector<DohodCur> Items;
    qint32 Count = 0;

    void Clear() { *this = kTSvodSumPrilB(); }
    void Visit(SheetVisitor& visitor) const;
    // rate: 13, 9 or 35.
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum, int rate);

    // The exchange rate for one unit, to four decimals, in the shortest form ("32.7292"); empty
    // when units is zero.
    static QString RateText(Money rate, qint32 units);
    // An amount with exactly two decimals, further decimals cut off; a negative amount as "0.00".
    static QString CurrencyText(Money amount);
};

// Business income ("ДоходПредпр") and private-practice income: the same fields.
class kTSvodSumPrilV
{
public:
    Money Income;          // "ДоходИт"
    Money Expenses;        // "ВычПрофИт"
    Money AdvancePaid;     // "УплАванИт"
    Money AdvanceAssessed; // "НачислАванИт"

    void Clear() { *this = kTSvodSumPrilV(); }
    void Visit(SheetVisitor& visitor) const;
};

class kTSvodSumPrilV1 : public kTSvodSumPrilV
{
public:
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

class kTSvodSumPrilV2 : public kTSvodSumPrilV
{
public:
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};
