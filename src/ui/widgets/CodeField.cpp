#include "ui/widgets/CodeField.h"

#include "ui/widgets/EntryFields.h"

#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

CodeField::CodeField(QWidget* parent, const char* name, Shows shows, const char* buttonName,
                     const QString& chooses)
    : QLineEdit(parent), m_button(EntryFields::pickerButton(parent, buttonName)), m_shows(shows)
{
    setObjectName(QString::fromLatin1(name));
    setReadOnly(true);
    EntryFields::looksDisplayed(this);
    m_button->setToolTip(chooses);
    m_button->setAccessibleName(chooses);
    if (shows == Shows::Code) {
        setFixedWidth(EntryFields::digitsWidth(this, kCodeDigits));
    } else {
        // A name longer than its row shows whole in the tooltip.
        connect(this, &QLineEdit::textChanged, this, &QWidget::setToolTip);
    }
    connect(m_button, &QPushButton::clicked, this, [this] { requestPick(m_button, QString()); });
}

void CodeField::setPickerEnabled(bool enabled)
{
    m_pickerEnabled = enabled;
    updateButton();
}

void CodeField::pick()
{
    if (!m_button->isEnabled())
        return;
    m_button->setFocus(Qt::OtherFocusReason);
    requestPick(m_button, QString());
}

void CodeField::requestPick(QWidget* origin, const QString& search)
{
    // The frame may be rebuilt while its picker is open: the origin is looked at only if it lives.
    const QPointer<QWidget> back = origin;
    emit pickRequested(search);
    if (back != nullptr && back->isVisible() && back->isEnabled())
        back->setFocus(Qt::OtherFocusReason);
}

void CodeField::setVisible(bool visible)
{
    QLineEdit::setVisible(visible);
    m_button->setVisible(visible);
}

void CodeField::updateButton()
{
    m_button->setEnabled(isEnabled() && m_pickerEnabled);
}

void CodeField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateButton();
}

void CodeField::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const QString typed = event->text();
    const bool opens = (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) ||
                       (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier);
    const bool searches = modifiers == Qt::NoModifier && !typed.isEmpty() &&
                          typed.at(0).isPrint() && !typed.at(0).isSpace();
    if ((opens || searches) && m_button->isEnabled()) {
        requestPick(this, searches ? typed : QString());
        return;
    }
    QLineEdit::keyPressEvent(event);
}
