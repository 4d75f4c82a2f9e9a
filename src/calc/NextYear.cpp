#include "calc/NextYear.h"

#include "calc/CalcError.h"
#include "calc/Exact.h"
#include "calc/SvodSum.h"

using namespace Exact;

namespace {

// The last tax year this program fills in.
constexpr qint32 kLastTaxYear = 2014;

// The year the form itself names: a 4-NDFL declares the income expected in the year after its
// tax year.
qint32 yearOnForm(qint32 taxYear, quint8 form)
{
    return form == DeclarationForm::EstimatedIncome ? taxYear + 1 : taxYear;
}

// The conditions and the taxpayer; the correction number, the signing date and the counts of
// confirming documents start as in a new declaration.
void carryConditions(const mTDeclaration& current, mTDeclaration& next)
{
    next.InspectionCode = current.InspectionCode;
    next.InspectionName = current.InspectionName;
    next.Pensioner = current.Pensioner;
    next.ConfirmKind = current.ConfirmKind;
    next.TaxpayerKind = current.TaxpayerKind;
    next.DeclForm = current.DeclForm;
    next.SetIncomeKinds(current.IncomeKinds());
    next.AutoCountSheets = current.AutoCountSheets;
    next.ReservedCounts = current.ReservedCounts;
    next.RepresentativeDoc = current.RepresentativeDoc;
    next.RepresentativeName = current.RepresentativeName;
    next.RepresentativeOrg = current.RepresentativeOrg;
    next.ReservedAmount = current.ReservedAmount;
    next.IsFarm = current.IsFarm;
    next.FarmStartDate = current.FarmStartDate;
    next.Person = current.Person;
}

// The person's standard deductions as they stood in December: a setting chosen month by month
// (the personal deduction, the kind of the children's deduction, the number of children of a
// group) becomes December's for the whole year. The month-by-month income starts empty.
mTStandartDeduct standardCarried(const mTStandartDeduct& entered)
{
    constexpr int december = 12;
    mTStandartDeduct carried;
    carried.StdEnabled = entered.StdEnabled;
    carried.PersonalCode = entered.PersonalCode;
    if (entered.PersonalCode == 110) {
        const qint32 kind = entered.GetPersonalByMonth(december);
        carried.PersonalCode = kind == 2 ? 105 : kind == 1 ? 104 : 103;
    }
    carried.ChildrenKind = entered.ChildrenKind;
    if (entered.ChildrenKind == 103)
        carried.ChildrenKind = entered.GetChildrenKindByMonth(december) != 0 ? 101 : 102;
    carried.Children.SetCount(entered.Children.InMonth(december - 1));
    carried.Disabled.SetCount(entered.Disabled.InMonth(december - 1));
    carried.Third.SetCount(entered.Third.InMonth(december - 1));
    return carried;
}

// The property object with what the property sheet computed for this year added to the amounts
// of earlier years, and the remainders it leaves to the following years. A deduction that the
// sheet does not compute (it is not claimed, or the form is not a resident's 3-NDFL) used nothing
// by declaration this year: only what a tax agent granted becomes an amount of earlier years.
mTConstructionDeduct propertyCarried(const mTDeclaration& current, const kTSvodSumPrilZ& sheet)
{
    const mTConstructionDeduct& entered = current.PropertyDeduction;
    if (!entered.PropertyEnabled)
        return mTConstructionDeduct();
    mTConstructionDeduct carried = entered;
    carried.AgentDeduction = Money();
    carried.AgentInterest = Money();
    if (current.DeclForm != DeclarationForm::Resident) {
        carried.PriorYearsAgentDeduction =
            Sum(entered.PriorYearsAgentDeduction, entered.AgentDeduction);
        carried.PriorYearsAgentInterest =
            Sum(entered.PriorYearsAgentInterest, entered.AgentInterest);
        return carried;
    }
    carried.PriorYearsDeduction = Sum(sheet.PriorUsedDecl, sheet.DeductionNow);
    carried.PriorYearsAgentDeduction = Sum(sheet.PriorUsedAgent, sheet.AgentGranted);
    // More used in earlier years than the expenses admitted leaves nothing, not a debt.
    carried.CarriedCost = NotBelowZero(sheet.RemainderNext);
    carried.PriorYearsInterest = Sum(sheet.PriorInterestDecl, sheet.InterestNow);
    carried.PriorYearsAgentInterest = Sum(sheet.PriorInterestAgent, sheet.AgentInterestGranted);
    carried.CarriedInterest = sheet.InterestRemainderNext;
    return carried;
}

// The losses on securities and derivatives that this year's profits did not take up; a 4-NDFL
// computes nothing and keeps the losses as entered.
mTCBDeduct lossesCarried(const mTDeclaration& current, const kTSvodSumPrilJ& sheet)
{
    if (current.DeclForm == DeclarationForm::EstimatedIncome)
        return current.SecuritiesDeduction;
    mTCBDeduct carried;
    carried.SecuritiesLoss = NotBelowZero(sheet.CarryLossSec);
    carried.DerivativesLoss = NotBelowZero(sheet.CarryLossFiss);
    return carried;
}

} // namespace

NextYearDeclaration MakeNextYearDeclaration(const mTDeclaration& current)
{
    // Any tax year but 2013 is filed as 2014, the way the export writes it.
    const qint32 nextYear = (current.TaxYear == 2013 ? 2013 : 2014) + 1;
    if (nextYear > kLastTaxYear) {
        return {std::nullopt, QStringLiteral("Декларацию за %1 год эта программа не заполняет")
                                  .arg(yearOnForm(nextYear, current.DeclForm))};
    }
    try {
        // The computation caps amounts in the declaration it reads: it works on a copy.
        mTDeclaration computed = current;
        kTSvodSum sum;
        sum.Calculate(computed);

        NextYearDeclaration result{mTDeclaration(), QString()};
        mTDeclaration& next = *result.declaration;
        carryConditions(current, next);
        next.TaxYear = nextYear;
        next.StandardDeduction = standardCarried(current.StandardDeduction);
        next.PropertyDeduction = propertyCarried(current, sum.PrilZ);
        next.SecuritiesDeduction = lossesCarried(current, sum.PrilJ);
        return result;
    } catch (const kECalcFault& fault) {
        return {std::nullopt, kECalcFault::userMessage() + QStringLiteral(" (") + fault.detail() +
                                  QLatin1Char(')')};
    }
}
