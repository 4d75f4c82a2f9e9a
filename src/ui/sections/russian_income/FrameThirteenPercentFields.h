#pragma once

#include "model/Money.h"

#include <QValidator>
#include <optional>

class QLineEdit;
class QWidget;

// A money amount as typed on the screens: digits, one decimal comma (a typed point becomes a
// comma) and limited numbers of integer and decimal digits.
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

// The amount fields of the income entry screens.
namespace AmountField {

// An amount field with the given numbers of integer and decimal digits.
QLineEdit* create(QWidget* parent, const QString& name, int integerDigits, int decimalDigits);
// The amount in a field, or nothing when it holds no number.
std::optional<Money> value(const QLineEdit* edit);
// The amount in a field; an empty field gives 0.
Money valueOrZero(const QLineEdit* edit);
// The screen text of an amount ("1250,5").
QString text(Money amount);
// The screen text of an amount, or nothing for 0.
QString textOrEmpty(Money amount);

} // namespace AmountField
