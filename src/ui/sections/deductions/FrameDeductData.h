#pragma once

#include "model/Money.h"
#include "ui/widgets/MyFrame.h"

#include <QWidget>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QToolButton;

// The deductions section: standard, property, social deductions and the losses of earlier years on
// securities, one sub-frame at a time, chosen by a row of four buttons.
class TfrFrameDeductData : public TContainerFrame
{
    Q_OBJECT

public:
    // The sub-frames in the order of their buttons.
    enum SubFrame
    {
        Standard = 0,
        Property = 1,
        Social = 2,
        Securities = 3,
    };

    TfrFrameDeductData(QWidget* parent, FrameHost& host);
    ~TfrFrameDeductData() override;

    void StoreData() override;
    quint16 CheckData() override;
    void FocusError(quint16 code) override;
    // Index 0 shows the standard deductions, any other index the property deduction.
    void FocusSubError(int index, quint16 code) override;

    SubFrame shownSubFrame() const { return m_shown; }
    TThinkingFrame* subFrame() const { return m_subFrame; }

private:
    QToolButton* addButton(SubFrame kind, const char* name, const QString& caption,
                           const QString& hint);
    void switchTo(SubFrame kind);
    void showSubFrame(SubFrame kind);

    QWidget* m_container;
    QButtonGroup* m_buttons;
    TThinkingFrame* m_subFrame = nullptr;
    SubFrame m_shown = Standard;
};

// An up-down pair of arrows bound to a number field: each arrow steps the field's number within
// the range. Unbound, the arrows do nothing.
class TUpDown : public QWidget
{
    Q_OBJECT

public:
    TUpDown(QWidget* parent, const QString& name, int minimum, int maximum);

    void setBuddy(QLineEdit* buddy) { m_buddy = buddy; }
    QLineEdit* buddy() const { return m_buddy; }
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // The number an empty field steps from (the minimum unless set).
    void setEmptyValue(int value) { m_emptyValue = value; }
    // Steps the bound field's number by the count, clamped to the range.
    void stepBy(int steps);

private:
    QLineEdit* m_buddy = nullptr;
    std::optional<int> m_emptyValue;
    int m_minimum;
    int m_maximum;
};

// The entry fields of the deduction screens.
namespace DeductFields {

// An amount: digits with at most integerDigits before and two after the decimal comma.
QLineEdit* money(QWidget* parent, const QString& name, int integerDigits);
// The amount a field holds; an empty field holds 0. Both "," and "." separate the decimals.
Money value(const QLineEdit* field);
// The name of a month (0 January to 11 December).
QString monthName(int index);
// An amount as the screens show it ("2500000", "1250,5").
QString text(Money amount);
// The integer a digits field holds; an empty field holds 0.
int number(const QLineEdit* field);

} // namespace DeductFields
