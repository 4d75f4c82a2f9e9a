#include "ui/sections/deductions/ChildEduSum.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/FormGrid.h"

#include <QHBoxLayout>
#include <QPushButton>

TfmChildEduSum::TfmChildEduSum(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Сумма за обучение"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_meAmount = new AmountField(this, QStringLiteral("meChildEduSum"), Amount::Kopecks);
    const DialogButtons buttons = DialogButtons::create(this, "btnYes", "btnNo");
    connect(buttons.yes, &QPushButton::clicked, this, &QDialog::accept);

    FormGrid grid(this);
    grid.row({{QStringLiteral("Сумма, уплаченная за обучение ребенка"), m_meAmount}});
    grid.wide(buttons.row);
    m_meAmount->setFocus();
}

void TfmChildEduSum::setAmount(Money amount)
{
    m_meAmount->setValue(amount);
}

Money TfmChildEduSum::amount() const
{
    return m_meAmount->valueOrZero();
}
