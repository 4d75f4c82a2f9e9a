#include "model/StandartDeduct.h"

#include "model/file/Measure.h"

namespace {

void transferGroup(RecordIO& io, const char* constant, const char* count, const char* byMonth,
                   mTStandartDeduct::ChildrenGroup& group)
{
    io.byte({constant}, group.Constant);
    if (group.Constant == 1) {
        io.integer({count}, group.Count);
    } else {
        for (int i = 0; i < 12; ++i)
            io.integer({byMonth, i}, group.ByMonth[size_t(i)]);
    }
}

} // namespace

void mTStandartDeduct::Transfer(RecordIO& io)
{
    io.stream(QLatin1StringView("@StandartDeduct"));
    io.byte({"StdEnabled"}, StdEnabled);
    if (StdEnabled != 1)
        return;
    io.integer({"PersonalCode"}, PersonalCode);
    io.integer({"ChildrenKind"}, ChildrenKind);
    transferGroup(io, "ChildrenConstant", "ChildrenCount", "ChildrenByMonth", Children);
    transferGroup(io, "DisabledConstant", "DisabledCount", "DisabledByMonth", Disabled);

    // The three optional blocks: a flag that cannot be read counts as absent.
    io.lenientByte({"MonthlyIncomeMode"}, MonthlyIncomeMode);
    if (MonthlyIncomeMode == 1) {
        for (int i = 0; i < 12; ++i)
            io.money({"MonthIncome", i}, MonthIncome[size_t(i)]);
        for (int i = 0; i < 12; ++i)
            io.money({"MonthExpense", i}, MonthExpense[size_t(i)]);
        for (int i = 0; i < 12; ++i)
            io.byte({"MonthMarks", i}, MonthMarks[size_t(i)]);
    }
    io.lenientByte({"PersonalByMonthOn"}, PersonalByMonthOn);
    if (PersonalByMonthOn == 1) {
        for (int i = 0; i < 12; ++i)
            io.integer({"PersonalByMonth", i}, PersonalByMonth[size_t(i)]);
    }
    io.lenientByte({"ChildrenKindByMonthOn"}, ChildrenKindByMonthOn);
    if (ChildrenKindByMonthOn == 1) {
        for (int i = 0; i < 12; ++i)
            io.integer({"ChildrenKindByMonth", i}, ChildrenKindByMonth[size_t(i)]);
    }

    transferGroup(io, "ThirdConstant", "ThirdCount", "ThirdByMonth", Third);
}

qint64 mTStandartDeduct::Size() const
{
    return Measure::size(*this);
}
