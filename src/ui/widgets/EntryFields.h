#pragma once

#include "model/Money.h"
#include "ui/widgets/FieldSizes.h"

#include <QValidator>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Refuses, as it is typed, any character that the declaration file cannot hold (text outside
// Windows-1251).
class Cp1251Validator : public QValidator
{
    Q_OBJECT

public:
    explicit Cp1251Validator(QObject* parent);
    State validate(QString& input, int& pos) const override;

    static bool encodable(const QString& text);
};

// Digits only, at most a number of them. The spaces between groups of digits of a pasted code
// ("500 100 732 259") are dropped; any other character refuses the whole change.
class DigitsValidator : public QValidator
{
    Q_OBJECT

public:
    DigitsValidator(QObject* parent, int maxDigits);
    State validate(QString& input, int& pos) const override;

    int maxDigits() const { return m_maxDigits; }

private:
    int m_maxDigits;
};

// The entry-field kit: one kind of field for each kind of value, each with one behaviour wherever
// it is used. The fields of their own class: AmountField (money), DateField, DocumentNumberField
// (series and number of an identity document), CodeField (a choice from a directory with its
// "..." button); FormGrid lays them out with their captions. Here: the plain fields, what they
// hold, and the captions.
namespace EntryFields {

// The room between the fields and captions of a row laid inside a grid of narrow vertical spacing
// (such a row does not take the grid's spacing).
inline constexpr int kRowSpacing = 6;

// Any text of at most length characters, Windows-1251 only; a short text is as wide as its
// longest value.
QLineEdit* text(QWidget* parent, const QString& name, TextLength length);
// Digits only, as wide as the largest number of them.
QLineEdit* digits(QWidget* parent, const QString& name, Digits count);

// The caption of a field: a label with its mnemonic ("&Фамилия": Alt+Ф focuses the field) in
// owner, whose buddy is the field, so that a screen reader names the field by it.
QLabel* caption(QWidget* owner, QWidget* field, const QString& text);
// Hides or shows a field with its caption (and a CodeField with its button).
void setShown(QWidget* field, bool shown);

// A read-only display of a figure the program works out or a choice made in a picker, aligned
// right (amounts) unless told otherwise. A right-aligned panel is wide enough for an amount of
// twelve digits with its kopecks. It looks like a display, yet Tab stops at it, so that a screen
// reader reads the figure, and its text can be selected to copy.
QLineEdit* panel(QWidget* parent, const char* name, Qt::Alignment alignment = Qt::AlignRight);
// The same for an amount of the shape: aligned right, wide enough for its longest value.
QLineEdit* panel(QWidget* parent, const char* name, AmountShape shape);
// The same for a directory code (as wide as a code) or a name (as wide as its row; a name longer
// than that shows whole in the tooltip), aligned left.
QLineEdit* panel(QWidget* parent, const char* name, Shows shows);
// Gives a read-only field the look of a display: the window's colour, not a field's white. Tab
// still stops at it, so that a screen reader reads it, and its text can be selected to copy.
void looksDisplayed(QLineEdit* field);

// The amount in a field, or nothing when it holds none. A comma with nothing before or after it
// reads as if the missing digits were 0: ",5" is 0,5 and "12," is 12.
std::optional<Money> amountValue(const QLineEdit* field);
// The same, with 0 for an empty field.
Money amountOrZero(const QLineEdit* field);
// An amount as the screens show it: the shortest text with the decimal comma, 0 as "0".
QString amountText(Money amount);
// The same, but an empty text for 0.
QString amountTextOrEmpty(Money amount);
// The integer a digits field holds; an empty field holds 0.
int number(const QLineEdit* field);
// Whether a field holds nothing but spaces.
bool isBlank(const QLineEdit* field);
// A code of a record as a field shows it: empty for 0.
QString codeText(qint32 code);

// The width of a field that shows this many digits whole (no digit is narrower than the decimal
// comma or a point, so an amount or a date of that many characters fits too).
int digitsWidth(const QLineEdit* field, int characters);
// The longest value a kit field of digits, an amount or a date shows, as digits of its width;
// empty for other fields.
QString longestText(const QLineEdit& field);

// The narrow "..." button beside a code that opens its directory picker (CodeField makes its own
// with it); never a dialog's default.
QPushButton* pickerButton(QWidget* parent, const char* name);

} // namespace EntryFields
