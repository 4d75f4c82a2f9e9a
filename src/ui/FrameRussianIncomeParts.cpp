#include "FrameRussianIncomeParts.h"

#include "FrameThirtyFivePercent.h"
#include "FrameThirtyPercent.h"

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
