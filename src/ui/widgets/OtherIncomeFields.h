#pragma once

#include "model/Money.h"

#include <QString>

class Interaction;
class QLineEdit;
class QWidget;

// Entry fields shared by the screens of dividends, income at 35 %, income abroad and business
// income.
namespace OtherIncomeFields {

// A money amount: at most intDigits digits, then optionally the decimal comma and at most decimals
// digits (a typed point becomes the comma). Only what the pattern admits can be typed or pasted.
QLineEdit* amount(QWidget* parent, const QString& name, int intDigits = 12, int decimals = 2);
// A read-only display of an amount or a code, aligned right.
QLineEdit* panel(QWidget* parent, const char* name);
// The amount in a field; an empty or unreadable field gives 0.
Money amountOf(const QLineEdit* edit);
// Whether the field holds no amount at all.
bool isEmpty(const QLineEdit* edit);
// An amount as the screens show it: the shortest text with the decimal comma, 0 as "0".
QString text(Money amount);
// The same, but an empty text for 0.
QString textOrEmpty(Money amount);
// A code of a record as a field shows it: empty for 0.
QString codeText(qint32 code);

// When full, tells the user that the list takes no more entries and returns true.
bool refuseWhenFull(QWidget* parent, Interaction& interaction, bool full);

} // namespace OtherIncomeFields
