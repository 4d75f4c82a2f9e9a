#pragma once

class FrameHost;
class QWidget;
class TThinkingFrame;

// The sub-frames of "Доходы, полученные в РФ" for dividends (index 1) and income at 35 %
// (index 2), built in parent. They stand in for their sections with a placeholder until their
// entry screens join the program.
namespace RussianIncomeParts {

TThinkingFrame* CreateThirtyPercent(QWidget* parent, FrameHost& host);
TThinkingFrame* CreateThirtyFivePercent(QWidget* parent, FrameHost& host);

} // namespace RussianIncomeParts
