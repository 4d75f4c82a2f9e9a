#pragma once

// Every screen a person meets in the main window, shown one after the other: each section, each
// of its sub-frames and pages, and every dialog and picker that they and their dialogs open. The
// layout test inspects each screen; the screenshot tool saves a picture of each.

#include "ScriptedInteraction.h"
#include "model/Declaration.h"

#include <QStringList>
#include <functional>

class QAbstractButton;
class QWidget;
class TFormMain;

class ScreenTour
{
public:
    // Called with a name made of the form, the section and the buttons that led to the screen,
    // and the screen (the main window, or a dialog) while it is shown.
    using Visit = std::function<void(const QString& name, QWidget& screen)>;

    // A declaration of the form with an entry in every list, every income kind, the longest names
    // and the largest amounts the fields take.
    static mTDeclaration crowdedDeclaration(quint8 form);

    // The window answers its questions through script; the tour answers every dialog that has no
    // scripted answer itself: it shows and visits the dialog, then closes it with "Нет" (a check
    // question with its furthest skip, so the tour goes on).
    ScreenTour(TFormMain& window, ScriptedInteraction& script, QString form, Visit visit);

    // Visits every section with its sub-frames and dialogs, from the window as it is.
    void run();

    // The messages of the section check questions met on the way (not those the tour asks itself
    // to show the check dialogs).
    QStringList checkMessages;

private:
    void visitFrame(const QString& name, QWidget& frame);
    void openDialogs(const QString& name, QWidget& screen);
    int answer(QDialog& dialog);

    TFormMain& m_window;
    ScriptedInteraction& m_script;
    QString m_form;
    Visit m_visit;
    QString m_opener;
};

// Lets queued layout and show events run, so a screen is laid out as a person sees it.
void settle();
