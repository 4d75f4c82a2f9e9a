#include "model/ThirteenPercent.h"

#include "model/StreamNames.h"
#include "model/file/Measure.h"
#include "storage/DocumentStorage.h"
#include "storage/StorageErrors.h"

#include <algorithm>

void mTSourseIncome::Transfer(RecordIO& io)
{
    io.integer({"IncomeCode"}, IncomeCode);
    io.text({"IncomeCodeName"}, IncomeCodeName);
    io.money({"IncomeSum"}, IncomeSum);
    io.integer({"DeductCode"}, DeductCode);
    io.money({"DeductSum"}, DeductSum);
    io.integer({"DeductRate"}, DeductRate);
    io.word({"IncomeMonth"}, IncomeMonth);
}

namespace {

// The running total of a source; amounts beyond the range of Money can only come from a damaged
// file, which is refused.
Money checkedSum(Money total, Money amount, bool add)
{
    qint64 result = 0;
    const bool overflow = add ? __builtin_add_overflow(total.units(), amount.units(), &result)
                              : __builtin_sub_overflow(total.units(), amount.units(), &result);
    if (overflow)
        throw mEConvert(StorageMessage::badFormat());
    return Money::fromUnits(result);
}

} // namespace

int mTThirteenPercent::AddIncome(mTSourseIncome line)
{
    TotalIncome = checkedSum(TotalIncome, line.IncomeSum, true);
    m_incomes.push_back(std::move(line));
    return IncomeCount() - 1;
}

void mTThirteenPercent::ReplaceIncome(int position, const mTSourseIncome* line)
{
    mTSourseIncome& old = m_incomes.at(size_t(position));
    const Money without = checkedSum(TotalIncome, old.IncomeSum, false);
    if (line) {
        TotalIncome = checkedSum(without, line->IncomeSum, true);
        old = *line;
    } else {
        TotalIncome = without;
        m_incomes.erase(m_incomes.begin() + position);
    }
}

void mTThirteenPercent::SetMonthAmount(int month, Money value)
{
    const quint16 bit = quint16(1U << month);
    if (value == AbsentAmount) {
        m_monthAmounts.at(size_t(month)) = Money();
        m_monthPresence &= quint16(~bit);
    } else {
        m_monthAmounts.at(size_t(month)) = value;
        m_monthPresence |= bit;
    }
}

void mTThirteenPercent::Transfer(RecordIO& io, int position, bool nonResident)
{
    io.stream(
        StreamNames::numbered(nonResident ? "@ThirteenPerceNR" : "@ThirteenPercent", position));
    if (!io.reading() || io.version() >= mTDocumentStorage::kVersionPrimarySource)
        io.byte({"IsPrimarySource"}, IsPrimarySource);
    TransferSource(io);
    io.money({"TaxWithheld"}, TaxWithheld);
    io.money({"TaxableIncome"}, TaxableIncome);
    io.money({"TaxComputed"}, TaxComputed);
    io.money({"Reserved13Amount"}, Reserved13Amount);

    for (int month = 0; month < 12; ++month) {
        const FieldName field{"MonthAmounts", month};
        if (io.reading()) {
            Money value;
            io.money(field, value);
            SetMonthAmount(month, value);
        } else if (HasMonthAmount(month)) {
            Money value = MonthAmount(month);
            io.money(field, value);
        } else {
            QString absent = QStringLiteral("a");
            io.text(field, absent);
        }
    }

    const int count = io.integerCount({"IncomeCount"}, IncomeCount());
    if (io.reading()) {
        m_incomes.clear();
        // A damaged file may give any count: the reserve is bounded, the lines are read one by one.
        m_incomes.reserve(size_t(std::min(count, 1000)));
        TotalIncome = Money();
    }
    io.beginList("Incomes");
    for (int line = 0; line < count; ++line) {
        io.stream(
            StreamNames::numbered(nonResident ? "@SourseIncoNR" : "@SourseIncome", position, line));
        if (io.reading()) {
            mTSourseIncome read;
            read.Transfer(io);
            AddIncome(std::move(read));
        } else {
            m_incomes[size_t(line)].Transfer(io);
        }
    }
    io.endList();
}

qint64 mTThirteenPercent::Size(int position) const
{
    return Measure::size(*this, position, false);
}
