#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QUrl;
class QWidget;

// What a file dialog is asked to show.
struct FileDialogRequest
{
    QString caption;
    QString directory;
    // Filters in the form "Тарвика 2013 (*.tv3)"; the first one is selected.
    QStringList filters;
    // Added to a typed name that has no suffix.
    QString defaultSuffix;
};

// Every modal question of the program goes through this interface: message boxes, the program's
// own dialogs (check dialogs, pickers, About, notices), file and folder dialogs, and the request to
// open a web address. The desktop program shows real dialogs; tests script the answers.
class Interaction
{
public:
    virtual ~Interaction() = default;

    // A message box with the given buttons; returns the button pressed. Enter answers with the
    // default button (when none is given: Yes when present); closing the box answers with its
    // escape button (Cancel when present, else No, else the only button).
    virtual QMessageBox::StandardButton
    message(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    // Runs one of the program's dialogs modally and returns its result code.
    virtual int execDialog(QDialog& dialog) = 0;
    // The chosen file name, or an empty text when the dialog was cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // The chosen folder, or an empty text when the dialog was cancelled.
    virtual QString existingDirectory(QWidget* parent, const QString& caption,
                                      const QString& directory) = 0;
    // Asks the system to show a web address; false when it could not.
    virtual bool openUrl(const QUrl& url) = 0;

    // The program's caption on every message box.
    static QString programCaption();
    void showError(QWidget* parent, const QString& text);
    void showInformation(QWidget* parent, const QString& text);
};
