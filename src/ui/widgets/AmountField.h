#pragma once

#include "model/Money.h"
#include "ui/widgets/FieldSizes.h"

#include <QLineEdit>
#include <optional>

// A money amount, aligned right, as wide as the longest amount of its shape (AmountValidator says
// what it takes). A field that shows "0" holds no amount yet: what is typed replaces the 0 however
// the field was entered (a click anywhere in it, Tab, Shift+Tab), so a click before the 0 and 5000
// typed is 5000, not 50000. Entering it by Tab or Shift+Tab selects the whole amount.
class AmountField : public QLineEdit
{
    Q_OBJECT

public:
    AmountField(QWidget* parent, const QString& name, AmountShape shape);

    // The amount shown, or nothing when the field holds none. A comma with nothing before or
    // after it reads as if the missing digits were 0: ",5" is 0,5 and "12," is 12.
    std::optional<Money> value() const;
    // The same, with 0 for an empty field.
    Money valueOrZero() const;
    // Shows the amount as the screens show it (0 as "0"), or an empty field for 0.
    void setValue(Money amount);
    void setValueOrEmpty(Money amount);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool showsZero() const;
};
