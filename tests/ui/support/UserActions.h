#pragma once

// What a person does with the widgets in the GUI tests: find a control by its object name, press
// it, type into a field and read it back, and answer a list picker.

#include "ScriptedInteraction.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

// The child with this object name; the test stops when there is none.
template <class T = QWidget> T* child(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no child %s", name);
    return found;
}

// Presses the button with this name (a disabled button does nothing).
void click(const QObject& parent, const char* name);

// Types text at the widget's cursor key by key, as a person does: every character is a key press
// and release carrying its text (Cyrillic included), so it passes the widget's own key handling and
// a field's validator and length limit. A disabled or read-only field takes nothing.
void typeKeys(QWidget* widget, const QString& text);

// Replaces the text of the line edit with this name by typing: Ctrl+A, Delete, then the text key
// by key.
void type(const QObject& parent, const char* name, const QString& text);

// Clicks the middle of the field, as a person puts the mouse into it, and types the text key by
// key. The field's window must be shown and active, so that the click gives it the focus.
void clickAndType(QWidget* field, const QString& text);

// Leaves the field as Tab does: the field loses focus and finishes its editing.
void leave(QWidget* widget);

// The object names of the fields under root a person could type into or tick right now: line
// edits that are not read-only, spin and date boxes, check boxes and combo boxes, enabled and
// not hidden.
QStringList editableFields(const QWidget& root);

// The controls under root a person reaches by Tab (shown, enabled) and the lists, whose name for a
// screen reader is not one of their own: empty, without a letter or a digit, or the title of a
// group box around them. Each is given by its object name and the name it has.
QStringList unnamedControls(const QWidget& root);

// The text the line edit with this name shows.
QString text(const QObject& parent, const char* name);

// A dialog script for a list picker: selects the row with the code and presses "Да". A picker
// without that row is cancelled.
ScriptedInteraction::DialogScript pick(const QString& code);

// Whether what the screen shows of the widget is what the widget draws now, once the posted
// paints are done: false when a view was left showing rows it no longer holds. The widget's
// window must be shown.
bool showsWhatItDraws(QWidget* widget);
