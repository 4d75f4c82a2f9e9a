#include "ui/sections/russian_income/FrameThirtyPercent.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TfrThirtyPercent::TfrThirtyPercent(QWidget* parent, FrameHost& host)
    : PaymentSourceListFrame(parent, host, &mTDeclaration::Income30)
{
    setObjectName(QStringLiteral("TfrThirtyPercent"));
    auto* result = new QGroupBox(this);
    m_pnlItogIncomeSum = EntryFields::panel(result, "pnlItogIncomeSum");
    m_pnlHoldSum = EntryFields::panel(result, "pnlHoldSum");
    m_pnlTaxable = EntryFields::panel(result, "pnlTaxableSum");
    m_pnlTaxComputed = EntryFields::panel(result, "pnlTaxSum");
    auto* form = new QFormLayout(result);
    form->addRow(QStringLiteral("Сумма дивидендов"), m_pnlItogIncomeSum);
    form->addRow(QStringLiteral("Удержанный налог"), m_pnlHoldSum);
    auto* taxableLabel = new QLabel(QStringLiteral("Налог, принятый к зачету"), result);
    auto* computedLabel = new QLabel(QStringLiteral("Исчисленный налог"), result);
    form->addRow(taxableLabel, m_pnlTaxable);
    form->addRow(computedLabel, m_pnlTaxComputed);
    for (QWidget* hidden :
         {static_cast<QWidget*>(taxableLabel), static_cast<QWidget*>(computedLabel),
          static_cast<QWidget*>(m_pnlTaxable), static_cast<QWidget*>(m_pnlTaxComputed)})
        hidden->hide();
    detailArea()->addWidget(result);
    detailArea()->addStretch();
    fillFromDocument();
}

void TfrThirtyPercent::clearPanels()
{
    for (QLineEdit* edit : {m_pnlItogIncomeSum, m_pnlHoldSum, m_pnlTaxable, m_pnlTaxComputed})
        edit->clear();
}

void TfrThirtyPercent::rowShown(int row)
{
    const mTThirtyPercent& entry = entries().At(row);
    m_pnlItogIncomeSum->setText(EntryFields::amountText(entry.TotalIncome));
    m_pnlHoldSum->setText(EntryFields::amountText(entry.TaxWithheld));
    m_pnlTaxable->setText(EntryFields::amountText(entry.TaxableDividends));
    m_pnlTaxComputed->setText(EntryFields::amountText(entry.TaxComputed30));
}

void TfrThirtyPercent::initialise(mTThirtyPercent& entry) const
{
    entry.IncomeCode30 = mTThirtyPercent::kDividendsCode;
}
