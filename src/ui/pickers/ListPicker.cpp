#include "ui/pickers/ListPicker.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/pickers/PickerList.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The list is at least this many lines of text high: its header and four rows.
constexpr int kLeastListLines = 6;
// The window opens some twenty-five lines high, and wide enough for most names: between these
// numbers of characters of the font, with the code column and the frame.
constexpr int kOpeningLines = 25;
constexpr int kLeastCharacters = 80;
constexpr int kMostCharacters = 108;
constexpr int kCodeAndFrameCharacters = 18;

} // namespace

TfmListPicker::TfmListPicker(QWidget* parent, const QString& caption, const QString& nameColumn,
                             const QList<PickerRow>& rows)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("edSearch"));
    m_search->setPlaceholderText(QStringLiteral("код или начало названия"));
    m_search->installEventFilter(this);
    auto* searchCaption = new QLabel(QStringLiteral("Поиск"), this);
    searchCaption->setBuddy(m_search);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchCaption);
    searchRow->addWidget(m_search, 1);

    m_list = new PickerList(this);
    m_list->setObjectName(QStringLiteral("lvList"));
    m_list->setAccessibleName(caption);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Код"), nameColumn});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);
    m_list->setMinimumHeight(m_list->fontMetrics().height() * kLeastListLines);
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const PickerRow& row : rows) {
        auto* item = new QTreeWidgetItem(QStringList{row.code, row.name});
        // A long name is cut at the list's edge; its tooltip shows all of it.
        item->setToolTip(1, row.name);
        items.append(item);
    }
    m_list->addTopLevelItems(items);

    const DialogButtons buttons = DialogButtons::create(this, "btnYes", "btnNo");
    m_yes = buttons.yes;
    m_yes->setEnabled(false);
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TfmListPicker::rememberSelection);
    connect(m_search, &QLineEdit::textChanged, this, &TfmListPicker::search);
    connect(m_list, &PickerList::searchTyped, m_search, &QLineEdit::setText);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_yes->isEnabled())
            accept();
    });

    m_extraArea = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(m_list, 1);
    layout->addLayout(m_extraArea);
    layout->addLayout(buttons.row);
    resize(openingSize(rows));
}

QSize TfmListPicker::openingSize(const QList<PickerRow>& rows) const
{
    const QFontMetrics metrics = m_list->fontMetrics();
    int widest = 0;
    for (const PickerRow& row : rows)
        widest = std::max(widest, metrics.horizontalAdvance(row.name));
    const int character = metrics.averageCharWidth();
    QSize size(std::clamp(widest + kCodeAndFrameCharacters * character,
                          kLeastCharacters * character, kMostCharacters * character),
               kOpeningLines * metrics.height());
    if (const QScreen* shownOn = screen())
        size = size.boundedTo(shownOn->availableGeometry().size());
    return size.expandedTo(minimumSizeHint());
}

bool TfmListPicker::Preselect(const QString& code)
{
    m_search->clear();
    m_continuesSearch = false;
    m_list->clearSelection();
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        if (m_list->topLevelItem(row)->text(0) == code) {
            selectRow(row);
            return true;
        }
    }
    return false;
}

int TfmListPicker::rowCount() const
{
    return m_list->topLevelItemCount();
}

void TfmListPicker::selectRow(int row)
{
    if (row < 0 || row >= m_list->topLevelItemCount())
        return;
    showRow(row);
    m_list->setFocus();
}

void TfmListPicker::showRow(int row)
{
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    m_list->clearSelection();
    m_list->setCurrentItem(item);
    item->setSelected(true);
    m_list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void TfmListPicker::setSearchText(const QString& text)
{
    m_search->setText(text);
    m_continuesSearch = !text.isEmpty();
    if (m_continuesSearch)
        m_search->setFocus();
}

QString TfmListPicker::searchText() const
{
    return m_search->text();
}

void TfmListPicker::search(const QString& text)
{
    if (text.isEmpty())
        return;
    const int row = m_list->findRow(text);
    if (row >= 0)
        showRow(row);
}

bool TfmListPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::MouseButtonPress)
        m_continuesSearch = false;
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        // The dialog selects the box's text when it is shown; what the person goes on typing
        // continues the text handed over instead of replacing it.
        if (m_continuesSearch) {
            m_continuesSearch = false;
            m_search->end(false);
        }
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_list, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfmListPicker::rememberSelection()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    m_yes->setEnabled(!selected.isEmpty());
    if (selected.isEmpty())
        return;
    m_code = selected.constFirst()->text(0);
    m_name = selected.constFirst()->text(1);
}

TfmGrazhd::TfmGrazhd(QWidget* parent, const QList<PickerRow>& countries)
    : TfmListPicker(parent, QStringLiteral("Справочник стран"),
                    QStringLiteral("Наименование государства"), countries)
{}

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

TfmDocType::TfmDocType(QWidget* parent, const QList<PickerRow>& kinds)
    : TfmListPicker(parent, QStringLiteral("Справочник видов документов"),
                    QStringLiteral("Наименование документа"), kinds)
{}

void TfmDocType::PreselectKind(int kind)
{
    Preselect(twoDigits(kind == 0 ? 1 : kind));
}

TfmRegionName::TfmRegionName(QWidget* parent, const QList<PickerRow>& regions)
    : TfmListPicker(parent, QStringLiteral("Справочник регионов"),
                    QStringLiteral("Наименование региона"), regions)
{}

void TfmRegionName::PreselectRegion(int region)
{
    Preselect(twoDigits(region == 0 ? 1 : region));
}

TfmInputCurrencyCode::TfmInputCurrencyCode(QWidget* parent, const QList<PickerRow>& currencies)
    : TfmListPicker(parent, QStringLiteral("Справочник валют"),
                    QStringLiteral("Наименование валюты"), currencies)
{}

void TfmInputCurrencyCode::PreselectCurrency(const QString& code)
{
    if (!Preselect(code.isEmpty() ? QStringLiteral("0") : code))
        selectRow(0);
}
