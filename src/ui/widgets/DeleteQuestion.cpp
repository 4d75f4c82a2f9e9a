#include "ui/widgets/DeleteQuestion.h"

#include "ui/dialogs/Interaction.h"

bool DeleteConfirmed(Interaction& interaction, QWidget* parent, const QString& question)
{
    return interaction.message(parent, QMessageBox::Question, Interaction::programCaption(),
                               question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}
