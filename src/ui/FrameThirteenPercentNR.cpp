#include "FrameThirteenPercentNR.h"

TTfrThirteenPercentNR::TTfrThirteenPercentNR(QWidget* parent, FrameHost& host)
    : TfrThirteenPercent(parent, host, Kind::Specialists)
{}
