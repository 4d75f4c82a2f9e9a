#pragma once

#include "model/SourseIncomeInfo.h"

#include <array>
#include <vector>

// One income line of a 13 % source.
struct mTSourseIncome
{
    qint32 IncomeCode = 0;
    QString IncomeCodeName;
    Money IncomeSum;
    qint32 DeductCode = 0;
    Money DeductSum;
    qint32 DeductRate = 0;
    quint16 IncomeMonth = 0;

    void Transfer(RecordIO& io);
    bool operator==(const mTSourseIncome&) const = default;
};

// A source of income taxed at 13 % with its income lines; the same record serves the resident
// and the non-resident list. TotalIncome is the sum of the lines' amounts and is not stored.
class mTThirteenPercent : public mTSourseIncomeInfo
{
public:
    quint8 IsPrimarySource = 0;
    Money TaxComputed;
    Money TaxableIncome;
    Money Reserved13Amount;

    int AddIncome(mTSourseIncome line);
    // Overwrites the line at position, or deletes it when no line is given.
    void ReplaceIncome(int position, const mTSourseIncome* line);
    void DeleteIncome(int position) { ReplaceIncome(position, nullptr); }
    const mTSourseIncome& GetIncome(int position) const { return m_incomes.at(size_t(position)); }
    int IncomeCount() const { return int(m_incomes.size()); }
    const std::vector<mTSourseIncome>& Incomes() const { return m_incomes; }

    // month 0 to 11; AbsentAmount clears the month.
    void SetMonthAmount(int month, Money value);
    Money MonthAmount(int month) const { return m_monthAmounts.at(size_t(month)); }
    bool HasMonthAmount(int month) const { return (m_monthPresence >> month) & 1U; }

    void Transfer(RecordIO& io, int position, bool nonResident) override;
    qint64 Size(int position) const;

    bool operator==(const mTThirteenPercent&) const = default;

private:
    std::array<Money, 12> m_monthAmounts{};
    quint16 m_monthPresence = 0;
    std::vector<mTSourseIncome> m_incomes;
};
