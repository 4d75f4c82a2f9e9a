#include "FrameRussianIncomeParts.h"

#include "SectionFrames.h"

namespace RussianIncomeParts {

TThinkingFrame* CreateThirtyPercent(QWidget* parent, FrameHost& host)
{
    return new TPlaceholderFrame(parent, host, QStringLiteral("Доходы в виде дивидендов"));
}

TThinkingFrame* CreateThirtyFivePercent(QWidget* parent, FrameHost& host)
{
    return new TPlaceholderFrame(parent, host, QStringLiteral("Доходы, облагаемые по ставке 35%"));
}

} // namespace RussianIncomeParts
