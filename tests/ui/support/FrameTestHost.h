#pragma once

#include "ScriptedDialogQueue.h"
#include "model/Declaration.h"
#include "ui/widgets/MyFrame.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

// The frame's modal questions answered from a script; the section error dialog answered by one
// of its buttons, and messages recorded.
class ScriptedAnswers : public ScriptedDialogQueue
{
public:
    // Answers the section error dialog with one of its buttons and records its message.
    void answerCheck(const char* buttonName)
    {
        answer([this, buttonName](QDialog& dialog) {
            checkMessages.append(dialog.findChild<QObject*>(QStringLiteral("lbMessage"))
                                     ->property("text")
                                     .toString());
            auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(buttonName));
            skipEnabled.append(
                dialog.findChild<QAbstractButton*>(QStringLiteral("Button2"))->isEnabled());
            if (button == nullptr || !button->isEnabled())
                return int(QDialog::Rejected);
            button->click();
            return dialog.result();
        });
    }
    void answerFix() { answerCheck("Button1"); }
    void answerSkip() { answerCheck("Button2"); }
    void answerSkipAll() { answerCheck("Button3"); }

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        const QString& text, QMessageBox::StandardButtons) override
    {
        messages.append(text);
        return QMessageBox::Ok;
    }

    QList<bool> skipEnabled;
    QStringList messages;
};

// The window around a frame under test: one document, the scripted answers and a count of the
// change notifications.
class FrameTestHost : public FrameHost
{
public:
    mTDeclaration& document() override { return doc; }
    void NotifyDocumentChanged() override { ++changes; }
    Interaction& interaction() override { return answers; }
    void setSectionEnabled(Section, bool) override {}
    TfmInputInspectionNumber* inspectionPicker() override { return nullptr; }
    TfmGrazhd* countryPicker() override { return countries; }
    const ActivityDirectory* activities() const override { return nullptr; }
    const CurrencyDirectory* currencies() const override { return nullptr; }
    QString programFolder() const override { return {}; }

    mTDeclaration doc;
    ScriptedAnswers answers;
    TfmGrazhd* countries = nullptr;
    int changes = 0;
};

// Types text into a widget key by key, Cyrillic included.
inline void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(widget, &release);
    }
}

// Replaces the text of a field as the user would type it.
inline void type(const QObject& parent, const char* name, const QString& text)
{
    auto* edit = child<QLineEdit>(parent, name);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeKeys(edit, text);
}
