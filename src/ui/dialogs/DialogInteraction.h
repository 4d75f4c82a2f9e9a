#pragma once

#include "ui/dialogs/Interaction.h"

// The desktop program's interaction: real, modal Qt dialogs with Russian button texts.
class DialogInteraction : public Interaction
{
public:
    QMessageBox::StandardButton
    message(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) override;
    int execDialog(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString existingDirectory(QWidget* parent, const QString& caption,
                              const QString& directory) override;
    bool openUrl(const QUrl& url) override;
};
