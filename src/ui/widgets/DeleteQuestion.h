#pragma once

class Interaction;
class QString;
class QWidget;

// Asks once before an entry of a list is deleted, with the question naming the entry
// («Удалить строку дохода?»): "Да" deletes, "Нет" keeps it and is the default, so that Enter
// pressed too soon deletes nothing.
bool DeleteConfirmed(Interaction& interaction, QWidget* parent, const QString& question);
