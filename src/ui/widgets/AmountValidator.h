#pragma once

#include "ui/widgets/FieldSizes.h"

#include <QValidator>

// A money amount as typed or pasted on every screen: digits, one decimal comma and limited numbers
// of integer and decimal digits. It takes an amount as people write it: a point becomes the comma,
// the spaces between groups of digits (plain, no-break or thin) are dropped, and so are zeros
// before the first significant digit ("1 234,56" and "1234.56" are 1234,56). What it refuses can be
// neither typed nor pasted: a paste is taken whole or not at all.
class AmountValidator : public QValidator
{
    Q_OBJECT

public:
    AmountValidator(QObject* parent, AmountShape shape);
    State validate(QString& input, int& pos) const override;

    AmountShape shape() const { return m_shape; }

    // A space people put between groups of digits: plain, no-break, thin or narrow no-break.
    static bool isGroupSpace(QChar c);
    // Removes the spaces that group digits (a pasted "1 234"), keeping the cursor at its place.
    static void dropGroupSpaces(QString& input, int& pos);

private:
    AmountShape m_shape;
};
