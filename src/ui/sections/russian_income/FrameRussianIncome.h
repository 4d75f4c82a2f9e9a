#pragma once

#include "ui/widgets/SubFrameContainer.h"

// The section "Доходы, полученные в РФ": income at 13 % by source (sub-frame 0), dividends (1),
// income at 35 % (2) and, for a non-resident, the 13 % income of highly qualified specialists
// (3). Under 4-NDFL it shows no sub-frame.
class TfrRussianIncome : public TSubFrameContainer
{
    Q_OBJECT

public:
    enum SubFrame
    {
        ThirteenPercent = 0,
        ThirtyPercent = 1,
        ThirtyFivePercent = 2,
        ThirteenPercentNR = 3,
    };

    TfrRussianIncome(QWidget* parent, FrameHost& host);

protected:
    TThinkingFrame* createSubFrame(int index, QWidget* parent) override;
    void subFrameSwitched() override;
};
