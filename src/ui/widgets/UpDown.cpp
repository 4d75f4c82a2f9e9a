#include "ui/widgets/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TUpDown::TUpDown(QWidget* parent, const QString& name, int minimum, int maximum)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum)
{
    setObjectName(name);
    // Two arrows one over the other as tall as a line of text, whatever the size of the font.
    const QSize arrow(fontMetrics().height() + 4, (fontMetrics().height() + 8) / 2);
    auto* up = new QToolButton(this);
    up->setObjectName(name + QStringLiteral("Up"));
    up->setArrowType(Qt::UpArrow);
    up->setFixedSize(arrow);
    up->setAccessibleName(QStringLiteral("Больше"));
    up->setFocusPolicy(Qt::NoFocus);
    auto* down = new QToolButton(this);
    down->setObjectName(name + QStringLiteral("Down"));
    down->setArrowType(Qt::DownArrow);
    down->setFixedSize(arrow);
    down->setAccessibleName(QStringLiteral("Меньше"));
    down->setFocusPolicy(Qt::NoFocus);
    connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
}

void TUpDown::setBuddy(QLineEdit* buddy)
{
    if (m_buddy != nullptr)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy != nullptr)
        m_buddy->installEventFilter(this);
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
