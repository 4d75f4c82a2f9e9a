#pragma once

#include "model/Money.h"

#include <QValidator>
#include <array>
#include <optional>

class QDateEdit;
class QLineEdit;
class QPushButton;
class QWidget;

// Refuses, as it is typed, any character that the declaration file cannot hold (text outside
// Windows-1251) and, with a limit, text longer than the limit.
class Cp1251Validator : public QValidator
{
    Q_OBJECT

public:
    explicit Cp1251Validator(QObject* parent);
    State validate(QString& input, int& pos) const override;

    static bool encodable(const QString& text);
};

// The entry fields of every screen: one kind of field for each kind of value, each with one
// behaviour wherever it is used.
namespace EntryFields {

// The room between the fields and captions of a row laid inside a grid of narrow vertical spacing
// (such a row does not take the grid's spacing).
inline constexpr int kRowSpacing = 6;

// Any text of at most maxLength characters (0: no limit), Windows-1251 only.
QLineEdit* text(QWidget* parent, const QString& name, int maxLength);
// Digits only, at most maxDigits of them.
QLineEdit* digits(QWidget* parent, const QString& name, int maxDigits);
// The integer a digits field holds; an empty field holds 0.
int number(const QLineEdit* field);

// A money amount, aligned right: at most integerDigits digits, then optionally the decimal comma
// and at most decimals digits (AmountValidator).
QLineEdit* amount(QWidget* parent, const QString& name, int integerDigits = 12, int decimals = 2);
// The amount in a field, or nothing when it holds none. A comma with nothing before or after it
// reads as if the missing digits were 0: ",5" is 0,5 and "12," is 12.
std::optional<Money> amountValue(const QLineEdit* field);
// The same, with 0 for an empty field.
Money amountOrZero(const QLineEdit* field);
// An amount as the screens show it: the shortest text with the decimal comma, 0 as "0".
QString amountText(Money amount);
// The same, but an empty text for 0.
QString amountTextOrEmpty(Money amount);

// Whether a field holds nothing but spaces.
bool isBlank(const QLineEdit* field);

// A read-only display of a figure the program works out or a choice made in a picker, aligned
// right (amounts) unless told otherwise. A right-aligned panel is wide enough for an amount of
// twelve digits with its kopecks.
QLineEdit* panel(QWidget* parent, const char* name, Qt::Alignment alignment = Qt::AlignRight);
// A panel for a directory code beside its picker button, as wide as a code of six digits.
QLineEdit* codePanel(QWidget* parent, const char* name);
// The lines of a Russian address as the taxpayer's and the property's frames take them, each
// created under parent into its slot: district ("meDistrict"), city, settlement, street (40
// characters each), house, building and flat (7 each).
void addressLines(QWidget* parent, const std::array<QLineEdit**, 7>& fields);

// Puts the focus on a date field with its day selected, so what is typed next is the day: the
// place a check leads to when a date is wrong.
void focusDay(QDateEdit* field);

// Keeps a field at least wide enough to show this many digits whole (no digit is narrower than the
// decimal comma, so an amount of that many characters fits too). The amount and digits fields
// above do it for the longest value they take.
void fitDigits(QLineEdit* field, int characters);

// A code of a record as a field shows it: empty for 0.
QString codeText(qint32 code);

// The narrow "..." button beside a code that opens its directory picker; never a dialog's default.
QPushButton* pickerButton(QWidget* parent, const char* name);

} // namespace EntryFields
