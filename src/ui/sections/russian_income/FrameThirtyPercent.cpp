#include "ui/sections/russian_income/FrameThirtyPercent.h"

#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

TfrThirtyPercent::TfrThirtyPercent(QWidget* parent, FrameHost& host)
    : PaymentSourceListFrame(parent, host, &mTDeclaration::Income30)
{
    setObjectName(QStringLiteral("TfrThirtyPercent"));
    auto* result = new QGroupBox(this);
    m_dividends = EntryFields::panel(result, "pnlItogIncomeSum", Amount::Kopecks);
    m_taxWithheld = EntryFields::panel(result, "pnlHoldSum", Amount::Kopecks);
    m_taxableDividends = EntryFields::panel(result, "pnlTaxableSum", Amount::Kopecks);
    m_taxComputed = EntryFields::panel(result, "pnlTaxSum", Amount::Kopecks);
    FormGrid grid(result);
    grid.row({{QStringLiteral("Сумма дивидендов"), m_dividends}});
    grid.row({{QStringLiteral("Удержанный налог"), m_taxWithheld}});
    grid.row({{QStringLiteral("Налог, принятый к зачету"), m_taxableDividends}});
    grid.row({{QStringLiteral("Исчисленный налог"), m_taxComputed}});
    // The two figures the entry keeps but this frame does not show.
    EntryFields::setShown(m_taxableDividends, false);
    EntryFields::setShown(m_taxComputed, false);
    detailArea()->addWidget(result);
    detailArea()->addStretch();
    fillFromDocument();
}

void TfrThirtyPercent::clearPanels()
{
    for (QLineEdit* edit : {m_dividends, m_taxWithheld, m_taxableDividends, m_taxComputed})
        edit->clear();
}

void TfrThirtyPercent::rowShown(int row)
{
    const mTThirtyPercent& entry = entries().At(row);
    m_dividends->setText(EntryFields::amountText(entry.TotalIncome));
    m_taxWithheld->setText(EntryFields::amountText(entry.TaxWithheld));
    m_taxableDividends->setText(EntryFields::amountText(entry.TaxableDividends));
    m_taxComputed->setText(EntryFields::amountText(entry.TaxComputed30));
}

void TfrThirtyPercent::initialise(mTThirtyPercent& entry) const
{
    entry.IncomeCode30 = mTThirtyPercent::kDividendsCode;
}
