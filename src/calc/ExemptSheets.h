#pragma once

#include "model/Money.h"

#include <QString>
#include <array>
#include <vector>

class kTSvodSum;
class mTDeclaration;
class SheetVisitor;

// One month of farm pay in kind ("СумДохМес", "Месяц" "01".."12").
struct SHMonth
{
    Money PayTotal;    // "ОплТрудОбщ"
    Money PayInKind;   // "ОплТрудНатур"
    Money CarryIn;     // "ДохНеНалПред", months 2 to 12
    Money ExemptMonth; // "ДоходНеНалМ"
    Money CarryOut;    // "ДохНеНалПослед", months 1 to 11

    void Visit(SheetVisitor& visitor) const;
};

// One employer that paid farm pay in kind ("ДохОплСХ").
struct SHRec
{
    QString Inn;
    QString Kpp;
    std::array<SHMonth, 12> Months{}; // January to December
    Money ExemptTotal;                // "ДоходНеНал"

    void Visit(SheetVisitor& visitor) const;
};

// Non-taxable income ("ДоходОсвПрев").
class kTSvodSumPrilM
{
public:
    Money BirthAidIncome;    // "МатПомРожд" / "ДоходВсИст"
    Money BirthAidExempt;    // "МатПомРожд" / "ДоходНеНал"
    Money WorkAidIncome;     // "МатПомРаб" / "ДоходВсИст"
    Money WorkAidExempt;     // "МатПомРаб" / "ДоходНеНал"
    Money DisabledAidExempt; // "МатПомИнв" / "ДоходНеНал"
    Money DisabledAidIncome; // "МатПомИнв" / "ДоходВсИст"
    Money GiftIncome;        // "ПодарНП" / "ДоходВсИст"
    Money GiftExempt;        // "ПодарНП" / "ДоходНеНал"
    Money PrizeIncome;       // "ПризНП" / "ДоходВсИст"
    Money PrizeExempt;       // "ПризНП" / "ДоходНеНал"
    Money MedicineIncome;    // "ВозмМед" / "ДоходВсИст"
    Money MedicineExempt;    // "ВозмМед" / "ДоходНеНал"
    Money AidGiftIncome;     // "ПомПодар" / "ДоходВсИст"
    Money AidGiftExempt;     // "ПомПодар" / "ДоходНеНал"
    Money ExemptTotal;       // "ДохНеНалОбщ"
    Money FarmExempt;        // "ДохНеНалОплСХ"
    std::vector<SHRec> FarmItems;
    qint32 FarmCount = 0;

    void Clear() { *this = kTSvodSumPrilM(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);

private:
    void CalculateFarm(const mTDeclaration& declaration);
    void ApplyCode(qint32 incomeCode, qint32 deductCode, Money amount, Money deduction);
};

// One prize or winning with its non-taxable part ("СвДоход").
struct Rec35
{
    QString Inn;
    QString Kpp;
    QString SourceName;
    Money Income;           // "Доход"
    Money Exempt;           // "ДоходНеНал"
    qint32 SourceIndex = 0; // position of the record in its document list

    void Visit(SheetVisitor& visitor) const;
};

// The non-taxable 4 000 of prizes and winnings ("ДоходИгрПриз").
class kTSvodSumPrilM2
{
public:
    std::vector<Rec35> Items;
    qint32 Count = 0;
    Money ExemptTotal; // "ДоходНеНалОбщ"

    void Clear() { *this = kTSvodSumPrilM2(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// One record of material benefit at 35 % with the tax withheld on it ("РасчНалогУдЛ").
struct Neo35
{
    QString Inn;
    QString Kpp;
    QString Oktmo;
    QString SourceName;
    Money Income;      // "Доход"
    Money TaxWithheld; // "НалогУдЛ"
    qint32 SourceIndex = 0;

    void Visit(SheetVisitor& visitor) const;
};

// Material-benefit records at 35 % ("ДоходМатВыг").
class kTSvodSumPrilM3
{
public:
    Money WithheldTotal; // "НалогУдЛОбщ"
    std::vector<Neo35> Items;
    qint32 Count = 0;

    void Clear() { *this = kTSvodSumPrilM3(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Professional deductions ("ВычПрофВозн"); the same fields for sources in the country and abroad.
class kTSvodSumPrilGBase
{
public:
    Money ContractIncome;      // "РасхФактДогГПХ" / "СумДохДогГПХ"
    Money ContractExpense;     // "РасхФактДогГПХ" / "СумРасхВыч"
    Money RoyaltyIncome;       // "РасхФактАвтВозн" / "СумАвторВозн"
    Money RoyaltyExpense;      // "РасхФактАвтВозн" / "СумРасхВыч"
    Money RoyaltyNormIncome;   // "РасхНормАвтВозн" / "СумАвторВозн"
    Money RoyaltyNormExpense;  // "РасхНормАвтВозн" / "СумРасхВыч"
    Money CapitalShareIncome;  // "РасхФактУстКап" / "СумДохУстКап"
    Money CapitalShareExpense; // "РасхФактУстКап" / "СумРасхВыч"
    Money ClaimIncome;         // "РасхФактДолСтр" / "СумДохДолСтр"
    Money ClaimExpense;        // "РасхФактДолСтр" / "СумРасхВыч"
    Money ExpenseTotal;        // "РасходОбщИт"

    void Clear() { *this = kTSvodSumPrilGBase(); }
    void Visit(SheetVisitor& visitor) const;

protected:
    // Adds one entry by its codes; contractOnly limits it to contract work (2010 with 403).
    void ApplyCode(qint32 incomeCode, qint32 deductCode, Money amount, Money deduction,
                   bool contractOnly = false);
    // Caps each expense at its income and totals the expenses.
    void Finish();
};

// Sources in the country, "ПрИст" "1".
class kTSvodSumPrilG : public kTSvodSumPrilGBase
{
public:
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Foreign sources, "ПрИст" "2".
class kTSvodSumPrilG_In : public kTSvodSumPrilGBase
{
public:
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};
