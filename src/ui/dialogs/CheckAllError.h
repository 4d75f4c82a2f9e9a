#pragma once

#include "check/CheckAnswerer.h"
#include "ui/dialogs/CheckQuestionDialog.h"

class Interaction;

// The whole-declaration error dialog: the first finding of the check, answered with "Исправить"
// (go to the place of the error) or "Отмена". Closing it counts as "Отмена".
class TfmCheckAllError : public CheckQuestionDialog
{
    Q_OBJECT

public:
    enum Result
    {
        Cancel = 0,
        Fix = 1,
    };

    explicit TfmCheckAllError(QWidget* parent);

    DeclarationAnswer ask(Interaction& interaction, const DeclarationQuestion& question);
};
