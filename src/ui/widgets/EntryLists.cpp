#include "ui/widgets/EntryLists.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace EntryLists {

QTreeWidget* list(QWidget* parent, const char* name, const QStringList& columns,
                  const QString& hint)
{
    auto* view = new QTreeWidget(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setColumnCount(int(columns.size()));
    view->setHeaderLabels(columns);
    // A caption wider than its column shows whole in its tooltip.
    for (int column = 0; column < columns.size(); ++column)
        view->headerItem()->setToolTip(column, columns.at(column));
    view->setToolTip(hint);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(true);
    return view;
}

QTreeWidgetItem* nameRow(const QString& name)
{
    auto* row = new QTreeWidgetItem;
    renameRow(row, name);
    return row;
}

void renameRow(QTreeWidgetItem* row, const QString& name)
{
    row->setText(0, name);
    row->setToolTip(0, name);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* pressed = new QPushButton(caption, parent);
    pressed->setObjectName(QString::fromLatin1(name));
    pressed->setToolTip(hint);
    pressed->setAutoDefault(false);
    return pressed;
}

int selectedRow(const QTreeWidget* list)
{
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.constFirst());
}

void selectRow(QTreeWidget* list, int row)
{
    QTreeWidgetItem* item = list->topLevelItem(row);
    if (item == nullptr)
        return;
    list->setCurrentItem(item);
    item->setSelected(true);
}

} // namespace EntryLists
