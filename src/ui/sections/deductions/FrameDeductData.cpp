#include "ui/sections/deductions/FrameDeductData.h"

#include "ui/sections/deductions/FrameCB.h"
#include "ui/sections/deductions/FrameConstructionDeduct.h"
#include "ui/sections/deductions/FramePensDeduct.h"
#include "ui/sections/deductions/FrameStandartDeduct.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TfrFrameDeductData::TfrFrameDeductData(QWidget* parent, FrameHost& host)
    : TContainerFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrFrameDeductData"));
    m_buttons = new QButtonGroup(this);
    m_buttons->setExclusive(true);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(addButton(Standard, "fbStandartDeduct", QStringLiteral("Стандартные"),
                             QStringLiteral("Стандартные налоговые вычеты")));
    row->addWidget(addButton(Property, "fbConstructionDeduct", QStringLiteral("Имущественный"),
                             QStringLiteral("Имущественный налоговый вычет на строительство")));
    row->addWidget(addButton(Social, "fbPensDeduct", QStringLiteral("Социальные"),
                             QStringLiteral("Социальные налоговые вычеты")));
    row->addWidget(addButton(Securities, "fbCB", QStringLiteral("Убытки по ЦБ"),
                             QStringLiteral("Убытки прошлых налоговых периодов по операциям с "
                                            "ЦБ")));
    row->addStretch();

    m_container = new QWidget(this);
    m_container->setObjectName(QStringLiteral("pnlDeductContainer"));
    auto* containerLayout = new QVBoxLayout(m_container);
    containerLayout->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_container, 1);

    showSubFrame(Standard);
}

TfrFrameDeductData::~TfrFrameDeductData()
{
    // The sub-frame edits the document: it goes before anything else of the section.
    delete m_subFrame;
    m_subFrame = nullptr;
}

QToolButton* TfrFrameDeductData::addButton(SubFrame kind, const char* name, const QString& caption,
                                           const QString& hint)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setMinimumWidth(110);
    m_buttons->addButton(button, kind);
    connect(button, &QToolButton::clicked, this, [this, kind] { switchTo(kind); });
    return button;
}

void TfrFrameDeductData::switchTo(SubFrame kind)
{
    if (kind == m_shown && m_subFrame != nullptr) {
        m_buttons->button(m_shown)->setChecked(true);
        return;
    }
    m_subFrame->StoreData();
    if (const quint16 code = m_subFrame->CheckData(); code != 0) {
        m_buttons->button(m_shown)->setChecked(true);
        m_subFrame->FocusError(code);
        return;
    }
    showSubFrame(kind);
}

void TfrFrameDeductData::showSubFrame(SubFrame kind)
{
    TThinkingFrame* frame = nullptr;
    switch (kind) {
    case Standard:
        frame = new TfrFrameStandartDeduct(m_container, host());
        break;
    case Property:
        frame = new TfrConstructionDeduct(m_container, host());
        break;
    case Social:
        frame = new TfrFramePensDeduct(m_container, host());
        break;
    case Securities:
        frame = new TfrCB(m_container, host());
        break;
    }
    m_container->layout()->addWidget(frame);
    delete m_subFrame;
    m_subFrame = frame;
    m_shown = kind;
    m_buttons->button(kind)->setChecked(true);
}

void TfrFrameDeductData::StoreData()
{
    m_subFrame->StoreData();
}

quint16 TfrFrameDeductData::CheckData()
{
    return m_subFrame->CheckData();
}

void TfrFrameDeductData::FocusError(quint16 code)
{
    m_subFrame->FocusError(code);
}

void TfrFrameDeductData::FocusSubError(int index, quint16 code)
{
    const SubFrame kind = index == 0 ? Standard : Property;
    if (kind != m_shown)
        showSubFrame(kind);
    m_subFrame->FocusError(code);
}

TUpDown::TUpDown(QWidget* parent, const QString& name, int minimum, int maximum)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum)
{
    setObjectName(name);
    auto* up = new QToolButton(this);
    up->setObjectName(name + QStringLiteral("Up"));
    up->setArrowType(Qt::UpArrow);
    up->setFixedSize(18, 11);
    auto* down = new QToolButton(this);
    down->setObjectName(name + QStringLiteral("Down"));
    down->setArrowType(Qt::DownArrow);
    down->setFixedSize(18, 11);
    connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
}

void TUpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void TUpDown::stepBy(int steps)
{
    if (m_buddy == nullptr || !isEnabled())
        return;
    const int next = m_buddy->text().isEmpty() ? m_emptyValue.value_or(m_minimum)
                                               : m_buddy->text().toInt() + steps;
    m_buddy->setText(QString::number(std::clamp(next, m_minimum, m_maximum)));
}

namespace DeductFields {

QLineEdit* money(QWidget* parent, const QString& name, int integerDigits)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaxLength(integerDigits + 3);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}([,.]\\d{0,2})?").arg(integerDigits)), edit));
    return edit;
}

Money value(const QLineEdit* field)
{
    QString text = field->text().trimmed();
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    if (text.startsWith(QLatin1Char(',')))
        text.prepend(QLatin1Char('0'));
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return Money::parse(text, QLatin1Char(',')).value_or(Money());
}

QString monthName(int index)
{
    static const char16_t* const names[12] = {u"Январь",   u"Февраль", u"Март",   u"Апрель",
                                              u"Май",      u"Июнь",    u"Июль",   u"Август",
                                              u"Сентябрь", u"Октябрь", u"Ноябрь", u"Декабрь"};
    return QString::fromUtf16(names[index]);
}

QString text(Money amount)
{
    return amount.toText(QLatin1Char(','));
}

int number(const QLineEdit* field)
{
    return field->text().toInt();
}

} // namespace DeductFields
