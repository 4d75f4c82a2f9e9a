#pragma once

#include "ui/dialogs/Interaction.h"

#include <QAbstractButton>
#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

// Answers every modal dialog of a frame under test from a script set up before the action and
// records the titles; a dialog without a script is recorded as unexpected and rejected, so no
// test waits on a modal loop. File dialogs answer nothing and links do not open.
class ScriptedDialogQueue : public Interaction
{
public:
    using Script = std::function<int(QDialog&)>;

    void answer(Script script) { m_scripts.push_back(std::move(script)); }

    int execDialog(QDialog& dialog) override
    {
        titles.append(dialog.windowTitle());
        recordDialog(dialog);
        if (m_scripts.empty()) {
            unexpected.append(QStringLiteral("dialog: ") + dialog.windowTitle());
            return QDialog::Rejected;
        }
        Script script = std::move(m_scripts.front());
        m_scripts.pop_front();
        return script(dialog);
    }
    QString openFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    QString saveFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    QString existingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    bool openUrl(const QUrl&) override { return false; }

    bool finished() const { return m_scripts.empty() && unexpected.isEmpty(); }

    QStringList titles;
    // The messages of the check dialogs, in order.
    QStringList checkMessages;
    QStringList unexpected;

protected:
    // Sees every dialog before its script runs.
    virtual void recordDialog(QDialog&) {}

private:
    std::deque<Script> m_scripts;
};

// Widgets of a frame or dialog by object name.
template <class T = QWidget> T* child(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no child %s", name);
    return found;
}

inline void click(const QObject& parent, const char* name)
{
    child<QAbstractButton>(parent, name)->click();
}
