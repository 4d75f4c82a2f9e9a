#pragma once

#include "check/CheckAnswerer.h"
#include "ui/dialogs/CheckQuestionDialog.h"

class Interaction;
class QPushButton;

// The section error dialog: one message of a section's check, answered with "Исправить",
// "Пропустить" or "Пропустить все". Closing it without a button counts as "Пропустить".
class TfmCheckError : public CheckQuestionDialog
{
    Q_OBJECT

public:
    // Result codes of the dialog.
    enum Result
    {
        Closed = 0,
        Fix = 1,
        Skip = 2,
        SkipAll = 3,
    };

    explicit TfmCheckError(QWidget* parent);

    void setSkipEnabled(bool enabled);
    void setSkipAllEnabled(bool enabled);
    // Shows the question through the interaction and returns the answer.
    SectionAnswer ask(Interaction& interaction, const SectionQuestion& question);

private:
    QPushButton* m_skip;
    QPushButton* m_skipAll;
};
