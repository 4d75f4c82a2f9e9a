#include "ui/widgets/MyFrame.h"

TThinkingFrame::TThinkingFrame(QWidget* parent, FrameHost& host) : QFrame(parent), m_host(host) {}

mTDeclaration& TThinkingFrame::document() const
{
    return m_host.document();
}
