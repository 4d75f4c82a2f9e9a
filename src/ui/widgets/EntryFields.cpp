#include "ui/widgets/EntryFields.h"

#include "ui/widgets/AmountValidator.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStringEncoder>
#include <QStyle>
#include <QStyleOptionFrame>

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

void fitDigits(QLineEdit* field, int characters)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    const QMargins margins = field->textMargins();
    // The field keeps two pixels on either side of its text and one for the cursor.
    const int text = field->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) +
                     5 + margins.left() + margins.right();
    const QSize contents(text, field->fontMetrics().height());
    field->setMinimumWidth(
        field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, field).width() +
        2 * option.lineWidth);
}

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
    fitDigits(edit, maxDigits);
    return edit;
}

int number(const QLineEdit* field)
{
    return field->text().toInt();
}

QLineEdit* amount(QWidget* parent, const QString& name, int integerDigits, int decimals)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(integerDigits + (decimals > 0 ? decimals + 1 : 0));
    edit->setValidator(new AmountValidator(edit, integerDigits, decimals));
    edit->setAlignment(Qt::AlignRight);
    fitDigits(edit, edit->maxLength());
    return edit;
}

std::optional<Money> amountValue(const QLineEdit* field)
{
    QString typed = field->text().trimmed();
    typed.replace(QLatin1Char('.'), QLatin1Char(','));
    if (typed.isEmpty() || typed == QLatin1String(","))
        return std::nullopt;
    if (typed.startsWith(QLatin1Char(',')))
        typed.prepend(QLatin1Char('0'));
    if (typed.endsWith(QLatin1Char(',')))
        typed.chop(1);
    return Money::parse(typed, QLatin1Char(','));
}

Money amountOrZero(const QLineEdit* field)
{
    return amountValue(field).value_or(Money());
}

QString amountText(Money amount)
{
    return amount.toText(QLatin1Char(','));
}

QString amountTextOrEmpty(Money amount)
{
    return amount.isZero() ? QString() : amountText(amount);
}

bool isBlank(const QLineEdit* field)
{
    return field->text().trimmed().isEmpty();
}

QLineEdit* panel(QWidget* parent, const char* name, Qt::Alignment alignment)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setAlignment(alignment);
    // A panel shows a figure the program works out: it has the window's colour, not the white of
    // a field that takes typing, and Tab passes it by (a click still selects its text to copy).
    QPalette palette = edit->palette();
    palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
    edit->setPalette(palette);
    edit->setFocusPolicy(Qt::ClickFocus);
    // An amount: twelve digits, the comma and the kopecks.
    if (alignment & Qt::AlignRight)
        fitDigits(edit, 15);
    return edit;
}

QLineEdit* codePanel(QWidget* parent, const char* name)
{
    QLineEdit* edit = panel(parent, name, Qt::AlignLeft);
    // Six digits and the field's frame and text margins.
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    return edit;
}

void addressLines(QWidget* parent, const std::array<QLineEdit**, 7>& fields)
{
    static constexpr std::array<std::pair<const char*, int>, 7> kLines{{{"meDistrict", 40},
                                                                        {"meCity", 40},
                                                                        {"meArea", 40},
                                                                        {"meStreet", 40},
                                                                        {"meHouse", 7},
                                                                        {"meBuilding", 7},
                                                                        {"meFlat", 7}}};
    for (size_t at = 0; at < kLines.size(); ++at)
        *fields[at] = text(parent, QString::fromLatin1(kLines[at].first), kLines[at].second);
}

void focusDay(QDateEdit* field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->setCurrentSection(QDateTimeEdit::DaySection);
    field->setSelectedSection(QDateTimeEdit::DaySection);
}

QString codeText(qint32 code)
{
    return code == 0 ? QString() : QString::number(code);
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
