#pragma once

#include "ui/widgets/MyFrame.h"

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
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

    // Shows the sub-frame without storing or checking the one shown, as FocusSubError does.
    void showSubFrame(SubFrame kind);
    SubFrame shownSubFrame() const { return m_shown; }
    TThinkingFrame* subFrame() const { return m_subFrame; }

private:
    QToolButton* addButton(SubFrame kind, const char* name, const QString& caption,
                           const QString& hint);
    void switchTo(SubFrame kind);

    QWidget* m_container;
    QButtonGroup* m_buttons;
    TThinkingFrame* m_subFrame = nullptr;
    SubFrame m_shown = Standard;
};
