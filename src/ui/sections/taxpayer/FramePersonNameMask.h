#pragma once

#include <QValidator>

// Shapes of the series and number of an identity document.
enum class TEditType
{
    edtR_BB,  // Roman numeral, "-", up to 2 Cyrillic capitals, a space, up to 6 digits
    edt99,    // up to 2 digits, a space, up to 7 more digits or spaces
    edt99_,   // up to 2 digits, a space, up to 2 digits, a space, up to 6 digits
    edtBB,    // up to 2 Cyrillic capitals, a space, up to 6 digits
    edtBB0,   // up to 2 Cyrillic capitals, a space, up to 7 digits
    edtNone1, // any text of at most 20 characters
    edtNone2, // any text of at most 14 characters
};

namespace SeriesMask {

// The shape for a document kind when a stored document is shown, and when the user picks a kind;
// a kind without its own shape keeps the current one.
TEditType KindAtBuilding(int docKind, TEditType current);
TEditType KindAtPicking(int docKind, TEditType current);

// The standard subtractive Roman numeral of value with the letters C, L, X, V and I.
QString RomanNumeral(int value);
// Whether text is such a numeral (the empty text is not).
bool IsRomanNumeral(const QString& text);

// Brings typed text to the shape's alphabet (capitals, and in the numeral part of edtR_BB the
// look-alike characters "1", "Л", "С", "У", "Х" as Roman letters) and tells whether the result,
// or a beginning of it, has the shape.
bool Accept(TEditType kind, QString& text);

} // namespace SeriesMask

// Refuses every change that makes the series and number leave the shape of its document kind,
// typed or pasted; the field then keeps its last accepted text.
class SeriesNumberValidator : public QValidator
{
    Q_OBJECT

public:
    explicit SeriesNumberValidator(QObject* parent);

    TEditType kind() const { return m_kind; }
    void setKind(TEditType kind) { m_kind = kind; }

    State validate(QString& input, int& pos) const override;

private:
    TEditType m_kind = TEditType::edtNone1;
};
