#pragma once

#include <QValidator>

// A money amount as typed on every screen: digits, one decimal comma (a typed point becomes the
// comma) and limited numbers of integer and decimal digits. What it refuses can be neither typed
// nor pasted.
class AmountValidator : public QValidator
{
    Q_OBJECT

public:
    AmountValidator(QObject* parent, int integerDigits, int decimalDigits);
    State validate(QString& input, int& pos) const override;

private:
    int m_integerDigits;
    int m_decimalDigits;
};
