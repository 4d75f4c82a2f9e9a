#include "TabOrder.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QRadioButton>
#include <QWidget>

namespace {

bool isTabStop(QWidget& root, QWidget* widget)
{
    if (widget == &root || !root.isAncestorOf(widget) || !widget->isVisible() ||
        !widget->isEnabled() || (widget->focusPolicy() & Qt::TabFocus) == 0)
        return false;
    // The line edit inside a spin box or a combo box is reached as its owner.
    QWidget* owner = widget->parentWidget();
    if (qobject_cast<QAbstractSpinBox*>(owner) != nullptr || qobject_cast<QComboBox*>(owner))
        return false;
    const auto* radio = qobject_cast<QRadioButton*>(widget);
    return radio == nullptr || !radio->autoExclusive() || radio->isChecked();
}

QString nameOf(const QWidget* widget)
{
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return QStringLiteral("«%1»").arg(button->text());
    return QString::fromLatin1(widget->metaObject()->className());
}

} // namespace

QList<QWidget*> tabChain(QWidget& root)
{
    QList<QWidget*> chain;
    QWidget* widget = root.nextInFocusChain();
    while (widget != &root) {
        if (isTabStop(root, widget) && !chain.contains(widget))
            chain.append(widget);
        widget = widget->nextInFocusChain();
    }
    return chain;
}

QStringList tabOrderFaults(QWidget& root)
{
    const QList<QWidget*> chain = tabChain(root);
    QStringList faults;
    for (qsizetype at = 1; at < chain.size(); ++at) {
        const QRect from(chain[at - 1]->mapTo(&root, QPoint()), chain[at - 1]->size());
        const QRect to(chain[at]->mapTo(&root, QPoint()), chain[at]->size());
        const bool sameColumn = from.left() <= to.right() && to.left() <= from.right();
        const bool sameRow = from.top() <= to.bottom() && to.top() <= from.bottom();
        const bool above = to.bottom() < from.top();
        // Up within a column, or up and back left: only the top of a column further right may
        // come after the bottom of the one before.
        if (above && (sameColumn || to.left() < from.left()))
            faults.append(nameOf(chain[at - 1]) + QStringLiteral(" → up to ") + nameOf(chain[at]));
        else if (sameRow && to.right() < from.left())
            faults.append(nameOf(chain[at - 1]) + QStringLiteral(" → back to ") +
                          nameOf(chain[at]));
    }
    return faults;
}
