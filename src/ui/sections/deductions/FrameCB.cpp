#include "ui/sections/deductions/FrameCB.h"

#include "model/Declaration.h"
#include "ui/widgets/EntryFields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

TfrCB::TfrCB(QWidget* parent, FrameHost& host) : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrCB"));
    auto* group = new QGroupBox(QStringLiteral("Убытки предыдущих налоговых периодов"), this);
    m_meCB = EntryFields::amount(group, QStringLiteral("meCB"), 12);
    m_meFinInstr = EntryFields::amount(group, QStringLiteral("meFinInstr"), 12);
    auto* form = new QFormLayout(group);
    // A caption too long to stand beside its field goes over it.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->addRow(QStringLiteral("Убыток по операциям с ценными бумагами"), m_meCB);
    form->addRow(QStringLiteral("Убыток по операциям с финансовыми инструментами срочных сделок"),
                 m_meFinInstr);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
    layout->addStretch();

    const mTCBDeduct& record = document().SecuritiesDeduction;
    m_meCB->setText(EntryFields::amountText(record.SecuritiesLoss));
    m_meFinInstr->setText(EntryFields::amountText(record.DerivativesLoss));
}

void TfrCB::StoreData()
{
    mTCBDeduct& record = document().SecuritiesDeduction;
    record.SecuritiesLoss = EntryFields::amountOrZero(m_meCB);
    record.DerivativesLoss = EntryFields::amountOrZero(m_meFinInstr);
}
