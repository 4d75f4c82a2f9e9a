#pragma once

#include "ui/widgets/MyFrame.h"

class AmountField;

// Losses of earlier tax periods on securities and on derivatives, which the computation carries
// forward. It has no checks of its own.
class TfrCB : public TThinkingFrame
{
    Q_OBJECT

public:
    TfrCB(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override { return 0; }
    void FocusError(quint16) override {}

private:
    AmountField* m_meSecuritiesLoss;
    AmountField* m_meDerivativesLoss;
};
