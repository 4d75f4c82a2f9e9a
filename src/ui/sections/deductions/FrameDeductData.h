#pragma once

#include "ui/widgets/SubFrameContainer.h"

// The deductions section: standard, property, social deductions and the losses of earlier years on
// securities, one sub-frame at a time, chosen by a row of four buttons.
class TfrFrameDeductData : public TSubFrameContainer
{
    Q_OBJECT

public:
    // The sub-frames in the order of their buttons.
    enum SubFrame
    {
        Standard = 0,
        Property = 1,
        Social = 2,
        Securities = 3,
    };

    TfrFrameDeductData(QWidget* parent, FrameHost& host);

    // Shows the sub-frame without storing or checking the one shown, as FocusSubError does.
    void showSubFrame(SubFrame kind) { TSubFrameContainer::showSubFrame(kind); }
    SubFrame shownSubFrame() const { return SubFrame(shownIndex()); }
    TThinkingFrame* subFrame() const { return shownFrame(); }

protected:
    TThinkingFrame* createSubFrame(int index, QWidget* parent) override;
    // A check of the whole declaration leads to the standard deductions (index 0) or to the
    // property deduction (any other index).
    int subFrameIndex(int requested) const override { return requested == 0 ? Standard : Property; }
};
