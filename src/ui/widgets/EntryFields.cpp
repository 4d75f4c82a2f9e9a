#include "ui/widgets/EntryFields.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStringEncoder>

Cp1251Validator::Cp1251Validator(QObject* parent) : QValidator(parent) {}

bool Cp1251Validator::encodable(const QString& text)
{
    // The encoder works when its result is taken; only then does it know of an unmappable
    // character.
    QStringEncoder encoder("windows-1251");
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

QValidator::State Cp1251Validator::validate(QString& input, int& /*pos*/) const
{
    return encodable(input) ? Acceptable : Invalid;
}

namespace EntryFields {

QLineEdit* text(QWidget* parent, const QString& name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->setValidator(new Cp1251Validator(edit));
    return edit;
}

QLineEdit* digits(QWidget* parent, const QString& name, int maxDigits)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxDigits);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(maxDigits)), edit));
    return edit;
}

QPushButton* pickerButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(QStringLiteral("..."), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QStringLiteral("Выбрать код из справочника"));
    button->setAutoDefault(false);
    button->setFixedWidth(32);
    return button;
}

} // namespace EntryFields
