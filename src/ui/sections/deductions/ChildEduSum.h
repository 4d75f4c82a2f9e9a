#pragma once

#include "model/Money.h"

#include <QDialog>

class AmountField;

// The amount paid for the education of one child. Enter answers "Да", Escape "Нет".
class TfmChildEduSum : public QDialog
{
    Q_OBJECT

public:
    explicit TfmChildEduSum(QWidget* parent);

    void setAmount(Money amount);
    // The amount entered; an empty field is 0.
    Money amount() const;

private:
    AmountField* m_meAmount;
};
