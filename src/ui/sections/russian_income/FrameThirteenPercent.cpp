#include "ui/sections/russian_income/FrameThirteenPercent.h"

#include "check/IncomeRules.h"
#include "check/SectionCheckRun.h"
#include "model/Declaration.h"
#include "storage/StorageErrors.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/sections/russian_income/Input13Income.h"
#include "ui/sections/russian_income/Input13NRIncome.h"
#include "ui/sections/russian_income/Input13SourseIncome.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/EntryLists.h"
#include "ui/widgets/FormGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <memory>

namespace {

// Each list shows at least this many rows, whatever the font.
constexpr int kListRows = 4;

QString amountText(Money amount)
{
    return amount.isZero() ? QStringLiteral("-") : EntryFields::amountText(amount);
}

QStringList lineRow(const mTSourseIncome& line)
{
    return {EntryLists::codeOrNone(line.IncomeMonth), EntryLists::codeOrNone(line.IncomeCode),
            amountText(line.IncomeSum), EntryLists::codeOrNone(line.DeductCode),
            amountText(line.DeductSum)};
}

} // namespace

TfrThirteenPercent::TfrThirteenPercent(QWidget* parent, FrameHost& host)
    : TfrThirteenPercent(parent, host, Kind::Income13)
{}

TfrThirteenPercent::TfrThirteenPercent(QWidget* parent, FrameHost& host, Kind kind)
    : TThinkingFrame(parent, host), m_kind(kind)
{
    setObjectName(kind == Kind::Income13 ? QStringLiteral("TfrThirteenPercent")
                                         : QStringLiteral("TTfrThirteenPercentNR"));
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("splitter1"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildSources());
    splitter->addWidget(buildLines());
    // The list of income lines takes what the window gives beyond the minimum.
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    connectControls();
    loadFromDocument();
}

QString TfrThirteenPercent::sectionName()
{
    return QStringLiteral("Доходы, облагаемые ставкой 13%");
}

RecordList<mTThirteenPercent>& TfrThirteenPercent::sources() const
{
    return m_kind == Kind::Income13 ? document().Income13 : document().Income13NR;
}

QWidget* TfrThirteenPercent::buildSources()
{
    auto* upper = new QWidget;
    // The buttons come first in the Tab order, as they stand above the list.
    m_sourceButtons = {EntryLists::button(upper, "fbAddSourseIncome", QStringLiteral("Добавить"),
                                          QStringLiteral("Добавить источник выплат")),
                       EntryLists::button(upper, "fbDeleteSourseIncome", QStringLiteral("Удалить"),
                                          QStringLiteral("Удалить источник выплат")),
                       EntryLists::button(upper, "fbEditSourseIncome", QStringLiteral("Изменить"),
                                          QStringLiteral("Редактировать источник выплат"))};
    m_sourceList =
        EntryLists::list(upper, "lvSourseIncomeInfo", {QStringLiteral("Источники выплат")},
                         QStringLiteral("Список источников выплат"));
    EntryLists::showRows(m_sourceList, kListRows);
    auto* layout = new QVBoxLayout(upper);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(EntryLists::buttonRow(m_sourceButtons));
    layout->addWidget(m_sourceList, 1);
    return upper;
}

QWidget* TfrThirteenPercent::buildLines()
{
    auto* lower = new QWidget;
    m_lineButtons = {EntryLists::button(lower, "fbAddIncome", QStringLiteral("Добавить доход"),
                                        QStringLiteral("Добавить доход")),
                     EntryLists::button(lower, "fbRemoveIncome", QStringLiteral("Удалить доход"),
                                        QStringLiteral("Удалить доход")),
                     EntryLists::button(lower, "fbEditIncome", QStringLiteral("Изменить доход"),
                                        QStringLiteral("Редактировать доход")),
                     EntryLists::button(lower, "fbCopy", QStringLiteral("Повторить доход"),
                                        QStringLiteral("Повторить доход"))};
    m_lineList = EntryLists::list(
        lower, "lvIncome",
        {QStringLiteral("Месяц дохода"), QStringLiteral("Код дохода"),
         QStringLiteral("Сумма дохода"), QStringLiteral("Код вычета"),
         QStringLiteral("Сумма вычета")},
        QStringLiteral("Список доходов по выбранному источнику выплат (п. 3.1 справки о доходах)"));
    m_lineList->setAccessibleName(QStringLiteral("Доходы по источнику выплат"));
    EntryLists::showRows(m_lineList, kListRows);
    // Every column as wide as its caption and its widest value; where the list is narrower than
    // its columns, it scrolls rather than cut the last one.
    m_lineList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_lineList->header()->setStretchLastSection(false);

    FormGrid page(lower);
    page.layout()->setContentsMargins(0, 0, 0, 0);
    page.wide(EntryLists::buttonRow(m_lineButtons));
    page.wide(m_lineList);
    page.layout()->setRowStretch(page.layout()->rowCount() - 1, 1);
    buildTotals(page.group("gbResult", QStringLiteral("Итоговые суммы по источнику выплат")));
    m_fixedPaymentsGroup = page.group(m_kind == Kind::Income13 ? "gbA25" : "GroupBox1",
                                      QStringLiteral("Авансовые платежи иностранца"));
    buildFixedPayments(m_fixedPaymentsGroup);
    return lower;
}

void TfrThirteenPercent::buildTotals(QGroupBox* box)
{
    m_totalIncome = EntryFields::panel(box, "pnlItogIncomeSum", Amount::Total);
    m_taxWithheld = new AmountField(box, QStringLiteral("meHoldSum"), Amount::WholeRoubles);
    m_taxableIncome = new AmountField(box, QStringLiteral("meObl"), Amount::Kopecks);
    m_taxComputed = new AmountField(box, QStringLiteral("meTaxIsch"), Amount::WholeRoubles);
    // Two fields side by side, each caption over its field: beside them the captions would take
    // more room than the window gives.
    const std::pair<QString, QWidget*> fields[] = {
        {QStringLiteral("Общая сумма дохода"), m_totalIncome},
        {QStringLiteral("Сумма налога удержанная"), m_taxWithheld},
        {QStringLiteral("Облагаемая сумма дохода"), m_taxableIncome},
        {QStringLiteral("Сумма налога исчисленная"), m_taxComputed}};
    auto* grid = new QGridLayout(box);
    for (int at = 0; at < 4; ++at) {
        const auto& [caption, field] = fields[at];
        grid->addWidget(EntryFields::caption(box, field, caption), at / 2 * 2, at % 2);
        grid->addWidget(field, at / 2 * 2 + 1, at % 2, Qt::AlignLeft);
    }
    grid->setColumnStretch(2, 1);
}

void TfrThirteenPercent::buildFixedPayments(QGroupBox* box)
{
    box->setToolTip(
        QStringLiteral("Указывается иностранцами, работающими у физ.лиц на основании патента"));
    m_fixedPayments = new AmountField(box, QStringLiteral("meA25"), Amount::WholeRoubles);
    m_fixedPayments->setAccessibleDescription(box->toolTip());
    FormGrid grid(box);
    grid.row({{QStringLiteral("Сумма фиксированных платежей"), m_fixedPayments}});
}

void TfrThirteenPercent::connectControls()
{
    connect(m_sourceList, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { sourceChanged(current); });
    connect(m_sourceList, &QTreeWidget::itemDoubleClicked, this, &TfrThirteenPercent::editSource);
    connect(m_lineList, &QTreeWidget::itemDoubleClicked, this, &TfrThirteenPercent::editIncome);
    m_sourceList->installEventFilter(this);
    m_lineList->installEventFilter(this);
    const std::array sourceActions{&TfrThirteenPercent::addSource,
                                   &TfrThirteenPercent::deleteSource,
                                   &TfrThirteenPercent::editSource};
    for (qsizetype at = 0; at < m_sourceButtons.size(); ++at)
        connect(m_sourceButtons.at(at), &QPushButton::clicked, this, sourceActions.at(size_t(at)));
    const std::array lineActions{&TfrThirteenPercent::addIncome, &TfrThirteenPercent::removeIncome,
                                 &TfrThirteenPercent::editIncome,
                                 &TfrThirteenPercent::repeatIncome};
    for (qsizetype at = 0; at < m_lineButtons.size(); ++at)
        connect(m_lineButtons.at(at), &QPushButton::clicked, this, lineActions.at(size_t(at)));
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{m_taxWithheld, m_taxableIncome,
                                                             m_taxComputed, m_fixedPayments})
        connect(edit, &QLineEdit::textEdited, this, &TfrThirteenPercent::changed);
}

bool TfrThirteenPercent::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_sourceList) {
                editSource();
                return true;
            }
            if (watched == m_lineList) {
                editIncome();
                return true;
            }
        }
    }
    return TThinkingFrame::eventFilter(watched, event);
}

void TfrThirteenPercent::changed()
{
    host().NotifyDocumentChanged();
}

void TfrThirteenPercent::loadFromDocument()
{
    m_ignoreSelection = true;
    const mTDeclaration& doc = document();
    m_fixedPaymentsGroup->setVisible(m_kind == Kind::Specialists ||
                                     doc.DeclForm != DeclarationForm::NonResident);
    m_fixedPayments->setValueOrEmpty(doc.ForeignFixedPayments);
    QList<QTreeWidgetItem*> rows;
    for (const mTThirteenPercent& source : sources())
        rows.append(EntryLists::nameRow(source.SourceName));
    m_sourceList->addTopLevelItems(rows);
    m_ignoreSelection = false;
    setIncomeControlsEnabled(!rows.isEmpty());
    if (!rows.isEmpty())
        selectSource(0);
}

void TfrThirteenPercent::setIncomeControlsEnabled(bool enabled)
{
    for (QPushButton* lineButton : m_lineButtons)
        lineButton->setEnabled(enabled);
    for (QLineEdit* total : std::initializer_list<QLineEdit*>{m_totalIncome, m_taxWithheld,
                                                              m_taxableIncome, m_taxComputed}) {
        total->setEnabled(enabled);
        if (!enabled)
            total->clear();
    }
}

void TfrThirteenPercent::sourceChanged(QTreeWidgetItem* current)
{
    if (m_ignoreSelection)
        return;
    leaveSource();
    m_selected = current != nullptr ? m_sourceList->indexOfTopLevelItem(current) : -1;
    showSource();
}

void TfrThirteenPercent::selectSource(int row)
{
    QTreeWidgetItem* item = m_sourceList->topLevelItem(row);
    if (item == nullptr)
        return;
    leaveSource();
    m_ignoreSelection = true;
    m_sourceList->setCurrentItem(item);
    m_sourceList->scrollToItem(item);
    m_ignoreSelection = false;
    m_selected = row;
    showSource();
}

void TfrThirteenPercent::leaveSource()
{
    if (m_selected < 0 || m_selected >= sources().Count())
        return;
    mTThirteenPercent& source = sources().At(m_selected);
    source.TaxWithheld = m_taxWithheld->valueOrZero();
    source.TaxableIncome = m_taxableIncome->valueOrZero();
    source.TaxComputed = m_taxComputed->valueOrZero();
}

void TfrThirteenPercent::showSource()
{
    if (m_selected < 0 || m_selected >= sources().Count()) {
        m_selected = -1;
        showLines(0);
        setIncomeControlsEnabled(sources().Count() > 0);
        return;
    }
    setIncomeControlsEnabled(true);
    showLines(0);
    const mTThirteenPercent& source = sources().At(m_selected);
    m_taxWithheld->setValue(source.TaxWithheld);
    m_taxableIncome->setValue(source.TaxableIncome);
    m_taxComputed->setValue(source.TaxComputed);
}

void TfrThirteenPercent::showLines(int row)
{
    QList<QTreeWidgetItem*> rows;
    if (m_selected >= 0) {
        const mTThirteenPercent& source = sources().At(m_selected);
        rows.reserve(source.IncomeCount());
        for (const mTSourseIncome& line : source.Incomes())
            rows.append(new QTreeWidgetItem(lineRow(line)));
        m_totalIncome->setText(EntryFields::amountText(source.TotalIncome));
    }
    EntryLists::replaceRows(m_lineList, rows);
    if (!rows.isEmpty()) {
        QTreeWidgetItem* item = m_lineList->topLevelItem(std::min(row, int(rows.size()) - 1));
        m_lineList->setCurrentItem(item);
        m_lineList->scrollToItem(item);
    }
}

bool TfrThirteenPercent::primarySourceOffered() const
{
    return m_kind == Kind::Income13 && document().DeclForm != DeclarationForm::NonResident;
}

void TfrThirteenPercent::addSource()
{
    if (sources().IsFull()) {
        host().interaction().showError(
            this, QStringLiteral("Список источников выплат заполнен: в декларации может быть не "
                                 "более %1 источников.")
                      .arg(RecordList<mTThirteenPercent>::kMaxEntries));
        return;
    }
    TfmInput13SourseIncome dialog(this, host().interaction(), primarySourceOffered());
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty())
        return;
    changed();
    leaveSource();
    const int position = sources().Add();
    dialog.store(sources().At(position));
    m_ignoreSelection = true;
    m_sourceList->addTopLevelItem(EntryLists::nameRow(sources().At(position).SourceName));
    m_ignoreSelection = false;
    m_selected = -1;
    selectSource(position);
}

void TfrThirteenPercent::editSource()
{
    if (m_selected < 0)
        return;
    TfmInput13SourseIncome dialog(this, host().interaction(), primarySourceOffered());
    dialog.load(sources().At(m_selected));
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty())
        return;
    dialog.store(sources().At(m_selected));
    EntryLists::renameRow(m_sourceList->topLevelItem(m_selected),
                          sources().At(m_selected).SourceName);
    changed();
}

void TfrThirteenPercent::deleteSource()
{
    if (m_selected < 0)
        return;
    const QString question = QStringLiteral("Удалить источник «%1» и его доходы?")
                                 .arg(sources().At(m_selected).SourceName);
    if (!host().interaction().confirmDeletion(this, question))
        return;
    changed();
    const int removed = m_selected;
    m_ignoreSelection = true;
    m_selected = -1;
    sources().Delete(removed);
    delete m_sourceList->takeTopLevelItem(removed);
    m_ignoreSelection = false;
    if (sources().Count() == 0) {
        showSource();
        return;
    }
    selectSource(removed > 0 ? removed - 1 : 0);
}

int TfrThirteenPercent::selectedLine() const
{
    QTreeWidgetItem* current = m_lineList->currentItem();
    return current != nullptr ? m_lineList->indexOfTopLevelItem(current) : -1;
}

bool TfrThirteenPercent::runIncomeDialog(const mTSourseIncome* existing, mTSourseIncome& result)
{
    Interaction& interaction = host().interaction();
    std::unique_ptr<TfmInput13Income> dialog;
    if (m_kind == Kind::Specialists)
        dialog = std::make_unique<TfmInput13NRIncome>(this, interaction);
    else
        dialog = std::make_unique<TfmInput13Income>(
            this, interaction, document().DeclForm != DeclarationForm::NonResident);
    if (existing != nullptr)
        dialog->load(*existing);
    if (interaction.execDialog(*dialog) != QDialog::Accepted)
        return false;
    if (existing == nullptr && !dialog->hasIncomeCode())
        return false;
    result = dialog->line();
    if (m_kind == Kind::Specialists) {
        result.IncomeCodeName.clear();
        result.DeductRate = 0;
    }
    return true;
}

void TfrThirteenPercent::totalTooLarge()
{
    host().interaction().showError(
        this, QStringLiteral("Общая сумма дохода по источнику выплаты превышает допустимую "
                             "величину. Доход не записан."));
}

bool TfrThirteenPercent::appendLine(const mTSourseIncome& line)
{
    try {
        sources().At(m_selected).AddIncome(line);
    } catch (const mEPrivBase&) {
        totalTooLarge();
        return false;
    }
    showLines(sources().At(m_selected).IncomeCount() - 1);
    return true;
}

void TfrThirteenPercent::addIncome()
{
    if (m_selected < 0)
        return;
    mTSourseIncome line;
    if (!runIncomeDialog(nullptr, line))
        return;
    if (appendLine(line))
        changed();
}

void TfrThirteenPercent::editIncome()
{
    const int row = selectedLine();
    if (m_selected < 0 || row < 0)
        return;
    mTThirteenPercent& source = sources().At(m_selected);
    const mTSourseIncome old = source.GetIncome(row);
    mTSourseIncome line;
    if (!runIncomeDialog(&old, line))
        return;
    try {
        source.ReplaceIncome(row, &line);
    } catch (const mEPrivBase&) {
        totalTooLarge();
        return;
    }
    showLines(row);
    changed();
}

void TfrThirteenPercent::removeIncome()
{
    const int row = selectedLine();
    if (m_selected < 0 || row < 0)
        return;
    if (!host().interaction().confirmDeletion(this, QStringLiteral("Удалить строку дохода?")))
        return;
    changed();
    sources().At(m_selected).DeleteIncome(row);
    showLines(row > 0 ? row - 1 : 0);
}

void TfrThirteenPercent::repeatIncome()
{
    const int row = selectedLine();
    if (m_selected < 0 || row < 0)
        return;
    mTSourseIncome copy = sources().At(m_selected).GetIncome(row);
    copy.IncomeMonth = copy.IncomeMonth == 0 ? 1 : quint16(std::min(copy.IncomeMonth + 1, 12));
    if (appendLine(copy))
        changed();
}

void TfrThirteenPercent::StoreData()
{
    leaveSource();
    document().ForeignFixedPayments = m_fixedPayments->valueOrZero();
}

quint16 TfrThirteenPercent::CheckData()
{
    WindowCheckAnswerer answerer(host().interaction(), this);
    SectionCheckRun run(answerer, sectionName());
    run.failFirst(Income13Failures(document(), CheckScope::Section));
    return run.result();
}

void TfrThirteenPercent::FocusError(quint16 code)
{
    if (sources().Count() == 0)
        return;
    m_sourceList->setFocus();
    if (code >= 1 && code <= sources().Count())
        selectSource(code - 1);
}
