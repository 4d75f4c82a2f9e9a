#pragma once

// A host for the deduction frames in tests: its own declaration, a count of change
// notifications, and an interaction that answers every dialog from a script set up before the
// action, so no test waits on a modal loop.

#include "ScriptedDialogQueue.h"
#include "model/Declaration.h"
#include "ui/dialogs/CheckError.h"
#include "ui/widgets/MyFrame.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

class ScriptedDialogs : public ScriptedDialogQueue
{
public:
    // Answers the next section error dialog with a result of TfmCheckError, recording its text
    // and which of its skip buttons were enabled.
    void answerCheck(int result);

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        const QString& text, QMessageBox::StandardButtons) override
    {
        unexpected.append(QStringLiteral("message: ") + text);
        return QMessageBox::Cancel;
    }

    // For each check message: whether "Пропустить" and "Пропустить все" could be pressed.
    QList<bool> skipEnabled;
};

class DeductTestHost : public FrameHost
{
public:
    DeductTestHost() { doc.SetIncomeKinds(IncomeKind::Country); }

    mTDeclaration& document() override { return doc; }
    void NotifyDocumentChanged() override { ++notifications; }
    Interaction& interaction() override { return dialogs; }
    void setSectionEnabled(Section, bool) override {}
    TfmInputInspectionNumber* inspectionPicker() override { return nullptr; }
    TfmGrazhd* countryPicker() override { return nullptr; }
    const ActivityDirectory* activities() const override { return nullptr; }
    const CurrencyDirectory* currencies() const override { return nullptr; }
    QString programFolder() const override { return {}; }

    mTDeclaration doc;
    ScriptedDialogs dialogs;
    int notifications = 0;
};

inline void type(const QObject& parent, const char* name, const QString& text)
{
    QLineEdit* edit = child<QLineEdit>(parent, name);
    edit->clear();
    // Key clicks carry Latin-1 only; other text is inserted as a paste would be.
    const bool latin1 =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (latin1)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

inline QString text(const QObject& parent, const char* name)
{
    return child<QLineEdit>(parent, name)->text();
}
