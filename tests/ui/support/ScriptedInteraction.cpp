#include "ScriptedInteraction.h"

#include <QAbstractButton>
#include <QUrl>

QMessageBox::StandardButton ScriptedInteraction::message(QWidget*, QMessageBox::Icon icon,
                                                         const QString& caption,
                                                         const QString& text,
                                                         QMessageBox::StandardButtons buttons,
                                                         QMessageBox::StandardButton defaultButton)
{
    messages.append({icon, caption, text, defaultButton});
    if (m_messageAnswers.empty()) {
        // A plain notice needs no scripted answer; a question does.
        if (buttons == QMessageBox::Ok)
            return QMessageBox::Ok;
        unexpected.append(QStringLiteral("message: ") + text);
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    }
    const QMessageBox::StandardButton answer = m_messageAnswers.front();
    m_messageAnswers.pop_front();
    return answer;
}

int ScriptedInteraction::execDialog(QDialog& dialog)
{
    dialogTitles.append(dialog.windowTitle());
    if (m_dialogScripts.empty() && otherDialogs)
        return otherDialogs(dialog);
    if (m_dialogScripts.empty()) {
        unexpected.append(QStringLiteral("dialog: ") + dialog.windowTitle());
        return QDialog::Rejected;
    }
    DialogScript script = std::move(m_dialogScripts.front());
    m_dialogScripts.pop_front();
    return script(dialog);
}

QString ScriptedInteraction::nextFile(const QString& what)
{
    if (m_fileAnswers.empty()) {
        unexpected.append(what);
        return {};
    }
    QString answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    return answer;
}

QString ScriptedInteraction::openFileName(QWidget*, const FileDialogRequest& request)
{
    fileRequests.append(request);
    return nextFile(QStringLiteral("open dialog"));
}

QString ScriptedInteraction::saveFileName(QWidget*, const FileDialogRequest& request)
{
    fileRequests.append(request);
    return nextFile(QStringLiteral("save dialog"));
}

QString ScriptedInteraction::existingDirectory(QWidget*, const QString& caption,
                                               const QString& directory)
{
    fileRequests.append({caption, directory, {}, {}});
    return nextFile(QStringLiteral("folder dialog"));
}

bool ScriptedInteraction::openUrl(const QUrl& url)
{
    openedUrls.append(url.toString());
    if (m_urlAnswers.empty())
        return false;
    const bool answer = m_urlAnswers.front();
    m_urlAnswers.pop_front();
    return answer;
}

bool ScriptedInteraction::finished() const
{
    return unexpected.isEmpty() && m_messageAnswers.empty() && m_dialogScripts.empty() &&
           m_fileAnswers.empty();
}

QStringList ScriptedInteraction::messageTexts() const
{
    QStringList texts;
    for (const Message& shown : messages)
        texts.append(shown.text);
    return texts;
}

void clickChild(QWidget& parent, const char* name)
{
    auto* button = parent.findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (button != nullptr && button->isEnabled())
        button->click();
}
