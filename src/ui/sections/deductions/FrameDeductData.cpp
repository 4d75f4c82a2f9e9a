#include "ui/sections/deductions/FrameDeductData.h"

#include "ui/sections/deductions/FrameCB.h"
#include "ui/sections/deductions/FrameConstructionDeduct.h"
#include "ui/sections/deductions/FramePensDeduct.h"
#include "ui/sections/deductions/FrameStandartDeduct.h"

#include <QLayout>

TfrFrameDeductData::TfrFrameDeductData(QWidget* parent, FrameHost& host)
    : TSubFrameContainer(parent, host, QStringLiteral("pnlDeductContainer"))
{
    setObjectName(QStringLiteral("TfrFrameDeductData"));
    addButton(Standard, QStringLiteral("fbStandartDeduct"), QStringLiteral("Стандартные"),
              QStringLiteral("Стандартные налоговые вычеты"));
    addButton(Property, QStringLiteral("fbConstructionDeduct"), QStringLiteral("Имущественный"),
              QStringLiteral("Имущественный налоговый вычет на строительство"));
    addButton(Social, QStringLiteral("fbPensDeduct"), QStringLiteral("Социальные"),
              QStringLiteral("Социальные налоговые вычеты"));
    addButton(Securities, QStringLiteral("fbCB"), QStringLiteral("Убытки по ЦБ"),
              QStringLiteral("Убытки прошлых налоговых периодов по операциям с ЦБ"));
    // Narrow margins keep the sub-frames off the window's edge and scroll bar and leave them the
    // room their fields need.
    layout()->setContentsMargins(4, 4, 4, 4);
    showSubFrame(Standard);
}

TThinkingFrame* TfrFrameDeductData::createSubFrame(int index, QWidget* parent)
{
    switch (index) {
    case Standard:
        return new TfrFrameStandartDeduct(parent, host());
    case Property:
        return new TfrConstructionDeduct(parent, host());
    case Social:
        return new TfrFramePensDeduct(parent, host());
    case Securities:
        return new TfrCB(parent, host());
    default:
        return nullptr;
    }
}
