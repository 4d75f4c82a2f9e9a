// Property-sale deductions and the results of operations with securities and derivatives.

#include "calc/SaleSheets.h"

#include "calc/Exact.h"
#include "calc/IncomeEntries.h"
#include "calc/Limits.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"

using namespace Exact;

void kTSvodSumPrilH1::ApplyCode(qint32 incomeCode, qint32 deductCode, Money amount, Money deduction,
                                bool foreign)
{
    auto add = [&](Money& income, Money& expense, Money value) {
        Add(income, amount);
        Add(expense, value);
    };
    if (incomeCode == 1510 && deductCode == 901)
        add(FlatIncome, FlatDeduction, amount);
    else if (incomeCode == 1510 && deductCode == 903)
        add(HousingDocIncome, HousingDocExpense, deduction);
    else if (incomeCode == 1511 && deductCode == 903)
        add(HousingDocIncome, HousingDocExpense, foreign ? deduction : Smaller(amount, deduction));
    else if (incomeCode == 1511 && deductCode == 904)
        add(ShareIncome, ShareDeduction, foreign ? Smaller(amount, deduction) : deduction);
    else if (incomeCode == 1520 && deductCode == 906)
        add(OtherFlatIncome, OtherFlatDeduction, deduction);
    else if (incomeCode == 1520 && deductCode == 903)
        add(OtherDocIncome, OtherDocExpense, deduction);
    else if (incomeCode == 4900 && deductCode == 908)
        add(SeizedIncome, SeizedDeduction, deduction);
}

bool kTSvodSumPrilH1::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    if (declaration.DeclForm != DeclarationForm::Resident)
        return true;
    if (declaration.Income13.Count() == 0 && !declaration.HasIncomeKind(IncomeKind::Abroad))
        return true;
    forEachIncomeEntry(declaration,
                       [this](qint32 income, qint32 deduct, Money a, Money d, bool foreign) {
                           ApplyCode(income, deduct, a, d, foreign);
                       });

    // No deduction on a sale exceeds the income of that sale.
    HousingDocExpense = CapAt(HousingDocExpense, HousingDocIncome);
    ShareDeduction = CapAt(ShareDeduction, ShareIncome);
    OtherFlatDeduction = CapAt(OtherFlatDeduction, OtherFlatIncome);
    OtherDocExpense = CapAt(OtherDocExpense, OtherDocIncome);
    SeizedDeduction = CapAt(SeizedDeduction, SeizedIncome);

    FlatDeduction = CapAt(FlatDeduction, Limits::HousingSaleCap);
    ShareDeduction = CapAt(ShareDeduction, Limits::HousingSaleCap);
    FlatShareIncome = Sum(FlatIncome, ShareIncome);
    FlatShareDeduction = CapAt(Sum(FlatDeduction, ShareDeduction), Limits::HousingSaleCap);
    HousingIncome = Sum(HousingDocIncome, FlatShareIncome);
    HousingDeduction = Sum(HousingDocExpense, FlatShareDeduction);
    OtherFlatDeduction = CapAt(OtherFlatDeduction, Limits::OtherPropertySaleCap);
    OtherIncome = Sum(OtherFlatIncome, OtherDocIncome);
    OtherDeduction = Sum(OtherFlatDeduction, OtherDocExpense);
    DeductionTotal = Sum(HousingDeduction, OtherDeduction, SeizedDeduction);
    return true;
}

void kTSvodSumPrilJ::ApplyCode(qint32 incomeCode, qint32 deductCode, Money amount, Money deduction)
{
    if (deductCode == 0)
        return;
    Money* income = nullptr;
    Money* expense = nullptr;
    switch (incomeCode) {
    case 1530:
        income = &OrgIncome, expense = &OrgExpense;
        break;
    case 1536:
        income = &OrgNonOrgIncome, expense = &OrgNonOrgExpense;
        break;
    case 1531:
        income = &NonOrgIncome, expense = &NonOrgExpense;
        break;
    case 1532:
        income = &FissSecIncome, expense = &FissSecExpense;
        break;
    case 1535:
        income = &FissOtherIncome, expense = &FissOtherExpense;
        break;
    case 1533:
        income = &FissNonOrgIncome, expense = &FissNonOrgExpense;
        break;
    case 1537:
    case 1539:
    case 1541:
        income = &RepoIncome, expense = &RepoExpense;
        break;
    case 1538:
        income = &LoanIncome, expense = &LoanExpense;
        break;
    default:
        return;
    }
    Add(*income, amount);
    Add(*expense, deduction);
}

bool kTSvodSumPrilJ::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    forEachIncomeEntry(declaration, [this](qint32 income, qint32 deduct, Money a, Money d, bool) {
        ApplyCode(income, deduct, a, d);
    });
    PriorLossSec = declaration.SecuritiesDeduction.SecuritiesLoss;
    PriorLossFiss = declaration.SecuritiesDeduction.DerivativesLoss;
    OffsetLosses();
    IncomeAll = Sum(OrgIncome, OrgNonOrgIncome, NonOrgIncome, FissSecIncome, FissOtherIncome,
                    FissNonOrgIncome, RepoIncome, LoanIncome);
    TaxableAll = Sum(OrgResult, OrgNonOrgResult, NonOrgResult, FissSecResult, FissOtherResult,
                     FissNonOrgResult, RepoResult, LoanResult);
    ExpenseAll = Diff(IncomeAll, TaxableAll);
    return true;
}

void kTSvodSumPrilJ::OffsetLosses()
{
    const Money zero;
    NonOrgResult = NotBelowZero(Diff(NonOrgIncome, NonOrgExpense));
    FissNonOrgResult = NotBelowZero(Diff(FissNonOrgIncome, FissNonOrgExpense));
    RepoResult = NotBelowZero(Diff(RepoIncome, RepoExpense));
    LoanResult = NotBelowZero(Diff(LoanIncome, LoanExpense));

    // The loss on organised securities goes first against the mixed group.
    OrgLoss = NotBelowZero(Diff(OrgExpense, OrgIncome));
    const Money mixedProfit = Diff(OrgNonOrgIncome, OrgNonOrgExpense);
    if (mixedProfit > zero) {
        const Money used = Smaller(OrgLoss, mixedProfit);
        Add(OrgNonOrgExpense, used);
        OrgLoss = Diff(OrgLoss, used);
    }
    OrgNonOrgLossUsed = zero;
    OrgNonOrgResult = NotBelowZero(Diff(OrgNonOrgIncome, OrgNonOrgExpense));

    FissSecLoss = NotBelowZero(Diff(FissSecExpense, FissSecIncome));
    FissOtherLoss = NotBelowZero(Diff(FissOtherExpense, FissOtherIncome));
    OrgLossOther = zero;

    // Losses of earlier years against this year's profits.
    const Money orgProfit = Diff(OrgIncome, OrgExpense);
    if (orgProfit > zero)
        OrgPriorLossUsed = Smaller(PriorLossSec, orgProfit);
    Money fissLeft = PriorLossFiss;
    const Money fissSecProfit = Diff(FissSecIncome, FissSecExpense);
    if (fissSecProfit > zero) {
        FissSecPriorLossUsed = Smaller(PriorLossFiss, fissSecProfit);
        fissLeft = Diff(PriorLossFiss, FissSecPriorLossUsed);
    }
    const Money fissOtherProfit = Diff(FissOtherIncome, FissOtherExpense);
    if (fissOtherProfit > zero)
        FissOtherPriorLossUsed = Smaller(fissLeft, fissOtherProfit);

    // Losses of one group against the profits of another.
    const Money fissSecLeft = Diff(fissSecProfit, FissSecPriorLossUsed);
    if (fissSecLeft > zero && OrgLoss > zero)
        OrgLossToFissSec = Smaller(OrgLoss, fissSecLeft);
    const Money p = Diff(orgProfit, OrgLossOther, OrgPriorLossUsed);
    if (p > zero && FissSecLoss > zero)
        FissSecLossToOrg = Smaller(FissSecLoss, p);
    const Money u = Diff(fissSecLeft, OrgLossToFissSec);
    if (u > zero && FissOtherLoss > zero)
        FissOtherLossToSec = Smaller(FissOtherLoss, u);
    const Money y = Diff(fissOtherProfit, FissOtherPriorLossUsed);
    const Money fissSecLossLeft = Diff(FissSecLoss, FissSecLossToOrg);
    if (y > zero && fissSecLossLeft > zero)
        FissSecLossToOther = Smaller(y, fissSecLossLeft);

    OrgResult = NotBelowZero(Diff(p, FissSecLossToOrg));
    FissSecResult = NotBelowZero(Diff(u, FissOtherLossToSec));
    FissOtherResult = NotBelowZero(Diff(y, FissSecLossToOther));
    CarryLossSec = Diff(Sum(PriorLossSec, OrgLoss), OrgLossToFissSec, OrgPriorLossUsed);
    CarryLossFiss =
        Diff(Sum(PriorLossFiss, FissSecLoss, FissOtherLoss), FissSecLossToOrg, FissSecPriorLossUsed,
             FissOtherLossToSec, FissOtherPriorLossUsed, FissSecLossToOther);
}
