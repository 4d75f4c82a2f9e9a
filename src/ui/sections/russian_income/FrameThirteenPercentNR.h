#pragma once

#include "ui/sections/russian_income/FrameThirteenPercent.h"

// Income at 13 % of highly qualified non-resident specialists, by source of payment. Its sources
// are not checked when the user leaves it.
class TTfrThirteenPercentNR : public TfrThirteenPercent
{
    Q_OBJECT

public:
    TTfrThirteenPercentNR(QWidget* parent, FrameHost& host);

    quint16 CheckData() override { return 0; }
    void FocusError(quint16) override {}
};
