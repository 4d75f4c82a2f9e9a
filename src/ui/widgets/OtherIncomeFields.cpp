#include "ui/widgets/OtherIncomeFields.h"

#include "ui/dialogs/Interaction.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

namespace {

// Digits, one decimal comma and limited digits on both sides of it.
class AmountValidator : public QValidator
{
public:
    AmountValidator(QObject* parent, int intDigits, int decimals)
        : QValidator(parent),
          m_pattern(QRegularExpression::anchoredPattern(
              decimals > 0 ? QStringLiteral("\\d{0,%1}(,\\d{0,%2})?").arg(intDigits).arg(decimals)
                           : QStringLiteral("\\d{0,%1}").arg(intDigits)))
    {}

    State validate(QString& input, int& /*pos*/) const override
    {
        input.replace(QLatin1Char('.'), QLatin1Char(','));
        return m_pattern.match(input).hasMatch() ? Acceptable : Invalid;
    }

private:
    QRegularExpression m_pattern;
};

} // namespace

namespace OtherIncomeFields {

QLineEdit* amount(QWidget* parent, const QString& name, int intDigits, int decimals)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(intDigits + (decimals > 0 ? decimals + 1 : 0));
    edit->setValidator(new AmountValidator(edit, intDigits, decimals));
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLineEdit* panel(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

Money amountOf(const QLineEdit* edit)
{
    return Money::parse(edit->text().trimmed(), QLatin1Char(',')).value_or(Money());
}

bool isEmpty(const QLineEdit* edit)
{
    return edit->text().trimmed().isEmpty();
}

QString text(Money amount)
{
    return amount.toText(QLatin1Char(','));
}

QString textOrEmpty(Money amount)
{
    return amount.isZero() ? QString() : text(amount);
}

QString codeText(qint32 code)
{
    return code == 0 ? QString() : QString::number(code);
}

bool refuseWhenFull(QWidget* parent, Interaction& interaction, bool full)
{
    if (full)
        interaction.showInformation(parent,
                                    QStringLiteral("В списке может быть не более 999 записей"));
    return full;
}

} // namespace OtherIncomeFields
