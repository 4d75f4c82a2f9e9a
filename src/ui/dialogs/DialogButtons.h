#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

// The "Да" / "Нет" pair at the foot of an entry dialog, aligned right. "Да" is the dialog's
// default button and is left for the caller to connect to its own check; "Нет" is never a default
// and rejects the dialog. The buttons are made at the call, so they follow the fields made before
// them in the tab order.
struct DialogButtons
{
    QPushButton* yes;
    QPushButton* no;
    // The row holding a stretch, then "Да" and "Нет"; the caller adds it to its layout.
    QHBoxLayout* row;

    // Object names as the scripted tests find them; most entry dialogs use "bnOk" / "bnCansel".
    static DialogButtons create(QDialog* dialog, const char* yesName = "bnOk",
                                const char* noName = "bnCansel");
};
