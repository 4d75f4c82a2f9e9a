#pragma once

#include "model/Money.h"
#include "model/RecordIO.h"

#include <QString>
#include <array>

// One private-practice income with a detailed expense breakdown.
class mTRepetitNew
{
public:
    // Positions in PracticeDetails.
    enum Detail
    {
        MaterialExpenses,
        EnergyExpenses,
        NonAmortizableProperty,
        Amortization,
        Labour,
        LabourContracts,
        OtherExpenses,
        FirstOtherComponent,
        DetailCount = 19
    };

    QString PracticeName;
    Money PracticeIncome;
    Money PracticeExpenses;
    std::array<Money, DetailCount> PracticeDetails{};

    void Reset() { *this = mTRepetitNew(); }

    void Transfer(RecordIO& io, int position);
    qint64 Size(int position) const;

    bool operator==(const mTRepetitNew&) const = default;
};
