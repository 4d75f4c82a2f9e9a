#pragma once

#include "ScriptedDialogQueue.h"
#include "directories/ActivityDirectory.h"
#include "directories/CurrencyDirectory.h"
#include "model/Declaration.h"
#include "ui/dialogs/CheckError.h"
#include "ui/pickers/ListPicker.h"
#include "ui/widgets/MyFrame.h"

#include <QDialog>
#include <QStringList>
#include <memory>
#include <optional>

// Answers every modal dialog from a script set up before the action and records what was asked.
// A dialog without a script is recorded as unexpected and rejected, so no test waits on a modal
// loop.
class ScriptedAnswers : public ScriptedDialogQueue
{
public:
    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        const QString& text, QMessageBox::StandardButtons) override;

protected:
    void recordDialog(QDialog& dialog) override;
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
