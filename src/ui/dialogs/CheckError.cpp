#include "ui/dialogs/CheckError.h"

#include "ui/dialogs/Interaction.h"

#include <QPushButton>

TfmCheckError::TfmCheckError(QWidget* parent) : CheckQuestionDialog(parent)
{
    addAnswer(QStringLiteral("Исправить"), "Button1", Fix)->setDefault(true);
    m_skip = addAnswer(QStringLiteral("Пропустить"), "Button2", Skip);
    m_skipAll = addAnswer(QStringLiteral("Пропустить все"), "Button3", SkipAll);
}

void TfmCheckError::setSkipEnabled(bool enabled)
{
    m_skip->setEnabled(enabled);
}

void TfmCheckError::setSkipAllEnabled(bool enabled)
{
    m_skipAll->setEnabled(enabled);
}

SectionAnswer TfmCheckError::ask(Interaction& interaction, const SectionQuestion& question)
{
    pose(question.windowTitle(), question.message, Closed);
    m_skip->setEnabled(question.skipEnabled);
    m_skipAll->setEnabled(question.skipAllEnabled);
    switch (interaction.execDialog(*this)) {
    case Fix:
        return SectionAnswer::Fix;
    case Skip:
        return SectionAnswer::Skip;
    case SkipAll:
        return SectionAnswer::SkipAll;
    default:
        return SectionAnswer::Closed;
    }
}
