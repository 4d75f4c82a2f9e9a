#include "ui/sections/deductions/FramePensDeduct.h"

#include "check/DeductionRules.h"
#include "check/SectionCheckRun.h"
#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/sections/deductions/ChildEduSum.h"
#include "ui/sections/deductions/InputSoursePens.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/EntryLists.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

TfrFramePensDeduct::TfrFramePensDeduct(QWidget* parent, FrameHost& host)
    : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrFramePensDeduct"));
    m_loading = true;
    buildControls();
    loadFromDocument();
    m_loading = false;
}

QString TfrFramePensDeduct::sectionName()
{
    return QStringLiteral("Социальные вычеты");
}

void TfrFramePensDeduct::buildControls()
{
    auto* outer = new QGroupBox(QStringLiteral(" Предоставить социальные налоговые вычеты"), this);
    m_chbGrantingSocDeduct =
        new QCheckBox(QStringLiteral("Предоставить социальные налоговые вычеты"), outer);
    m_chbGrantingSocDeduct->setObjectName(QStringLiteral("chbGrantingSocDeduct"));

    auto* spent = new QGroupBox(QStringLiteral("Суммы, затраченные на"), outer);
    const char* const names[6] = {"meCharitySum",          "meSelfEducationSum", "meMedicalSum",
                                  "meExpensiveMedicalSum", "meStrahovka",        "meStrahovka2"};
    const QString captions[6] = {QStringLiteral("благотворительность"),
                                 QStringLiteral("свое обучение"),
                                 QStringLiteral("лечение"),
                                 QStringLiteral("дорогостоящее лечение"),
                                 QStringLiteral("добровольное страхование"),
                                 QStringLiteral("дополнительные страховые\nпенсионные взносы")};
    auto* spentLayout = new QGridLayout(spent);
    spentLayout->setContentsMargins(6, 6, 6, 6);
    for (int index = 0; index < 6; ++index) {
        auto* label = new QLabel(captions[index], spent);
        // A caption wider than its column goes on in a second line.
        label->setWordWrap(true);
        m_amountLabels.append(label);
        m_amounts[size_t(index)] =
            EntryFields::amount(spent, QString::fromLatin1(names[index]), 12);
        spentLayout->addWidget(label, index % 3, index / 3 * 2);
        spentLayout->addWidget(m_amounts[size_t(index)], index % 3, index / 3 * 2 + 1);
    }

    auto* children = new QGroupBox(QStringLiteral("Суммы, уплаченные за обучение детей"), outer);
    m_lvSumList = EntryLists::list(children, "lvSumList", {QStringLiteral("Суммы")},
                                   QStringLiteral("Список сумм, уплаченных за всех детей"));
    m_fbAddSum = EntryLists::button(
        children, "fbAddSum", QStringLiteral("Добавить"),
        QStringLiteral("Добавить очередную сумму, уплаченную за обучение детей"));
    m_fbDeleteSum =
        EntryLists::button(children, "fbDeleteSum", QStringLiteral("Удалить"),
                           QStringLiteral("Удалить сумму, уплаченную за обучение детей"));
    m_fbEditSum =
        EntryLists::button(children, "fbEditSum", QStringLiteral("Изменить"),
                           QStringLiteral("Редактировать сумму, уплаченную за обучение детей"));
    auto* childrenButtons = new QVBoxLayout;
    for (QPushButton* each : {m_fbAddSum, m_fbDeleteSum, m_fbEditSum})
        childrenButtons->addWidget(each);
    childrenButtons->addStretch();
    auto* childrenLayout = new QHBoxLayout(children);
    childrenLayout->addWidget(m_lvSumList, 1);
    childrenLayout->addLayout(childrenButtons);

    const QString pensCaption = QStringLiteral("Договоры добровольного пенс. страхования и "
                                               "негосударственного пенс. обеспечения");
    m_lvPensInfo = EntryLists::list(outer, "lvPensInfo", {pensCaption}, pensCaption);
    m_fbAddPens = EntryLists::button(outer, "fbAddPens", QStringLiteral("Добавить"),
                                     QStringLiteral("Добавить источник выплат"));
    m_fbDeletePens = EntryLists::button(outer, "fbDeletePens", QStringLiteral("Удалить"),
                                        QStringLiteral("Удалить источник выплат"));
    m_fbEditPens = EntryLists::button(outer, "fbEditPens", QStringLiteral("Изменить"),
                                      QStringLiteral("Редактировать источник выплат"));
    auto* pensButtons = new QVBoxLayout;
    for (QPushButton* each : {m_fbAddPens, m_fbDeletePens, m_fbEditPens})
        pensButtons->addWidget(each);
    pensButtons->addStretch();
    auto* pensLayout = new QHBoxLayout;
    pensLayout->addWidget(m_lvPensInfo, 1);
    pensLayout->addLayout(pensButtons);

    auto* outerLayout = new QVBoxLayout(outer);
    outerLayout->setContentsMargins(6, 6, 6, 6);
    outerLayout->addWidget(m_chbGrantingSocDeduct);
    outerLayout->addWidget(spent);
    outerLayout->addWidget(children, 1);
    outerLayout->addLayout(pensLayout, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outer);

    connect(m_chbGrantingSocDeduct, &QCheckBox::clicked, this, &TfrFramePensDeduct::claimClicked);
    connect(m_fbAddSum, &QPushButton::clicked, this, &TfrFramePensDeduct::addSum);
    connect(m_fbEditSum, &QPushButton::clicked, this, &TfrFramePensDeduct::editSum);
    connect(m_fbDeleteSum, &QPushButton::clicked, this, &TfrFramePensDeduct::deleteSum);
    connect(m_fbAddPens, &QPushButton::clicked, this, &TfrFramePensDeduct::addPens);
    connect(m_fbEditPens, &QPushButton::clicked, this, &TfrFramePensDeduct::editPens);
    connect(m_fbDeletePens, &QPushButton::clicked, this, &TfrFramePensDeduct::deletePens);
    connect(m_lvSumList, &QTreeWidget::itemDoubleClicked, this, &TfrFramePensDeduct::editSum);
    connect(m_lvPensInfo, &QTreeWidget::itemDoubleClicked, this, &TfrFramePensDeduct::editPens);
    m_lvSumList->installEventFilter(this);
    m_lvPensInfo->installEventFilter(this);
}

bool TfrFramePensDeduct::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_lvSumList) {
                editSum();
                return true;
            }
            if (watched == m_lvPensInfo) {
                editPens();
                return true;
            }
        }
    }
    return TThinkingFrame::eventFilter(watched, event);
}

void TfrFramePensDeduct::loadFromDocument()
{
    const mTSocialDeduct& record = document().SocialDeduction;
    m_chbGrantingSocDeduct->setChecked(record.SocialEnabled != 0);
    applyClaimRule(record.SocialEnabled != 0);
    if (record.SocialEnabled == 0)
        return;
    const Money amounts[6] = {record.CharitySum,   record.SelfEducationSum,
                              record.MedicalSum,   record.ExpensiveMedicalSum,
                              record.InsuranceSum, record.PensionContribSum};
    for (size_t index = 0; index < 6; ++index)
        m_amounts[index]->setText(EntryFields::amountText(amounts[index]));
    for (const Money amount : record.ChildEducationSums())
        m_lvSumList->addTopLevelItem(
            new QTreeWidgetItem(QStringList{EntryFields::amountText(amount)}));
    EntryLists::selectRow(m_lvSumList, 0);
    for (const mTPens& contract : record.PensionContracts())
        m_lvPensInfo->addTopLevelItem(EntryLists::nameRow(contract.PensOrgName));
}

void TfrFramePensDeduct::applyClaimRule(bool claimed)
{
    for (QLineEdit* field : m_amounts)
        field->setEnabled(claimed);
    for (QLabel* label : std::as_const(m_amountLabels))
        label->setEnabled(claimed);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_fbAddSum, m_fbDeleteSum, m_fbEditSum, m_fbAddPens,
                                         m_fbDeletePens, m_fbEditPens, m_lvSumList, m_lvPensInfo})
        widget->setEnabled(claimed);
}

void TfrFramePensDeduct::claimClicked(bool claimed)
{
    applyClaimRule(claimed);
    if (!claimed) {
        for (QLineEdit* field : m_amounts)
            field->clear();
        mTSocialDeduct& record = document().SocialDeduction;
        while (record.ChildEducationCount() > 0)
            record.DeleteChildEducation(record.ChildEducationCount() - 1);
        while (record.PensCount() > 0)
            record.DeletePens(record.PensCount() - 1);
        m_lvSumList->clear();
        m_lvPensInfo->clear();
    }
    notify();
}

void TfrFramePensDeduct::addSum()
{
    TfmChildEduSum dialog(this);
    if (host().interaction().execDialog(dialog) != QDialog::Accepted || dialog.amount().isZero())
        return;
    const int position = document().SocialDeduction.AddChildEducation(dialog.amount());
    m_lvSumList->addTopLevelItem(
        new QTreeWidgetItem(QStringList{EntryFields::amountText(dialog.amount())}));
    m_lvSumList->clearSelection();
    EntryLists::selectRow(m_lvSumList, position);
    notify();
}

void TfrFramePensDeduct::editSum()
{
    const int row = EntryLists::selectedRow(m_lvSumList);
    if (row < 0 || !m_lvSumList->isEnabled())
        return;
    mTSocialDeduct& record = document().SocialDeduction;
    TfmChildEduSum dialog(this);
    dialog.setAmount(record.GetChildEducation(row));
    if (host().interaction().execDialog(dialog) != QDialog::Accepted || dialog.amount().isZero())
        return;
    record.ReplaceChildEducation(row, dialog.amount());
    m_lvSumList->topLevelItem(row)->setText(0, EntryFields::amountText(dialog.amount()));
    // A changed amount is a change of the document as much as an added one.
    notify();
}

void TfrFramePensDeduct::deleteSum()
{
    const int row = EntryLists::selectedRow(m_lvSumList);
    if (row < 0)
        return;
    document().SocialDeduction.DeleteChildEducation(row);
    delete m_lvSumList->takeTopLevelItem(row);
    m_lvSumList->clearSelection();
    if (m_lvSumList->topLevelItemCount() > 0)
        EntryLists::selectRow(m_lvSumList, std::max(row - 1, 0));
    notify();
}

void TfrFramePensDeduct::addPens()
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
    m_lvPensInfo->addTopLevelItem(EntryLists::nameRow(contract.PensOrgName));
    m_lvPensInfo->clearSelection();
    EntryLists::selectRow(m_lvPensInfo, position);
    notify();
}

void TfrFramePensDeduct::editPens()
{
    const int row = EntryLists::selectedRow(m_lvPensInfo);
    if (row < 0 || !m_lvPensInfo->isEnabled())
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
    EntryLists::renameRow(m_lvPensInfo->topLevelItem(row), contract.PensOrgName);
    notify();
}

void TfrFramePensDeduct::deletePens()
{
    const int row = EntryLists::selectedRow(m_lvPensInfo);
    if (row < 0)
        return;
    document().SocialDeduction.DeletePens(row);
    delete m_lvPensInfo->takeTopLevelItem(row);
    m_lvPensInfo->clearSelection();
    if (m_lvPensInfo->topLevelItemCount() > 0)
        EntryLists::selectRow(m_lvPensInfo, std::max(row - 1, 0));
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
    record.SocialEnabled = m_chbGrantingSocDeduct->isChecked() ? 1 : 0;
    record.CharitySum = EntryFields::amountOrZero(m_amounts[0]);
    record.SelfEducationSum = EntryFields::amountOrZero(m_amounts[1]);
    record.MedicalSum = EntryFields::amountOrZero(m_amounts[2]);
    record.ExpensiveMedicalSum = EntryFields::amountOrZero(m_amounts[3]);
    record.InsuranceSum = EntryFields::amountOrZero(m_amounts[4]);
    record.PensionContribSum = EntryFields::amountOrZero(m_amounts[5]);
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
        m_amounts[0]->setFocus();
    else if (code == SocialField::ContractList)
        m_lvSumList->setFocus();
}
