#include "ui/sections/deductions/FramePensDeduct.h"

#include "check/DeductionRules.h"
#include "check/SectionCheckRun.h"
#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/sections/deductions/ChildEduSum.h"
#include "ui/sections/deductions/InputSoursePens.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/EntryLists.h"
#include "ui/widgets/FormGrid.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A list shows at least this many rows, whatever the size of the font.
constexpr int kListRows = 3;

} // namespace

TfrFramePensDeduct::TfrFramePensDeduct(QWidget* parent, FrameHost& host)
    : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrFramePensDeduct"));
    m_loading = true;
    auto* outer = new QGroupBox(QStringLiteral("Социальные налоговые вычеты"), this);
    m_claim = new QCheckBox(QStringLiteral("Предоставить социальные налоговые вычеты"), outer);
    m_claim->setObjectName(QStringLiteral("chbGrantingSocDeduct"));
    auto* outerLayout = new QVBoxLayout(outer);
    outerLayout->addWidget(m_claim);
    outerLayout->addWidget(buildAmounts(outer));
    outerLayout->addWidget(buildChildEducation(outer), 1);
    outerLayout->addLayout(buildContracts(outer), 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outer);
    connectControls();
    loadFromDocument();
    m_loading = false;
}

QString TfrFramePensDeduct::sectionName()
{
    return QStringLiteral("Социальные вычеты");
}

QGroupBox* TfrFramePensDeduct::buildAmounts(QWidget* parent)
{
    auto* spent = new QGroupBox(QStringLiteral("Суммы, затраченные на"), parent);
    const char* const names[6] = {"meCharitySum",          "meSelfEducationSum", "meMedicalSum",
                                  "meExpensiveMedicalSum", "meStrahovka",        "meStrahovka2"};
    for (size_t index = 0; index < m_amounts.size(); ++index)
        m_amounts[index] =
            new AmountField(spent, QString::fromLatin1(names[index]), Amount::Kopecks);
    // Two rows of three amounts, each under its caption, in the order Tab takes them; the longest
    // caption takes two lines, so that the rows fit the page.
    const QString captions[6] = {QStringLiteral("благотворительность"),
                                 QStringLiteral("свое обучение"),
                                 QStringLiteral("лечение"),
                                 QStringLiteral("дорогостоящее лечение"),
                                 QStringLiteral("добровольное страхование"),
                                 QStringLiteral("дополнительные страховые\nпенсионные взносы")};
    auto* grid = new QGridLayout(spent);
    for (int index = 0; index < 6; ++index) {
        QLabel* caption = EntryFields::caption(spent, m_amounts[size_t(index)], captions[index]);
        m_amountCaptions.append(caption);
        grid->addWidget(caption, index / 3 * 2, index % 3, Qt::AlignBottom);
        grid->addWidget(m_amounts[size_t(index)], index / 3 * 2 + 1, index % 3, Qt::AlignLeft);
    }
    grid->setColumnStretch(3, 1);
    m_amounts[5]->setAccessibleName(
        QString(captions[5]).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    return spent;
}

QGroupBox* TfrFramePensDeduct::buildChildEducation(QWidget* parent)
{
    auto* children = new QGroupBox(QStringLiteral("Суммы, уплаченные за обучение детей"), parent);
    const QString hint = QStringLiteral("Список сумм, уплаченных за всех детей");
    m_lvChildEducation = EntryLists::list(children, "lvSumList", {QStringLiteral("Суммы")}, hint);
    m_lvChildEducation->setAccessibleName(hint);
    EntryLists::showRows(m_lvChildEducation, kListRows);
    m_fbAddSum = EntryLists::button(
        children, "fbAddSum", QStringLiteral("Добавить"),
        QStringLiteral("Добавить очередную сумму, уплаченную за обучение детей"));
    m_fbAddSum->setAccessibleName(QStringLiteral("Добавить сумму за обучение"));
    m_fbDeleteSum =
        EntryLists::button(children, "fbDeleteSum", QStringLiteral("Удалить"),
                           QStringLiteral("Удалить сумму, уплаченную за обучение детей"));
    m_fbDeleteSum->setAccessibleName(QStringLiteral("Удалить сумму за обучение"));
    m_fbEditSum =
        EntryLists::button(children, "fbEditSum", QStringLiteral("Изменить"),
                           QStringLiteral("Редактировать сумму, уплаченную за обучение детей"));
    m_fbEditSum->setAccessibleName(QStringLiteral("Изменить сумму за обучение"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* each : {m_fbAddSum, m_fbDeleteSum, m_fbEditSum})
        buttons->addWidget(each);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(children);
    layout->addWidget(m_lvChildEducation, 1);
    layout->addLayout(buttons);
    return children;
}

QLayout* TfrFramePensDeduct::buildContracts(QWidget* parent)
{
    const QString caption = QStringLiteral("Договоры добровольного пенс. страхования и "
                                           "негосударственного пенс. обеспечения");
    m_lvContracts = EntryLists::list(parent, "lvPensInfo", {caption}, caption);
    m_lvContracts->setAccessibleName(caption);
    EntryLists::showRows(m_lvContracts, kListRows);
    m_fbAddContract = EntryLists::button(parent, "fbAddPens", QStringLiteral("Добавить"),
                                         QStringLiteral("Добавить источник выплат"));
    m_fbAddContract->setAccessibleName(QStringLiteral("Добавить договор"));
    m_fbDeleteContract = EntryLists::button(parent, "fbDeletePens", QStringLiteral("Удалить"),
                                            QStringLiteral("Удалить источник выплат"));
    m_fbDeleteContract->setAccessibleName(QStringLiteral("Удалить договор"));
    m_fbEditContract = EntryLists::button(parent, "fbEditPens", QStringLiteral("Изменить"),
                                          QStringLiteral("Редактировать источник выплат"));
    m_fbEditContract->setAccessibleName(QStringLiteral("Изменить договор"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* each : {m_fbAddContract, m_fbDeleteContract, m_fbEditContract})
        buttons->addWidget(each);
    buttons->addStretch();
    auto* layout = new QHBoxLayout;
    layout->addWidget(m_lvContracts, 1);
    layout->addLayout(buttons);
    return layout;
}

void TfrFramePensDeduct::connectControls()
{
    connect(m_claim, &QCheckBox::clicked, this, &TfrFramePensDeduct::claimClicked);
    connect(m_fbAddSum, &QPushButton::clicked, this, &TfrFramePensDeduct::addSum);
    connect(m_fbEditSum, &QPushButton::clicked, this, &TfrFramePensDeduct::editSum);
    connect(m_fbDeleteSum, &QPushButton::clicked, this, &TfrFramePensDeduct::deleteSum);
    connect(m_fbAddContract, &QPushButton::clicked, this, &TfrFramePensDeduct::addContract);
    connect(m_fbEditContract, &QPushButton::clicked, this, &TfrFramePensDeduct::editContract);
    connect(m_fbDeleteContract, &QPushButton::clicked, this, &TfrFramePensDeduct::deleteContract);
    connect(m_lvChildEducation, &QTreeWidget::itemDoubleClicked, this,
            &TfrFramePensDeduct::editSum);
    connect(m_lvContracts, &QTreeWidget::itemDoubleClicked, this,
            &TfrFramePensDeduct::editContract);
    m_lvChildEducation->installEventFilter(this);
    m_lvContracts->installEventFilter(this);
}

// Enter in a list changes its entry, Delete deletes it, as the buttons beside it do.
bool TfrFramePensDeduct::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        (watched == m_lvChildEducation || watched == m_lvContracts)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool sums = watched == m_lvChildEducation;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            sums ? editSum() : editContract();
            return true;
        }
        if (key == Qt::Key_Delete) {
            sums ? deleteSum() : deleteContract();
            return true;
        }
    }
    return TThinkingFrame::eventFilter(watched, event);
}

void TfrFramePensDeduct::loadFromDocument()
{
    const mTSocialDeduct& record = document().SocialDeduction;
    m_claim->setChecked(record.SocialEnabled != 0);
    applyClaimRule(record.SocialEnabled != 0);
    if (record.SocialEnabled == 0)
        return;
    const Money amounts[6] = {record.CharitySum,   record.SelfEducationSum,
                              record.MedicalSum,   record.ExpensiveMedicalSum,
                              record.InsuranceSum, record.PensionContribSum};
    for (size_t index = 0; index < 6; ++index)
        m_amounts[index]->setValue(amounts[index]);
    for (const Money amount : record.ChildEducationSums())
        m_lvChildEducation->addTopLevelItem(
            new QTreeWidgetItem(QStringList{EntryFields::amountText(amount)}));
    EntryLists::selectRow(m_lvChildEducation, 0);
    for (const mTPens& contract : record.PensionContracts())
        m_lvContracts->addTopLevelItem(EntryLists::nameRow(contract.PensOrgName));
}

void TfrFramePensDeduct::applyClaimRule(bool claimed)
{
    for (AmountField* field : m_amounts)
        field->setEnabled(claimed);
    for (QLabel* caption : std::as_const(m_amountCaptions))
        caption->setEnabled(claimed);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_fbAddSum, m_fbDeleteSum, m_fbEditSum, m_fbAddContract, m_fbDeleteContract,
             m_fbEditContract, m_lvChildEducation, m_lvContracts})
        widget->setEnabled(claimed);
}

bool TfrFramePensDeduct::hasEntries() const
{
    const mTSocialDeduct& record = document().SocialDeduction;
    return record.ChildEducationCount() > 0 || record.PensCount() > 0 ||
           std::any_of(m_amounts.begin(), m_amounts.end(),
                       [](const AmountField* field) { return !field->valueOrZero().isZero(); });
}

void TfrFramePensDeduct::claimClicked(bool claimed)
{
    // Clearing the claim deletes what was entered: it asks first.
    if (!claimed && hasEntries() &&
        !host().interaction().confirmDeletion(
            this, QStringLiteral("Отказаться от социальных вычетов? Введенные суммы, суммы "
                                 "за обучение детей и пенсионные договоры будут удалены."))) {
        m_claim->setChecked(true);
        return;
    }
    applyClaimRule(claimed);
    if (!claimed) {
        for (AmountField* field : m_amounts)
            field->clear();
        mTSocialDeduct& record = document().SocialDeduction;
        while (record.ChildEducationCount() > 0)
            record.DeleteChildEducation(record.ChildEducationCount() - 1);
        while (record.PensCount() > 0)
            record.DeletePens(record.PensCount() - 1);
        m_lvChildEducation->clear();
        m_lvContracts->clear();
    }
    notify();
}

void TfrFramePensDeduct::addSum()
{
    TfmChildEduSum dialog(this);
    if (host().interaction().execDialog(dialog) != QDialog::Accepted || dialog.amount().isZero())
        return;
    const int position = document().SocialDeduction.AddChildEducation(dialog.amount());
    m_lvChildEducation->addTopLevelItem(
        new QTreeWidgetItem(QStringList{EntryFields::amountText(dialog.amount())}));
    m_lvChildEducation->clearSelection();
    EntryLists::selectRow(m_lvChildEducation, position);
    notify();
}

void TfrFramePensDeduct::editSum()
{
    const int row = EntryLists::selectedRow(m_lvChildEducation);
    if (row < 0 || !m_lvChildEducation->isEnabled())
        return;
    mTSocialDeduct& record = document().SocialDeduction;
    TfmChildEduSum dialog(this);
    dialog.setAmount(record.GetChildEducation(row));
    if (host().interaction().execDialog(dialog) != QDialog::Accepted || dialog.amount().isZero())
        return;
    record.ReplaceChildEducation(row, dialog.amount());
    m_lvChildEducation->topLevelItem(row)->setText(0, EntryFields::amountText(dialog.amount()));
    // A changed amount is a change of the document as much as an added one.
    notify();
}

void TfrFramePensDeduct::deleteSum()
{
    const int row = EntryLists::selectedRow(m_lvChildEducation);
    if (row < 0 || !m_lvChildEducation->isEnabled())
        return;
    mTSocialDeduct& record = document().SocialDeduction;
    const QString question = QStringLiteral("Удалить сумму %1, уплаченную за обучение ребенка?")
                                 .arg(EntryFields::amountText(record.GetChildEducation(row)));
    if (!host().interaction().confirmDeletion(this, question))
        return;
    record.DeleteChildEducation(row);
    delete m_lvChildEducation->takeTopLevelItem(row);
    m_lvChildEducation->clearSelection();
    if (m_lvChildEducation->topLevelItemCount() > 0)
        EntryLists::selectRow(m_lvChildEducation, std::max(row - 1, 0));
    notify();
}

void TfrFramePensDeduct::addContract()
{
    mTSocialDeduct& record = document().SocialDeduction;
    // Contracts are numbered with three digits in the file.
    if (record.PensCount() >= 999)
        return;
    TfmInputSoursePens dialog(this, host().interaction());
    if (host().interaction().execDialog(dialog) != QDialog::Accepted)
        return;
    const mTPens contract = dialog.contract();
    if (contract.PensOrgName.trimmed().isEmpty())
        return;
    const int position = record.AddPens();
    record.ReplacePens(position, contract);
    m_lvContracts->addTopLevelItem(EntryLists::nameRow(contract.PensOrgName));
    m_lvContracts->clearSelection();
    EntryLists::selectRow(m_lvContracts, position);
    notify();
}

void TfrFramePensDeduct::editContract()
{
    const int row = EntryLists::selectedRow(m_lvContracts);
    if (row < 0 || !m_lvContracts->isEnabled())
        return;
    mTSocialDeduct& record = document().SocialDeduction;
    TfmInputSoursePens dialog(this, host().interaction());
    dialog.setContract(record.GetPens(row));
    if (host().interaction().execDialog(dialog) != QDialog::Accepted)
        return;
    const mTPens contract = dialog.contract();
    if (contract.PensOrgName.trimmed().isEmpty())
        return;
    record.ReplacePens(row, contract);
    EntryLists::renameRow(m_lvContracts->topLevelItem(row), contract.PensOrgName);
    notify();
}

void TfrFramePensDeduct::deleteContract()
{
    const int row = EntryLists::selectedRow(m_lvContracts);
    if (row < 0 || !m_lvContracts->isEnabled())
        return;
    mTSocialDeduct& record = document().SocialDeduction;
    const QString question =
        QStringLiteral("Удалить договор «%1»?").arg(record.GetPens(row).PensOrgName.trimmed());
    if (!host().interaction().confirmDeletion(this, question))
        return;
    record.DeletePens(row);
    delete m_lvContracts->takeTopLevelItem(row);
    m_lvContracts->clearSelection();
    if (m_lvContracts->topLevelItemCount() > 0)
        EntryLists::selectRow(m_lvContracts, std::max(row - 1, 0));
    notify();
}

void TfrFramePensDeduct::notify()
{
    if (!m_loading)
        host().NotifyDocumentChanged();
}

void TfrFramePensDeduct::StoreData()
{
    mTSocialDeduct& record = document().SocialDeduction;
    record.SocialEnabled = m_claim->isChecked() ? 1 : 0;
    record.CharitySum = m_amounts[0]->valueOrZero();
    record.SelfEducationSum = m_amounts[1]->valueOrZero();
    record.MedicalSum = m_amounts[2]->valueOrZero();
    record.ExpensiveMedicalSum = m_amounts[3]->valueOrZero();
    record.InsuranceSum = m_amounts[4]->valueOrZero();
    record.PensionContribSum = m_amounts[5]->valueOrZero();
}

quint16 TfrFramePensDeduct::CheckData()
{
    WindowCheckAnswerer answerer(host().interaction(), this);
    SectionCheckRun run(answerer, sectionName());
    run.failFirst(SocialFailures(document()));
    return run.result();
}

void TfrFramePensDeduct::FocusError(quint16 code)
{
    if (code == SocialField::FirstAmount)
        m_amounts[0]->setFocus(Qt::OtherFocusReason);
    else if (code == SocialField::ContractList)
        m_lvChildEducation->setFocus(Qt::OtherFocusReason);
}
