#include "ui/sections/russian_income/FrameRussianIncomeParts.h"

#include "ui/sections/russian_income/FrameThirtyFivePercent.h"
#include "ui/sections/russian_income/FrameThirtyPercent.h"

namespace RussianIncomeParts {

TThinkingFrame* CreateThirtyPercent(QWidget* parent, FrameHost& host)
{
    return new TfrThirtyPercent(parent, host);
}

TThinkingFrame* CreateThirtyFivePercent(QWidget* parent, FrameHost& host)
{
    return new TfrThirtyFivePercent(parent, host);
}

} // namespace RussianIncomeParts
