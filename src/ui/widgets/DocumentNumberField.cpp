#include "ui/widgets/DocumentNumberField.h"

#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FieldSizes.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace DocumentNumber {

QString RomanNumeral(int value)
{
    struct Step
    {
        int value;
        const char* letters;
    };
    static constexpr Step steps[] = {{100, "C"}, {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"},
                                     {9, "IX"},  {5, "V"},   {4, "IV"}, {1, "I"}};
    QString text;
    for (const Step& step : steps) {
        while (value >= step.value) {
            text += QLatin1String(step.letters);
            value -= step.value;
        }
    }
    return text;
}

bool IsRomanNumeral(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    const auto letterValue = [](QChar letter) {
        switch (letter.unicode()) {
        case 'C':
            return 100;
        case 'L':
            return 50;
        case 'X':
            return 10;
        case 'V':
            return 5;
        case 'I':
            return 1;
        default:
            return 0;
        }
    };
    int value = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int current = letterValue(text.at(i));
        if (current == 0)
            return false;
        const int next = i + 1 < text.size() ? letterValue(text.at(i + 1)) : 0;
        value += current < next ? -current : current;
    }
    return value > 0 && RomanNumeral(value) == text;
}

namespace {

// Whether the declaration file can hold the text: it survives the way to Windows-1251 and back.
bool fitsCodePage(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    QStringDecoder decoder("windows-1251");
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && QString(decoder.decode(bytes)) == text;
}

bool matches(const QString& text, const char* pattern)
{
    const QRegularExpression expression(
        QRegularExpression::anchoredPattern(QString::fromUtf8(pattern)));
    return expression.match(text).hasMatch();
}

// Characters that look like Roman letters on a Russian keyboard layout.
QChar romanLetter(QChar typed)
{
    switch (typed.unicode()) {
    case u'1':
        return QLatin1Char('I');
    case u'Л':
        return QLatin1Char('L');
    case u'С':
        return QLatin1Char('C');
    case u'У':
        return QLatin1Char('V');
    case u'Х':
        return QLatin1Char('X');
    default:
        return typed;
    }
}

bool acceptRomanSeries(QString& text)
{
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    const qsizetype numeralEnd = dash < 0 ? text.size() : dash;
    for (qsizetype i = 0; i < numeralEnd; ++i)
        text[i] = romanLetter(text.at(i));
    const QString numeral = text.left(numeralEnd);
    if (text.isEmpty())
        return true;
    if (!IsRomanNumeral(numeral))
        return false;
    if (dash < 0)
        return true;
    return matches(text.mid(dash + 1), "[А-ЯЁ]{0,2}( [0-9]{0,6})?");
}

} // namespace

bool Accept(TEditType kind, QString& text)
{
    switch (kind) {
    case TEditType::edtR_BB:
        text = text.toUpper();
        return acceptRomanSeries(text);
    case TEditType::edt99:
        return matches(text, "[0-9]{0,2}( [0-9 ]{0,7})?");
    case TEditType::edt99_:
        return matches(text, "[0-9]{0,2}( [0-9]{0,2}( [0-9]{0,6})?)?");
    case TEditType::edtBB:
        text = text.toUpper();
        return matches(text, "[А-ЯЁ]{0,2}( [0-9]{0,6})?");
    case TEditType::edtBB0:
        text = text.toUpper();
        return matches(text, "[А-ЯЁ]{0,2}( [0-9]{0,7})?");
    case TEditType::edtNone1:
        return text.size() <= 20 && fitsCodePage(text);
    case TEditType::edtNone2:
        return text.size() <= 14 && fitsCodePage(text);
    }
    return false;
}

bool Fill(TEditType kind, QString& text, int& pos)
{
    QString shaped;
    int shapedPos = -1;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (at == pos)
            shapedPos = int(shaped.size());
        QString next = shaped + text.at(at);
        if (!Accept(kind, next)) {
            next = shaped + QLatin1Char(' ') + text.at(at);
            if (!Accept(kind, next))
                return false;
        }
        shaped = next;
    }
    text = shaped;
    pos = shapedPos < 0 ? int(shaped.size()) : shapedPos;
    return true;
}

} // namespace DocumentNumber

SeriesNumberValidator::SeriesNumberValidator(QObject* parent) : QValidator(parent) {}

QValidator::State SeriesNumberValidator::validate(QString& input, int& pos) const
{
    return DocumentNumber::Fill(m_kind, input, pos) ? Acceptable : Invalid;
}

DocumentNumberField::DocumentNumberField(QWidget* parent, const QString& name)
    : QLineEdit(parent), m_shape(new SeriesNumberValidator(this))
{
    setObjectName(name);
    setValidator(m_shape);
    setFixedWidth(EntryFields::digitsWidth(this, kDocumentNumberCharacters));
}

void DocumentNumberField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    m_enteredByMouse = event->reason() == Qt::MouseFocusReason;
}

void DocumentNumberField::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    // The first empty place of a shape is after what the field holds.
    if (m_enteredByMouse) {
        m_enteredByMouse = false;
        end(false);
    }
}
