// The per-rate sections of the summary: the lines of each section as the form shows them, each
// with the sheets that feed it.

#include "summary/SummarySections.h"

#include "calc/Limits.h"
#include "calc/SheetAmounts.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"
#include "summary/SummarySheets.h"
#include "summary/SummaryText.h"

using namespace SummarySheets;

namespace {

SummaryLine taxComputed(Money amount, const QString& note)
{
    SummaryLine result = taxLine(QStringLiteral("Сумма налога исчисленная"), amount, "Исчисл");
    result.note = note;
    return result;
}

SummaryLine withheld(Money amount, EntryPlace place)
{
    SummaryLine result =
        taxLine(QStringLiteral("Удержано налоговыми агентами"), amount, "УдержОбщ");
    result.place = place;
    return result;
}

void addNoticesAndBalance(std::vector<SummaryLine>& lines, Money noticePaid, Money refund,
                          Money pay)
{
    if (!noticePaid.isZero()) {
        SummaryLine notices =
            taxLine(QStringLiteral("Уплачено по налоговым уведомлениям"), noticePaid, nullptr);
        notices.place = EntryPlace::TaxNotices;
        lines.push_back(std::move(notices));
    }
    lines.push_back(taxLine(QStringLiteral("Сумма налога к возврату"), refund, "ПодлВозв"));
    lines.push_back(taxLine(QStringLiteral("Сумма налога к уплате"), pay, "ПодлУпл"));
}

SummaryLine taxBase(Money amount)
{
    return formLine(QStringLiteral("Налоговая база"), amount, "НалБаза");
}

SummaryLine foreignCredit(Money amount)
{
    SummaryLine result =
        taxLine(QStringLiteral("Налог, уплаченный за пределами РФ, к зачёту"), amount, "УплИно");
    result.place = EntryPlace::ForeignIncome;
    return result;
}

SummarySection section13(const mTDeclaration& declaration, const kTSvodSum& sum,
                         const EnteredAmounts& entered)
{
    const kTSvodSumList1& s = sum.List1;
    const bool resident = declaration.DeclForm == DeclarationForm::Resident;
    // A non-resident's income at 13 % is the list of highly qualified specialists.
    const EntryPlace place13 =
        resident ? EntryPlace::RussianIncome13 : EntryPlace::RussianIncome13NR;
    SummarySection section{13, QStringLiteral("Раздел 2. Доходы по ставке 13 %"), "НалБаза13", {}};
    std::vector<SummaryLine>& lines = section.lines;

    SummaryLine income = formLine(QStringLiteral("Общая сумма дохода"), s.IncomeTotal, "ДоходОбщ");
    addPart(income,
            line(QStringLiteral("Доходы от источников в РФ"), sum.PrilA13.IncomeTotal, place13));
    if (resident) {
        addPart(income, line(QStringLiteral("Доходы от предпринимательской деятельности"),
                             sum.PrilV1.Income, EntryPlace::BusinessIncome));
        addPart(income, line(QStringLiteral("Доходы от частной практики"), sum.PrilV2.Income,
                             EntryPlace::PrivatePractice));
        addPart(income, line(QStringLiteral("Доходы от источников за пределами РФ"),
                             sum.PrilB13.IncomeRub, EntryPlace::ForeignIncome));
    }
    lines.push_back(std::move(income));

    SummaryLine exempt = formLine(QStringLiteral("Доход, не подлежащий налогообложению"),
                                  s.IncomeExempt, "ДоходОбщНеНал");
    if (resident)
        addExemptParts(exempt, sum.PrilM, EntryPlace::RussianIncome13);
    lines.push_back(std::move(exempt));
    lines.push_back(formLine(QStringLiteral("Доход, подлежащий налогообложению"), s.IncomeTaxable,
                             "ДоходОбщНал"));

    SummaryLine deductions =
        formLine(QStringLiteral("Вычеты и расходы"), s.DeductionTotal, "РасхВычОбщ");
    if (resident) {
        addResidentDeductions(deductions, declaration, sum, entered);
    } else {
        addPart(deductions,
                line(QStringLiteral("Профессиональные вычеты"), sum.PrilG.ExpenseTotal, place13));
        addPart(deductions,
                line(QStringLiteral("Профессиональные вычеты по доходам за пределами РФ"),
                     sum.PrilG_In.ExpenseTotal, EntryPlace::ForeignIncome));
    }
    lines.push_back(std::move(deductions));

    lines.push_back(taxBase(s.TaxBase));
    lines.push_back(taxComputed(s.TaxComputed, QStringLiteral("13 % налоговой базы")));
    lines.push_back(withheld(s.TaxWithheld, place13));
    SummaryLine advance =
        taxLine(QStringLiteral("Авансовые платежи предпринимателя"), s.AdvancePaid, "УплФактАв");
    advance.place = EntryPlace::BusinessIncome;
    lines.push_back(std::move(advance));
    SummaryLine fixedAdvance = taxLine(QStringLiteral("Фиксированные авансовые платежи"),
                                       s.FixedAdvancePaid, "УплФиксирАв");
    fixedAdvance.place = place13;
    lines.push_back(std::move(fixedAdvance));
    lines.push_back(foreignCredit(s.ForeignCredit));
    addNoticesAndBalance(lines, s.NoticePaid, s.ToRefund, s.ToPay);
    return section;
}

SummarySection section30(const kTSvodSum& sum)
{
    const kTSvodSumList2& s = sum.List2;
    // A non-resident's income at 30 % is the first list of income in the country.
    const EntryPlace place = EntryPlace::RussianIncome13;
    SummarySection section{30, QStringLiteral("Раздел 3. Доходы по ставке 30 %"), "НалБаза30", {}};
    std::vector<SummaryLine>& lines = section.lines;
    SummaryLine income = formLine(QStringLiteral("Общая сумма дохода"), s.IncomeTotal, "ДоходОбщ");
    income.place = place;
    lines.push_back(std::move(income));
    SummaryLine exempt = formLine(QStringLiteral("Доход, не подлежащий налогообложению"),
                                  s.IncomeExempt, "ДоходОбщНеНал");
    addExemptParts(exempt, sum.PrilM, place);
    addPart(exempt, line(QStringLiteral("Выигрыши и призы"), sum.PrilM2.ExemptTotal, place));
    lines.push_back(std::move(exempt));
    lines.push_back(formLine(QStringLiteral("Доход, подлежащий налогообложению"), s.IncomeTaxable,
                             "ДоходОбщНал"));
    SummaryLine expenses = formLine(QStringLiteral("Расходы"), s.ExpenseTotal, "РасхОбщ");
    addPart(expenses, securities(sum, place));
    lines.push_back(std::move(expenses));
    lines.push_back(taxBase(s.TaxBase));
    lines.push_back(taxComputed(s.TaxComputed, QStringLiteral("30 % налоговой базы")));
    lines.push_back(withheld(s.TaxWithheld, place));
    addNoticesAndBalance(lines, s.NoticePaid, s.ToRefund, s.ToPay);
    return section;
}

SummarySection section35(const kTSvodSum& sum)
{
    const kTSvodSumList3& s = sum.List3;
    const EntryPlace place = EntryPlace::RussianIncome35;
    SummarySection section{35, QStringLiteral("Раздел 5. Доходы по ставке 35 %"), "НалБаза35", {}};
    std::vector<SummaryLine>& lines = section.lines;
    SummaryLine income = formLine(QStringLiteral("Общая сумма дохода"), s.IncomeTotal, "ДоходОбщ");
    addPart(income,
            line(QStringLiteral("Доходы от источников в РФ"), sum.PrilA35.IncomeTotal, place));
    addPart(income, line(QStringLiteral("Доходы от источников за пределами РФ"),
                         sum.PrilB35.IncomeRub, EntryPlace::ForeignIncome));
    lines.push_back(std::move(income));
    SummaryLine exempt = formLine(QStringLiteral("Доход, не подлежащий налогообложению"),
                                  s.IncomeExempt, "ДоходОбщНеНал");
    exempt.place = place;
    if (!s.IncomeExempt.isZero())
        exempt.note = QStringLiteral("выигрыши и призы: не более ") +
                      SummaryText::roubles(Limits::PrizeAllowance) + QStringLiteral(" в год");
    lines.push_back(std::move(exempt));
    lines.push_back(taxBase(s.TaxBase));
    lines.push_back(taxComputed(s.TaxComputed, QStringLiteral("35 % налоговой базы")));
    lines.push_back(withheld(s.TaxWithheld, place));
    SummaryLine benefit = taxLine(QStringLiteral("Удержано с материальной выгоды"),
                                  s.TaxWithheldExcess, "УдержОбщЛиш");
    benefit.place = place;
    lines.push_back(std::move(benefit));
    lines.push_back(foreignCredit(s.ForeignCredit));
    addNoticesAndBalance(lines, s.NoticePaid, s.ToRefund, s.ToPay);
    return section;
}

// Dividends: Section 4 at 9 % of a resident, Section 6 at 15 % of a non-resident.
SummarySection dividends(const kTSvodSum& sum, int rate)
{
    const EntryPlace place = EntryPlace::Dividends;
    const bool resident = rate == 9;
    const SectionTotals& s = resident ? static_cast<const SectionTotals&>(sum.List4) : sum.List5;
    SummarySection section =
        resident
            ? SummarySection{9, QStringLiteral("Раздел 4. Дивиденды по ставке 9 %"), "НалБаза9", {}}
            : SummarySection{
                  15, QStringLiteral("Раздел 6. Дивиденды по ставке 15 %"), "НалБаза15", {}};
    std::vector<SummaryLine>& lines = section.lines;
    SummaryLine income = formLine(QStringLiteral("Общая сумма дохода"), s.IncomeTotal, "ДоходОбщ");
    if (resident) {
        addPart(income, line(QStringLiteral("Дивиденды от источников в РФ"), sum.PrilA6.IncomeTotal,
                             place));
        addPart(income, line(QStringLiteral("Дивиденды от источников за пределами РФ"),
                             sum.PrilB9.IncomeRub, EntryPlace::ForeignIncome));
    } else {
        income.place = place;
    }
    lines.push_back(std::move(income));
    lines.push_back(taxBase(s.TaxBase));
    lines.push_back(taxComputed(s.TaxComputed, resident ? QStringLiteral("9 % по каждому источнику")
                                                        : QStringLiteral("15 % налоговой базы")));
    lines.push_back(withheld(s.TaxWithheld, place));
    if (resident)
        lines.push_back(foreignCredit(sum.List4.ForeignCredit));
    addNoticesAndBalance(lines, s.NoticePaid, s.ToRefund, s.ToPay);
    return section;
}

} // namespace

std::vector<SummarySection> SummarySections(const mTDeclaration& declaration, const kTSvodSum& sum,
                                            const EnteredAmounts& entered)
{
    std::vector<SummarySection> sections;
    for (const int rate : WrittenSections(sum)) {
        switch (rate) {
        case 13:
            sections.push_back(section13(declaration, sum, entered));
            break;
        case 30:
            sections.push_back(section30(sum));
            break;
        case 35:
            sections.push_back(section35(sum));
            break;
        case 9:
            sections.push_back(dividends(sum, 9));
            break;
        case 15:
            sections.push_back(dividends(sum, 15));
            break;
        }
        for (SummaryLine& line : sections.back().lines)
            settlePlaces(line);
    }
    return sections;
}
