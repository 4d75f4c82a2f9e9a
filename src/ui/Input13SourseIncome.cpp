#include "Input13SourseIncome.h"

#include "EntryFields.h"
#include "FieldChecks.h"
#include "ThirteenPercent.h"
#include "WindowCheckAnswerer.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmInput13SourseIncome::TfmInput13SourseIncome(QWidget* parent, Interaction& interaction,
                                               bool primaryShown)
    : QDialog(parent), m_interaction(interaction)
{
    setObjectName(QStringLiteral("TfmInput13SourseIncome"));
    setWindowTitle(QStringLiteral("Источник выплаты"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_meSourseName = EntryFields::text(this, QStringLiteral("meSourseName"), 1000);
    m_meSourseName->setMinimumWidth(380);
    m_meINN = EntryFields::digits(this, QStringLiteral("meINN"), 12);
    m_meKPP = EntryFields::digits(this, QStringLiteral("meKPP"), 9);
    m_meOKATO = EntryFields::digits(this, QStringLiteral("meOKATO"), 11);
    m_chbPrimaryWorkplase =
        new QCheckBox(QStringLiteral("Расчет стандартных вычетов вести по этому источнику"), this);
    m_chbPrimaryWorkplase->setObjectName(QStringLiteral("chbPrimaryWorkplase"));
    m_chbPrimaryWorkplase->setVisible(primaryShown);

    auto* ok = new QPushButton(QStringLiteral("Да"), this);
    ok->setObjectName(QStringLiteral("bnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Нет"), this);
    cancel->setObjectName(QStringLiteral("bnCansel"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TfmInput13SourseIncome::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Наименование источника выплаты"), m_meSourseName);
    form->addRow(QStringLiteral("ИНН"), m_meINN);
    form->addRow(QStringLiteral("КПП"), m_meKPP);
    form->addRow(QStringLiteral("ОКТМО"), m_meOKATO);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_chbPrimaryWorkplase);
    layout->addLayout(buttons);
}

QString TfmInput13SourseIncome::groupTitle()
{
    return QStringLiteral("Доходы, облагаемые по ставке 13%");
}

void TfmInput13SourseIncome::load(const mTThirteenPercent& source)
{
    m_meSourseName->setText(source.SourceName);
    m_meINN->setText(source.SourceINN);
    m_meKPP->setText(source.SourceKPP);
    m_meOKATO->setText(source.SourceOKTMO);
    m_chbPrimaryWorkplase->setChecked(source.IsPrimarySource != 0);
}

void TfmInput13SourseIncome::store(mTThirteenPercent& source) const
{
    source.SourceName = m_meSourseName->text();
    source.SourceINN = m_meINN->text();
    source.SourceKPP = m_meKPP->text();
    source.SourceOKTMO = m_meOKATO->text();
    source.IsPrimarySource = m_chbPrimaryWorkplase->isChecked() ? 1 : 0;
}

QString TfmInput13SourseIncome::sourceName() const
{
    return m_meSourseName->text();
}

void TfmInput13SourseIncome::confirm()
{
    WindowCheckAnswerer answerer(m_interaction, this);
    switch (CheckPaymentSource(answerer, groupTitle(), m_meSourseName->text(), m_meOKATO->text(),
                               m_meKPP->text(), m_meINN->text())) {
    case SourceField::None:
        accept();
        break;
    case SourceField::Name:
        m_meSourseName->setFocus();
        break;
    case SourceField::Inn:
        m_meINN->setFocus();
        break;
    case SourceField::Kpp:
        m_meKPP->setFocus();
        break;
    case SourceField::Oktmo:
        m_meOKATO->setFocus();
        break;
    default:
        break;
    }
}
