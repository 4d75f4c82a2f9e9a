#include "ui/sections/deductions/ChildEduSum.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/widgets/EntryFields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmChildEduSum::TfmChildEduSum(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Сумма за обучение"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_meChildEduSum = EntryFields::amount(this, QStringLiteral("meChildEduSum"), 12);
    const DialogButtons buttons = DialogButtons::create(this, "btnYes", "btnNo");
    connect(buttons.yes, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Сумма, уплаченная за обучение ребенка"), this));
    layout->addWidget(m_meChildEduSum);
    layout->addLayout(buttons.row);
    m_meChildEduSum->setFocus();
}

void TfmChildEduSum::setAmount(Money amount)
{
    m_meChildEduSum->setText(EntryFields::amountText(amount));
}

Money TfmChildEduSum::amount() const
{
    return EntryFields::amountOrZero(m_meChildEduSum);
}
