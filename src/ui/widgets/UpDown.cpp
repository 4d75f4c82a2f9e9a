#include "ui/widgets/UpDown.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TUpDown::TUpDown(QWidget* parent, const QString& name, int minimum, int maximum)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum)
{
    setObjectName(name);
    m_up = new QToolButton(this);
    m_up->setObjectName(name + QStringLiteral("Up"));
    m_up->setArrowType(Qt::UpArrow);
    m_up->setToolTip(QStringLiteral("Увеличить (стрелка вверх в поле)"));
    m_down = new QToolButton(this);
    m_down->setObjectName(name + QStringLiteral("Down"));
    m_down->setArrowType(Qt::DownArrow);
    m_down->setToolTip(QStringLiteral("Уменьшить (стрелка вниз в поле)"));
    // Together the two arrows are about as tall as a field of the same font.
    const int line = fontMetrics().height();
    for (QToolButton* arrow : {m_up, m_down}) {
        arrow->setFixedSize(line, line * 2 / 3);
        // The keyboard steps the number in the field itself: the arrows are no stops of Tab.
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    nameArrows();
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
}

void TUpDown::setBuddy(QLineEdit* buddy)
{
    if (m_buddy != nullptr)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy != nullptr)
        m_buddy->installEventFilter(this);
    nameArrows();
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
    const QString text = QString::number(std::clamp(next, m_minimum, m_maximum));
    if (text == m_buddy->text())
        return;
    m_buddy->setText(text);
    emit stepped();
}

void TUpDown::showEvent(QShowEvent* event)
{
    // The field's caption may have been given after the field was bound.
    nameArrows();
    QWidget::showEvent(event);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            stepBy(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::nameArrows()
{
    QString field;
    if (m_buddy != nullptr) {
        if (QAccessibleInterface* named = QAccessible::queryAccessibleInterface(m_buddy))
            field = named->text(QAccessible::Name);
    }
    const auto name = [&field](const QString& action) {
        return field.isEmpty() ? action : action + QStringLiteral(": ") + field;
    };
    m_up->setAccessibleName(name(QStringLiteral("Увеличить")));
    m_down->setAccessibleName(name(QStringLiteral("Уменьшить")));
}
