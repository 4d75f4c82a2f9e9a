#include "ui/widgets/DeletionQuestion.h"

#include "ui/dialogs/Interaction.h"

#include <QMessageBox>
#include <QPushButton>

bool askToDelete(Interaction& interaction, QWidget* parent, const QString& question)
{
    // A box of its own rather than Interaction::message, whose questions answer Enter with "Да".
    QMessageBox box(QMessageBox::Question, Interaction::programCaption(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    interaction.execDialog(box);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}
