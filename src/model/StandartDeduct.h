#pragma once

#include "model/Money.h"
#include "model/RecordIO.h"

#include <array>

// Codes of the personal deduction, the values of PersonalCode.
namespace PersonalDeduction {
inline constexpr qint32 None = 103;        // 400 a month, no longer granted
inline constexpr qint32 Monthly500 = 104;  // 500 a month
inline constexpr qint32 Monthly3000 = 105; // 3 000 a month
inline constexpr qint32 ByMonth = 110;     // chosen month by month in PersonalByMonth
// The values of PersonalByMonth.
inline constexpr qint32 MonthNone = 0;
inline constexpr qint32 Month500 = 1;
inline constexpr qint32 Month3000 = 2;
} // namespace PersonalDeduction

// Kinds of the children's deductions, the values of ChildrenKind.
namespace ChildrenDeduction {
inline constexpr qint32 Single = 101;  // single amounts
inline constexpr qint32 Double = 102;  // double amounts of a sole parent
inline constexpr qint32 ByMonth = 103; // chosen month by month in ChildrenKindByMonth
} // namespace ChildrenDeduction

// Standard deductions: the personal deduction, the children's deductions by group, and the
// month-by-month data of entrepreneurs.
class mTStandartDeduct
{
public:
    // A group of children: one number for the whole year, or one for each month.
    struct ChildrenGroup
    {
        quint8 Constant = 1;
        qint32 Count = 0;
        std::array<qint32, 12> ByMonth{};

        // Setting the constant number sets the constant flag, a month's number clears it.
        void SetCount(qint32 count)
        {
            Count = count;
            Constant = 1;
        }
        void SetMonth(int index, qint32 count)
        {
            ByMonth.at(size_t(index)) = count;
            Constant = 0;
        }
        // The number of children in a month (index 0 to 11).
        qint32 InMonth(int index) const { return Constant ? Count : ByMonth.at(size_t(index)); }

        bool operator==(const ChildrenGroup&) const = default;
    };

    quint8 StdEnabled = 1;
    qint32 PersonalCode = PersonalDeduction::None;
    qint32 ChildrenKind = ChildrenDeduction::Single;
    ChildrenGroup Children;
    ChildrenGroup Disabled;
    ChildrenGroup Third;
    quint8 MonthlyIncomeMode = 0;
    std::array<Money, 12> MonthIncome{};
    std::array<Money, 12> MonthExpense{};
    std::array<quint8, 12> MonthMarks{};
    quint8 PersonalByMonthOn = 0;
    std::array<qint32, 12> PersonalByMonth{};
    quint8 ChildrenKindByMonthOn = 0;
    std::array<qint32, 12> ChildrenKindByMonth{};

    // Monthly values by month number 1 to 12.
    Money GetMonthIncome(int month) const { return MonthIncome.at(size_t(month - 1)); }
    void SetMonthIncome(int month, Money value) { MonthIncome.at(size_t(month - 1)) = value; }
    Money GetMonthExpense(int month) const { return MonthExpense.at(size_t(month - 1)); }
    void SetMonthExpense(int month, Money value) { MonthExpense.at(size_t(month - 1)) = value; }
    qint32 GetPersonalByMonth(int month) const { return PersonalByMonth.at(size_t(month - 1)); }
    void SetPersonalByMonth(int month, qint32 v) { PersonalByMonth.at(size_t(month - 1)) = v; }
    qint32 GetChildrenKindByMonth(int month) const
    {
        return ChildrenKindByMonth.at(size_t(month - 1));
    }
    void SetChildrenKindByMonth(int month, qint32 v)
    {
        ChildrenKindByMonth.at(size_t(month - 1)) = v;
    }

    void Transfer(RecordIO& io);
    qint64 Size() const;

    bool operator==(const mTStandartDeduct&) const = default;
};
