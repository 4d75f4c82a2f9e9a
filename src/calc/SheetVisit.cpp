// The field lists of every sheet, by name and in record order.

#include "calc/SheetVisitor.h"
#include "calc/SvodSum.h"

#define MONEY(field) visitor.money(#field, field)
#define INTEGER(field) visitor.integer(#field, field)
#define TEXT(field) visitor.text(#field, field)
#define DATE(field) visitor.date(#field, field)

namespace {

template <class Items> void visitItems(SheetVisitor& visitor, const char* name, const Items& items)
{
    visitor.beginArray(name);
    for (const auto& item : items) {
        visitor.beginObject(nullptr);
        item.Visit(visitor);
        visitor.endObject();
    }
    visitor.endArray();
}

template <class Sheet> void visitSheet(SheetVisitor& visitor, const char* name, const Sheet& sheet)
{
    visitor.beginObject(name);
    sheet.Visit(visitor);
    visitor.endObject();
}

} // namespace

void kTSvodSumPrilA::Visit(SheetVisitor& visitor) const
{
    MONEY(IncomeTotal);
    MONEY(TaxWithheld);
    MONEY(TaxComputed);
    MONEY(IncomeTaxable);
}

void kTSvodSumPrilA13::Visit(SheetVisitor& visitor) const
{
    kTSvodSumPrilA::Visit(visitor);
    MONEY(FixedAdvancePaid);
}

void DohodCur::Visit(SheetVisitor& visitor) const
{
    TEXT(Oksm);
    TEXT(CurrencyCode);
    TEXT(SourceName);
    DATE(IncomeDate);
    TEXT(IncomeRateText);
    TEXT(IncomeCurText);
    MONEY(IncomeRub);
    INTEGER(IncomeCode);
    MONEY(DeductionRub);
    INTEGER(DeductionCode);
    DATE(TaxPaidDate);
    TEXT(TaxRateText);
    TEXT(TaxPaidCurText);
    MONEY(TaxPaidRub);
    MONEY(TaxComputedRF);
    MONEY(TaxCredited);
}

void kTSvodSumPrilB::Visit(SheetVisitor& visitor) const
{
    MONEY(IncomeRub);
    MONEY(TaxPaidAbroadRub);
    MONEY(TaxComputedRF);
    MONEY(TaxCredited);
    visitItems(visitor, "Items", Items);
    INTEGER(Count);
}

void kTSvodSumPrilV::Visit(SheetVisitor& visitor) const
{
    MONEY(Income);
    MONEY(Expenses);
    MONEY(AdvancePaid);
    MONEY(AdvanceAssessed);
}

void SHMonth::Visit(SheetVisitor& visitor) const
{
    MONEY(PayTotal);
    MONEY(PayInKind);
    MONEY(CarryIn);
    MONEY(ExemptMonth);
    MONEY(CarryOut);
}

void SHRec::Visit(SheetVisitor& visitor) const
{
    TEXT(Inn);
    TEXT(Kpp);
    visitItems(visitor, "Months", Months);
    MONEY(ExemptTotal);
}

void kTSvodSumPrilM::Visit(SheetVisitor& visitor) const
{
    MONEY(BirthAidIncome);
    MONEY(BirthAidExempt);
    MONEY(WorkAidIncome);
    MONEY(WorkAidExempt);
    MONEY(DisabledAidExempt);
    MONEY(DisabledAidIncome);
    MONEY(GiftIncome);
    MONEY(GiftExempt);
    MONEY(PrizeIncome);
    MONEY(PrizeExempt);
    MONEY(MedicineIncome);
    MONEY(MedicineExempt);
    MONEY(AidGiftIncome);
    MONEY(AidGiftExempt);
    MONEY(ExemptTotal);
    MONEY(FarmExempt);
    visitItems(visitor, "FarmItems", FarmItems);
    INTEGER(FarmCount);
}

void Rec35::Visit(SheetVisitor& visitor) const
{
    TEXT(Inn);
    TEXT(Kpp);
    TEXT(SourceName);
    MONEY(Income);
    MONEY(Exempt);
    INTEGER(SourceIndex);
}

void kTSvodSumPrilM2::Visit(SheetVisitor& visitor) const
{
    visitItems(visitor, "Items", Items);
    INTEGER(Count);
    MONEY(ExemptTotal);
}

void Neo35::Visit(SheetVisitor& visitor) const
{
    TEXT(Inn);
    TEXT(Kpp);
    TEXT(Oktmo);
    TEXT(SourceName);
    MONEY(Income);
    MONEY(TaxWithheld);
    INTEGER(SourceIndex);
}

void kTSvodSumPrilM3::Visit(SheetVisitor& visitor) const
{
    MONEY(WithheldTotal);
    visitItems(visitor, "Items", Items);
    INTEGER(Count);
}

void kTSvodSumPrilGBase::Visit(SheetVisitor& visitor) const
{
    MONEY(ContractIncome);
    MONEY(ContractExpense);
    MONEY(RoyaltyIncome);
    MONEY(RoyaltyExpense);
    MONEY(RoyaltyNormIncome);
    MONEY(RoyaltyNormExpense);
    MONEY(CapitalShareIncome);
    MONEY(CapitalShareExpense);
    MONEY(ClaimIncome);
    MONEY(ClaimExpense);
    MONEY(ExpenseTotal);
}

void kTSvodSumPrilH1::Visit(SheetVisitor& visitor) const
{
    MONEY(FlatIncome);
    MONEY(FlatDeduction);
    MONEY(ShareDeduction);
    MONEY(ShareIncome);
    MONEY(FlatShareIncome);
    MONEY(FlatShareDeduction);
    MONEY(HousingDocIncome);
    MONEY(HousingDocExpense);
    MONEY(HousingIncome);
    MONEY(HousingDeduction);
    MONEY(OtherFlatIncome);
    MONEY(OtherFlatDeduction);
    MONEY(OtherDocIncome);
    MONEY(OtherDocExpense);
    MONEY(OtherIncome);
    MONEY(OtherDeduction);
    MONEY(DeductionTotal);
    MONEY(SeizedIncome);
    MONEY(SeizedDeduction);
}

void kTSvodSumPrilJ::Visit(SheetVisitor& visitor) const
{
    MONEY(OrgIncome);
    MONEY(OrgExpense);
    MONEY(OrgNonOrgIncome);
    MONEY(OrgNonOrgExpense);
    MONEY(NonOrgIncome);
    MONEY(NonOrgExpense);
    MONEY(FissSecIncome);
    MONEY(FissSecExpense);
    MONEY(FissOtherIncome);
    MONEY(FissOtherExpense);
    MONEY(FissNonOrgIncome);
    MONEY(FissNonOrgExpense);
    MONEY(RepoIncome);
    MONEY(RepoExpense);
    MONEY(LoanIncome);
    MONEY(LoanExpense);
    MONEY(PriorLossSec);
    MONEY(PriorLossFiss);
    MONEY(CarryLossSec);
    MONEY(CarryLossFiss);
    MONEY(OrgLoss);
    MONEY(OrgLossToFissSec);
    MONEY(OrgLossOther);
    MONEY(OrgPriorLossUsed);
    MONEY(OrgNonOrgLossUsed);
    MONEY(FissSecLoss);
    MONEY(FissSecLossToOther);
    MONEY(FissSecLossToOrg);
    MONEY(FissSecPriorLossUsed);
    MONEY(FissOtherLoss);
    MONEY(FissOtherLossToSec);
    MONEY(FissOtherPriorLossUsed);
    MONEY(OrgResult);
    MONEY(OrgNonOrgResult);
    MONEY(NonOrgResult);
    MONEY(FissSecResult);
    MONEY(FissOtherResult);
    MONEY(FissNonOrgResult);
    MONEY(RepoResult);
    MONEY(LoanResult);
    MONEY(IncomeAll);
    MONEY(TaxableAll);
    MONEY(ExpenseAll);
}

void kTSvodSumPrilE1::Visit(SheetVisitor& visitor) const
{
    INTEGER(MonthsUnder40000);
    INTEGER(MonthsUnder280000);
    visitor.beginArray("CumulativeIncome");
    for (const Money& month : CumulativeIncome)
        visitor.money(nullptr, month);
    visitor.endArray();
    MONEY(Deduction3000);
    MONEY(Deduction500);
    MONEY(Deduction400);
    MONEY(ChildSingle);
    MONEY(ChildDouble);
    MONEY(DisabledChildSingle);
    MONEY(DisabledChildDouble);
    MONEY(DeductionTotal);
}

void mbTPens::Visit(SheetVisitor& visitor) const
{
    INTEGER(ContractKind);
    TEXT(SourceName);
    TEXT(Inn);
    TEXT(Kpp);
    TEXT(ContractNumber);
    DATE(ContractDate);
    MONEY(PaidTotal);
    MONEY(Deduction);
    MONEY(AgentGranted);
}

void kTSvodSumPrilE3::Visit(SheetVisitor& visitor) const
{
    visitItems(visitor, "NpoItems", NpoItems);
    INTEGER(NpoCount);
    visitItems(visitor, "DpsItems", DpsItems);
    INTEGER(DpsCount);
    MONEY(NpoDeduction);
    MONEY(DpsDeduction);
    MONEY(NpoAgentGranted);
    MONEY(DpsAgentGranted);
    MONEY(AgentGrantedTotal);
}

void kTSvodSumPrilE2::Visit(SheetVisitor& visitor) const
{
    MONEY(UnlimitedTotal);
    MONEY(PersonalInsurance);
    MONEY(DpsContributions);
    MONEY(NpoContributions);
    MONEY(AdditionalPension);
    MONEY(LimitedTotal);
    MONEY(Charity);
    MONEY(Education);
    MONEY(ChildEducation);
    MONEY(Treatment);
    MONEY(CostlyTreatment);
    MONEY(SocialTotal);
}

void kTSvodSumPrilZ::Visit(SheetVisitor& visitor) const
{
    visitor.ratio("ShareRatio", ShareRatio);
    MONEY(Expense);
    MONEY(Interest);
    MONEY(PriorUsed);
    MONEY(PriorUsedDecl);
    MONEY(PriorUsedAgent);
    MONEY(PriorInterestUsed);
    MONEY(PriorInterestDecl);
    MONEY(PriorInterestAgent);
    MONEY(PriorRemainder);
    MONEY(PriorInterestRemainder);
    MONEY(AgentGranted);
    MONEY(AgentInterestGranted);
    MONEY(BaseBefore);
    MONEY(DeductionNow);
    MONEY(InterestNow);
    MONEY(RemainderNext);
    MONEY(InterestRemainderNext);
}

void kTSvodSumList1::Visit(SheetVisitor& visitor) const
{
    MONEY(IncomeTotal);
    MONEY(IncomeExempt);
    MONEY(DeductionTotal);
    MONEY(IncomeTaxable);
    MONEY(TaxBase);
    MONEY(TaxComputed);
    MONEY(TaxWithheld);
    MONEY(AdvancePaid);
    MONEY(FixedAdvancePaid);
    MONEY(NoticePaid);
    MONEY(ForeignCredit);
    MONEY(ToRefund);
    MONEY(ToPay);
}

void kTSvodSumList2::Visit(SheetVisitor& visitor) const
{
    MONEY(IncomeTotal);
    MONEY(IncomeExempt);
    MONEY(ExpenseTotal);
    MONEY(IncomeTaxable);
    MONEY(TaxBase);
    MONEY(TaxComputed);
    MONEY(TaxWithheld);
    MONEY(NoticePaid);
    MONEY(ToRefund);
    MONEY(ToPay);
}

void kTSvodSumList3::Visit(SheetVisitor& visitor) const
{
    MONEY(IncomeTotal);
    MONEY(IncomeExempt);
    MONEY(TaxComputed);
    MONEY(TaxBase);
    MONEY(TaxWithheld);
    MONEY(ForeignCredit);
    MONEY(NoticePaid);
    MONEY(ToRefund);
    MONEY(ToPay);
    MONEY(TaxWithheldExcess);
}

void kTSvodSumList4::Visit(SheetVisitor& visitor) const
{
    MONEY(IncomeTotal);
    MONEY(TaxBase);
    MONEY(TaxComputed);
    MONEY(TaxWithheld);
    MONEY(NoticePaid);
    MONEY(ToRefund);
    MONEY(ForeignCredit);
    MONEY(ToPay);
}

void kTSvodSumList5::Visit(SheetVisitor& visitor) const
{
    MONEY(IncomeTotal);
    MONEY(TaxBase);
    MONEY(TaxComputed);
    MONEY(TaxWithheld);
    MONEY(NoticePaid);
    MONEY(ToRefund);
    MONEY(ToPay);
}

void bmTList1::Visit(SheetVisitor& visitor) const
{
    TEXT(Kbk);
    TEXT(Oktmo);
    TEXT(PayKind);
    MONEY(Amount);
}

void kTSvodSumList6::Visit(SheetVisitor& visitor) const
{
    INTEGER(Count);
    visitItems(visitor, "Items", Items);
}

void kTSvodSum::Visit(SheetVisitor& visitor) const
{
    visitSheet(visitor, "List1", List1);
    visitSheet(visitor, "List2", List2);
    visitSheet(visitor, "List3", List3);
    visitSheet(visitor, "List4", List4);
    visitSheet(visitor, "List5", List5);
    visitSheet(visitor, "List6", List6);
    visitSheet(visitor, "PrilA6", PrilA6);
    visitSheet(visitor, "PrilA13", PrilA13);
    visitSheet(visitor, "PrilA15", PrilA15);
    visitSheet(visitor, "PrilA30", PrilA30);
    visitSheet(visitor, "PrilA35", PrilA35);
    visitSheet(visitor, "PrilB13", PrilB13);
    visitSheet(visitor, "PrilB9", PrilB9);
    visitSheet(visitor, "PrilB35", PrilB35);
    visitSheet(visitor, "PrilV1", PrilV1);
    visitSheet(visitor, "PrilV2", PrilV2);
    visitSheet(visitor, "PrilM", PrilM);
    visitSheet(visitor, "PrilM2", PrilM2);
    visitSheet(visitor, "PrilM3", PrilM3);
    visitSheet(visitor, "PrilG", PrilG);
    visitSheet(visitor, "PrilG_In", PrilG_In);
    visitSheet(visitor, "PrilE1", PrilE1);
    visitSheet(visitor, "PrilE2", PrilE2);
    visitSheet(visitor, "PrilE3", PrilE3);
    visitSheet(visitor, "PrilH1", PrilH1);
    visitSheet(visitor, "PrilZ", PrilZ);
    visitSheet(visitor, "PrilJ", PrilJ);
    TEXT(Oktmo9);
    TEXT(Oktmo13);
    TEXT(Oktmo35);
    TEXT(Oktmo15);
}
