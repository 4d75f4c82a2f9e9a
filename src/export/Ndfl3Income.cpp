#include "export/Ndfl3Income.h"

#include "calc/SvodSum.h"
#include "export/ExportFormat.h"
#include "export/SheetItems.h"
#include "model/Declaration.h"

namespace {

bool positive(Money value)
{
    return value > Money();
}

ExportElement addRateBlock(const ExportElement& sheets, const char* rate,
                           const kTSvodSumPrilA& sheet, Money fixedAdvancePaid)
{
    const ExportElement block = sheets.add("ДоходИстРФ");
    block.set("Ставка", QLatin1String(rate));
    block.setK("ДоходОбщ", sheet.IncomeTotal);
    block.setK("ДоходОблОбщ", sheet.IncomeTaxable);
    block.setG("НалИсчислИт", sheet.TaxComputed);
    block.setG("НалУдержИт", sheet.TaxWithheld);
    block.setG("НалУплФАП", fixedAdvancePaid);
    return block;
}

// The end of a "РасчДохНал" line: the tax withheld, the OKTMO and the source.
void finishSourceLine(const ExportElement& line, const mTSourseIncomeInfo& source)
{
    line.setG("НалУдерж", source.TaxWithheld);
    line.setIfFilled("ОКТМО", source.SourceOKTMO);
    Ndfl3Income::writeSource(line, source.SourceName, source.SourceINN, source.SourceKPP);
}

// One "РасчДохНал" line for each source the sheet counted, with the taxable income and the tax
// the computation found for it.
template <class Record>
void writeSourceLines(const ExportElement& block, const RecordList<Record>& list,
                      const kTSvodSumPrilA& sheet)
{
    for (const SourceTax& counted : sheet.Sources) {
        const Record& source = list.At(counted.Position);
        const ExportElement line = block.add("РасчДохНал");
        line.setK("Доход", source.TotalIncome);
        line.setK("ДоходОбл", counted.Taxable);
        line.setG("НалИсчисл", counted.TaxComputed);
        finishSourceLine(line, source);
    }
}

void writeCountryIncome(const ExportElement& sheets, const mTDeclaration& d, const kTSvodSum& sum)
{
    if (d.Income13.Count() + d.Income13NR.Count() + d.Income30.Count() < 1 &&
        !positive(sum.PrilA35.IncomeTotal))
        return;
    const bool resident = d.DeclForm == DeclarationForm::Resident;
    const bool nonResident = d.DeclForm == DeclarationForm::NonResident;
    const Money zero;
    if (resident && d.Income30.Count() > 0)
        writeSourceLines(addRateBlock(sheets, "09", sum.PrilA6, zero), d.Income30, sum.PrilA6);
    if (resident && d.Income13.Count() > 0)
        writeSourceLines(addRateBlock(sheets, "13", sum.PrilA13, sum.PrilA13.FixedAdvancePaid),
                         d.Income13, sum.PrilA13);
    if (nonResident && d.Income13NR.Count() > 0)
        writeSourceLines(addRateBlock(sheets, "13", sum.PrilA13, sum.PrilA13.FixedAdvancePaid),
                         d.Income13NR, sum.PrilA13);
    if (nonResident && d.Income30.Count() > 0)
        writeSourceLines(addRateBlock(sheets, "15", sum.PrilA15, zero), d.Income30, sum.PrilA15);
    if (nonResident && d.Income13.Count() > 0)
        writeSourceLines(addRateBlock(sheets, "30", sum.PrilA30, zero), d.Income13, sum.PrilA30);
    if (resident && positive(sum.PrilA35.IncomeTotal))
        writeSourceLines(addRateBlock(sheets, "35", sum.PrilA35, zero), d.Income35, sum.PrilA35);
}

void writeForeignLine(const ExportElement& block, const DohodCur& item)
{
    const ExportElement line = block.add("РасчДохНалИно");
    line.set("ОКСМ", ExportFormat::zeroPadded(item.Oksm, 3));
    line.set("НаимИстДох", item.SourceName);
    line.set("КодВалют", ExportFormat::zeroPadded(item.CurrencyCode, 3));
    line.setDate("ДатаДох", item.IncomeDate);
    line.set("КурсВалютДох", item.IncomeRateText);
    line.set("ДоходИноВал", ExportFormat::decimalText(item.IncomeCurText));
    line.setK("ДоходИноРуб", item.IncomeRub);
    if (positive(item.TaxPaidRub)) {
        line.setDate("ДатаУплНал", item.TaxPaidDate);
        line.set("КурсВалютНал", item.TaxRateText);
        line.set("НалУплИноВал", ExportFormat::decimalText(item.TaxPaidCurText));
        line.setK("НалУплИноРуб", item.TaxPaidRub);
    }
    line.setG("НалЗачРФОбщ", item.TaxComputedRF);
    if (positive(item.TaxCredited))
        line.setG("НалогЗачРФОбщ", item.TaxCredited);
}

void writeForeignIncome(const ExportElement& sheets, const mTDeclaration& d, const kTSvodSum& sum)
{
    if (!d.HasIncomeKind(IncomeKind::Abroad))
        return;
    const std::pair<const char*, const kTSvodSumPrilB*> rates[] = {
        {"09", &sum.PrilB9}, {"13", &sum.PrilB13}, {"35", &sum.PrilB35}};
    for (const auto& [rate, sheet] : rates) {
        if (!positive(sheet->IncomeRub))
            continue;
        const ExportElement block = sheets.add("ДоходИстИно");
        block.set("Ставка", QLatin1String(rate));
        block.setK("ДоходИноРубОбщ", sheet->IncomeRub);
        block.setK("НалУплИноРубОбщ", sheet->TaxPaidAbroadRub);
        block.setG("НалИсчислРФОбщ", sheet->TaxComputedRF);
        block.setG("НалЗачРФОбщ", sheet->TaxCredited);
        for (const DohodCur& item : SheetItems(sheet->Items, sheet->Count))
            writeForeignLine(block, item);
    }
}

void setKIfNotZero(const ExportElement& element, const char* name, Money value)
{
    if (!value.isZero())
        element.setK(name, value);
}

void writeBusiness(const ExportElement& sheets, const mTDeclaration& d, const kTSvodSum& sum)
{
    if (!d.HasIncomeKind(IncomeKind::Business) || d.Businesses.Count() == 0)
        return;
    const kTSvodSumPrilV1& sheet = sum.PrilV1;
    const ExportElement business = sheets.add("ДоходПредпр");
    business.setK("ДоходИт", sheet.Income);
    business.setK("ВычПрофИт", sheet.Expenses);
    business.setG("НачислАванИт", sheet.AdvanceAssessed);
    if (positive(sheet.AdvancePaid))
        business.setG("УплАванИт", sheet.AdvancePaid);
    for (const mTBusinessNew& activity : d.Businesses) {
        const ExportElement line = business.add("РасчВидДеят");
        line.set("КодВД", activity.ActivityKind);
        if (activity.ActivityKind == QLatin1String("1"))
            line.set("ОКВЭД", activity.ActivityName);
        line.setK("Доход", activity.BusinessIncome);
        if (activity.HasDocumentedExpenses) {
            setKIfNotZero(line, "РасхФакт", activity.ExpensesTotal);
            setKIfNotZero(line, "РасхФМат", activity.MaterialExpenses);
            setKIfNotZero(line, "РасхФАмНач", activity.Depreciation);
            setKIfNotZero(line, "РасхФОплТруд", activity.LabourCosts);
            setKIfNotZero(line, "РасхФТрДог", activity.LabourContracts);
            setKIfNotZero(line, "РасхФПроч", activity.OtherExpenses);
        } else {
            setKIfNotZero(line, "РасхПредНорм", activity.FlatRateExpenses);
        }
    }
    if (d.IsFarm) {
        const ExportElement farm = business.add("СведКФХ");
        farm.set("ГодРегКФХ", ExportFormat::year(d.FarmStartDate));
        farm.setK("ДоходНеНал", d.FarmExemptIncome);
    }
}

void writeFarmEmployer(const ExportElement& exempt, const SHRec& employer)
{
    const ExportElement element = exempt.add("ДохОплСХ");
    element.setK("ДоходНеНал", employer.ExemptTotal);
    for (int m = 0; m < 12; ++m) {
        const SHMonth& month = employer.Months[size_t(m)];
        const ExportElement line = element.add("СумДохМес");
        line.set("Месяц", ExportFormat::zeroPadded(m + 1, 2));
        line.setK("ОплТрудОбщ", month.PayTotal);
        line.setK("ОплТрудНатур", month.PayInKind);
        if (m > 0)
            line.setK("ДохНеНалПред", month.CarryIn);
        line.setK("ДоходНеНалМ", month.ExemptMonth);
        if (m < 11)
            line.setK("ДохНеНалПослед", month.CarryOut);
    }
    if (employer.Inn.size() == 10 || !employer.Kpp.trimmed().isEmpty()) {
        const ExportElement organisation = element.add("СвОрг");
        organisation.set("ИННЮЛ", employer.Inn);
        organisation.set("КПП", employer.Kpp);
    } else {
        element.add("СвФЛ").set("ИННФЛ", employer.Inn);
    }
}

void writeExemptIncome(const ExportElement& sheets, const kTSvodSumPrilM& m)
{
    if (!positive(m.ExemptTotal))
        return;
    const ExportElement exempt = sheets.add("ДоходОсвПрев");
    exempt.setK("ДохНеНалОбщ", m.ExemptTotal);
    exempt.setK("ДохНеНалОплСХ", m.FarmExempt);
    const struct
    {
        const char* name;
        Money income;
        Money exemptPart;
    } kinds[] = {{"МатПомРожд", m.BirthAidIncome, m.BirthAidExempt},
                 {"МатПомРаб", m.WorkAidIncome, m.WorkAidExempt},
                 {"МатПомИнв", m.DisabledAidIncome, m.DisabledAidExempt},
                 {"ПодарНП", m.GiftIncome, m.GiftExempt},
                 {"ПризНП", m.PrizeIncome, m.PrizeExempt},
                 {"ВозмМед", m.MedicineIncome, m.MedicineExempt},
                 {"ПомПодар", m.AidGiftIncome, m.AidGiftExempt}};
    for (const auto& kind : kinds) {
        if (!positive(kind.exemptPart))
            continue;
        const ExportElement element = exempt.add(kind.name);
        element.setK("ДоходВсИст", kind.income);
        element.setK("ДоходНеНал", kind.exemptPart);
    }
    if (positive(m.FarmExempt)) {
        for (const SHRec& employer : SheetItems(m.FarmItems, m.FarmCount))
            writeFarmEmployer(exempt, employer);
    }
}

void writePrizes(const ExportElement& sheets, const kTSvodSumPrilM2& prizes)
{
    if (!positive(prizes.ExemptTotal))
        return;
    const ExportElement element = sheets.add("ДоходИгрПриз");
    element.setK("ДоходНеНалОбщ", prizes.ExemptTotal);
    for (const Rec35& item : SheetItems(prizes.Items, prizes.Count)) {
        const ExportElement line = element.add("СвДоход");
        line.setK("Доход", item.Income);
        line.setK("ДоходНеНал", item.Exempt);
        Ndfl3Income::writeSource(line, item.SourceName, item.Inn, item.Kpp);
    }
}

void writeMaterialBenefit(const ExportElement& sheets, const kTSvodSumPrilM3& benefit)
{
    if (!positive(benefit.WithheldTotal))
        return;
    const ExportElement element = sheets.add("ДоходМатВыг");
    element.setG("НалогУдЛОбщ", benefit.WithheldTotal);
    for (const Neo35& item : SheetItems(benefit.Items, benefit.Count)) {
        const ExportElement line = element.add("РасчНалогУдЛ");
        line.setK("Доход", item.Income);
        line.setG("НалогУдЛ", item.TaxWithheld);
        if (item.Oktmo.size() == 8 || item.Oktmo.size() == 11)
            line.set("ОКТМО", item.Oktmo);
        Ndfl3Income::writeSource(line, item.SourceName, item.Inn, item.Kpp);
    }
}

void writeProfessional(const ExportElement& sheets, const char* origin, const kTSvodSumPrilGBase& g)
{
    if (!positive(g.ExpenseTotal))
        return;
    const ExportElement element = sheets.add("ВычПрофВозн");
    element.set("ПрИст", QLatin1String(origin));
    element.setK("РасходОбщИт", g.ExpenseTotal);
    const struct
    {
        const char* name;
        const char* incomeName;
        Money income;
        Money expense;
    } pairs[] = {{"РасхФактДогГПХ", "СумДохДогГПХ", g.ContractIncome, g.ContractExpense},
                 {"РасхФактАвтВозн", "СумАвторВозн", g.RoyaltyIncome, g.RoyaltyExpense},
                 {"РасхНормАвтВозн", "СумАвторВозн", g.RoyaltyNormIncome, g.RoyaltyNormExpense},
                 {"РасхФактУстКап", "СумДохУстКап", g.CapitalShareIncome, g.CapitalShareExpense},
                 {"РасхФактДолСтр", "СумДохДолСтр", g.ClaimIncome, g.ClaimExpense}};
    for (const auto& pair : pairs) {
        if (!positive(pair.expense))
            continue;
        const ExportElement line = element.add(pair.name);
        line.setK(pair.incomeName, pair.income);
        line.setK("СумРасхВыч", pair.expense);
    }
}

} // namespace

namespace Ndfl3Income {

void writeSource(const ExportElement& parent, const QString& name, const QString& inn,
                 const QString& kpp)
{
    if (inn.size() != 10 && kpp.trimmed().isEmpty()) {
        const ExportElement person = parent.add("ИстФЛИн");
        person.set("ФИОИн", name);
        person.setIfFilled("ИННФЛ", inn);
    } else {
        const ExportElement organisation = parent.add("ИстЮЛ");
        organisation.set("Наим", name);
        organisation.set("ИННЮЛ", inn);
        organisation.set("КПП", kpp);
    }
}

void write(const ExportElement& sheets, const mTDeclaration& declaration, const kTSvodSum& sum)
{
    writeCountryIncome(sheets, declaration, sum);
    writeForeignIncome(sheets, declaration, sum);
    writeBusiness(sheets, declaration, sum);
    writeExemptIncome(sheets, sum.PrilM);
    writePrizes(sheets, sum.PrilM2);
    writeMaterialBenefit(sheets, sum.PrilM3);
    writeProfessional(sheets, "1", sum.PrilG);
    writeProfessional(sheets, "2", sum.PrilG_In);
}

} // namespace Ndfl3Income
