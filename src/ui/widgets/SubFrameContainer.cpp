#include "ui/widgets/SubFrameContainer.h"

#include "ui/widgets/EditWatch.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

TSubFrameContainer::TSubFrameContainer(QWidget* parent, FrameHost& host,
                                       const QString& containerName)
    : TContainerFrame(parent, host)
{
    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addStretch();
    m_container = new QWidget(this);
    m_container->setObjectName(containerName);
    auto* containerLayout = new QVBoxLayout(m_container);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    m_buttons = new QButtonGroup(this);
    m_buttons->setExclusive(true);
    connect(m_buttons, &QButtonGroup::idClicked, this, &TSubFrameContainer::buttonPressed);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(m_buttonRow);
    layout->addWidget(m_container, 1);
}

QAbstractButton* TSubFrameContainer::addButton(int index, const QString& name,
                                               const QString& caption, const QString& hint)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setMinimumHeight(32);
    m_buttons->addButton(button, index);
    m_buttonRow->insertWidget(m_buttonRow->count() - 1, button);
    return button;
}

void TSubFrameContainer::showSubFrame(int index)
{
    if (m_shown != nullptr) {
        delete m_shown;
        m_shown = nullptr;
        m_shownIndex = -1;
    }
    m_shown = createSubFrame(index, m_container);
    if (m_shown == nullptr)
        return;
    m_shownIndex = index;
    WatchEdits(*m_shown, host());
    m_container->layout()->addWidget(m_shown);
    m_shown->show();
    if (QAbstractButton* button = m_buttons->button(index))
        button->setChecked(true);
}

void TSubFrameContainer::buttonPressed(int index)
{
    if (index == m_shownIndex)
        return;
    if (m_shown != nullptr) {
        m_shown->StoreData();
        const quint16 code = m_shown->CheckData();
        if (code != 0) {
            if (QAbstractButton* button = m_buttons->button(m_shownIndex))
                button->setChecked(true);
            m_shown->FocusError(code);
            return;
        }
    }
    showSubFrame(index);
    subFrameSwitched();
}

void TSubFrameContainer::StoreData()
{
    if (m_shown != nullptr)
        m_shown->StoreData();
}

quint16 TSubFrameContainer::CheckData()
{
    return m_shown != nullptr ? m_shown->CheckData() : 0;
}

void TSubFrameContainer::FocusError(quint16 code)
{
    if (m_shown != nullptr)
        m_shown->FocusError(code);
}

void TSubFrameContainer::FocusSubError(int index, quint16 code)
{
    const int target = subFrameIndex(index);
    if (target != m_shownIndex)
        showSubFrame(target);
    if (m_shown != nullptr)
        m_shown->FocusError(code);
}
