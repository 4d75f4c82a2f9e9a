#include "ui/sections/russian_income/FrameThirtyFivePercent.h"

#include "ui/widgets/EntryFields.h"
#include "ui/widgets/EntryLists.h"
#include "ui/widgets/FormGrid.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

TfrThirtyFivePercent::TfrThirtyFivePercent(QWidget* parent, FrameHost& host)
    : PaymentSourceListFrame(parent, host, &mTDeclaration::Income35)
{
    setObjectName(QStringLiteral("TfrThirtyFivePercent"));
    auto* result = new QGroupBox(this);
    m_incomeCode = EntryFields::panel(result, "pnlIncomeCod", Shows::Code);
    m_income = EntryFields::panel(result, "pnlItogIncomeSum", Amount::Kopecks);
    m_deductCode = EntryFields::panel(result, "pnlSubtractCod", Shows::Code);
    m_deduction = EntryFields::panel(result, "pnlSubtractSum", Amount::Kopecks);
    m_taxWithheld = EntryFields::panel(result, "pnlHoldSum", Amount::Kopecks);
    FormGrid grid(result);
    grid.row({{QStringLiteral("Код дохода"), m_incomeCode}});
    grid.row({{QStringLiteral("Сумма дохода"), m_income}});
    grid.row({{QStringLiteral("Код вычета"), m_deductCode}});
    grid.row({{QStringLiteral("Сумма вычета"), m_deduction}});
    grid.row({{QStringLiteral("Сумма удержанного налога"), m_taxWithheld}});
    detailArea()->addWidget(result);
    detailArea()->addStretch();
    fillFromDocument();
}

void TfrThirtyFivePercent::clearPanels()
{
    for (QLineEdit* edit : {m_incomeCode, m_income, m_deductCode, m_deduction, m_taxWithheld})
        edit->clear();
}

void TfrThirtyFivePercent::rowShown(int row)
{
    const mTThirtyFivePercent& entry = entries().At(row);
    m_incomeCode->setText(EntryLists::codeOrNone(entry.IncomeCode35));
    m_income->setText(EntryFields::amountText(entry.TotalIncome));
    m_taxWithheld->setText(EntryFields::amountText(entry.TaxWithheld));
    m_deductCode->setText(EntryLists::codeOrNone(entry.DeductCode35));
    m_deduction->setText(EntryFields::amountText(entry.DeductSum35));
}

bool TfrThirtyFivePercent::complete(const TfmInput35SourseIncome& dialog) const
{
    return PaymentSourceListFrame::complete(dialog) && !dialog.incomeCode().isEmpty();
}
