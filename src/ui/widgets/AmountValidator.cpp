#include "ui/widgets/AmountValidator.h"

AmountValidator::AmountValidator(QObject* parent, int integerDigits, int decimalDigits)
    : QValidator(parent), m_integerDigits(integerDigits), m_decimalDigits(decimalDigits)
{}

QValidator::State AmountValidator::validate(QString& input, int& /*pos*/) const
{
    input.replace(QLatin1Char('.'), QLatin1Char(','));
    const qsizetype comma = input.indexOf(QLatin1Char(','));
    const QStringView whole = comma < 0 ? QStringView(input) : QStringView(input).first(comma);
    const QStringView fraction = comma < 0 ? QStringView() : QStringView(input).sliced(comma + 1);
    const auto digitsOnly = [](QStringView part) {
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        return true;
    };
    if (!digitsOnly(whole) || !digitsOnly(fraction))
        return Invalid;
    if (whole.size() > m_integerDigits || fraction.size() > m_decimalDigits)
        return Invalid;
    if (comma >= 0 && m_decimalDigits == 0)
        return Invalid;
    return Acceptable;
}
