#pragma once

#include "IncomeCodeDirectory.h"
#include "Money.h"

#include <QString>
#include <optional>

class Interaction;
class QLineEdit;
class QWidget;

// Entry fields and code choices shared by the screens of dividends, income at 35 %, income abroad
// and business income.
namespace OtherIncomeFields {

// A money amount: at most intDigits digits, then optionally the decimal comma and at most decimals
// digits (a typed point becomes the comma). Only what the pattern admits can be typed or pasted.
QLineEdit* amount(QWidget* parent, const QString& name, int intDigits = 12, int decimals = 2);
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

// What the income-code picker hands back.
struct IncomeChoice
{
    QString code;
    QString name;
    int rate = 0;
    bool hasDeductions = false;
    bool saleDate = false;
};

// The income-code picker ("Справочник видов доходов") over a directory: with a rate filter only
// the codes of that rate, with nonResident only those offered to non-residents at 13 %. The
// current code is preselected when listed, else the first row. Empty when the user cancelled or
// nothing could be chosen.
std::optional<IncomeChoice> pickIncomeCode(QWidget* parent, Interaction& interaction,
                                           const IncomeCodeDirectory& directory, bool nonResident,
                                           const QString& current, const QString& rateFilter);

// The deduction-code picker ("Справочник видов вычетов") over the deductions of an income code;
// with all clear only the codes beginning with "20" or "5" and the code "0" are listed.
std::optional<DeductionCode> pickDeductionCode(QWidget* parent, Interaction& interaction,
                                               const IncomeCodeDirectory& directory, bool all,
                                               const QString& current, const QString& incomeCode);

} // namespace OtherIncomeFields
