#pragma once

#include <QWidget>
#include <optional>

class QLineEdit;
class QToolButton;

// An up-down pair of arrows bound to a number field: each arrow steps the field's number within
// the range, and so do the Up and Down keys in the field. Unbound, the arrows do nothing. The
// arrows are named by what they do to the field ("Увеличить: " and the field's name); they take no
// focus of their own, the keyboard steps the number where it is shown.
class TUpDown : public QWidget
{
    Q_OBJECT

public:
    TUpDown(QWidget* parent, const QString& name, int minimum, int maximum);

    void setBuddy(QLineEdit* buddy);
    QLineEdit* buddy() const { return m_buddy; }
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // The number an empty field steps from (the minimum unless set).
    void setEmptyValue(int value) { m_emptyValue = value; }
    // Steps the bound field's number by the count, clamped to the range.
    void stepBy(int steps);

signals:
    // The arrows changed the bound field's number.
    void stepped();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameArrows();

    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_buddy = nullptr;
    std::optional<int> m_emptyValue;
    int m_minimum;
    int m_maximum;
};

// The entry fields of the deduction screens.
