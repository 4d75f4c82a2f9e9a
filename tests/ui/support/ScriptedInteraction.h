#pragma once

#include "ui/dialogs/Interaction.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

// The interaction of the GUI tests: every modal question is answered from a script set up before
// the action, and recorded. A question without a scripted answer is recorded as unexpected and
// answered with Cancel / rejection, so no test ever waits on a modal loop.
class ScriptedInteraction : public Interaction
{
public:
    struct Message
    {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };
    using DialogScript = std::function<int(QDialog&)>;

    // Answers for the next questions of each kind, in order.
    void answerMessage(QMessageBox::StandardButton button) { m_messageAnswers.push_back(button); }
    void answerDialog(DialogScript script) { m_dialogScripts.push_back(std::move(script)); }
    void answerFile(const QString& fileName) { m_fileAnswers.push_back(fileName); }
    void answerUrl(bool opened) { m_urlAnswers.push_back(opened); }

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

    QList<Message> messages;
    QStringList dialogTitles;
    QList<FileDialogRequest> fileRequests;
    QStringList openedUrls;
    QStringList unexpected;
    // When set, answers every dialog that has no queued answer instead of recording it as
    // unexpected.
    DialogScript otherDialogs;

    // True when every scripted answer was used and nothing unexpected was asked.
    bool finished() const;
    QStringList messageTexts() const;

private:
    QString nextFile(const QString& what);

    std::deque<QMessageBox::StandardButton> m_messageAnswers;
    std::deque<DialogScript> m_dialogScripts;
    std::deque<QString> m_fileAnswers;
    std::deque<bool> m_urlAnswers;
};

// Finds a child by object name and presses it, for dialog scripts.
void clickChild(QWidget& parent, const char* name);
