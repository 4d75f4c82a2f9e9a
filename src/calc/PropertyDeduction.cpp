// The property-purchase deduction with its limits and the remainders carried over.

#include "calc/CalcError.h"
#include "calc/Exact.h"
#include "calc/Limits.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"

using namespace Exact;

namespace {

// The limit of the expenses by the year of the determining date.
Money expenseLimit(const mTConstructionDeduct& deduct)
{
    const double determining = deduct.ByInvestment ? deduct.ActDate : deduct.RightRegDate;
    const QDate date = DayCount::toDate(determining);
    return Limits::PropertyExpenseCapOfYear(date.isValid() ? date.year() : 0);
}

} // namespace

bool kTSvodSumPrilZ::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    const mTConstructionDeduct& deduct = declaration.PropertyDeduction;
    if (!deduct.PropertyEnabled || declaration.DeclForm != DeclarationForm::Resident)
        return true;

    // The owner's share scales the limit; it is kept as a fraction so the limit is exact.
    const qint64 numerator = deduct.ShareNumerator;
    const qint64 denominator = deduct.ShareDenominator;
    if (denominator == 0)
        throw kECalcFault(QStringLiteral("доля в праве собственности: знаменатель равен нулю"));
    ShareRatio = static_cast<long double>(numerator) / static_cast<long double>(denominator);
    const Money limit = expenseLimit(deduct);
    if (CompareScaled(deduct.ObjectCost, limit, numerator, denominator) > 0)
        Expense = MulDiv(limit, numerator, denominator, Rounding::KopeckHalfUp);
    else
        Expense = Round(deduct.ObjectCost, Rounding::KopeckHalfUp);

    Interest = deduct.InterestPaid;
    AgentGranted = deduct.AgentDeduction;
    AgentInterestGranted = deduct.AgentInterest;
    PriorRemainder = deduct.CarriedCost;
    PriorInterestRemainder = deduct.CarriedInterest;
    PriorUsedDecl = deduct.PriorYearsDeduction;
    PriorInterestDecl = deduct.PriorYearsInterest;
    PriorUsedAgent = deduct.PriorYearsAgentDeduction;
    PriorInterestAgent = deduct.PriorYearsAgentInterest;

    // The 13 % base before this deduction.
    const Money income =
        Sum(sum.PrilA13.IncomeTotal, sum.PrilB13.IncomeRub, sum.PrilV1.Income, sum.PrilV2.Income);
    const Money deductions =
        Sum(sum.PrilV1.Expenses, sum.PrilV2.Expenses, sum.PrilH1.DeductionTotal,
            sum.PrilM.ExemptTotal, sum.PrilG.ExpenseTotal, sum.PrilG_In.ExpenseTotal,
            sum.PrilE2.SocialTotal, sum.PrilE3.AgentGrantedTotal, sum.PrilE1.DeductionTotal,
            sum.PrilJ.ExpenseAll, AgentGranted, AgentInterestGranted);
    BaseBefore = NotBelowZero(Diff(income, deductions));

    PriorUsed = Sum(PriorUsedDecl, PriorUsedAgent);
    PriorInterestUsed = Sum(PriorInterestDecl, PriorInterestAgent);
    // The base goes first to the expenses, and only what is left to the interest.
    const Money expenseLeft = Diff(Expense, PriorUsed, AgentGranted);
    const Money interestLeft = Diff(Interest, PriorInterestUsed, AgentInterestGranted);
    DeductionNow = CapAt(NotBelowZero(expenseLeft), BaseBefore);
    InterestNow = NotBelowZero(interestLeft);
    if (BaseBefore < Sum(DeductionNow, InterestNow))
        InterestNow = Diff(BaseBefore, DeductionNow);
    RemainderNext = Diff(expenseLeft, DeductionNow);
    InterestRemainderNext = NotBelowZero(Diff(interestLeft, InterestNow));
    return true;
}
