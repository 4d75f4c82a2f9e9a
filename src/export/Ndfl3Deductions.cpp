#include "export/Ndfl3Deductions.h"

#include "calc/SvodSum.h"
#include "export/ExportAddress.h"
#include "export/ExportFormat.h"
#include "export/SheetItems.h"
#include "model/Declaration.h"

namespace {

bool positive(Money value)
{
    return value > Money();
}

void setKIfPositive(const ExportElement& element, const char* name, Money value)
{
    if (positive(value))
        element.setK(name, value);
}

void setGIfPositive(const ExportElement& element, const char* name, Money value)
{
    if (positive(value))
        element.setG(name, value);
}

// An element with an income and a second amount, written when the second is positive.
void writePair(const ExportElement& parent, const char* name, const char* secondName, Money income,
               Money second)
{
    if (!positive(second))
        return;
    const ExportElement element = parent.add(name);
    element.setK("ДохВсехИст", income);
    element.setK(secondName, second);
}

void writePropertySale(const ExportElement& sheets, const kTSvodSumPrilH1& h)
{
    if (!positive(h.DeductionTotal))
        return;
    const ExportElement sale = sheets.add("ВычПродИмущ");
    sale.setK("ВычетОбщ", h.DeductionTotal);
    if (positive(h.HousingDeduction)) {
        const ExportElement housing = sale.add("ВычЖилИмущ");
        housing.setK("ДохИстИтог", h.HousingIncome);
        housing.setK("ВычИмущИтог", h.HousingDeduction);
        writePair(housing, "СумИмущ", "НалВычет", h.FlatIncome, h.FlatDeduction);
        writePair(housing, "СумДолИмущ", "НалВычет", h.ShareIncome, h.ShareDeduction);
        writePair(housing, "СумИмущОбщ", "НалВычет", h.FlatShareIncome, h.FlatShareDeduction);
        writePair(housing, "СумИмущДок", "РасхДок", h.HousingDocIncome, h.HousingDocExpense);
    }
    if (positive(h.OtherDeduction)) {
        const ExportElement other = sale.add("ВычИноеИмущ");
        other.setK("ДохИстИтог", h.OtherIncome);
        other.setK("ВычИнИмущИтог", h.OtherDeduction);
        writePair(other, "СумИнИмущ", "НалВычет", h.OtherFlatIncome, h.OtherFlatDeduction);
        writePair(other, "СумИнИмущДок", "РасхДок", h.OtherDocIncome, h.OtherDocExpense);
    }
    if (positive(h.SeizedDeduction)) {
        writePair(sale.add("ВычИзтИмущ"), "СумИзтИмущ", "НалВычет", h.SeizedIncome,
                  h.SeizedDeduction);
    }
}

void writeStandard(const ExportElement& sheets, const kTSvodSumPrilE1& e)
{
    static const char* const kCumulative[12] = {
        "ИтогЯнв",    "ИтогЯнвФевр", "ИтогЯнвМарт", "ИтогЯнвАпр", "ИтогЯнвМай",  "ИтогЯнвИюн",
        "ИтогЯнвИюл", "ИтогЯнвАвг",  "ИтогЯнвСент", "ИтогЯнвОкт", "ИтогЯнвНояб", "ИтогЯнвДек"};
    const ExportElement standard = sheets.add("ВычСтанд");
    standard.setG("ИтогВычСтанд", e.DeductionTotal);
    const ExportElement months = standard.add("ДохМес");
    for (size_t m = 0; m < 12; ++m)
        months.setK(kCumulative[m], e.CumulativeIncome[m]);
    months.setInt("КолМес40000", e.MonthsUnder40000);
    months.setInt("КолМес280000", e.MonthsUnder280000);
    const ExportElement deductions = standard.add("РасчВычСтанд");
    setGIfPositive(deductions, "ВычСтанд218.1.1", e.Deduction3000);
    setGIfPositive(deductions, "ВычСтанд218.1.2", e.Deduction500);
    setGIfPositive(deductions, "ВычСтанд218.1.3", e.Deduction400);
    setGIfPositive(deductions, "ВычСтандРеб", e.ChildSingle);
    setGIfPositive(deductions, "ВычСтРебОпек", e.ChildDouble);
    setGIfPositive(deductions, "ВычСтРебИнв", e.DisabledChildSingle);
    setGIfPositive(deductions, "ВычСтРебИнвОпек", e.DisabledChildDouble);
}

void writeSocial(const ExportElement& sheets, const kTSvodSumPrilE2& e)
{
    const ExportElement social = sheets.add("ВычСоциал");
    social.setK("ИтогВычСоциал", e.SocialTotal);
    if (positive(e.UnlimitedTotal)) {
        const ExportElement unlimited = social.add("РасчВычСоцБез219.2");
        setKIfPositive(unlimited, "СумБлагЦел", e.Charity);
        setKIfPositive(unlimited, "СумОбуч", e.ChildEducation);
        setKIfPositive(unlimited, "СумЛечен", e.CostlyTreatment);
        unlimited.setK("ИтогВычСоциал", e.UnlimitedTotal);
    }
    if (positive(e.LimitedTotal) || positive(e.DpsContributions) || positive(e.NpoContributions)) {
        const ExportElement limited = social.add("РасчВычСоц219.2");
        setKIfPositive(limited, "СумОбуч", e.Education);
        setKIfPositive(limited, "СумЛечен", e.Treatment);
        setKIfPositive(limited, "СумЛичСтрах", e.PersonalInsurance);
        setKIfPositive(limited, "СумПенсСтрахДр", e.DpsContributions);
        setKIfPositive(limited, "СумНгПенсСтрахДр", e.NpoContributions);
        setKIfPositive(limited, "СумДопСтрахФЗ", e.AdditionalPension);
        limited.setK("ИтогВычСоциал", e.LimitedTotal);
    }
}

// The attribute names of one kind of contract, pension ("ПВ", "НПО") or insurance ("СВ", "ДПС").
struct ContractNames
{
    const char* group;
    const char* total;
    const char* line;
    const char* date;
    const char* number;
    const char* paid;
    const char* deduction;
    const char* agent;
};

void writeContracts(const ExportElement& parent, const ContractNames& names, Money total,
                    const std::vector<mbTPens>& items, qint32 count)
{
    if (count <= 0)
        return;
    const ExportElement group = parent.add(names.group);
    group.setK(names.total, total);
    for (const mbTPens& contract : SheetItems(items, count)) {
        const ExportElement line = group.add(names.line);
        line.setInt("ПрДогНПО", contract.ContractKind);
        line.setDate(names.date, contract.ContractDate);
        line.set(names.number, contract.ContractNumber);
        line.setK(names.paid, contract.PaidTotal);
        line.setK(names.deduction, contract.Deduction);
        line.setK(names.agent, contract.AgentGranted);
        const ExportElement source = line.add("СведИст");
        source.set("Наим", contract.SourceName);
        source.set("ИННЮЛ", contract.Inn);
        source.set("КПП", contract.Kpp);
    }
}

void writePensionContracts(const ExportElement& sheets, const kTSvodSumPrilE3& e)
{
    if (qint64(e.NpoCount) + e.DpsCount <= 0)
        return;
    const ExportElement contracts = sheets.add("ВычДогНПО_ДПС");
    contracts.setK("СумВычОбщ", e.AgentGrantedTotal);
    writeContracts(contracts,
                   {"РасчВычДогНПО", "СумПВВычОбщ", "РасчСумПВВыч", "ДатаДогНПО", "НомДогНПО",
                    "СумПВОбщПер", "СумПВВыч", "СумВычПВПерНА"},
                   e.NpoDeduction, e.NpoItems, e.NpoCount);
    writeContracts(contracts,
                   {"РасчВычДогДПС", "СумСВВычОбщ", "РасчСумСВВыч", "ДатаДогДПС", "НомДогДПС",
                    "СумСВОбщПер", "СумСВВыч", "СумВычСВПерНА"},
                   e.DpsDeduction, e.DpsItems, e.DpsCount);
}

struct Extra
{
    const char* name;
    Money value;
};

void writeOperationGroup(const ExportElement& parent, const char* name, Money income, Money expense,
                         Money result, std::initializer_list<Extra> extras)
{
    if (!positive(income + expense))
        return;
    const ExportElement group = parent.add(name);
    group.setK("ДохСовОпер", income);
    group.setK("РасхСовОпер", expense);
    for (const Extra& extra : extras)
        group.setK(extra.name, extra.value);
    group.setK("НалДохРезОпер", result);
}

void writeLosses(const ExportElement& parent, const char* name, Money securities, Money fiss)
{
    if (!positive(securities + fiss))
        return;
    const ExportElement losses = parent.add(name);
    losses.setK("УбытОперЦБ", securities);
    losses.setK("УбытФинИнсСС", fiss);
}

void writeSecurities(const ExportElement& sheets, const kTSvodSumPrilJ& j)
{
    if (!positive(j.IncomeAll + j.PriorLossSec + j.PriorLossFiss))
        return;
    const ExportElement operations = sheets.add("ДохОперЦБ");
    writeOperationGroup(operations, "ДохОперЦБОрг", j.OrgIncome, j.OrgExpense, j.OrgResult,
                        {{"УбытРезСовОпер", j.OrgLoss},
                         {"УбытУчРасчДох", j.OrgLossToFissSec},
                         {"УбытСовОперВыч", j.OrgLossOther},
                         {"УбытОперЦБВыч", j.OrgPriorLossUsed}});
    writeOperationGroup(operations, "ДохОперЦБОргНеОрг", j.OrgNonOrgIncome, j.OrgNonOrgExpense,
                        j.OrgNonOrgResult, {{"УбытУчРасчДох", j.OrgNonOrgLossUsed}});
    writeOperationGroup(operations, "ДохОперЦБНеОрг", j.NonOrgIncome, j.NonOrgExpense,
                        j.NonOrgResult, {});
    writeOperationGroup(operations, "ДохФИССОргЦБ", j.FissSecIncome, j.FissSecExpense,
                        j.FissSecResult,
                        {{"УбытРезСовОпер", j.FissSecLoss},
                         {"УбытУчРасчДохФИ", j.FissSecLossToOther},
                         {"УбытУчРасчДохЦБ", j.FissSecLossToOrg},
                         {"УбытПрмВыч", j.FissSecPriorLossUsed}});
    writeOperationGroup(operations, "ДохФИССОргНеЦБ", j.FissOtherIncome, j.FissOtherExpense,
                        j.FissOtherResult,
                        {{"УбытРезСовОпер", j.FissOtherLoss},
                         {"УбытУчРасчДох", j.FissOtherLossToSec},
                         {"УбытПрмВыч", j.FissOtherPriorLossUsed}});
    writeOperationGroup(operations, "ДохФИССНеОрг", j.FissNonOrgIncome, j.FissNonOrgExpense,
                        j.FissNonOrgResult, {});
    writeOperationGroup(operations, "ДохРЕПО", j.RepoIncome, j.RepoExpense, j.RepoResult, {});
    writeOperationGroup(operations, "ДохЗаймЦБ", j.LoanIncome, j.LoanExpense, j.LoanResult, {});
    writeLosses(operations, "УбытПредПер", j.PriorLossSec, j.PriorLossFiss);
    writeLosses(operations, "УбытПрхПер", j.CarryLossSec, j.CarryLossFiss);
    if (positive(j.IncomeAll)) {
        const ExportElement total = operations.add("ИтогСовОпер");
        total.setK("ОбщПолучДох", j.IncomeAll);
        total.setK("ОбщНалогДох", j.TaxableAll);
        total.setK("РасхПрмВыч", j.ExpenseAll);
    }
}

void writePurchasedObject(const ExportElement& purchase, const mTConstructionDeduct& p,
                          const kTSvodSumPrilZ& z)
{
    const ExportElement object = purchase.add("СвОбъектРасх");
    object.setInt("КодНаимОб", p.ObjectKind == 8 ? 4 : p.ObjectKind);
    object.setInt("ВидСобствОб", p.OwnershipKind);
    object.setInt("ПризнакНП", p.OwnerSign);
    if (p.ByInvestment) {
        object.setDate("ДатаАкт", p.ActDate);
    } else {
        object.setDate("ДатаРегЖил", p.RightRegDate);
        if (p.ObjectKind > 4)
            object.setDate("ДатаРегЗем", p.LandRegDate);
    }
    if (p.OwnershipKind == 3 || (p.OwnershipKind == 1 && p.OwnerSign == 2))
        object.setDate("ДатаЗаявВыч", p.ApplicationDate);
    object.set("ДолСобств", QString::number(p.ShareNumerator) + QLatin1Char('/') +
                                QString::number(p.ShareDenominator));
    object.set("ГодНачИспВыч", ExportFormat::year(p.StartYearDate));
    setKIfPositive(object, "СумРасхФакт", z.Expense);
    setKIfPositive(object, "СумФактУплПроц", z.Interest);

    const ExportAddress address{p.ObjPostIndex, ExportFormat::zeroPadded(p.ObjRegionCode, 2),
                                p.ObjDistrict,  p.ObjCity,
                                p.ObjLocality,  p.ObjStreet,
                                p.ObjHouse,     p.ObjBuilding,
                                p.ObjFlat};
    address.write(object.add("АдрОбъект"));
}

void writePropertyPurchase(const ExportElement& sheets, const mTConstructionDeduct& p,
                           const kTSvodSumPrilZ& z)
{
    const ExportElement purchase = sheets.add("ВычИмущНов");
    writePurchasedObject(purchase, p, z);
    const ExportElement computed = purchase.add("РасчИмущВыч");
    computed.setK("ВычНовЗачПред", z.PriorUsed);
    computed.setK("ВычНовЗачПредНД", z.PriorUsedDecl);
    computed.setK("ВычНовЗачПредУп", z.PriorUsedAgent);
    computed.setK("ВычПроцЗачПред", z.PriorInterestUsed);
    computed.setK("ВычПроцЗачПредНД", z.PriorInterestDecl);
    computed.setK("ВычПроцЗачПредУп", z.PriorInterestAgent);
    computed.setK("ОстВычПршПред", z.PriorRemainder);
    computed.setK("ПроцПршПред", z.PriorInterestRemainder);
    computed.setK("ВычНАУвед", z.AgentGranted);
    computed.setK("ПроцНАУвед", z.AgentInterestGranted);
    computed.setK("НалБаз13БезВыч", z.BaseBefore);
    computed.setK("РасхНовВычНД", z.DeductionNow);
    computed.setK("ПроцВычНД", z.InterestNow);
    computed.setK("ОстВычПрхСлед", z.RemainderNext);
    computed.setK("ПроцПрхСлед", z.InterestRemainderNext);
}

} // namespace

namespace Ndfl3Deductions {

void write(const ExportElement& sheets, const mTDeclaration& d, const kTSvodSum& sum)
{
    const bool resident = d.DeclForm == DeclarationForm::Resident;
    writePropertySale(sheets, sum.PrilH1);
    if (resident && d.StandardDeduction.StdEnabled)
        writeStandard(sheets, sum.PrilE1);
    if (resident && d.SocialDeduction.SocialEnabled)
        writeSocial(sheets, sum.PrilE2);
    writePensionContracts(sheets, sum.PrilE3);
    writeSecurities(sheets, sum.PrilJ);
    if (resident && d.PropertyDeduction.PropertyEnabled)
        writePropertyPurchase(sheets, d.PropertyDeduction, sum.PrilZ);
}

} // namespace Ndfl3Deductions
