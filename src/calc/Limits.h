#pragma once

#include "model/Money.h"

// The fixed amounts the computation applies: the caps of the deductions and of the exempt income,
// and the monthly standard deductions. The check and the summary take them from here.
namespace Limits {

// Property purchase: the cap of the expenses, by the year of the determining date.
inline constexpr int PropertyCapYear = 2008;
inline constexpr Money PropertyExpenseCap = 2000000_rub;           // from PropertyCapYear on
inline constexpr Money PropertyExpenseCapBefore2008 = 1000000_rub; // before it, or no date
inline constexpr Money PropertyExpenseCapOfYear(int year)
{
    return year >= PropertyCapYear ? PropertyExpenseCap : PropertyExpenseCapBefore2008;
}

// Property sale: the caps of the deduction for housing and land, and for other property.
inline constexpr Money HousingSaleCap = 1000000_rub;
inline constexpr Money OtherPropertySaleCap = 250000_rub;

// Social deductions: each child's education, and the group that shares one cap (education,
// treatment, personal insurance, pension contributions and contracts).
inline constexpr Money ChildEducationCap = 50000_rub;
inline constexpr Money SocialSharedCap = 120000_rub;

// Standard deductions: the personal deductions a month, and the income of the year up to which
// the children's deductions are granted.
inline constexpr Money Personal500 = 500_rub;
inline constexpr Money Personal3000 = 3000_rub;
inline constexpr Money ChildrenIncomeThreshold = 280000_rub;

// Exempt income: the yearly caps of aid, gifts and prizes, of aid and gifts to veterans, the
// allowance of prizes at 35 %, and the monthly allowance of a farm's pay in kind.
inline constexpr Money AidCap = 4000_rub;
inline constexpr Money AidGiftCap = 10000_rub;
inline constexpr Money PrizeAllowance = 4000_rub;
inline constexpr Money FarmMonthAllowance = 4300_rub;

} // namespace Limits
