#include "ui/widgets/EntryLists.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTreeWidget>

namespace {

// A list that asks its layout for room for a number of rows at its font.
class EntryListView : public QTreeWidget
{
public:
    explicit EntryListView(QWidget* parent) : QTreeWidget(parent)
    {
        connect(header(), &QHeaderView::sectionResized, this, [this] { followScrollBar(); });
    }

    void setMinimumRows(int rows)
    {
        m_minimumRows = rows;
        updateGeometry();
    }

    QSize minimumSizeHint() const override
    {
        QSize size = QTreeWidget::minimumSizeHint();
        if (m_minimumRows > 0)
            size.setHeight(std::max(size.height(), heightForRows(m_minimumRows)));
        return size;
    }

    QSize sizeHint() const override
    {
        return QTreeWidget::sizeHint().expandedTo(minimumSizeHint());
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTreeWidget::resizeEvent(event);
        followScrollBar();
    }

private:
    // A list whose columns keep their widths scrolls sideways when it is narrower than they are;
    // the scroll bar then takes room under the rows, which the list asks for.
    bool scrollsSideways() const
    {
        return !header()->stretchLastSection() && header()->length() > viewport()->width();
    }

    void followScrollBar()
    {
        if (m_minimumRows > 0 && scrollsSideways() != m_sideways) {
            m_sideways = !m_sideways;
            updateGeometry();
        }
    }

    // The height of a row of text as the list's delegate draws it, without asking the rows.
    int rowHeight() const
    {
        QStyleOptionViewItem option;
        option.initFrom(this);
        option.features = QStyleOptionViewItem::HasDisplay;
        option.text = QStringLiteral("0");
        return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
    }

    int heightForRows(int rows) const
    {
        const int headerHeight = header()->isHidden() ? 0 : header()->sizeHint().height();
        const int scrollBar = m_sideways ? horizontalScrollBar()->sizeHint().height() : 0;
        return 2 * frameWidth() + headerHeight + rows * rowHeight() + scrollBar;
    }

    int m_minimumRows = 0;
    bool m_sideways = false;
};

} // namespace

namespace EntryLists {

QTreeWidget* list(QWidget* parent, const char* name, const QStringList& columns,
                  const QString& hint)
{
    auto* view = new EntryListView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setColumnCount(int(columns.size()));
    view->setHeaderLabels(columns);
    // A caption wider than its column shows whole in its tooltip.
    for (int column = 0; column < columns.size(); ++column)
        view->headerItem()->setToolTip(column, columns.at(column));
    view->setToolTip(hint);
    view->setAccessibleName(columns.size() == 1 ? columns.constFirst() : hint);
    view->setAccessibleDescription(hint);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(true);
    return view;
}

void showRows(QTreeWidget* list, int rows)
{
    if (auto* view = dynamic_cast<EntryListView*>(list))
        view->setMinimumRows(rows);
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

void replaceRows(QTreeWidget* list, const QList<QTreeWidgetItem*>& rows)
{
    list->setCurrentItem(nullptr);
    qDeleteAll(list->invisibleRootItem()->takeChildren());
    list->addTopLevelItems(rows);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* pressed = new QPushButton(caption, parent);
    pressed->setObjectName(QString::fromLatin1(name));
    pressed->setToolTip(hint);
    pressed->setAutoDefault(false);
    return pressed;
}

QHBoxLayout* buttonRow(const QList<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

QString codeOrNone(qint32 code)
{
    return code == 0 ? QStringLiteral("Нет") : QString::number(code);
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
