#include "ui/widgets/AmountField.h"

#include "ui/widgets/AmountValidator.h"
#include "ui/widgets/EntryFields.h"

#include <QKeyEvent>

AmountField::AmountField(QWidget* parent, const QString& name, AmountShape shape)
    : QLineEdit(parent)
{
    setObjectName(name);
    setValidator(new AmountValidator(this, shape));
    setAlignment(Qt::AlignRight);
    // No length limit: a pasted "1 234 567,89" is longer than the amount it holds, and a limit
    // would cut it before the validator takes it whole or refuses it.
    setFixedWidth(EntryFields::digitsWidth(this, shape.characters()));
}

std::optional<Money> AmountField::value() const
{
    return EntryFields::amountValue(this);
}

Money AmountField::valueOrZero() const
{
    return value().value_or(Money());
}

void AmountField::setValue(Money amount)
{
    setText(EntryFields::amountText(amount));
}

void AmountField::setValueOrEmpty(Money amount)
{
    setText(EntryFields::amountTextOrEmpty(amount));
}

bool AmountField::showsZero() const
{
    return text() == QLatin1String("0");
}

void AmountField::keyPressEvent(QKeyEvent* event)
{
    if (showsZero() && !hasSelectedText() && !isReadOnly()) {
        const QString typed = event->text();
        const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
        if (event->matches(QKeySequence::Paste) ||
            (plain && !typed.isEmpty() && typed.at(0).isDigit()))
            selectAll();
        else if (plain && (typed == QLatin1String(",") || typed == QLatin1String(".")))
            end(false);
    }
    QLineEdit::keyPressEvent(event);
}

void AmountField::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    // What is pasted from the context menu replaces the 0 too.
    if (showsZero())
        selectAll();
}
