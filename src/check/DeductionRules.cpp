#include "check/DeductionRules.h"

#include "calc/Limits.h"
#include "check/AmountSum.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"

#include <algorithm>

namespace {

// The calendar year of a day count, 0 when it is no date.
int yearOf(double dayCount)
{
    const QDate date = DayCount::toDate(dayCount);
    return date.isValid() ? date.year() : 0;
}

// RoundKop of the property cap times numerator / denominator, computed exactly in kopecks. A
// share with a zero denominator (possible only in a damaged file) allows nothing.
AmountSum propertyCap(qint32 numerator, qint32 denominator)
{
    if (denominator == 0)
        return AmountSum();
    const qint64 dividend = Limits::PropertyExpenseCap.units() / 100 * numerator;
    const qint64 divisor = denominator;
    qint64 whole = dividend / divisor;
    const qint64 rest = dividend % divisor;
    const bool positive = (dividend >= 0) == (divisor > 0);
    if (positive && rest != 0 && 2 * std::abs(rest) >= std::abs(divisor))
        ++whole;
    // A share far above one, which only a damaged file holds, gives a cap beyond any amount.
    return AmountSum::ofKopecks(whole);
}

} // namespace

RuleFailures SocialFailures(const mTDeclaration& d)
{
    const mTSocialDeduct& s = d.SocialDeduction;
    RuleCollector rules;
    rules.fail(s.SocialEnabled && s.CharitySum.isZero() && s.SelfEducationSum.isZero() &&
                   s.MedicalSum.isZero() && s.ExpensiveMedicalSum.isZero() &&
                   s.InsuranceSum.isZero() && s.PensionContribSum.isZero() &&
                   s.ChildEducationSums().empty() && s.PensionContracts().empty(),
               QStringLiteral("Не введены данные по социальным налоговым вычетам"),
               SocialField::FirstAmount);
    return rules.take();
}

RuleFailures StandardFailures(const mTDeclaration& d)
{
    const mTStandartDeduct& st = d.StandardDeduction;
    if (!st.StdEnabled || st.MonthlyIncomeMode || !d.HasIncomeKind(IncomeKind::Country) ||
        d.HasIncomeKind(IncomeKind::Business))
        return {};
    RuleCollector rules;
    for (int month = 0; month < 12; ++month) {
        const auto sources =
            std::count_if(d.Income13.begin(), d.Income13.end(),
                          [month](const mTThirteenPercent& s) { return s.HasMonthAmount(month); });
        if (sources >= 2) {
            rules.fail(true,
                       QStringLiteral("Вы не могли получать стандартные вычеты работая в "
                                      "нескольких местах ОДНОВРЕМЕННО."),
                       StandardField::Months);
            break;
        }
    }
    return rules.take();
}

RuleFailures PropertyFailures(const mTDeclaration& d, CheckScope scope)
{
    const mTConstructionDeduct& c = d.PropertyDeduction;
    if (!c.PropertyEnabled)
        return {};
    const bool section = scope == CheckScope::Section;
    RuleCollector rules;
    rules.fail(c.ObjectKind == 0, QStringLiteral("Не введено наименование объекта"),
               PropertyField::ObjectKind);
    rules.fail(c.OwnershipKind == 0, QStringLiteral("Не введен вид собственности"),
               PropertyField::OwnershipKind);
    rules.fail(c.OwnerSign == 0, QStringLiteral("Не введен признак налогоплательщика"),
               PropertyField::OwnerSign);
    if (section)
        rules.fail(c.ObjPostIndex.trimmed().isEmpty(), QStringLiteral("Не введен почтовый индекс"),
                   PropertyField::PostIndex);
    rules.fail(c.ObjRegionCode == QLatin1String("0"), QStringLiteral("Не указан код региона"),
               PropertyField::Region);
    const int startYear = yearOf(c.StartYearDate);
    const int keyYear = yearOf(c.ByInvestment ? c.ActDate : c.RightRegDate);
    rules.fail(d.Pensioner == 0 && startYear < keyYear && keyYear > 2008,
               c.ByInvestment ? QStringLiteral("Год начала пользования льготой меньше даты акта "
                                               "о передаче")
                              : QStringLiteral("Год начала пользования льготой меньше даты "
                                               "регистрации прав собственности"),
               PropertyField::StartYear);
    if (section)
        return rules.take();
    const Money yearCap = Limits::PropertyExpenseCapOfYear(keyYear);
    rules.fail(c.PriorYearsDeduction > yearCap,
               QStringLiteral("В предыдущие отчетные годы не могли зачесть более %1 рублей")
                   .arg(yearCap.wholeRoubles()),
               PropertyField::PriorCost);
    const AmountSum claimed =
        AmountSum(c.PriorYearsDeduction) + c.PriorYearsAgentDeduction + c.CarriedCost;
    rules.fail(propertyCap(c.ShareNumerator, c.ShareDenominator) < claimed,
               QStringLiteral("Перейти с прошлого года может не более %1 рублей * долю "
                              "собственности (за вычетом уже зачтенных сумм)")
                   .arg(Limits::PropertyExpenseCap.wholeRoubles()),
               PropertyField::CarriedCost);
    return rules.take();
}
