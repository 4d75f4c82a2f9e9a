#include "FrameThirtyFivePercent.h"

#include "Declaration.h"
#include "Input35SourseIncome.h"
#include "Interaction.h"
#include "OtherIncomeFields.h"

#include <QFormLayout>
#include <QGroupBox>
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

QString codeOrNone(qint32 code)
{
    return code == 0 ? QStringLiteral("Нет") : QString::number(code);
}

} // namespace

TfrThirtyFivePercent::TfrThirtyFivePercent(QWidget* parent, FrameHost& host)
    : OtherIncomeListFrame(parent, host, QStringLiteral("Источники выплат"),
                           QStringLiteral("Список источников выплат"))
{
    setObjectName(QStringLiteral("TfrThirtyFivePercent"));
    auto* result = new QGroupBox(this);
    m_pnlIncomeCod = panel(result, "pnlIncomeCod");
    m_pnlItogIncomeSum = panel(result, "pnlItogIncomeSum");
    m_pnlSubtractCod = panel(result, "pnlSubtractCod");
    m_pnlSubtractSum = panel(result, "pnlSubtractSum");
    m_pnlHoldSum = panel(result, "pnlHoldSum");
    auto* form = new QFormLayout(result);
    form->addRow(QStringLiteral("Код дохода"), m_pnlIncomeCod);
    form->addRow(QStringLiteral("Сумма дохода"), m_pnlItogIncomeSum);
    form->addRow(QStringLiteral("Код вычета"), m_pnlSubtractCod);
    form->addRow(QStringLiteral("Сумма вычета"), m_pnlSubtractSum);
    form->addRow(QStringLiteral("Сумма удержанного налога"), m_pnlHoldSum);
    detailArea()->addWidget(result);
    detailArea()->addStretch();

    QStringList names;
    for (const mTThirtyFivePercent& entry : document().Income35)
        names.append(entry.SourceName);
    fillRows(names);
    clearPanels();
}

void TfrThirtyFivePercent::clearPanels()
{
    for (QLineEdit* edit :
         {m_pnlIncomeCod, m_pnlItogIncomeSum, m_pnlSubtractCod, m_pnlSubtractSum, m_pnlHoldSum})
        edit->clear();
}

void TfrThirtyFivePercent::rowShown(int row)
{
    const mTThirtyFivePercent& entry = document().Income35.At(row);
    m_pnlIncomeCod->setText(codeOrNone(entry.IncomeCode35));
    m_pnlItogIncomeSum->setText(OtherIncomeFields::text(entry.TotalIncome));
    m_pnlSubtractCod->setText(codeOrNone(entry.DeductCode35));
    m_pnlSubtractSum->setText(OtherIncomeFields::text(entry.DeductSum35));
    m_pnlHoldSum->setText(OtherIncomeFields::text(entry.TaxWithheld));
}

void TfrThirtyFivePercent::addEntry()
{
    mTDeclaration& doc = document();
    if (OtherIncomeFields::refuseWhenFull(this, host().interaction(), doc.Income35.IsFull()))
        return;
    TfmInput35SourseIncome dialog(this, host().interaction());
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty() || dialog.incomeCode().isEmpty())
        return;
    host().NotifyDocumentChanged();
    const int row = doc.Income35.Add();
    mTThirtyFivePercent& entry = doc.Income35.At(row);
    dialog.Apply(entry);
    appendRow(entry.SourceName);
    selectRow(row);
}

void TfrThirtyFivePercent::editEntry(int row)
{
    mTThirtyFivePercent& entry = document().Income35.At(row);
    TfmInput35SourseIncome dialog(this, host().interaction());
    dialog.Fill(entry);
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty() || dialog.incomeCode().isEmpty())
        return;
    host().NotifyDocumentChanged();
    dialog.Apply(entry);
    setRowText(row, entry.SourceName);
    selectRow(row);
}

void TfrThirtyFivePercent::deleteEntry(int row)
{
    host().NotifyDocumentChanged();
    document().Income35.Delete(row);
    if (removeRowAndSelectNeighbour(row) < 0)
        clearPanels();
}
