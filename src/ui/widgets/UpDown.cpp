#include "ui/widgets/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

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
    const QString text = QString::number(std::clamp(next, m_minimum, m_maximum));
    if (text == m_buddy->text())
        return;
    m_buddy->setText(text);
    emit stepped();
}
