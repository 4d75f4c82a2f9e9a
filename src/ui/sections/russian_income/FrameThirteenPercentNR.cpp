#include "ui/sections/russian_income/FrameThirteenPercentNR.h"

TTfrThirteenPercentNR::TTfrThirteenPercentNR(QWidget* parent, FrameHost& host)
    : TfrThirteenPercent(parent, host, Kind::Specialists)
{}
