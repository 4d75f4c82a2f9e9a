#include "ui/dialogs/Interaction.h"

QString Interaction::programCaption()
{
    return QStringLiteral("Тарвика 2013");
}

void Interaction::showError(QWidget* parent, const QString& text)
{
    message(parent, QMessageBox::Critical, programCaption(), text, QMessageBox::Ok);
}

void Interaction::showInformation(QWidget* parent, const QString& text)
{
    message(parent, QMessageBox::Information, programCaption(), text, QMessageBox::Ok);
}

bool Interaction::confirm(QWidget* parent, const QString& question)
{
    return askDefaultNo(parent, question) == QMessageBox::Yes;
}

QMessageBox::StandardButton Interaction::askDefaultNo(QWidget* parent, const QString& question)
{
    return message(parent, QMessageBox::Question, programCaption(), question,
                   QMessageBox::Yes | QMessageBox::No);
}
