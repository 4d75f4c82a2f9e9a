#pragma once

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

// A date "dd.mm.yyyy": one field that takes the eight digits of a date, typed or pasted, with or
// without the points, and a calendar button inside it (also Alt+Down or F4). Entering the field
// (a click anywhere in it, Tab, Shift+Tab, a caption's mnemonic, a check leading to it) selects
// the whole date, so what is typed next is a new date; a click in the field once it has the focus
// places the cursor as in any field. Tab leaves the field: it is one stop of the tab order.
//
// A date is taken once all its digits are typed and it exists and lies in the range; the field
// then tells dateEdited. A date that does not exist, lies outside the range or is left
// incomplete is refused: leaving the field shows the date it held. An empty field is a date only
// where emptiness is allowed (the null date).
class DateField : public QLineEdit
{
    Q_OBJECT

public:
    DateField(QWidget* parent, const QString& name);

    // The date shown, or the null date for an empty field.
    QDate date() const { return m_date; }
    // Shows the date, even one outside the range (a date read from a file is shown as it is).
    void setDate(const QDate& date);

    void setDateRange(const QDate& minimum, const QDate& maximum);
    void setMinimumDate(const QDate& minimum) { setDateRange(minimum, m_maximum); }
    void setMaximumDate(const QDate& maximum) { setDateRange(m_minimum, maximum); }
    QDate minimumDate() const { return m_minimum; }
    QDate maximumDate() const { return m_maximum; }
    void setEmptyAllowed(bool allowed) { m_emptyAllowed = allowed; }

    // Opens the calendar under the field.
    void showCalendar();

signals:
    // The date changed, by the person or by the program.
    void dateChanged(const QDate& date);
    // The person changed the date: typed to its end, emptied, or picked in the calendar.
    void dateEdited(const QDate& date);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void takeTyped();
    void take(const QDate& date);
    bool acceptable(const QDate& date) const;
    void showDate();

    QDate m_date;
    QDate m_minimum;
    QDate m_maximum;
    bool m_emptyAllowed = false;
    bool m_enteredByMouse = false;
    QCalendarWidget* m_calendar = nullptr;
};
