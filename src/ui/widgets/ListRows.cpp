#include "ui/widgets/ListRows.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

namespace EntryLists {

void showRows(QTreeWidget* list, int rows)
{
    // A row of text as the list's delegate draws it: the line and the focus frame around it.
    const int row = list->fontMetrics().height() +
                    2 * list->style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, list) + 2;
    const int header = list->header()->isHidden() ? 0 : list->header()->sizeHint().height();
    list->setMinimumHeight(header + rows * row + 2 * list->frameWidth());
}

} // namespace EntryLists
