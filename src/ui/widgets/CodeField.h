#pragma once

#include "ui/widgets/FieldSizes.h"

#include <QLineEdit>

class QPushButton;

// A choice from a directory: a read-only display of the chosen code (or name) and its "..." button
// beside it. The display takes the focus by Tab, and a screen reader reads it; typing in it opens
// the picker with what was typed as the picker's search, so "77" typed there finds code 77. The
// button opens the picker too, and is named by what it chooses ("Выбрать страну": its accessible
// name and tooltip); Alt+Down and F4 in the display open the picker with an empty search.
//
// The frame does the picking in its slot of pickRequested; when that returns, the focus goes
// back to the display or the button the picker was opened from. The button follows the field: it
// is hidden, shown, disabled with it; setPickerEnabled disables the button (and the typing) alone
// when there is nothing to pick from.
class CodeField : public QLineEdit
{
    Q_OBJECT

public:
    // The display and its button are made in parent, where the display's caption goes too.
    CodeField(QWidget* parent, const char* name, Shows shows, const char* buttonName,
              const QString& chooses);

    QPushButton* button() const { return m_button; }
    Shows shows() const { return m_shows; }
    void setPickerEnabled(bool enabled);
    bool pickerEnabled() const { return m_pickerEnabled; }

    // Opens the picker as the button does, the focus on the button; a check that leads to the
    // field does this.
    void pick();

    void setVisible(bool visible) override;

signals:
    // The person asks for the picker: search is what they typed, empty from the button.
    void pickRequested(const QString& search);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void requestPick(QWidget* origin, const QString& search);
    void updateButton();

    QPushButton* m_button;
    Shows m_shows;
    bool m_pickerEnabled = true;
};
