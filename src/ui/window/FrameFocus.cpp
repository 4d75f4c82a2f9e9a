#include "ui/window/FrameFocus.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>

namespace {

bool takesTab(const QWidget& frame, const QWidget& widget)
{
    return (widget.focusPolicy() & Qt::TabFocus) != 0 && widget.isEnabled() &&
           widget.isVisibleTo(&frame) && widget.focusProxy() == nullptr;
}

bool isField(const QWidget& widget)
{
    if (const auto* radio = qobject_cast<const QRadioButton*>(&widget))
        return radio->isChecked() || !radio->autoExclusive();
    return qobject_cast<const QCheckBox*>(&widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(&widget) == nullptr;
}

} // namespace

void FocusFirstField(QWidget& frame)
{
    if (const QWidget* focused = frame.window()->focusWidget();
        focused != nullptr && frame.isAncestorOf(focused))
        return;
    QWidget* firstStop = nullptr;
    for (QWidget* widget = frame.nextInFocusChain(); widget != &frame && frame.isAncestorOf(widget);
         widget = widget->nextInFocusChain()) {
        if (!takesTab(frame, *widget))
            continue;
        if (isField(*widget)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (firstStop == nullptr)
            firstStop = widget;
    }
    if (firstStop != nullptr)
        firstStop->setFocus(Qt::OtherFocusReason);
}
