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
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/EntryLists.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace {

QString codeText(qint32 code)
{
    return code == 0 ? QStringLiteral("Нет") : QString::number(code);
}

QString amountText(Money amount)
{
    return amount.isZero() ? QStringLiteral("-") : EntryFields::amountText(amount);
}

QStringList lineRow(const mTSourseIncome& line)
{
    return {codeText(line.IncomeMonth), codeText(line.IncomeCode), amountText(line.IncomeSum),
            codeText(line.DeductCode), amountText(line.DeductSum)};
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
    buildControls();
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

void TfrThirteenPercent::buildControls()
{
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("splitter1"));
    splitter->setChildrenCollapsible(false);

    auto* upper = new QWidget(splitter);
    auto* addSourceButton =
        EntryLists::button(upper, "fbAddSourseIncome", QStringLiteral("Добавить"),
                           QStringLiteral("Добавить источник выплат"));
    auto* deleteSourceButton =
        EntryLists::button(upper, "fbDeleteSourseIncome", QStringLiteral("Удалить"),
                           QStringLiteral("Удалить источник выплат"));
    auto* editSourceButton =
        EntryLists::button(upper, "fbEditSourseIncome", QStringLiteral("Изменить"),
                           QStringLiteral("Редактировать источник выплат"));
    // The buttons come first in the Tab order, as they stand above the list.
    m_lvSourseIncomeInfo =
        EntryLists::list(upper, "lvSourseIncomeInfo", {QStringLiteral("Источники выплат")},
                         QStringLiteral("Список источников выплат"));
    auto* sourceButtons = new QHBoxLayout;
    sourceButtons->addWidget(addSourceButton);
    sourceButtons->addWidget(deleteSourceButton);
    sourceButtons->addWidget(editSourceButton);
    sourceButtons->addStretch();
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addLayout(sourceButtons);
    upperLayout->addWidget(m_lvSourseIncomeInfo, 1);

    auto* lower = new QWidget(splitter);
    auto* addIncomeButton = EntryLists::button(
        lower, "fbAddIncome", QStringLiteral("Добавить доход"), QStringLiteral("Добавить доход"));
    auto* removeIncomeButton = EntryLists::button(
        lower, "fbRemoveIncome", QStringLiteral("Удалить доход"), QStringLiteral("Удалить доход"));
    auto* editIncomeButton =
        EntryLists::button(lower, "fbEditIncome", QStringLiteral("Изменить доход"),
                           QStringLiteral("Редактировать доход"));
    auto* copyButton = EntryLists::button(lower, "fbCopy", QStringLiteral("Повторить доход"),
                                          QStringLiteral("Повторить доход"));
    m_incomeButtons = {addIncomeButton, removeIncomeButton, editIncomeButton, copyButton};
    auto* incomeButtons = new QHBoxLayout;
    for (QPushButton* incomeButton : m_incomeButtons)
        incomeButtons->addWidget(incomeButton);
    incomeButtons->addStretch();
    m_lvIncome =
        EntryLists::list(lower, "lvIncome",
                         {QStringLiteral("Месяц дохода"), QStringLiteral("Код дохода"),
                          QStringLiteral("Сумма дохода"), QStringLiteral("Код вычета"),
                          QStringLiteral("Сумма вычета")},
                         QStringLiteral("Список доходов по выбранному источнику выплат (п. 3.1 "
                                        "справки о доходах)"));
    // Every column as wide as its caption and its widest value.
    m_lvIncome->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_lvIncome->header()->setStretchLastSection(true);

    auto* result = new QGroupBox(QStringLiteral("Итоговые суммы по источнику выплат"), lower);
    result->setObjectName(QStringLiteral("gbResult"));
    m_pnlItogIncomeSum = EntryFields::panel(result, "pnlItogIncomeSum");
    // The sum of the lines can take a digit more than one line.
    EntryFields::fitDigits(m_pnlItogIncomeSum, 17);
    m_meHoldSum = EntryFields::digits(result, QStringLiteral("meHoldSum"), 12);
    m_meObl = EntryFields::amount(result, QStringLiteral("meObl"), 12, 2);
    m_meTaxIsch = EntryFields::digits(result, QStringLiteral("meTaxIsch"), 12);
    // Each caption over its field, two fields side by side.
    auto* resultLayout = new QGridLayout(result);
    resultLayout->setVerticalSpacing(2);
    resultLayout->addWidget(new QLabel(QStringLiteral("Общая сумма дохода"), result), 0, 0);
    resultLayout->addWidget(m_pnlItogIncomeSum, 1, 0);
    resultLayout->addWidget(new QLabel(QStringLiteral("Сумма налога удержанная "), result), 0, 1);
    resultLayout->addWidget(m_meHoldSum, 1, 1);
    resultLayout->addWidget(new QLabel(QStringLiteral("Облагаемая сумма дохода"), result), 2, 0);
    resultLayout->addWidget(m_meObl, 3, 0);
    resultLayout->addWidget(new QLabel(QStringLiteral("Сумма налога исчисленная"), result), 2, 1);
    resultLayout->addWidget(m_meTaxIsch, 3, 1);

    m_gbA25 = new QGroupBox(QStringLiteral("Авансовые платежи иностранца"), lower);
    m_gbA25->setObjectName(m_kind == Kind::Income13 ? QStringLiteral("gbA25")
                                                    : QStringLiteral("GroupBox1"));
    m_gbA25->setToolTip(
        QStringLiteral("Указывается иностранцами, работающими у физ.лиц на основании патента"));
    m_meA25 = EntryFields::digits(m_gbA25, QStringLiteral("meA25"), 12);
    auto* fixedLayout = new QHBoxLayout(m_gbA25);
    fixedLayout->addWidget(new QLabel(QStringLiteral("Сумма фиксированных платежей"), m_gbA25));
    fixedLayout->addWidget(m_meA25);
    fixedLayout->addStretch();

    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addLayout(incomeButtons);
    lowerLayout->addWidget(m_lvIncome, 1);
    lowerLayout->addWidget(result);
    lowerLayout->addWidget(m_gbA25);
    splitter->addWidget(upper);
    splitter->addWidget(lower);
    // The list of income lines takes what the window gives beyond the minimum.
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(m_lvSourseIncomeInfo, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { sourceChanged(current); });
    connect(m_lvSourseIncomeInfo, &QTreeWidget::itemDoubleClicked, this,
            &TfrThirteenPercent::editSource);
    connect(m_lvIncome, &QTreeWidget::itemDoubleClicked, this, &TfrThirteenPercent::editIncome);
    m_lvSourseIncomeInfo->installEventFilter(this);
    m_lvIncome->installEventFilter(this);
    connect(addSourceButton, &QPushButton::clicked, this, &TfrThirteenPercent::addSource);
    connect(deleteSourceButton, &QPushButton::clicked, this, &TfrThirteenPercent::deleteSource);
    connect(editSourceButton, &QPushButton::clicked, this, &TfrThirteenPercent::editSource);
    connect(addIncomeButton, &QPushButton::clicked, this, &TfrThirteenPercent::addIncome);
    connect(removeIncomeButton, &QPushButton::clicked, this, &TfrThirteenPercent::removeIncome);
    connect(editIncomeButton, &QPushButton::clicked, this, &TfrThirteenPercent::editIncome);
    connect(copyButton, &QPushButton::clicked, this, &TfrThirteenPercent::repeatIncome);
    for (QLineEdit* edit : {m_meHoldSum, m_meObl, m_meTaxIsch, m_meA25})
        connect(edit, &QLineEdit::textEdited, this, &TfrThirteenPercent::changed);
}

bool TfrThirteenPercent::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_lvSourseIncomeInfo) {
                editSource();
                return true;
            }
            if (watched == m_lvIncome) {
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
    m_gbA25->setVisible(m_kind == Kind::Specialists ||
                        doc.DeclForm != DeclarationForm::NonResident);
    m_meA25->setText(EntryFields::amountTextOrEmpty(doc.ForeignFixedPayments));
    QList<QTreeWidgetItem*> rows;
    for (const mTThirteenPercent& source : sources())
        rows.append(EntryLists::nameRow(source.SourceName));
    m_lvSourseIncomeInfo->addTopLevelItems(rows);
    m_ignoreSelection = false;
    setIncomeControlsEnabled(!rows.isEmpty());
    if (!rows.isEmpty())
        selectSource(0);
}

void TfrThirteenPercent::setIncomeControlsEnabled(bool enabled)
{
    for (QPushButton* incomeButton : m_incomeButtons)
        incomeButton->setEnabled(enabled);
    for (QLineEdit* total : {m_pnlItogIncomeSum, m_meHoldSum, m_meObl, m_meTaxIsch}) {
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
    m_selected = current != nullptr ? m_lvSourseIncomeInfo->indexOfTopLevelItem(current) : -1;
    showSource();
}

void TfrThirteenPercent::selectSource(int row)
{
    QTreeWidgetItem* item = m_lvSourseIncomeInfo->topLevelItem(row);
    if (item == nullptr)
        return;
    leaveSource();
    m_ignoreSelection = true;
    m_lvSourseIncomeInfo->setCurrentItem(item);
    m_lvSourseIncomeInfo->scrollToItem(item);
    m_ignoreSelection = false;
    m_selected = row;
    showSource();
}

void TfrThirteenPercent::leaveSource()
{
    if (m_selected < 0 || m_selected >= sources().Count())
        return;
    mTThirteenPercent& source = sources().At(m_selected);
    source.TaxWithheld = EntryFields::amountOrZero(m_meHoldSum);
    source.TaxableIncome = EntryFields::amountOrZero(m_meObl);
    source.TaxComputed = EntryFields::amountOrZero(m_meTaxIsch);
}

void TfrThirteenPercent::showSource()
{
    m_lvIncome->clear();
    if (m_selected < 0 || m_selected >= sources().Count()) {
        m_selected = -1;
        setIncomeControlsEnabled(sources().Count() > 0);
        return;
    }
    setIncomeControlsEnabled(true);
    const mTThirteenPercent& source = sources().At(m_selected);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(source.IncomeCount());
    for (const mTSourseIncome& line : source.Incomes())
        rows.append(new QTreeWidgetItem(lineRow(line)));
    m_lvIncome->addTopLevelItems(rows);
    selectLine(0);
    showTotalIncome();
    m_meHoldSum->setText(EntryFields::amountText(source.TaxWithheld));
    m_meObl->setText(EntryFields::amountText(source.TaxableIncome));
    m_meTaxIsch->setText(EntryFields::amountText(source.TaxComputed));
}

void TfrThirteenPercent::showTotalIncome()
{
    if (m_selected >= 0)
        m_pnlItogIncomeSum->setText(EntryFields::amountText(sources().At(m_selected).TotalIncome));
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
    const bool primaryShown =
        m_kind == Kind::Income13 && document().DeclForm != DeclarationForm::NonResident;
    TfmInput13SourseIncome dialog(this, host().interaction(), primaryShown);
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty())
        return;
    changed();
    leaveSource();
    const int position = sources().Add();
    dialog.store(sources().At(position));
    m_ignoreSelection = true;
    m_lvSourseIncomeInfo->addTopLevelItem(EntryLists::nameRow(sources().At(position).SourceName));
    m_ignoreSelection = false;
    m_selected = -1;
    selectSource(position);
}

void TfrThirteenPercent::editSource()
{
    if (m_selected < 0)
        return;
    const bool primaryShown =
        m_kind == Kind::Income13 && document().DeclForm != DeclarationForm::NonResident;
    TfmInput13SourseIncome dialog(this, host().interaction(), primaryShown);
    dialog.load(sources().At(m_selected));
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty())
        return;
    dialog.store(sources().At(m_selected));
    EntryLists::renameRow(m_lvSourseIncomeInfo->topLevelItem(m_selected),
                          sources().At(m_selected).SourceName);
    changed();
}

void TfrThirteenPercent::deleteSource()
{
    if (m_selected < 0)
        return;
    changed();
    const int removed = m_selected;
    m_ignoreSelection = true;
    m_selected = -1;
    sources().Delete(removed);
    m_lvIncome->clear();
    delete m_lvSourseIncomeInfo->takeTopLevelItem(removed);
    m_ignoreSelection = false;
    if (sources().Count() == 0) {
        setIncomeControlsEnabled(false);
        return;
    }
    selectSource(removed > 0 ? removed - 1 : 0);
}

int TfrThirteenPercent::selectedLine() const
{
    QTreeWidgetItem* current = m_lvIncome->currentItem();
    return current != nullptr ? m_lvIncome->indexOfTopLevelItem(current) : -1;
}

void TfrThirteenPercent::selectLine(int row)
{
    if (QTreeWidgetItem* item = m_lvIncome->topLevelItem(row)) {
        m_lvIncome->setCurrentItem(item);
        m_lvIncome->scrollToItem(item);
    }
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

bool TfrThirteenPercent::totalTooLarge()
{
    host().interaction().showError(
        this, QStringLiteral("Общая сумма дохода по источнику выплаты превышает допустимую "
                             "величину. Доход не записан."));
    return false;
}

bool TfrThirteenPercent::appendLine(const mTSourseIncome& line)
{
    try {
        sources().At(m_selected).AddIncome(line);
    } catch (const mEPrivBase&) {
        return totalTooLarge();
    }
    m_lvIncome->addTopLevelItem(new QTreeWidgetItem(lineRow(line)));
    selectLine(m_lvIncome->topLevelItemCount() - 1);
    showTotalIncome();
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
    const QStringList texts = lineRow(line);
    for (int column = 0; column < texts.size(); ++column)
        m_lvIncome->topLevelItem(row)->setText(column, texts.at(column));
    showTotalIncome();
    changed();
}

void TfrThirteenPercent::removeIncome()
{
    const int row = selectedLine();
    if (m_selected < 0 || row < 0)
        return;
    changed();
    sources().At(m_selected).DeleteIncome(row);
    delete m_lvIncome->takeTopLevelItem(row);
    selectLine(row > 0 ? row - 1 : 0);
    showTotalIncome();
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
    document().ForeignFixedPayments = EntryFields::amountOrZero(m_meA25);
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
    m_lvSourseIncomeInfo->setFocus();
    if (code >= 1 && code <= sources().Count())
        selectSource(code - 1);
}
