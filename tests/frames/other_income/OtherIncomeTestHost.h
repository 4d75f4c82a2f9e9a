#pragma once

#include "ActivityDirectory.h"
#include "CheckError.h"
#include "CurrencyDirectory.h"
#include "Declaration.h"
#include "Interaction.h"
#include "ListPicker.h"
#include "MyFrame.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

// Answers every modal dialog from a script set up before the action and records what was asked.
// A dialog without a script is recorded as unexpected and rejected, so no test waits on a modal
// loop.
class ScriptedAnswers : public Interaction
{
public:
    using Script = std::function<int(QDialog&)>;

    void then(Script script) { m_scripts.push_back(std::move(script)); }

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        const QString& text, QMessageBox::StandardButtons) override;
    int execDialog(QDialog& dialog) override;
    QString openFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    QString saveFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    QString existingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    bool openUrl(const QUrl&) override { return false; }

    bool finished() const { return m_scripts.empty() && unexpected.isEmpty(); }

    QStringList titles;
    // The messages of the check dialogs, in order.
    QStringList checkMessages;
    QStringList unexpected;

private:
    std::deque<Script> m_scripts;
};

// Scripts for the common dialogs.
namespace Answer {
// The check dialog: records nothing itself (the interaction records the message) and answers.
ScriptedAnswers::Script check(TfmCheckError::Result result);
// A list picker: selects the row with the code and confirms.
ScriptedAnswers::Script pick(const QString& code);
ScriptedAnswers::Script cancel();
} // namespace Answer

// The window around a frame in the tests: the document, the scripted answers and the directories.
class TestHost : public FrameHost
{
public:
    TestHost();
    ~TestHost() override;

    mTDeclaration& document() override { return doc; }
    void NotifyDocumentChanged() override { ++notifications; }
    Interaction& interaction() override { return answers; }
    void setSectionEnabled(Section, bool) override {}
    TfmInputInspectionNumber* inspectionPicker() override { return nullptr; }
    TfmGrazhd* countryPicker() override { return countries.get(); }
    const ActivityDirectory* activities() const override { return activityDirectory.get(); }
    const CurrencyDirectory* currencies() const override { return currencyDirectory.get(); }
    QString programFolder() const override { return {}; }

    mTDeclaration doc;
    ScriptedAnswers answers;
    int notifications = 0;
    std::unique_ptr<TfmGrazhd> countries;
    std::unique_ptr<ActivityDirectory> activityDirectory;
    std::unique_ptr<CurrencyDirectory> currencyDirectory;
};

// Sets a line edit's text as typing would (through its validator) and returns what it holds.
class QLineEdit;
QString typeInto(QLineEdit* edit, const QString& text);
