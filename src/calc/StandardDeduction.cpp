// Standard deductions by month, limited by the cumulative income of the year.

#include "calc/Exact.h"
#include "calc/Limits.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"

#include <bit>

using namespace Exact;

namespace {

bool inSet(quint16 set, int month)
{
    return (set >> (month - 1)) & 1U;
}

// A group of children with its monthly amounts and the fields it adds to.
struct ChildrenRule
{
    const mTStandartDeduct::ChildrenGroup& group;
    Money single;
    Money twice;
    Money& singleField;
    Money& doubleField;
};

} // namespace

bool kTSvodSumPrilE1::Calculate(const mTDeclaration& declaration, kTSvodSum&)
{
    const mTStandartDeduct& deduct = declaration.StandardDeduction;
    if (!deduct.StdEnabled || declaration.DeclForm != DeclarationForm::Resident)
        return true;

    // Cumulative income of the months.
    bool have = false;
    if (deduct.MonthlyIncomeMode) {
        have = true;
        Money debt;
        for (int m = 1; m <= 12; ++m) {
            MonthNet[m - 1] = Diff(deduct.GetMonthIncome(m), deduct.GetMonthExpense(m));
            if (deduct.MonthMarks[m - 1])
                MonthSet |= quint16(1U << (m - 1));
            // A month with expenses above income carries the excess into the next month.
            Money cumulative = Diff(MonthNet[m - 1], debt);
            if (m > 1)
                cumulative = Sum(cumulative, CumulativeIncome[m - 2]);
            debt = cumulative < Money() ? Minus(Money(), cumulative) : Money();
            CumulativeIncome[m - 1] = NotBelowZero(cumulative);
        }
    } else {
        for (const mTThirteenPercent& source : declaration.Income13) {
            if (!source.IsPrimarySource)
                continue;
            for (const mTSourseIncome& line : source.Incomes()) {
                have = true;
                // A line without a valid month belongs to no month.
                if (line.IncomeMonth < 1 || line.IncomeMonth > 12)
                    continue;
                Add(MonthNet[line.IncomeMonth - 1], Diff(line.IncomeSum, line.DeductSum));
                MonthSet |= quint16(1U << (line.IncomeMonth - 1));
            }
        }
        Money cumulative;
        for (int m = 0; m < 12; ++m)
            CumulativeIncome[m] = cumulative = Sum(cumulative, MonthNet[m]);
    }

    // Months from January in which the children's deductions are due.
    int dueMonths = 0;
    if (have) {
        int b = 0;
        while (CumulativeIncome[b] <= Limits::ChildrenIncomeThreshold && b < 11) {
            if (inSet(MonthSet, b + 1))
                ++MonthsUnder280000;
            ++dueMonths;
            ++b;
        }
        if (inSet(MonthSet, 12) && CumulativeIncome[11] <= Limits::ChildrenIncomeThreshold &&
            b == 11) {
            ++MonthsUnder280000;
            ++dueMonths;
        }
    }

    // The personal deduction.
    const int markedMonths = std::popcount(MonthSet);
    switch (deduct.PersonalCode) {
    case PersonalDeduction::Monthly500:
        Deduction500 = Times(Limits::Personal500, markedMonths);
        break;
    case PersonalDeduction::Monthly3000:
        Deduction3000 = Times(Limits::Personal3000, markedMonths);
        break;
    case PersonalDeduction::ByMonth:
        for (int m = 1; m <= 12; ++m) {
            if (!inSet(MonthSet, m))
                continue;
            if (deduct.GetPersonalByMonth(m) == PersonalDeduction::Month3000)
                Add(Deduction3000, Limits::Personal3000);
            else if (deduct.GetPersonalByMonth(m) == PersonalDeduction::Month500)
                Add(Deduction500, Limits::Personal500);
        }
        break;
    default:
        break;
    }

    // The children's deductions.
    if (deduct.ChildrenKind != 0) {
        const ChildrenRule rules[] = {
            {deduct.Children, 1400_rub, 2800_rub, ChildSingle, ChildDouble},
            {deduct.Third, 3000_rub, 6000_rub, ChildSingle, ChildDouble},
            {deduct.Disabled, 3000_rub, 6000_rub, DisabledChildSingle, DisabledChildDouble},
        };
        for (const ChildrenRule& rule : rules) {
            if (rule.group.Constant && deduct.ChildrenKind == ChildrenDeduction::Single) {
                Add(rule.singleField,
                    Times(Times(rule.single, MonthsUnder280000), rule.group.Count));
                continue;
            }
            if (rule.group.Constant && deduct.ChildrenKind != ChildrenDeduction::ByMonth) {
                Add(rule.doubleField,
                    Times(Times(rule.twice, MonthsUnder280000), rule.group.Count));
                continue;
            }
            for (int m = 1; m <= dueMonths; ++m) {
                if (!inSet(MonthSet, m))
                    continue;
                bool single = deduct.ChildrenKind == ChildrenDeduction::Single;
                if (deduct.ChildrenKind == ChildrenDeduction::ByMonth)
                    single = deduct.GetChildrenKindByMonth(m) != 0;
                const qint32 children = rule.group.InMonth(m - 1);
                if (single)
                    Add(rule.singleField, Times(rule.single, children));
                else
                    Add(rule.doubleField, Times(rule.twice, children));
            }
        }
    }

    DeductionTotal = Sum(Deduction3000, Deduction500, Deduction400, ChildSingle, ChildDouble,
                         DisabledChildSingle, DisabledChildDouble);
    // Never more than the income of the year, in whole roubles.
    if (CumulativeIncome[11] < DeductionTotal)
        DeductionTotal = Money::fromRoubles(CumulativeIncome[11].wholeRoubles());
    DeductionTotal = NotBelowZero(DeductionTotal);
    return true;
}
