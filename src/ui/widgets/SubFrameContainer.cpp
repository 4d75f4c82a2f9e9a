#include "ui/widgets/SubFrameContainer.h"

#include "ui/widgets/EditWatch.h"
#include "ui/widgets/FrameFocus.h"

#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A sub-section button. It stays down while its sub-frame is shown, yet it is a push button:
// Space, a click and a screen reader's press all switch through the same path. The arrow keys
// move the focus to the button beside it without switching, so that passing a sub-section never
// checks it.
class SubFrameButton : public QToolButton
{
public:
    explicit SubFrameButton(QWidget* parent) : QToolButton(parent) {}

    // Half a line of text higher than the style makes it: a larger target, as the font grows.
    QSize sizeHint() const override
    {
        return QToolButton::sizeHint() + QSize(0, fontMetrics().height() / 2);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int step = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up      ? -1
                         : event->key() == Qt::Key_Right || event->key() == Qt::Key_Down ? 1
                                                                                         : 0;
        if (step == 0 || group() == nullptr || event->modifiers() != Qt::NoModifier) {
            QToolButton::keyPressEvent(event);
            return;
        }
        const QList<QAbstractButton*> buttons = group()->buttons();
        for (qsizetype at = buttons.indexOf(this) + step; at >= 0 && at < buttons.size();
             at += step) {
            QAbstractButton* next = buttons.at(at);
            if (next->isVisible() && next->isEnabled()) {
                next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                break;
            }
        }
    }
};

// What a screen reader is told of a sub-section button: a button to press, pressed while its
// sub-frame is shown (not a check box to tick, as a checkable button would say).
class SubFrameButtonAccessible : public QAccessibleWidget
{
public:
    explicit SubFrameButtonAccessible(SubFrameButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = button()->text();
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        // Queued, so that a screen reader's call returns before a message the switch may open.
        if (action == pressAction() && button()->isEnabled())
            QMetaObject::invokeMethod(button(), &QAbstractButton::click, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* subFrameButtonAccessible(const QString&, QObject* object)
{
    if (auto* button = dynamic_cast<SubFrameButton*>(object))
        return new SubFrameButtonAccessible(button);
    return nullptr;
}

} // namespace

TSubFrameContainer::TSubFrameContainer(QWidget* parent, FrameHost& host,
                                       const QString& containerName)
    : TContainerFrame(parent, host)
{
    static const bool accessibleButtons = [] {
        QAccessible::installFactory(&subFrameButtonAccessible);
        return true;
    }();
    Q_UNUSED(accessibleButtons);
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
    auto* button = new SubFrameButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setAutoRaise(true);
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
    if (index != m_shownIndex) {
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
    // On into the sub-frame: what is typed next goes to its first field, not to the button.
    if (m_shown != nullptr) {
        if (QWidget* first = FirstField(*m_shown))
            first->setFocus(Qt::TabFocusReason);
    }
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
