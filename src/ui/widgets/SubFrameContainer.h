#pragma once

#include "ui/widgets/MyFrame.h"

class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;

// A section made of sub-sections: a row of sub-section buttons over a container that shows one
// sub-frame at a time. Pressing a button stores and checks the sub-frame shown and changes to the
// new one only when the check lets it go, then puts the focus on the first field of the sub-frame
// shown; the arrow keys only move the focus along the buttons. StoreData, CheckData and
// FocusError go to the sub-frame shown.
class TSubFrameContainer : public TContainerFrame
{
    Q_OBJECT

public:
    void StoreData() override;
    quint16 CheckData() override;
    void FocusError(quint16 code) override;
    void FocusSubError(int index, quint16 code) override;

    TThinkingFrame* shownFrame() const { return m_shown; }
    int shownIndex() const { return m_shownIndex; }

protected:
    TSubFrameContainer(QWidget* parent, FrameHost& host, const QString& containerName);

    // Adds a checkable sub-section button for the sub-frame with this index.
    QAbstractButton* addButton(int index, const QString& name, const QString& caption,
                               const QString& hint);
    // Builds the sub-frame with this index in the container, freeing the one shown, without
    // storing or checking it, and presses its button.
    void showSubFrame(int index);

    // The sub-frame with this index, built in parent.
    virtual TThinkingFrame* createSubFrame(int index, QWidget* parent) = 0;
    // Maps an index given to FocusSubError onto a sub-frame index.
    virtual int subFrameIndex(int requested) const { return requested; }
    // Called after a button press has shown a new sub-frame.
    virtual void subFrameSwitched() {}

private:
    void buttonPressed(int index);

    QHBoxLayout* m_buttonRow;
    QWidget* m_container;
    QButtonGroup* m_buttons;
    TThinkingFrame* m_shown = nullptr;
    int m_shownIndex = -1;
};
