#include "ui/dialogs/CheckAllError.h"

#include "ui/dialogs/Interaction.h"

#include <QPushButton>

TfmCheckAllError::TfmCheckAllError(QWidget* parent) : CheckQuestionDialog(parent)
{
    addAnswer(QStringLiteral("Исправить"), "Button1", Fix)->setDefault(true);
    addAnswer(QStringLiteral("Отмена"), "Button2", Cancel);
}

DeclarationAnswer TfmCheckAllError::ask(Interaction& interaction,
                                        const DeclarationQuestion& question)
{
    pose(question.windowTitle(), question.message, Cancel);
    return interaction.execDialog(*this) == Fix ? DeclarationAnswer::Fix
                                                : DeclarationAnswer::Cancel;
}
