#include "ui/widgets/FrameFocus.h"

#include "ui/widgets/CodeField.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

bool takesTab(const QWidget& frame, const QWidget& widget)
{
    return (widget.focusPolicy() & Qt::TabFocus) != 0 && widget.isEnabled() &&
           widget.isVisibleTo(&frame) && widget.focusProxy() == nullptr;
}

// Whether a person can type into the control or choose with it (a read-only display can be
// reached, but takes nothing).
bool takesEntry(const QWidget& widget)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return !edit->isReadOnly() || qobject_cast<const CodeField*>(edit) != nullptr;
    if (const auto* radio = qobject_cast<const QRadioButton*>(&widget))
        return radio->isChecked() || !radio->autoExclusive();
    return qobject_cast<const QAbstractSpinBox*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(&widget) != nullptr ||
           qobject_cast<const QCheckBox*>(&widget) != nullptr;
}

} // namespace

QWidget* FirstField(QWidget& frame)
{
    QWidget* firstStop = nullptr;
    for (QWidget* widget = frame.nextInFocusChain(); widget != &frame && frame.isAncestorOf(widget);
         widget = widget->nextInFocusChain()) {
        if (!takesTab(frame, *widget))
            continue;
        if (takesEntry(*widget))
            return widget;
        if (firstStop == nullptr)
            firstStop = widget;
    }
    return firstStop;
}

void FocusFirstField(QWidget& frame)
{
    if (const QWidget* focused = frame.window()->focusWidget();
        focused != nullptr && frame.isAncestorOf(focused))
        return;
    if (QWidget* first = FirstField(frame))
        first->setFocus(Qt::OtherFocusReason);
}
