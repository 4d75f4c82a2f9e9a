#pragma once

#include <QLineEdit>
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

namespace DocumentNumber {

// The standard subtractive Roman numeral of value with the letters C, L, X, V and I.
QString RomanNumeral(int value);
// Whether text is such a numeral (the empty text is not).
bool IsRomanNumeral(const QString& text);

// Brings text to the shape's alphabet (capitals, and in the numeral part of edtR_BB the
// look-alike characters "1", "Л", "С", "У", "Х" as Roman letters) and tells whether the result,
// or a beginning of it, has the shape.
bool Accept(TEditType kind, QString& text);

// Brings text to the shape as Accept does, and puts in the spaces of the shape that were left out
// ("4508123456" is "45 08 123456" for edt99_); pos, a place in text, follows its character.
// False when no spaces make text a beginning of the shape.
bool Fill(TEditType kind, QString& text, int& pos);

} // namespace DocumentNumber

// Refuses every change that makes the series and number leave the shape of its document kind,
// typed or pasted (the field then keeps its last accepted text), and fills in the spaces of the
// shape that the person leaves out.
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

// The series and number of an identity document in the shape of its kind (SeriesNumberValidator;
// a fresh field has edtNone1). Entering the field with a click puts the cursor after what it holds,
// where typing goes on; entering by Tab selects it all, so typing replaces it, as after Ctrl+A.
class DocumentNumberField : public QLineEdit
{
    Q_OBJECT

public:
    DocumentNumberField(QWidget* parent, const QString& name);

    TEditType kind() const { return m_shape->kind(); }
    void setKind(TEditType kind) { m_shape->setKind(kind); }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    SeriesNumberValidator* m_shape;
    bool m_enteredByMouse = false;
};
