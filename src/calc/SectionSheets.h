#pragma once

#include "model/Money.h"

#include <QString>
#include <vector>

class kTSvodSum;
class mTDeclaration;
class SheetVisitor;

// The amounts every per-rate section has; each section adds its own. The field order of a
// section's record is the one its Visit walks.
struct SectionTotals
{
    Money IncomeTotal; // "ДоходОбщ"
    Money TaxBase;     // "НалБаза"
    Money TaxComputed; // "Исчисл"
    Money TaxWithheld; // "УдержОбщ"
    Money NoticePaid;  // not written
    Money ToRefund;    // "ПодлВозв"
    Money ToPay;       // "ПодлУпл"
};

// Section 2, income at 13 % ("НалБаза13").
class kTSvodSumList1 : public SectionTotals
{
public:
    Money IncomeExempt;     // "ДоходОбщНеНал"
    Money DeductionTotal;   // "РасхВычОбщ"
    Money IncomeTaxable;    // "ДоходОбщНал"
    Money AdvancePaid;      // "УплФактАв"
    Money FixedAdvancePaid; // "УплФиксирАв"
    Money ForeignCredit;    // "УплИно"

    void Clear() { *this = kTSvodSumList1(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Section 3, income at 30 % ("НалБаза30").
class kTSvodSumList2 : public SectionTotals
{
public:
    Money IncomeExempt;  // "ДоходОбщНеНал"
    Money ExpenseTotal;  // "РасхОбщ"
    Money IncomeTaxable; // "ДоходОбщНал"

    void Clear() { *this = kTSvodSumList2(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Section 5, income at 35 % ("НалБаза35").
class kTSvodSumList3 : public SectionTotals
{
public:
    Money IncomeExempt;      // "ДоходОбщНеНал"
    Money ForeignCredit;     // "УплИно"
    Money TaxWithheldExcess; // "УдержОбщЛиш"

    void Clear() { *this = kTSvodSumList3(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Section 4, dividends at 9 % ("НалБаза9").
class kTSvodSumList4 : public SectionTotals
{
public:
    Money ForeignCredit; // "УплИно"

    void Clear() { *this = kTSvodSumList4(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Section 6, dividends at 15 % ("НалБаза15").
class kTSvodSumList5 : public SectionTotals
{
public:
    void Clear() { *this = kTSvodSumList5(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// One line of Section 1 ("ПодлУплВозв").
struct bmTList1
{
    QString Kbk;     // "КБК", 20 digits
    QString Oktmo;   // "ОКТМО"
    QString PayKind; // "ПрУплВозв": "1" to pay, "2" to refund, "3" nothing due
    Money Amount;    // "ПодлУпл" when PayKind is "1", "ПодлВозв" when it is "2"

    void Visit(SheetVisitor& visitor) const;
};

// Section 1: amounts to pay or to refund by budget code and OKTMO.
class kTSvodSumList6
{
public:
    qint32 Count = 0;
    std::vector<bmTList1> Items;

    void Clear() { *this = kTSvodSumList6(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);

private:
    void Append(const QString& kbk, const QString& oktmo, const QString& payKind, Money amount);
    void AppendRefundSection2(const mTDeclaration& declaration, Money refund);
    void AppendPaySection2(const mTDeclaration& declaration, const kTSvodSum& sum, Money toPay);
};

// Budget classification codes of Section 1 and of the tax-notice payments.
namespace Kbk {
inline const QString Refund = QStringLiteral("18210102010011000110");
inline const QString Business = QStringLiteral("18210102020011000110");
inline const QString Pay = QStringLiteral("18210102030011000110");
inline const QString Notice13a = QStringLiteral("18210102021011000110");
inline const QString Notice13b = QStringLiteral("18210102022011000110");
inline const QString Notice35 = QStringLiteral("18210102040011000110");
inline const QString Notice9 = QStringLiteral("18210102050011000110");
inline const QString Notice15 = QStringLiteral("18210102011011000110");
} // namespace Kbk
