#pragma once

#include <QStringList>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The lists of entries on the section frames and the buttons that add, change and remove them:
// one look and one behaviour wherever a frame keeps a list.
namespace EntryLists {

// A list of whole rows, one selected at a time, not edited in place.
QTreeWidget* list(QWidget* parent, const char* name, const QStringList& columns,
                  const QString& hint);
// A row of a list of names (sources of payment, activities, pension contracts). A name can be
// longer than its column: the row's tooltip then shows the whole name.
QTreeWidgetItem* nameRow(const QString& name);
void renameRow(QTreeWidgetItem* row, const QString& name);
// A button beside a list. It never becomes a dialog's default button.
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint);

// The position of the selected row, or -1.
int selectedRow(const QTreeWidget* list);
// Makes the row current and selected; nothing for a row the list does not have.
void selectRow(QTreeWidget* list, int row);

} // namespace EntryLists
