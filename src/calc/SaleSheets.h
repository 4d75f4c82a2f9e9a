#pragma once

#include "model/Money.h"

class kTSvodSum;
class mTDeclaration;
class SheetVisitor;

// Property-sale deductions ("ВычПродИмущ").
class kTSvodSumPrilH1
{
public:
    Money FlatIncome;         // "СумИмущ" / "ДохВсехИст"
    Money FlatDeduction;      // "СумИмущ" / "НалВычет"
    Money ShareDeduction;     // "СумДолИмущ" / "НалВычет"
    Money ShareIncome;        // "СумДолИмущ" / "ДохВсехИст"
    Money FlatShareIncome;    // "СумИмущОбщ" / "ДохВсехИст"
    Money FlatShareDeduction; // "СумИмущОбщ" / "НалВычет"
    Money HousingDocIncome;   // "СумИмущДок" / "ДохВсехИст"
    Money HousingDocExpense;  // "СумИмущДок" / "РасхДок"
    Money HousingIncome;      // "ВычЖилИмущ" / "ДохИстИтог"
    Money HousingDeduction;   // "ВычЖилИмущ" / "ВычИмущИтог"
    Money OtherFlatIncome;    // "СумИнИмущ" / "ДохВсехИст"
    Money OtherFlatDeduction; // "СумИнИмущ" / "НалВычет"
    Money OtherDocIncome;     // "СумИнИмущДок" / "ДохВсехИст"
    Money OtherDocExpense;    // "СумИнИмущДок" / "РасхДок"
    Money OtherIncome;        // "ВычИноеИмущ" / "ДохИстИтог"
    Money OtherDeduction;     // "ВычИноеИмущ" / "ВычИнИмущИтог"
    Money DeductionTotal;     // "ВычетОбщ"
    Money SeizedIncome; // "ВычИзтИмущ" / "СумИзтИмущ" / "ДохВсехИст"
    Money SeizedDeduction; // "ВычИзтИмущ" / "СумИзтИмущ" / "НалВычет"

    void Clear() { *this = kTSvodSumPrilH1(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);

private:
    void ApplyCode(qint32 incomeCode, qint32 deductCode, Money amount, Money deduction,
                   bool foreign);
};

// Securities and derivatives operations ("ДохОперЦБ").
class kTSvodSumPrilJ
{
public:
    // Eight operation groups; income is "ДохСовОпер" and expense "РасхСовОпер" of the group.
    Money OrgIncome; // "ДохОперЦБОрг"
    Money OrgExpense;
    Money OrgNonOrgIncome; // "ДохОперЦБОргНеОрг"
    Money OrgNonOrgExpense;
    Money NonOrgIncome; // "ДохОперЦБНеОрг"
    Money NonOrgExpense;
    Money FissSecIncome; // "ДохФИССОргЦБ"
    Money FissSecExpense;
    Money FissOtherIncome; // "ДохФИССОргНеЦБ"
    Money FissOtherExpense;
    Money FissNonOrgIncome; // "ДохФИССНеОрг"
    Money FissNonOrgExpense;
    Money RepoIncome; // "ДохРЕПО"
    Money RepoExpense;
    Money LoanIncome; // "ДохЗаймЦБ"
    Money LoanExpense;

    Money PriorLossSec;     // "УбытПредПер" / "УбытОперЦБ"
    Money PriorLossFiss;    // "УбытПредПер" / "УбытФинИнсСС"
    Money CarryLossSec;     // "УбытПрхПер" / "УбытОперЦБ"
    Money CarryLossFiss;    // "УбытПрхПер" / "УбытФинИнсСС"
    Money OrgLoss;          // "ДохОперЦБОрг" / "УбытРезСовОпер"
    Money OrgLossToFissSec; // "ДохОперЦБОрг" / "УбытУчРасчДох"
    Money OrgLossOther; // "ДохОперЦБОрг" / "УбытСовОперВыч" (always zero)
    Money OrgPriorLossUsed; // "ДохОперЦБОрг" / "УбытОперЦБВыч"
    Money OrgNonOrgLossUsed; // "ДохОперЦБОргНеОрг" / "УбытУчРасчДох" (always zero)
    Money FissSecLoss;            // "ДохФИССОргЦБ" / "УбытРезСовОпер"
    Money FissSecLossToOther;     // "ДохФИССОргЦБ" / "УбытУчРасчДохФИ"
    Money FissSecLossToOrg;       // "ДохФИССОргЦБ" / "УбытУчРасчДохЦБ"
    Money FissSecPriorLossUsed;   // "ДохФИССОргЦБ" / "УбытПрмВыч"
    Money FissOtherLoss;          // "ДохФИССОргНеЦБ" / "УбытРезСовОпер"
    Money FissOtherLossToSec;     // "ДохФИССОргНеЦБ" / "УбытУчРасчДох"
    Money FissOtherPriorLossUsed; // "ДохФИССОргНеЦБ" / "УбытПрмВыч"

    // "НалДохРезОпер" of each group
    Money OrgResult;
    Money OrgNonOrgResult;
    Money NonOrgResult;
    Money FissSecResult;
    Money FissOtherResult;
    Money FissNonOrgResult;
    Money RepoResult;
    Money LoanResult;

    Money IncomeAll;  // "ИтогСовОпер" / "ОбщПолучДох"
    Money TaxableAll; // "ИтогСовОпер" / "ОбщНалогДох"
    Money ExpenseAll; // "ИтогСовОпер" / "РасхПрмВыч"

    void Clear() { *this = kTSvodSumPrilJ(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);

private:
    void ApplyCode(qint32 incomeCode, qint32 deductCode, Money amount, Money deduction);
    void OffsetLosses();
};
