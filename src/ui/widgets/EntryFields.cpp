#include "ui/widgets/EntryFields.h"

#include "ui/widgets/AddressFields.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/AmountValidator.h"
#include "ui/widgets/DateField.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStringEncoder>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

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
    QString kept = input;
    int keptPos = pos;
    AmountValidator::dropGroupSpaces(kept, keptPos);
    const bool digits = std::all_of(kept.cbegin(), kept.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digits || kept.size() > m_maxDigits)
        return Invalid;
    input = kept;
    pos = keptPos;
    return Acceptable;
}

namespace {

// A long text the program puts into a field the person is not at shows from its beginning, as it
// is read (a line edit would show its end, where setText() left the cursor). Typing and pasting
// mark the field modified and are left alone.
void showsBeginning(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        if (!edit->isModified() && !edit->hasFocus())
            edit->setCursorPosition(0);
    });
}

QLineEdit* plainText(QWidget* parent, const QString& name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    showsBeginning(edit);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->setValidator(new Cp1251Validator(edit));
    return edit;
}

QLineEdit* plainDigits(QWidget* parent, const QString& name, int maxDigits)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    // No length limit: the validator counts the digits, after the spaces of a pasted code are
    // dropped; a limit would cut the paste first.
    edit->setValidator(new DigitsValidator(edit, maxDigits));
    return edit;
}

} // namespace

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
    QLineEdit* edit = plainText(parent, name, int(length));
    if (int(length) <= kShortText)
        edit->setFixedWidth(digitsWidth(edit, int(length)));
    return edit;
}

QLineEdit* digits(QWidget* parent, const QString& name, Digits count)
{
    QLineEdit* edit = plainDigits(parent, name, int(count));
    edit->setFixedWidth(digitsWidth(edit, int(count)));
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
}

QLineEdit* panel(QWidget* parent, const char* name, Qt::Alignment alignment)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    showsBeginning(edit);
    edit->setAlignment(alignment);
    looksDisplayed(edit);
    // An amount: twelve digits, the comma and the kopecks.
    if (alignment & Qt::AlignRight)
        edit->setMinimumWidth(digitsWidth(edit, Amount::Kopecks.characters()));
    return edit;
}

QLineEdit* panel(QWidget* parent, const char* name, AmountShape shape)
{
    QLineEdit* edit = panel(parent, name, Qt::AlignRight);
    edit->setMinimumWidth(digitsWidth(edit, shape.characters()));
    return edit;
}

QLineEdit* panel(QWidget* parent, const char* name, Shows shows)
{
    QLineEdit* edit = panel(parent, name, Qt::AlignLeft);
    if (shows == Shows::Code)
        edit->setFixedWidth(digitsWidth(edit, kCodeDigits));
    else
        QObject::connect(edit, &QLineEdit::textChanged, edit, &QWidget::setToolTip);
    return edit;
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

} // namespace EntryFields
