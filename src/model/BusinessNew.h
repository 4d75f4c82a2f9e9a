#pragma once

#include "model/Money.h"
#include "model/RecordIO.h"

#include <QString>
#include <array>

// One kind of business or private-practice activity with its income and expenses.
class mTBusinessNew
{
public:
    QString ActivityKind;
    QString ActivityName = QStringLiteral("..");
    quint8 HasDocumentedExpenses = 1;
    Money BusinessIncome;
    Money ExpensesTotal;
    Money MaterialExpenses;
    Money Depreciation;
    Money LabourCosts;
    Money LabourContracts;
    Money OtherExpenses;
    std::array<Money, 13> ExpenseDetails{};
    Money FlatRateExpenses;

    void Reset() { *this = mTBusinessNew(); }
    // The expenses the computation takes: documented ones, or the flat-rate amount.
    Money Expenses() const { return HasDocumentedExpenses == 1 ? ExpensesTotal : FlatRateExpenses; }

    void Transfer(RecordIO& io, int position);
    qint64 Size(int position) const;

    bool operator==(const mTBusinessNew&) const = default;
};
