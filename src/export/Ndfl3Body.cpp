#include "export/Ndfl3Body.h"

#include "calc/SheetAmounts.h"
#include "calc/SvodSum.h"
#include "export/Ndfl3Deductions.h"
#include "export/Ndfl3Income.h"
#include "model/Declaration.h"

#include <initializer_list>

namespace {

struct Amount
{
    const char* name;
    Money value;
};

// One rate's "НалБаза..." element: the income, the amounts only that rate has before the base,
// the base and the tax, the payments only that rate has, and what is left to refund or to pay.
void writeBase(const ExportElement& base, const SectionTotals& s,
               std::initializer_list<Amount> beforeBase, std::initializer_list<Amount> paid)
{
    base.setK("ДоходОбщ", s.IncomeTotal);
    for (const Amount& amount : beforeBase)
        base.setK(amount.name, amount.value);
    base.setK("НалБаза", s.TaxBase);
    base.setG("Исчисл", s.TaxComputed);
    base.setG("УдержОбщ", s.TaxWithheld);
    for (const Amount& amount : paid)
        base.setG(amount.name, amount.value);
    base.setG("ПодлВозв", s.ToRefund);
    base.setG("ПодлУпл", s.ToPay);
}

void writeBase13(const ExportElement& base, const kTSvodSumList1& s)
{
    writeBase(base, s,
              {{"ДоходОбщНеНал", s.IncomeExempt},
               {"ДоходОбщНал", s.IncomeTaxable},
               {"РасхВычОбщ", s.DeductionTotal}},
              {{"УплФактАв", s.AdvancePaid},
               {"УплФиксирАв", s.FixedAdvancePaid},
               {"УплИно", s.ForeignCredit}});
}

void writeBase30(const ExportElement& base, const kTSvodSumList2& s)
{
    writeBase(base, s,
              {{"ДоходОбщНеНал", s.IncomeExempt},
               {"ДоходОбщНал", s.IncomeTaxable},
               {"РасхОбщ", s.ExpenseTotal}},
              {});
}

void writeBase35(const ExportElement& base, const kTSvodSumList3& s)
{
    writeBase(base, s, {{"ДоходОбщНеНал", s.IncomeExempt}},
              {{"УдержОбщЛиш", s.TaxWithheldExcess}, {"УплИно", s.ForeignCredit}});
}

void writeBase9(const ExportElement& base, const kTSvodSumList4& s)
{
    writeBase(base, s, {}, {{"УплИно", s.ForeignCredit}});
}

void writeBase15(const ExportElement& base, const kTSvodSumList5& s)
{
    writeBase(base, s, {}, {});
}

void writeTaxBases(const ExportElement& totals, const kTSvodSum& sum)
{
    for (const int rate : WrittenSections(sum)) {
        switch (rate) {
        case 13:
            writeBase13(totals.add("НалБаза13"), sum.List1);
            break;
        case 30:
            writeBase30(totals.add("НалБаза30"), sum.List2);
            break;
        case 35:
            writeBase35(totals.add("НалБаза35"), sum.List3);
            break;
        case 9:
            writeBase9(totals.add("НалБаза9"), sum.List4);
            break;
        case 15:
            writeBase15(totals.add("НалБаза15"), sum.List5);
            break;
        }
    }
}

void writePaymentLines(const ExportElement& body, const kTSvodSumList6& section)
{
    const QString zero = QStringLiteral("0");
    for (int i = 0; i < section.Count && size_t(i) < section.Items.size(); ++i) {
        const bmTList1& item = section.Items[size_t(i)];
        const ExportElement line = body.add("ПодлУплВозв");
        line.set("ПрУплВозв", item.PayKind);
        line.set("КБК", item.Kbk);
        line.set("ОКТМО", item.Oktmo);
        if (item.PayKind == QLatin1String("1"))
            line.setG("ПодлУпл", item.Amount);
        else
            line.set("ПодлУпл", zero);
        if (item.PayKind == QLatin1String("2"))
            line.setG("ПодлВозв", item.Amount);
        else
            line.set("ПодлВозв", zero);
    }
}

} // namespace

namespace Ndfl3Body {

bool hasNoSheets(const mTDeclaration& d, const kTSvodSum& sum)
{
    const Money zero;
    return !d.PropertyDeduction.PropertyEnabled && !d.SocialDeduction.SocialEnabled &&
           d.Income13.Count() + d.Income13NR.Count() + d.Income30.Count() + d.Income35.Count() ==
               0 &&
           !d.HasIncomeKind(IncomeKind::Abroad) && !d.HasIncomeKind(IncomeKind::Business) &&
           !d.HasIncomeKind(IncomeKind::Practice) &&
           !(sum.PrilM.ExemptTotal + sum.PrilM2.ExemptTotal > zero) &&
           !(sum.PrilM3.WithheldTotal > zero) && !(sum.PrilG_In.ExpenseTotal > zero) &&
           !(sum.PrilG.ExpenseTotal > zero) && !(sum.PrilH1.DeductionTotal > zero) &&
           !(sum.PrilJ.ExpenseAll > zero);
}

void write(const ExportElement& document, const mTDeclaration& declaration, const kTSvodSum& sum)
{
    const ExportElement body = document.add("НДФЛ3");
    const ExportElement totals = body.add("ИтогУплВозв");
    writeTaxBases(totals, sum);
    if (!hasNoSheets(declaration, sum)) {
        const ExportElement sheets = totals.add("СведДохВыч");
        Ndfl3Income::write(sheets, declaration, sum);
        Ndfl3Deductions::write(sheets, declaration, sum);
    }
    writePaymentLines(body, sum.List6);
}

} // namespace Ndfl3Body
