#include "ui/widgets/OtherIncomeListFrame.h"

#include "ui/dialogs/Interaction.h"
#include "ui/widgets/EntryLists.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

namespace {

// The list shows at least this many rows, and this many characters of a name beside details.
constexpr int kListRows = 4;
constexpr int kNameCharacters = 24;

// Enter in the list edits the selected entry.
class EnterFilter : public QObject
{
public:
    EnterFilter(QObject* parent, std::function<void()> onEnter)
        : QObject(parent), m_onEnter(std::move(onEnter))
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_onEnter();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onEnter;
};

} // namespace

OtherIncomeListFrame::OtherIncomeListFrame(QWidget* parent, FrameHost& host, const QString& column,
                                           const QString& listHint)
    : TThinkingFrame(parent, host)
{
    auto* add = EntryLists::button(this, "fbAddSourseIncome", QStringLiteral("Добавить"),
                                   QStringLiteral("Добавить источник выплат"));
    auto* edit = EntryLists::button(this, "fbEditSourseIncome", QStringLiteral("Изменить"),
                                    QStringLiteral("Редактировать источник выплат"));
    auto* remove = EntryLists::button(this, "fbDeleteSourseIncome", QStringLiteral("Удалить"),
                                      QStringLiteral("Удалить источник выплат"));
    // The buttons come first in the Tab order, as they stand above the list.
    m_list = EntryLists::list(this, "lvSourseIncomeInfo", {column}, listHint);
    // Beside the details the list keeps room for the beginning of a name.
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * kNameCharacters);
    EntryLists::showRows(m_list, kListRows);

    connect(add, &QPushButton::clicked, this, [this] { addEntry(); });
    connect(edit, &QPushButton::clicked, this, &OtherIncomeListFrame::editSelected);
    connect(remove, &QPushButton::clicked, this, &OtherIncomeListFrame::deleteSelected);
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { currentChanged(current); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &OtherIncomeListFrame::editSelected);
    m_list->installEventFilter(new EnterFilter(this, [this] { editSelected(); }));

    auto* left = new QVBoxLayout;
    left->addLayout(EntryLists::buttonRow({add, edit, remove}));
    left->addWidget(m_list, 1);
    m_details = new QVBoxLayout;
    m_layout = new QHBoxLayout(this);
    m_layout->addLayout(left, 2);
    m_layout->addLayout(m_details, 3);
}

void OtherIncomeListFrame::placeDetailsBelowList()
{
    m_layout->setDirection(QBoxLayout::TopToBottom);
    m_layout->setContentsMargins(4, 4, 4, 4);
    m_layout->setStretch(0, 1);
    m_layout->setStretch(1, 0);
}

int OtherIncomeListFrame::rowCount() const
{
    return m_list->topLevelItemCount();
}

void OtherIncomeListFrame::selectRow(int row)
{
    QTreeWidgetItem* item = row >= 0 ? m_list->topLevelItem(row) : nullptr;
    if (item == nullptr) {
        m_ignoreSelection = true;
        m_list->setCurrentItem(nullptr);
        m_list->clearSelection();
        m_ignoreSelection = false;
        if (m_selected >= 0) {
            const int left = m_selected;
            m_selected = -1;
            rowLeft(left);
        }
        return;
    }
    if (m_list->currentItem() == item) {
        // The same row again: show it afresh.
        item->setSelected(true);
        m_selected = row;
        rowShown(row);
        return;
    }
    m_list->setCurrentItem(item);
    item->setSelected(true);
}

void OtherIncomeListFrame::fillRows(const QStringList& texts)
{
    m_ignoreSelection = true;
    QList<QTreeWidgetItem*> items;
    items.reserve(texts.size());
    for (const QString& text : texts)
        items.append(EntryLists::nameRow(text));
    EntryLists::replaceRows(m_list, items);
    m_ignoreSelection = false;
    m_selected = -1;
}

void OtherIncomeListFrame::appendRow(const QString& text)
{
    m_ignoreSelection = true;
    m_list->addTopLevelItem(EntryLists::nameRow(text));
    m_ignoreSelection = false;
}

void OtherIncomeListFrame::setRowText(int row, const QString& text)
{
    if (QTreeWidgetItem* item = m_list->topLevelItem(row))
        EntryLists::renameRow(item, text);
}

int OtherIncomeListFrame::removeRowAndSelectNeighbour(int row)
{
    m_ignoreSelection = true;
    delete m_list->takeTopLevelItem(row);
    m_list->setCurrentItem(nullptr);
    m_list->clearSelection();
    m_ignoreSelection = false;
    m_selected = -1;
    if (rowCount() == 0)
        return -1;
    const int neighbour = row > 0 ? row - 1 : 0;
    selectRow(neighbour);
    return neighbour;
}

void OtherIncomeListFrame::currentChanged(QTreeWidgetItem* current)
{
    if (m_ignoreSelection)
        return;
    if (m_selected >= 0) {
        const int left = m_selected;
        m_selected = -1;
        rowLeft(left);
    }
    if (current == nullptr)
        return;
    m_selected = m_list->indexOfTopLevelItem(current);
    rowShown(m_selected);
}

void OtherIncomeListFrame::editSelected()
{
    if (m_selected >= 0)
        editEntry(m_selected);
}

void OtherIncomeListFrame::deleteSelected()
{
    if (m_selected < 0)
        return;
    const QString question = deletionQuestion(m_selected);
    if (!question.isEmpty() && !host().interaction().confirmDeletion(this, question))
        return;
    deleteEntry(m_selected);
}

bool OtherIncomeListFrame::refuseWhenFull(bool full)
{
    if (full)
        host().interaction().showInformation(
            this, QStringLiteral("В списке может быть не более 999 записей"));
    return full;
}
