#include "ui/sections/taxpayer/FramePersonNameMask.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <initializer_list>

namespace SeriesMask {

namespace {

// The document kinds that share one shape.
struct KindShape
{
    TEditType shape;
    std::initializer_list<int> kinds;
};

TEditType shapeOf(std::initializer_list<KindShape> table, int docKind, TEditType current)
{
    for (const KindShape& row : table) {
        if (std::find(row.kinds.begin(), row.kinds.end(), docKind) != row.kinds.end())
            return row.shape;
    }
    return current;
}

} // namespace

TEditType KindAtBuilding(int docKind, TEditType current)
{
    return shapeOf({{TEditType::edtR_BB, {1, 3}},
                    {TEditType::edt99, {2, 9, 22}},
                    {TEditType::edtBB, {4, 6}},
                    {TEditType::edtNone2, {5, 11, 12, 13, 14, 91}},
                    {TEditType::edtBB0, {7, 26, 27}},
                    {TEditType::edtNone1, {10}},
                    {TEditType::edt99_, {21}}},
                   docKind, current);
}

TEditType KindAtPicking(int docKind, TEditType current)
{
    return shapeOf({{TEditType::edt99, {2, 9, 22}},
                    {TEditType::edtBB, {4, 6}},
                    {TEditType::edtNone1, {3, 5, 10, 11, 12, 13, 14, 15, 18, 23, 91}},
                    {TEditType::edtBB0, {7, 24, 26, 27}},
                    {TEditType::edt99_, {21}}},
                   docKind, current);
}

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

} // namespace SeriesMask

SeriesNumberValidator::SeriesNumberValidator(QObject* parent) : QValidator(parent) {}

QValidator::State SeriesNumberValidator::validate(QString& input, int& pos) const
{
    QString shaped = input;
    if (!SeriesMask::Accept(m_kind, shaped))
        return Invalid;
    input = shaped;
    pos = qMin(pos, int(input.size()));
    return Acceptable;
}
