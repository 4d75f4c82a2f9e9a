#include "model/BusinessNew.h"

#include "model/StreamNames.h"
#include "model/file/Measure.h"

void mTBusinessNew::Transfer(RecordIO& io, int position)
{
    io.stream(StreamNames::numbered("@BusinessIncome", position));
    io.text({"ActivityKind"}, ActivityKind);
    io.text({"ActivityName"}, ActivityName);
    io.money({"BusinessIncome"}, BusinessIncome);
    io.byte({"HasDocumentedExpenses"}, HasDocumentedExpenses);
    if (HasDocumentedExpenses == 1) {
        io.stream(StreamNames::numbered("@BusinessExpense", position));
        io.money({"ExpensesTotal"}, ExpensesTotal);
        io.money({"MaterialExpenses"}, MaterialExpenses);
        io.money({"Depreciation"}, Depreciation);
        io.money({"LabourCosts"}, LabourCosts);
        io.money({"LabourContracts"}, LabourContracts);
        io.money({"OtherExpenses"}, OtherExpenses);
        for (int i = 0; i < int(ExpenseDetails.size()); ++i)
            io.money({"ExpenseDetails", i}, ExpenseDetails[size_t(i)]);
    } else {
        io.money({"FlatRateExpenses"}, FlatRateExpenses);
    }
}

qint64 mTBusinessNew::Size(int position) const
{
    return Measure::size(*this, position);
}
