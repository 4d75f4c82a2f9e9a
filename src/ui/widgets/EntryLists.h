#pragma once

#include <QList>
#include <QStringList>

class QHBoxLayout;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The lists of entries on the section frames and the buttons that add, change and remove them:
// one look and one behaviour wherever a frame keeps a list.
namespace EntryLists {

// A list of whole rows, one selected at a time, not edited in place. A screen reader names it by
// its column when it has one, else by the hint; the hint is its description too.
QTreeWidget* list(QWidget* parent, const char* name, const QStringList& columns,
                  const QString& hint);
// Makes a list of list() at least tall enough to show this many rows under its header, at the
// font it has (a larger font makes it taller).
void showRows(QTreeWidget* list, int rows);

// A row of a list of names (sources of payment, activities, pension contracts). A name can be
// longer than its column: the row's tooltip then shows the whole name.
QTreeWidgetItem* nameRow(const QString& name);
void renameRow(QTreeWidgetItem* row, const QString& name);
// Replaces every row of the list by these rows (which the list takes), with nothing selected.
// The old rows are removed and the new ones inserted as rows, not by a reset of the list: a list
// whose columns follow their contents does not repaint after a reset, and would go on showing
// the rows it had.
void replaceRows(QTreeWidget* list, const QList<QTreeWidgetItem*>& rows);
// A button beside a list. It never becomes a dialog's default button.
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint);
// The buttons side by side on the left of a row over a list.
QHBoxLayout* buttonRow(const QList<QPushButton*>& buttons);

// A directory code as the lists and the result panels show it: "Нет" for no code (0).
QString codeOrNone(qint32 code);

// The position of the selected row, or -1.
int selectedRow(const QTreeWidget* list);
// Makes the row current and selected; nothing for a row the list does not have.
void selectRow(QTreeWidget* list, int row);

} // namespace EntryLists
