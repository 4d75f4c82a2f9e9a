#include "ui/widgets/ReadOnlyFields.h"

#include "ui/widgets/EntryFields.h"

#include <QLineEdit>

namespace ReadOnlyFields {

namespace {

QLineEdit* reachable(QLineEdit* panel, int characters)
{
    panel->setFocusPolicy(Qt::StrongFocus);
    if (characters > 0)
        panel->setFixedWidth(EntryFields::digitsWidth(panel, characters));
    return panel;
}

} // namespace

QLineEdit* amount(QWidget* parent, const char* name, AmountShape shape)
{
    return reachable(EntryFields::panel(parent, name), shape.characters());
}

QLineEdit* text(QWidget* parent, const char* name, Shows shows)
{
    QLineEdit* panel = reachable(EntryFields::panel(parent, name, Qt::AlignLeft),
                                 shows == Shows::Code ? kCodeDigits : 0);
    if (shows == Shows::Name)
        QObject::connect(panel, &QLineEdit::textChanged, panel, &QWidget::setToolTip);
    return panel;
}

} // namespace ReadOnlyFields
