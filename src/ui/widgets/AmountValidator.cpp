#include "ui/widgets/AmountValidator.h"

#include <algorithm>

namespace {

bool digitsOnly(QStringView part)
{
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Drops what an amount may carry besides its digits and comma, keeping the cursor at its place.
void normalise(QString& input, int& pos)
{
    AmountValidator::dropGroupSpaces(input, pos);
    QString kept = input;
    kept.replace(QLatin1Char('.'), QLatin1Char(','));
    const int keptPos = pos;
    // "05" is 5; "0,5" keeps its zero.
    qsizetype zeros = 0;
    while (zeros + 1 < kept.size() && kept.at(zeros) == QLatin1Char('0') &&
           kept.at(zeros + 1).isDigit())
        ++zeros;
    kept.remove(0, zeros);
    input = kept;
    pos = std::max(0, keptPos - int(zeros));
}

} // namespace

bool AmountValidator::isGroupSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x2009) || c == QChar(0x202F);
}

void AmountValidator::dropGroupSpaces(QString& input, int& pos)
{
    QString kept;
    int keptPos = 0;
    for (qsizetype at = 0; at < input.size(); ++at) {
        if (isGroupSpace(input.at(at)))
            continue;
        kept += input.at(at);
        if (at < pos)
            ++keptPos;
    }
    input = kept;
    pos = keptPos;
}

AmountValidator::AmountValidator(QObject* parent, AmountShape shape)
    : QValidator(parent), m_shape(shape)
{}

QValidator::State AmountValidator::validate(QString& input, int& pos) const
{
    normalise(input, pos);
    const qsizetype comma = input.indexOf(QLatin1Char(','));
    const QStringView whole = comma < 0 ? QStringView(input) : QStringView(input).first(comma);
    const QStringView fraction = comma < 0 ? QStringView() : QStringView(input).sliced(comma + 1);
    if (!digitsOnly(whole) || !digitsOnly(fraction))
        return Invalid;
    if (whole.size() > m_shape.integerDigits || fraction.size() > m_shape.decimals)
        return Invalid;
    if (comma >= 0 && m_shape.decimals == 0)
        return Invalid;
    return Acceptable;
}
