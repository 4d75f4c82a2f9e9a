#include "ui/sections/deductions/FrameCB.h"

#include "model/Declaration.h"
#include "ui/sections/deductions/FrameDeductData.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

TfrCB::TfrCB(QWidget* parent, FrameHost& host) : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrCB"));
    auto* group = new QGroupBox(QStringLiteral("Убытки предыдущих налоговых периодов"), this);
    m_meCB = DeductFields::money(group, QStringLiteral("meCB"), 12);
    m_meFinInstr = DeductFields::money(group, QStringLiteral("meFinInstr"), 12);
    m_meCB->setFixedWidth(150);
    m_meFinInstr->setFixedWidth(150);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Убыток по операциям с ценными бумагами"), m_meCB);
    form->addRow(QStringLiteral("Убыток по операциям с финансовыми инструментами срочных сделок"),
                 m_meFinInstr);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
    layout->addStretch();

    const mTCBDeduct& record = document().SecuritiesDeduction;
    m_meCB->setText(DeductFields::text(record.SecuritiesLoss));
    m_meFinInstr->setText(DeductFields::text(record.DerivativesLoss));
}

void TfrCB::StoreData()
{
    mTCBDeduct& record = document().SecuritiesDeduction;
    record.SecuritiesLoss = DeductFields::value(m_meCB);
    record.DerivativesLoss = DeductFields::value(m_meFinInstr);
}
