// Non-taxable income, prizes, material benefit and professional deductions.

#include "calc/ExemptSheets.h"

#include "calc/Exact.h"
#include "calc/IncomeEntries.h"
#include "calc/Limits.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"
#include "model/IncomeCodes.h"

#include <algorithm>

using namespace Exact;

namespace {

// The 13 % sources of the form: a resident's, or a non-resident's own list.
const RecordList<mTThirteenPercent>& thirteenPercentSources(const mTDeclaration& declaration)
{
    return declaration.DeclForm == DeclarationForm::NonResident ? declaration.Income13NR
                                                                : declaration.Income13;
}

bool validMonth(quint16 month)
{
    return month >= 1 && month <= 12;
}

// The month-by-month rule of farm pay in kind for one employer.
void applyFarmRule(SHRec& line)
{
    bool paidInKind = false;
    for (SHMonth& month : line.Months) {
        paidInKind = paidInKind || !month.PayInKind.isZero();
        if (!paidInKind)
            month.PayTotal = Money();
    }
    Money carry;
    for (SHMonth& month : line.Months) {
        month.CarryIn = carry;
        month.ExemptMonth = month.PayInKind;
        const Money limit20 = MulDiv(month.PayTotal, 20, 100, Rounding::KopeckHalfUp);
        const Money allowance = Sum(month.CarryIn, Limits::FarmMonthAllowance);
        if (month.PayInKind > limit20 || month.PayInKind > allowance)
            month.ExemptMonth = Money();
        month.CarryOut = month.ExemptMonth.isZero()
                             ? month.CarryIn
                             : NotBelowZero(Diff(allowance, month.ExemptMonth));
        carry = month.CarryOut;
        Add(line.ExemptTotal, month.ExemptMonth);
    }
}

} // namespace

void kTSvodSumPrilM::CalculateFarm(const mTDeclaration& declaration)
{
    for (const mTThirteenPercent& source : thirteenPercentSources(declaration)) {
        const auto& lines = source.Incomes();
        const bool hasFarmPay = std::any_of(lines.begin(), lines.end(), [](const auto& line) {
            return line.IncomeCode == IncomeCodes::FarmPayInKind;
        });
        if (!hasFarmPay)
            continue;
        SHRec farm;
        farm.Inn = source.SourceINN;
        farm.Kpp = source.SourceKPP;
        // A line without a valid month belongs to no month and is left out.
        for (const mTSourseIncome& line : lines) {
            if (!validMonth(line.IncomeMonth))
                continue;
            SHMonth& month = farm.Months[line.IncomeMonth - 1];
            if (line.IncomeCode == IncomeCodes::FarmPayInKind)
                Add(month.PayInKind, line.IncomeSum);
            Add(month.PayTotal, line.IncomeSum);
        }
        applyFarmRule(farm);
        Add(FarmExempt, farm.ExemptTotal);
        FarmItems.push_back(std::move(farm));
        FarmCount = qint32(FarmItems.size());
    }
}

void kTSvodSumPrilM::ApplyCode(qint32 incomeCode, qint32 deductCode, Money amount, Money deduction)
{
    struct Row
    {
        qint32 income;
        qint32 deduction;
        Money kTSvodSumPrilM::*incomeField;
        Money kTSvodSumPrilM::*exemptField;
        Money cap; // per entry; zero: the deduction amount itself
    };
    static constexpr Row rows[] = {
        {2762, 508, &kTSvodSumPrilM::BirthAidIncome, &kTSvodSumPrilM::BirthAidExempt, Money()},
        {2760, 503, &kTSvodSumPrilM::WorkAidIncome, &kTSvodSumPrilM::WorkAidExempt, Limits::AidCap},
        {2720, 501, &kTSvodSumPrilM::GiftIncome, &kTSvodSumPrilM::GiftExempt, Limits::AidCap},
        {2730, 502, &kTSvodSumPrilM::PrizeIncome, &kTSvodSumPrilM::PrizeExempt, Limits::AidCap},
        {2761, 506, &kTSvodSumPrilM::DisabledAidIncome, &kTSvodSumPrilM::DisabledAidExempt,
         Limits::AidCap},
        {2770, 504, &kTSvodSumPrilM::MedicineIncome, &kTSvodSumPrilM::MedicineExempt,
         Limits::AidCap},
        {2790, 507, &kTSvodSumPrilM::AidGiftIncome, &kTSvodSumPrilM::AidGiftExempt,
         Limits::AidGiftCap},
    };
    for (const Row& row : rows) {
        if (row.income != incomeCode)
            continue;
        Add(this->*row.incomeField, amount);
        if (deductCode == row.deduction)
            Add(this->*row.exemptField, row.cap.isZero() ? deduction : Smaller(amount, row.cap));
        return;
    }
}

bool kTSvodSumPrilM::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    CalculateFarm(declaration);

    const bool abroad = declaration.HasIncomeKind(IncomeKind::Abroad);
    if (declaration.Income13.Count() > 0 || abroad) {
        forEachIncomeEntry(declaration, [this](qint32 income, qint32 deduct, Money a, Money d,
                                               bool) { ApplyCode(income, deduct, a, d); });
        WorkAidExempt = CapAt(WorkAidExempt, Limits::AidCap);
        GiftExempt = CapAt(GiftExempt, Limits::AidCap);
        PrizeExempt = CapAt(PrizeExempt, Limits::AidCap);
        DisabledAidExempt = CapAt(DisabledAidExempt, Limits::AidCap);
        MedicineExempt = CapAt(MedicineExempt, Limits::AidCap);
        AidGiftExempt = CapAt(AidGiftExempt, Limits::AidGiftCap);
    }

    ExemptTotal = Sum(BirthAidExempt, WorkAidExempt, DisabledAidExempt, GiftExempt, PrizeExempt,
                      MedicineExempt, AidGiftExempt, FarmExempt);
    return true;
}

bool kTSvodSumPrilM2::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    Money remaining = Limits::PrizeAllowance;
    // The allowance goes to the prizes in document order; no prize's non-taxable part exceeds
    // the prize itself, so the rest of the allowance stays for the next one.
    auto append = [&](const mTSourseIncomeInfo& source, Money income, Money prize, Money deduction,
                      int position) {
        Rec35 line;
        line.Inn = source.SourceINN;
        line.Kpp = source.SourceKPP;
        line.SourceName = source.SourceName;
        line.Income = income;
        line.Exempt = NotBelowZero(Smaller(Smaller(remaining, deduction), prize));
        line.SourceIndex = position;
        Add(ExemptTotal, line.Exempt);
        remaining = Diff(remaining, line.Exempt);
        Items.push_back(std::move(line));
        Count = qint32(Items.size());
    };

    if (declaration.DeclForm == DeclarationForm::Resident) {
        int position = 0;
        for (const mTThirtyFivePercent& record : declaration.Income35) {
            if (record.IncomeCode35 == IncomeCodes::Prize && record.DeductCode35 != 0)
                append(record, record.TotalIncome, record.TotalIncome, record.DeductSum35,
                       position);
            ++position;
        }
    }
    int position = 0;
    for (const mTThirteenPercent& source : declaration.Income13) {
        for (const mTSourseIncome& line : source.Incomes()) {
            if (line.IncomeCode == IncomeCodes::Prize && line.DeductCode != 0)
                append(source, source.TotalIncome, line.IncomeSum, line.DeductSum, position);
        }
        ++position;
    }
    return true;
}

bool kTSvodSumPrilM3::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    if (declaration.DeclForm != DeclarationForm::Resident)
        return true;
    int position = 0;
    for (const mTThirtyFivePercent& record : declaration.Income35) {
        if (record.IncomeCode35 == IncomeCodes::MaterialBenefit) {
            Neo35 line;
            line.Inn = record.SourceINN;
            line.Kpp = record.SourceKPP;
            line.Oktmo = record.SourceOKTMO;
            line.SourceName = record.SourceName;
            line.Income = record.TotalIncome;
            line.TaxWithheld = record.TaxWithheld;
            line.SourceIndex = position;
            Add(WithheldTotal, line.TaxWithheld);
            Items.push_back(std::move(line));
            Count = qint32(Items.size());
        }
        ++position;
    }
    return true;
}

void kTSvodSumPrilGBase::ApplyCode(qint32 incomeCode, qint32 deductCode, Money amount,
                                   Money deduction, bool contractOnly)
{
    Money* income = nullptr;
    Money* expense = nullptr;
    const bool royalty = incomeCode >= 2201 && incomeCode <= 2209;
    if (incomeCode == 2010 && deductCode == 403) {
        income = &ContractIncome;
        expense = &ContractExpense;
    } else if (contractOnly) {
        return;
    } else if (royalty && deductCode == 404) {
        income = &RoyaltyIncome;
        expense = &RoyaltyExpense;
    } else if (royalty && deductCode == 405) {
        income = &RoyaltyNormIncome;
        expense = &RoyaltyNormExpense;
    } else if (incomeCode == 1540 && deductCode == 315) {
        income = &CapitalShareIncome;
        expense = &CapitalShareExpense;
    } else if (incomeCode == 1550 && deductCode == 314) {
        income = &ClaimIncome;
        expense = &ClaimExpense;
    } else {
        return;
    }
    Add(*income, amount);
    Add(*expense, deduction);
}

void kTSvodSumPrilGBase::Finish()
{
    ContractExpense = CapAt(ContractExpense, ContractIncome);
    RoyaltyExpense = CapAt(RoyaltyExpense, RoyaltyIncome);
    RoyaltyNormExpense = CapAt(RoyaltyNormExpense, RoyaltyNormIncome);
    CapitalShareExpense = CapAt(CapitalShareExpense, CapitalShareIncome);
    ClaimExpense = CapAt(ClaimExpense, ClaimIncome);
    ExpenseTotal =
        Sum(ContractExpense, RoyaltyExpense, RoyaltyNormExpense, CapitalShareExpense, ClaimExpense);
}

bool kTSvodSumPrilG::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    const bool nonResident = declaration.DeclForm == DeclarationForm::NonResident;
    for (const mTThirteenPercent& source : thirteenPercentSources(declaration)) {
        for (const mTSourseIncome& line : source.Incomes())
            ApplyCode(line.IncomeCode, line.DeductCode, line.IncomeSum, line.DeductSum,
                      nonResident);
    }
    Finish();
    return true;
}

bool kTSvodSumPrilG_In::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    if (declaration.HasIncomeKind(IncomeKind::Abroad)) {
        for (const mTCurrencyIncome& record : declaration.CurrencyIncomes)
            ApplyCode(record.CurIncomeCode, record.CurDeductCode, record.IncomeInRoubles,
                      record.CurDeductSum);
    }
    Finish();
    return true;
}
