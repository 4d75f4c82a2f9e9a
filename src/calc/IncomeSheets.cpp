// Income by rate and source: sources in the country, foreign income, business and practice.

#include "calc/IncomeSheets.h"

#include "calc/CalcError.h"
#include "calc/Exact.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"
#include "model/IncomeCodes.h"

using namespace Exact;

namespace {

void setIfEmpty(QString& oktmo, const QString& value)
{
    if (oktmo.isEmpty())
        oktmo = value;
}

// Counts one source: its taxable income and its tax.
void addSource(kTSvodSumPrilA& sheet, int position, Money taxable, Money tax)
{
    Add(sheet.IncomeTaxable, taxable);
    Add(sheet.TaxComputed, tax);
    sheet.Sources.push_back({position, taxable, tax});
}

// Totals of 13 % sources: the lines' amounts, the taxable income and the two taxes.
void addSources(kTSvodSumPrilA& sheet, const RecordList<mTThirteenPercent>& sources, QString& oktmo)
{
    int position = 0;
    for (const mTThirteenPercent& source : sources) {
        setIfEmpty(oktmo, source.SourceOKTMO);
        for (const mTSourseIncome& line : source.Incomes())
            Add(sheet.IncomeTotal, line.IncomeSum);
        addSource(sheet, position++, source.TaxableIncome, source.TaxComputed);
        Add(sheet.TaxWithheld, source.TaxWithheld);
    }
}

// Dividend sources; the tax at 15 % is computed per source when percent is given, else taken.
void addDividends(kTSvodSumPrilA& sheet, const RecordList<mTThirtyPercent>& sources, QString& oktmo,
                  int percent)
{
    int position = 0;
    for (const mTThirtyPercent& source : sources) {
        setIfEmpty(oktmo, source.SourceOKTMO);
        Add(sheet.IncomeTotal, source.TotalIncome);
        addSource(sheet, position++, source.TaxableDividends,
                  percent ? TaxAt(source.TaxableDividends, percent) : source.TaxComputed30);
        Add(sheet.TaxWithheld, source.TaxWithheld);
    }
}

} // namespace

bool kTSvodSumPrilA6::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    if (declaration.DeclForm == DeclarationForm::Resident)
        addDividends(*this, declaration.Income30, sum.Oktmo9, 0);
    return true;
}

bool kTSvodSumPrilA13::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    if (declaration.DeclForm == DeclarationForm::Resident)
        addSources(*this, declaration.Income13, sum.Oktmo13);
    else if (declaration.DeclForm == DeclarationForm::NonResident)
        addSources(*this, declaration.Income13NR, sum.Oktmo13);
    FixedAdvancePaid = declaration.ForeignFixedPayments;
    return true;
}

bool kTSvodSumPrilA15::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    if (declaration.DeclForm == DeclarationForm::NonResident)
        addDividends(*this, declaration.Income30, sum.Oktmo15, 15);
    return true;
}

bool kTSvodSumPrilA30::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    // A non-resident's income at 30 % is kept in the list that holds a resident's 13 % sources.
    if (declaration.DeclForm == DeclarationForm::NonResident)
        addSources(*this, declaration.Income13, sum.Oktmo13);
    return true;
}

bool kTSvodSumPrilA35::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    if (declaration.DeclForm != DeclarationForm::Resident)
        return true;
    size_t prize = 0; // the next line of the prize sheet
    int position = -1;
    for (const mTThirtyFivePercent& record : declaration.Income35) {
        ++position;
        if (record.IncomeCode35 == IncomeCodes::MaterialBenefit) {
            // Counted with the material benefit; only its OKTMO is taken, the last one wins.
            sum.Oktmo35 = record.SourceOKTMO;
            continue;
        }
        Money taxable = record.TotalIncome;
        if (record.IncomeCode35 == IncomeCodes::Prize && record.DeductCode35 != 0) {
            const std::vector<Rec35>& lines = sum.PrilM2.Items;
            if (prize >= lines.size())
                throw kECalcFault(QStringLiteral("строка призов не найдена"));
            taxable = Diff(lines[prize].Income, lines[prize].Exempt);
            ++prize;
        }
        addSource(*this, position, taxable, TaxAt(taxable, 35));
        setIfEmpty(sum.Oktmo35, record.SourceOKTMO);
        Add(IncomeTotal, record.TotalIncome);
        Add(TaxWithheld, record.TaxWithheld);
    }
    return true;
}

QString kTSvodSumPrilB::RateText(Money rate, qint32 units)
{
    if (units == 0)
        return QString();
    // The rate per unit to four decimals: units of Money are ten-thousandths already.
    return MulDiv(rate, 1, units, Rounding::UnitNearest).toText();
}

QString kTSvodSumPrilB::CurrencyText(Money amount)
{
    if (amount < Money())
        return QStringLiteral("0.00");
    return Money::fromKopecks(amount.units() / 100).toFixed2();
}

bool kTSvodSumPrilB::Calculate(const mTDeclaration& declaration, kTSvodSum&, int rate)
{
    if (!declaration.HasIncomeKind(IncomeKind::Abroad))
        return true;
    for (const mTCurrencyIncome& record : declaration.CurrencyIncomes) {
        if (record.IncomeTaxRate != rate || record.CurIncomeCode == IncomeCodes::MaterialBenefit)
            continue;
        DohodCur line;
        line.Oksm = record.SourceCountryCode;
        line.CurrencyCode = record.CurrencyCode;
        line.SourceName = record.CurSourceName;
        line.IncomeDate = record.IncomeDate;
        line.IncomeRub = record.IncomeInRoubles;
        line.IncomeCode = record.CurIncomeCode;
        line.DeductionRub = record.CurDeductSum;
        line.DeductionCode = record.CurDeductCode;
        line.TaxPaidDate = record.TaxPayDate;
        line.TaxPaidRub = record.TaxInRoubles;
        line.IncomeRateText = RateText(record.IncomeExchangeRate, record.IncomeUnits);
        line.TaxRateText = RateText(record.TaxExchangeRate, record.TaxUnits);
        line.IncomeCurText = CurrencyText(record.IncomeInCurrency);
        line.TaxPaidCurText = CurrencyText(record.TaxInCurrency);
        const Money base = NotBelowZero(Diff(line.IncomeRub, line.DeductionRub));
        line.TaxComputedRF = TaxAt(base, rate);
        line.TaxCredited = line.TaxComputedRF > line.TaxPaidRub
                               ? Round(line.TaxPaidRub, Rounding::RoubleHalfUp)
                               : line.TaxComputedRF;
        Add(IncomeRub, line.IncomeRub);
        Add(TaxPaidAbroadRub, line.TaxPaidRub);
        Add(TaxComputedRF, line.TaxComputedRF);
        Add(TaxCredited, line.TaxCredited);
        Items.push_back(std::move(line));
        Count = qint32(Items.size());
    }
    return true;
}

bool kTSvodSumPrilV1::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    if (!declaration.HasIncomeKind(IncomeKind::Business))
        return true;
    for (const mTBusinessNew& record : declaration.Businesses) {
        Add(Income, record.BusinessIncome);
        Add(Expenses, record.Expenses());
    }
    AdvancePaid = declaration.ActualAdvance;
    AdvanceAssessed = declaration.AccruedAdvance;
    Expenses = CapAt(Expenses, Income);
    return true;
}

bool kTSvodSumPrilV2::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    if (!declaration.HasIncomeKind(IncomeKind::Practice))
        return true;
    for (const mTRepetitNew& record : declaration.PracticeIncomes) {
        Add(Income, record.PracticeIncome);
        Add(Expenses, record.PracticeExpenses);
    }
    AdvancePaid = declaration.PracticeActualAdvance;
    AdvanceAssessed = declaration.PracticeAccruedAdvance;
    Expenses = CapAt(Expenses, Income);
    return true;
}
