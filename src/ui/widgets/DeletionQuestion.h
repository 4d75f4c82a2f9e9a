#pragma once

class Interaction;
class QString;
class QWidget;

// Asks once, through the interaction, before an entry of a list is deleted; the question names the
// entry («Удалить вид деятельности «Нотариальная деятельность»?»). "Да" deletes; "Нет" is the
// default button and the answer of Escape and of closing the box, so a hurried Enter keeps the
// entry. True when the person answered "Да".
bool askToDelete(Interaction& interaction, QWidget* parent, const QString& question);
