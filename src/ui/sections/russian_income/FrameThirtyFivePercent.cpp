#include "ui/sections/russian_income/FrameThirtyFivePercent.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString codeOrNone(qint32 code)
{
    return code == 0 ? QStringLiteral("Нет") : QString::number(code);
}

} // namespace

TfrThirtyFivePercent::TfrThirtyFivePercent(QWidget* parent, FrameHost& host)
    : PaymentSourceListFrame(parent, host, &mTDeclaration::Income35)
{
    setObjectName(QStringLiteral("TfrThirtyFivePercent"));
    auto* result = new QGroupBox(this);
    m_pnlIncomeCod = EntryFields::panel(result, "pnlIncomeCod");
    m_pnlItogIncomeSum = EntryFields::panel(result, "pnlItogIncomeSum");
    m_pnlSubtractCod = EntryFields::panel(result, "pnlSubtractCod");
    m_pnlSubtractSum = EntryFields::panel(result, "pnlSubtractSum");
    m_pnlHoldSum = EntryFields::panel(result, "pnlHoldSum");
    auto* form = new QFormLayout(result);
    form->addRow(QStringLiteral("Код дохода"), m_pnlIncomeCod);
    form->addRow(QStringLiteral("Сумма дохода"), m_pnlItogIncomeSum);
    form->addRow(QStringLiteral("Код вычета"), m_pnlSubtractCod);
    form->addRow(QStringLiteral("Сумма вычета"), m_pnlSubtractSum);
    form->addRow(QStringLiteral("Сумма удержанного налога"), m_pnlHoldSum);
    detailArea()->addWidget(result);
    detailArea()->addStretch();
    fillFromDocument();
}

void TfrThirtyFivePercent::clearPanels()
{
    for (QLineEdit* edit :
         {m_pnlIncomeCod, m_pnlItogIncomeSum, m_pnlSubtractCod, m_pnlSubtractSum, m_pnlHoldSum})
        edit->clear();
}

void TfrThirtyFivePercent::rowShown(int row)
{
    const mTThirtyFivePercent& entry = entries().At(row);
    m_pnlIncomeCod->setText(codeOrNone(entry.IncomeCode35));
    m_pnlItogIncomeSum->setText(EntryFields::amountText(entry.TotalIncome));
    m_pnlHoldSum->setText(EntryFields::amountText(entry.TaxWithheld));
    m_pnlSubtractCod->setText(codeOrNone(entry.DeductCode35));
    m_pnlSubtractSum->setText(EntryFields::amountText(entry.DeductSum35));
}

bool TfrThirtyFivePercent::complete(const TfmInput35SourseIncome& dialog) const
{
    return PaymentSourceListFrame::complete(dialog) && !dialog.incomeCode().isEmpty();
}
