#include "ui/dialogs/DialogInteraction.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace {

// Gives the focus back, when a dialog closes, to the control that had it when the dialog opened.
class FocusReturn
{
public:
    FocusReturn() : m_widget(QApplication::focusWidget()) {}
    ~FocusReturn()
    {
        if (m_widget.isNull() || !m_widget->isEnabled() || !m_widget->isVisible())
            return;
        m_widget->setFocus(Qt::OtherFocusReason);
        // The window of the dialog's opener is the active one again.
        if (!m_widget->window()->isActiveWindow())
            m_widget->window()->activateWindow();
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_widget;
};

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
    const FocusReturn focus;
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
    const FocusReturn focus;
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
    const FocusReturn focus;
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
    const FocusReturn focus;
    return QFileDialog::getExistingDirectory(parent, caption, directory);
}

bool DialogInteraction::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
