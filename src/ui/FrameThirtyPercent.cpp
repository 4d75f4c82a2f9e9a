#include "FrameThirtyPercent.h"

#include "Declaration.h"
#include "Input30SourseIncome.h"
#include "Interaction.h"
#include "OtherIncomeFields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* panel(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

} // namespace

TfrThirtyPercent::TfrThirtyPercent(QWidget* parent, FrameHost& host)
    : OtherIncomeListFrame(parent, host, QStringLiteral("Источники выплат"),
                           QStringLiteral("Список источников выплат"))
{
    setObjectName(QStringLiteral("TfrThirtyPercent"));
    auto* result = new QGroupBox(this);
    m_pnlItogIncomeSum = panel(result, "pnlItogIncomeSum");
    m_pnlHoldSum = panel(result, "pnlHoldSum");
    m_pnlTaxable = panel(result, "pnlTaxableSum");
    m_pnlTaxComputed = panel(result, "pnlTaxSum");
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

    QStringList names;
    for (const mTThirtyPercent& entry : document().Income30)
        names.append(entry.SourceName);
    fillRows(names);
    clearPanels();
}

void TfrThirtyPercent::clearPanels()
{
    for (QLineEdit* edit : {m_pnlItogIncomeSum, m_pnlHoldSum, m_pnlTaxable, m_pnlTaxComputed})
        edit->clear();
}

void TfrThirtyPercent::rowShown(int row)
{
    const mTThirtyPercent& entry = document().Income30.At(row);
    m_pnlItogIncomeSum->setText(OtherIncomeFields::text(entry.TotalIncome));
    m_pnlHoldSum->setText(OtherIncomeFields::text(entry.TaxWithheld));
    m_pnlTaxable->setText(OtherIncomeFields::text(entry.TaxableDividends));
    m_pnlTaxComputed->setText(OtherIncomeFields::text(entry.TaxComputed30));
}

void TfrThirtyPercent::addEntry()
{
    mTDeclaration& doc = document();
    if (OtherIncomeFields::refuseWhenFull(this, host().interaction(), doc.Income30.IsFull()))
        return;
    TfmInput30SourseIncome dialog(this, host().interaction());
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty())
        return;
    host().NotifyDocumentChanged();
    const int row = doc.Income30.Add();
    mTThirtyPercent& entry = doc.Income30.At(row);
    dialog.Apply(entry);
    entry.IncomeCode30 = mTThirtyPercent::kDividendsCode;
    appendRow(entry.SourceName);
    selectRow(row);
}

void TfrThirtyPercent::editEntry(int row)
{
    mTThirtyPercent& entry = document().Income30.At(row);
    TfmInput30SourseIncome dialog(this, host().interaction());
    dialog.Fill(entry);
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty())
        return;
    host().NotifyDocumentChanged();
    dialog.Apply(entry);
    setRowText(row, entry.SourceName);
    selectRow(row);
}

void TfrThirtyPercent::deleteEntry(int row)
{
    host().NotifyDocumentChanged();
    document().Income30.Delete(row);
    if (removeRowAndSelectNeighbour(row) < 0)
        clearPanels();
}
