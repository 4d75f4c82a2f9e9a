#pragma once

#include "ScriptedInteraction.h"
#include "ui/window/Main.h"

#include <QTemporaryDir>
#include <memory>

// A fresh program folder and settings store for each GUI test, and a main window over them whose
// questions are answered by a script.
class UiTestBench
{
public:
    // Points the settings at a temporary store; call from initTestCase().
    static void useTemporarySettings(const QString& folder);
    // Forgets every setting; call from init().
    static void clearSettings();

    explicit UiTestBench(bool withDirectories = true);
    // The directory files of this folder in the program folder.
    explicit UiTestBench(const QString& directoryFolder);
    // The folder of the directory files shipped with the program (thousands of tax offices, long
    // names).
    static QString shippedDirectories();

    // The window finds the real print module in its standard places instead of none.
    void usePrintModule() { m_printModule = true; }
    // Builds the main window with the program's arguments.
    TFormMain& start(const QStringList& arguments = {});
    // Ends the window as a program that is killed: nothing is asked, saved or removed.
    void kill();
    // How long after a change the window writes its recovery copy.
    std::chrono::milliseconds recoveryDelay{3000};
    TFormMain& window() { return *m_window; }
    ScriptedInteraction& script() { return *m_script; }
    // The script the next start() gives its window, for the questions asked while it starts.
    ScriptedInteraction& nextScript();
    QString folder() const { return m_folder.path(); }
    QString path(const QString& name) const { return m_folder.filePath(name); }
    // The folder of the recovery copies.
    QString recoveryFolder() const { return path(QStringLiteral("user/recovery")); }

    // A declaration file written into the program folder.
    QString writeDeclaration(const QString& name, const mTDeclaration& declaration) const;
    // A declaration that passes the whole check.
    static mTDeclaration completeDeclaration();

    QStringList importCalls;

private:
    QTemporaryDir m_folder;
    ScriptedInteraction* m_script = nullptr;
    std::unique_ptr<ScriptedInteraction> m_nextScript;
    bool m_printModule = false;
    std::unique_ptr<TFormMain> m_window;
};

// Scripts that answer a dialog by pressing one of its buttons.
ScriptedInteraction::DialogScript press(const char* buttonName);
