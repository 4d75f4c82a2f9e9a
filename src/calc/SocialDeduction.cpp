// Social deductions and the pension and insurance contracts.

#include "calc/Exact.h"
#include "calc/Limits.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"

using namespace Exact;

bool kTSvodSumPrilE3::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    for (const mTPens& contract : declaration.SocialDeduction.PensionContracts()) {
        const bool pension = contract.ContractKind == 1 || contract.ContractKind == 2;
        const bool insurance = contract.ContractKind == 3 || contract.ContractKind == 4;
        if (!pension && !insurance)
            continue;
        mbTPens line;
        line.ContractKind = pension ? contract.ContractKind : contract.ContractKind - 2;
        line.SourceName = contract.PensOrgName;
        line.Inn = contract.PensINN;
        line.Kpp = contract.PensKPP;
        line.ContractNumber = contract.ContractNumber;
        line.ContractDate = contract.ContractDate;
        line.PaidTotal = contract.Contribution;
        line.AgentGranted = CapAt(contract.AgentDeduction, line.PaidTotal);
        line.Deduction = line.PaidTotal;
        if (pension) {
            Add(NpoDeduction, line.Deduction);
            Add(NpoAgentGranted, line.AgentGranted);
            NpoItems.push_back(std::move(line));
            NpoCount = qint32(NpoItems.size());
        } else {
            Add(DpsDeduction, line.Deduction);
            Add(DpsAgentGranted, line.AgentGranted);
            DpsItems.push_back(std::move(line));
            DpsCount = qint32(DpsItems.size());
        }
    }
    AgentGrantedTotal = Sum(NpoAgentGranted, DpsAgentGranted);
    return true;
}

bool kTSvodSumPrilE2::Calculate(mTDeclaration& declaration, kTSvodSum& sum)
{
    mTSocialDeduct& social = declaration.SocialDeduction;
    if (!social.SocialEnabled || declaration.DeclForm != DeclarationForm::Resident)
        return true;

    // Charity up to 25 % of the income, cut to kopecks.
    Charity = social.CharitySum;
    const Money income25 = Diff(
        Sum(sum.PrilA13.IncomeTotal, sum.PrilB13.IncomeRub, sum.PrilV1.Income, sum.PrilV2.Income),
        sum.PrilM.ExemptTotal);
    if (CompareScaled(Charity, income25, 25, 100) > 0)
        Charity = MulDiv(income25, 25, 100, Rounding::KopeckTowardZero);

    Education = social.SelfEducationSum;
    // Each child's education is deductible up to the cap; the capped amount is kept in the
    // declaration.
    for (int child = 0; child < social.ChildEducationCount(); ++child) {
        if (social.GetChildEducation(child) > Limits::ChildEducationCap)
            social.ReplaceChildEducation(child, Limits::ChildEducationCap);
        Add(ChildEducation, social.GetChildEducation(child));
    }
    Treatment = social.MedicalSum;
    CostlyTreatment = social.ExpensiveMedicalSum;
    PersonalInsurance = social.InsuranceSum;
    AdditionalPension = social.PensionContribSum;

    sum.PrilE3.Calculate(declaration, sum);
    DpsContributions = sum.PrilE3.DpsDeduction;
    NpoContributions = sum.PrilE3.NpoDeduction;

    UnlimitedTotal = Sum(Charity, ChildEducation, CostlyTreatment);
    // What tax agents granted on the contracts counts once, through the contract sheet.
    LimitedTotal = CapAt(Sum(PersonalInsurance, DpsContributions, NpoContributions,
                             AdditionalPension, Education, Treatment),
                         Limits::SocialSharedCap);
    LimitedTotal = NotBelowZero(Diff(LimitedTotal, sum.PrilE3.AgentGrantedTotal));
    SocialTotal = Sum(UnlimitedTotal, LimitedTotal);
    return true;
}
