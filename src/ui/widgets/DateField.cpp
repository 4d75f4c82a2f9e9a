#include "ui/widgets/DateField.h"

#include "ui/widgets/EntryFields.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace {

const QString kFormat = QStringLiteral("dd.MM.yyyy");

// A calendar sheet in the text colour: a frame, its header and three rows of days.
QIcon calendarIcon(const QWidget& field)
{
    const int side = field.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &field);
    QPixmap sheet(side, side);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    const QColor ink = field.palette().color(QPalette::Text);
    const qreal unit = side / 16.0;
    painter.scale(unit, unit);
    painter.setPen(QPen(ink, 1));
    painter.drawRect(QRectF(1.5, 2.5, 13, 12));
    painter.fillRect(QRectF(1.5, 2.5, 13, 3), ink);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            painter.fillRect(QRectF(3 + column * 3, 7 + row * 2.5, 1.5, 1.5), ink);
    }
    return QIcon(sheet);
}

} // namespace

DateField::DateField(QWidget* parent, const QString& name)
    : QLineEdit(parent), m_minimum(1900, 1, 1), m_maximum(9999, 12, 31)
{
    setObjectName(name);
    setInputMask(QStringLiteral("99.99.9999;_"));
    const int plainWidth = minimumSizeHint().width();
    QAction* calendar = addAction(calendarIcon(*this), QLineEdit::TrailingPosition);
    calendar->setText(QStringLiteral("Календарь"));
    calendar->setToolTip(QStringLiteral("Выбрать дату в календаре (Alt+Вниз)"));
    connect(calendar, &QAction::triggered, this, &DateField::showCalendar);
    // The whole date and the calendar button beside it.
    setFixedWidth(EntryFields::digitsWidth(this, kFormat.size()) + minimumSizeHint().width() -
                  plainWidth);
    connect(this, &QLineEdit::textEdited, this, &DateField::takeTyped);
    showDate();
}

void DateField::setDate(const QDate& date)
{
    const bool changed = date != m_date;
    m_date = date;
    showDate();
    if (changed)
        emit dateChanged(m_date);
}

void DateField::setDateRange(const QDate& minimum, const QDate& maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    if (m_calendar != nullptr)
        m_calendar->setDateRange(m_minimum, m_maximum);
}

bool DateField::acceptable(const QDate& date) const
{
    if (date.isNull())
        return m_emptyAllowed;
    return date.isValid() && date >= m_minimum && date <= m_maximum;
}

void DateField::showDate()
{
    setText(m_date.isValid() ? m_date.toString(kFormat) : QString());
}

void DateField::take(const QDate& date)
{
    if (date == m_date)
        return;
    m_date = date;
    emit dateChanged(m_date);
    emit dateEdited(m_date);
}

void DateField::takeTyped()
{
    const QString shown = displayText();
    const bool empty =
        std::none_of(shown.begin(), shown.end(), [](QChar c) { return c.isDigit(); });
    if (empty) {
        if (m_emptyAllowed)
            take(QDate());
        return;
    }
    // Digits still missing: the date is not complete yet.
    if (!hasAcceptableInput())
        return;
    const QDate typed = QDate::fromString(shown, kFormat);
    if (acceptable(typed))
        take(typed);
    else
        QApplication::beep();
}

void DateField::showCalendar()
{
    if (!isEnabled() || isReadOnly())
        return;
    if (m_calendar == nullptr) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setObjectName(objectName() + QStringLiteral("Calendar"));
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setDateRange(m_minimum, m_maximum);
        const auto picked = [this](QDate date) {
            m_calendar->hide();
            take(date);
            showDate();
            setFocus(Qt::PopupFocusReason);
        };
        connect(m_calendar, &QCalendarWidget::clicked, this, picked);
        connect(m_calendar, &QCalendarWidget::activated, this, picked);
    }
    const QDate shown = m_date.isValid() ? m_date : QDate::currentDate();
    m_calendar->setSelectedDate(std::clamp(shown, m_minimum, m_maximum));
    m_calendar->adjustSize();
    QPoint below = mapToGlobal(rect().bottomLeft());
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        if (below.y() + m_calendar->height() > room.bottom())
            below.setY(mapToGlobal(rect().topLeft()).y() - m_calendar->height());
        below.setX(std::clamp(below.x(), room.left(), room.right() - m_calendar->width()));
    }
    m_calendar->move(below);
    m_calendar->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::MouseFocusReason:
        m_enteredByMouse = true;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    default:
        selectAll();
        break;
    }
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    m_enteredByMouse = false;
    // Away to another field: what was typed and not taken gives way to the date held. Away to the
    // calendar or another window: the typing goes on on return.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        showDate();
}

void DateField::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (m_enteredByMouse) {
        m_enteredByMouse = false;
        selectAll();
    }
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    if (altDown || (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
        showCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
