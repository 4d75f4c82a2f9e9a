#pragma once

#include "ui/widgets/SubFrameContainer.h"

// The section "Сведения о декларанте": the name and identity document (sub-frame 0) and the
// address (sub-frame 1, not offered under 4-NDFL).
class TfrPersonData : public TSubFrameContainer
{
    Q_OBJECT

public:
    TfrPersonData(QWidget* parent, FrameHost& host);

    static QString sectionName();

protected:
    TThinkingFrame* createSubFrame(int index, QWidget* parent) override;
    int subFrameIndex(int requested) const override { return requested == 0 ? 0 : 1; }
};
