#include "ui/sections/deductions/FrameCB.h"

#include "model/Declaration.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/FormGrid.h"

#include <QGridLayout>
#include <QGroupBox>

TfrCB::TfrCB(QWidget* parent, FrameHost& host) : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrCB"));
    FormGrid page(this);
    page.layout()->setContentsMargins(0, 0, 0, 0);
    QGroupBox* box = page.group("gbLosses", QStringLiteral("Убытки предыдущих налоговых периодов"));
    m_meSecuritiesLoss = new AmountField(box, QStringLiteral("meCB"), Amount::Kopecks);
    m_meDerivativesLoss = new AmountField(box, QStringLiteral("meFinInstr"), Amount::Kopecks);
    FormGrid grid(box);
    grid.row({{QStringLiteral("Убыток по операциям с ценными бумагами"), m_meSecuritiesLoss}});
    grid.row({{QStringLiteral("Убыток по операциям с финансовыми инструментами срочных сделок"),
               m_meDerivativesLoss}});
    page.stretch();

    const mTCBDeduct& record = document().SecuritiesDeduction;
    m_meSecuritiesLoss->setValue(record.SecuritiesLoss);
    m_meDerivativesLoss->setValue(record.DerivativesLoss);
}

void TfrCB::StoreData()
{
    mTCBDeduct& record = document().SecuritiesDeduction;
    record.SecuritiesLoss = m_meSecuritiesLoss->valueOrZero();
    record.DerivativesLoss = m_meDerivativesLoss->valueOrZero();
}
