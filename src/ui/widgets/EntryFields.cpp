#include "ui/widgets/EntryFields.h"

#include "ui/widgets/AddressFields.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/AmountValidator.h"
#include "ui/widgets/DateField.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
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

DigitsValidator::DigitsValidator(QObject* parent, int maxDigits)
    : QValidator(parent), m_maxDigits(maxDigits)
{}

QValidator::State DigitsValidator::validate(QString& input, int& pos) const
{
    QString kept;
    int keptPos = 0;
    for (qsizetype at = 0; at < input.size(); ++at) {
        const QChar c = input.at(at);
        if (AmountValidator::isGroupSpace(c))
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
        kept += c;
        if (at < pos)
            ++keptPos;
    }
    if (kept.size() > m_maxDigits)
        return Invalid;
    input = kept;
    pos = keptPos;
    return Acceptable;
}

namespace EntryFields {

int digitsWidth(const QLineEdit* field, int characters)
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
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, field).width() +
           2 * option.lineWidth;
}

void fitDigits(QLineEdit* field, int characters)
{
    field->setMinimumWidth(digitsWidth(field, characters));
}

QString longestText(const QLineEdit& field)
{
    if (qobject_cast<const DateField*>(&field) != nullptr)
        return QStringLiteral("00.00.0000");
    int characters = 0;
    if (const auto* amount = qobject_cast<const AmountValidator*>(field.validator()))
        characters = amount->shape().characters();
    else if (const auto* digits = qobject_cast<const DigitsValidator*>(field.validator()))
        characters = digits->maxDigits();
    return QString(characters, QLatin1Char('0'));
}

QLineEdit* text(QWidget* parent, const QString& name, TextLength length)
{
    QLineEdit* edit = text(parent, name, int(length));
    if (int(length) <= kShortText)
        edit->setFixedWidth(digitsWidth(edit, int(length)));
    return edit;
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

QLineEdit* digits(QWidget* parent, const QString& name, Digits count)
{
    QLineEdit* edit = digits(parent, name, int(count));
    edit->setFixedWidth(digitsWidth(edit, int(count)));
    return edit;
}

QLineEdit* digits(QWidget* parent, const QString& name, int maxDigits)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    // No length limit: the validator counts the digits, after the spaces of a pasted code are
    // dropped; a limit would cut the paste first.
    edit->setValidator(new DigitsValidator(edit, maxDigits));
    fitDigits(edit, maxDigits);
    return edit;
}

QLineEdit* amount(QWidget* parent, const QString& name, int integerDigits, int decimals)
{
    auto* edit = new AmountField(parent, name, AmountShape{integerDigits, decimals});
    edit->setMaximumWidth(QWIDGETSIZE_MAX);
    return edit;
}

int number(const QLineEdit* field)
{
    return field->text().toInt();
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

QString codeText(qint32 code)
{
    return code == 0 ? QString() : QString::number(code);
}

QLabel* caption(QWidget* owner, QWidget* field, const QString& text)
{
    auto* label = new QLabel(text, owner);
    label->setBuddy(field);
    return label;
}

void setShown(QWidget* field, bool shown)
{
    field->setVisible(shown);
    if (field->parentWidget() == nullptr)
        return;
    for (QLabel* label : field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == field)
            label->setVisible(shown);
    }
}

void looksDisplayed(QLineEdit* field)
{
    QPalette palette = field->palette();
    palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
    field->setPalette(palette);
    field->setFocusPolicy(Qt::ClickFocus);
}

QLineEdit* panel(QWidget* parent, const char* name, Qt::Alignment alignment)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setAlignment(alignment);
    looksDisplayed(edit);
    edit->setFocusPolicy(Qt::StrongFocus);
    // An amount: twelve digits, the comma and the kopecks.
    if (alignment & Qt::AlignRight)
        fitDigits(edit, Amount::Kopecks.characters());
    return edit;
}

QLineEdit* panel(QWidget* parent, const char* name, AmountShape shape)
{
    QLineEdit* edit = panel(parent, name, Qt::AlignRight);
    fitDigits(edit, shape.characters());
    return edit;
}

QLineEdit* codePanel(QWidget* parent, const char* name)
{
    QLineEdit* edit = panel(parent, name, Qt::AlignLeft);
    edit->setFixedWidth(digitsWidth(edit, kCodeDigits));
    return edit;
}

void addressLines(QWidget* parent, const std::array<QLineEdit**, 7>& fields)
{
    const AddressFields lines(parent);
    const std::array<QLineEdit*, 7> made{lines.district, lines.city,  lines.locality,
                                         lines.street,   lines.house, lines.building,
                                         lines.flat};
    for (size_t at = 0; at < made.size(); ++at)
        *fields[at] = made[at];
    // A grid laid out by hand stretches its fields over their columns.
    for (QLineEdit* line : {lines.house, lines.building, lines.flat}) {
        line->setMinimumWidth(0);
        line->setMaximumWidth(QWIDGETSIZE_MAX);
    }
}

QPushButton* pickerButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(QStringLiteral("..."), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QStringLiteral("Выбрать код из справочника"));
    button->setAutoDefault(false);
    // The dots and the button's margins and frame: the style's own least width for a push button
    // is made for words.
    const int margins =
        2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
             button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + margins + 8);
    return button;
}

void focusDay(QDateEdit* field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->setCurrentSection(QDateTimeEdit::DaySection);
    field->setSelectedSection(QDateTimeEdit::DaySection);
}

} // namespace EntryFields
