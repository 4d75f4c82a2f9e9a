#pragma once

// The window around one section frame, or one of its dialogs, shown on its own in a test.

#include "UserActions.h"
#include "model/Declaration.h"
#include "ui/dialogs/CheckError.h"
#include "ui/widgets/MyFrame.h"

#include <QList>
#include <QStringList>
#include <memory>

class ActivityDirectory;
class CurrencyDirectory;

// The answers to a frame's questions, queued before the action that asks them, so that no test
// waits on a modal loop. The policy is the one of the whole-window tests (ScriptedInteraction):
// - Message boxes: every one is recorded (messages). A box takes the next answer queued with
//   answerMessage() when there is one. Without one, a notice whose only button is OK is answered
//   OK, and a question is recorded as unexpected and answered with its safe button (Cancel, else
//   No).
// - Dialogs: every one is recorded by title (dialogTitles) and takes the next of the answers queued
//   with answerDialog(), answerCheck() and answerCancel(), one queue in the order the dialogs
//   open; a dialog with nothing queued is recorded as unexpected and rejected. So is a file dialog
//   without an answer queued with answerFile().
// - The section check dialog: its message and whether "Пропустить" and "Пропустить все" could be
//   pressed are recorded for every one shown, however it is answered. answerCheck() answers it as
//   a person does, by pressing the button of the result or, for Closed, closing the window; a
//   disabled button cannot be pressed: that is recorded as unexpected and the window is closed.
// finished() holds when every queued answer was used and nothing unexpected was asked.
class ScriptedAnswers : public ScriptedInteraction
{
public:
    void answerCheck(TfmCheckError::Result result);
    // Cancels the next dialog.
    void answerCancel();

    int execDialog(QDialog& dialog) override;

    // For each section check dialog shown, in order.
    QStringList checkMessages;
    QList<bool> skipEnabled;
    QList<bool> skipAllEnabled;
};

// The host of a frame under test. The document starts as the program starts a new declaration
// (income in Russia only); a country picker with the United States (840) and Germany (276) stands
// for the one the window builds at start-up; there is no tax-office picker, and the activity and
// currency directories are absent until a test sets them. changes counts the frame's change
// notifications.
class FrameTestHost : public FrameHost
{
public:
    FrameTestHost();
    ~FrameTestHost() override;

    mTDeclaration& document() override { return doc; }
    void NotifyDocumentChanged() override { ++changes; }
    Interaction& interaction() override { return answers; }
    void setSectionEnabled(Section, bool) override {}
    TfmInputInspectionNumber* inspectionPicker() override { return nullptr; }
    TfmGrazhd* countryPicker() override { return countries.get(); }
    const ActivityDirectory* activities() const override { return activityDirectory.get(); }
    const CurrencyDirectory* currencies() const override { return currencyDirectory.get(); }
    QString programFolder() const override { return {}; }

    mTDeclaration doc;
    ScriptedAnswers answers;
    int changes = 0;
    std::unique_ptr<TfmGrazhd> countries;
    std::unique_ptr<ActivityDirectory> activityDirectory;
    std::unique_ptr<CurrencyDirectory> currencyDirectory;
};
