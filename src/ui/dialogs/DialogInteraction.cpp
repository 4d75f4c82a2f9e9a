#include "ui/dialogs/DialogInteraction.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPushButton>
#include <QUrl>

namespace {

QString buttonText(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes:
        return QStringLiteral("Да");
    case QMessageBox::No:
        return QStringLiteral("Нет");
    case QMessageBox::Cancel:
        return QStringLiteral("Отмена");
    default:
        return QStringLiteral("OK");
    }
}

// Messages of the declaration file break their lines with a carriage return alone.
QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString runFileDialog(QWidget* parent, const FileDialogRequest& request,
                      QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.caption, request.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QMessageBox::StandardButton DialogInteraction::message(QWidget* parent, QMessageBox::Icon icon,
                                                       const QString& caption, const QString& text,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, caption, displayText(text), buttons, parent);
    for (const auto standard :
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok}) {
        if (QAbstractButton* button = box.button(standard))
            button->setText(buttonText(standard));
    }
    // Enter answers the default button, else "Да" (or the only button); Escape answers "Отмена",
    // else "Нет".
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    else if (buttons.testFlag(QMessageBox::Yes))
        box.setDefaultButton(QMessageBox::Yes);
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    return QMessageBox::StandardButton(box.exec());
}

int DialogInteraction::execDialog(QDialog& dialog)
{
    return dialog.exec();
}

QString DialogInteraction::openFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString DialogInteraction::saveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString DialogInteraction::existingDirectory(QWidget* parent, const QString& caption,
                                             const QString& directory)
{
    return QFileDialog::getExistingDirectory(parent, caption, directory);
}

bool DialogInteraction::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
