#include "ChildEduSum.h"

#include "FrameDeductData.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmChildEduSum::TfmChildEduSum(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Сумма за обучение"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_meChildEduSum = DeductFields::money(this, QStringLiteral("meChildEduSum"), 12);
    auto* yes = new QPushButton(QStringLiteral("Да"), this);
    yes->setObjectName(QStringLiteral("btnYes"));
    yes->setDefault(true);
    auto* no = new QPushButton(QStringLiteral("Нет"), this);
    no->setObjectName(QStringLiteral("btnNo"));
    no->setAutoDefault(false);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Сумма, уплаченная за обучение ребенка"), this));
    layout->addWidget(m_meChildEduSum);
    layout->addLayout(buttons);
    m_meChildEduSum->setFocus();
}

void TfmChildEduSum::setAmount(Money amount)
{
    m_meChildEduSum->setText(DeductFields::text(amount));
}

Money TfmChildEduSum::amount() const
{
    return DeductFields::value(m_meChildEduSum);
}
