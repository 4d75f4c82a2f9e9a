#include "ui/sections/deductions/InputSoursePens.h"

#include "check/EntryRules.h"
#include "check/FieldChecks.h"
#include "storage/DayCount.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/widgets/EntryFields.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QDate kFirstDate(1990, 1, 1);
const QDate kLastDate(2013, 12, 31);

QRadioButton* radio(QWidget* parent, const char* name)
{
    auto* button = new QRadioButton(QStringLiteral("в свою пользу"), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TfmInputSoursePens::TfmInputSoursePens(QWidget* parent, Interaction& interaction)
    : QDialog(parent), m_interaction(interaction)
{
    setWindowTitle(QStringLiteral("Данные договора"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_contract.ContractKind = 1;

    m_meSourseName = EntryFields::text(this, QStringLiteral("meSourseName"), 1000);
    m_meINN = EntryFields::digits(this, QStringLiteral("meINN"), 10);
    m_meKPP = EntryFields::digits(this, QStringLiteral("meKPP"), 9);
    m_meNomDog = EntryFields::text(this, QStringLiteral("meNomDog"), 20);
    m_dtpDatDog = new QDateEdit(this);
    m_dtpDatDog->setObjectName(QStringLiteral("dtpDatDog"));
    m_dtpDatDog->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_dtpDatDog->setCalendarPopup(true);
    m_dtpDatDog->setDateRange(kFirstDate, kLastDate);
    m_dtpDatDog->setDate(std::clamp(QDate::currentDate(), kFirstDate, kLastDate));

    auto* kind = new QGroupBox(QStringLiteral("Вид договора"), this);
    m_rbSelf3 = radio(kind, "rbSelf3");
    m_rbFam3 = radio(kind, "rbFam3");
    m_rbFam3->setText(QStringLiteral("в пользу родственника"));
    m_rbSelf4 = radio(kind, "rbSelf4");
    m_rbFam4 = radio(kind, "rbFam4");
    m_rbFam4->setText(QStringLiteral("в пользу родственника"));
    auto* kinds = new QButtonGroup(this);
    for (QRadioButton* button : {m_rbSelf3, m_rbFam3, m_rbSelf4, m_rbFam4})
        kinds->addButton(button);
    m_rbSelf3->setChecked(true);
    // The sums stand under the kind of contract, and are created after it for Tab.
    m_meVZSum = EntryFields::amount(this, QStringLiteral("meVZSum"), 12);
    m_meVichSum = EntryFields::amount(this, QStringLiteral("meVichSum"), 12);
    m_meVichSum->hide();
    m_meNA = EntryFields::amount(this, QStringLiteral("meNA"), 12);
    m_meNA->setToolTip(QStringLiteral("Вычет у работодателя (код 319 в справке 2-НДФЛ)"));
    auto* kindLayout = new QGridLayout(kind);
    kindLayout->addWidget(new QLabel(QStringLiteral("Негосударств. пенс. обеспечения"), kind), 0,
                          0);
    kindLayout->addWidget(new QLabel(QStringLiteral("Добровольного пенс. страхования"), kind), 0,
                          1);
    kindLayout->addWidget(m_rbSelf3, 1, 0);
    kindLayout->addWidget(m_rbFam3, 2, 0);
    kindLayout->addWidget(m_rbSelf4, 1, 1);
    kindLayout->addWidget(m_rbFam4, 2, 1);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Наименование организации или фонда"), m_meSourseName);
    form->addRow(QStringLiteral("ИНН"), m_meINN);
    form->addRow(QStringLiteral("КПП"), m_meKPP);
    form->addRow(QStringLiteral("Номер договора"), m_meNomDog);
    form->addRow(QStringLiteral("Дата договора"), m_dtpDatDog);
    form->addRow(kind);
    form->addRow(QStringLiteral("Сумма взноса"), m_meVZSum);
    form->addRow(QStringLiteral("Сумма вычета у налогового агента (код 319)"), m_meNA);

    const DialogButtons buttons = DialogButtons::create(this, "btnYes", "btnNo");
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInputSoursePens::confirm);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
    resize(520, sizeHint().height());
}

QString TfmInputSoursePens::groupTitle()
{
    return QStringLiteral("Пенсионные договоры");
}

void TfmInputSoursePens::setContract(const mTPens& contract)
{
    m_contract = contract;
    m_meSourseName->setText(contract.PensOrgName);
    m_meINN->setText(contract.PensINN);
    m_meKPP->setText(contract.PensKPP);
    m_meNomDog->setText(contract.ContractNumber);
    const QDate date = DayCount::toDate(contract.ContractDate);
    if (contract.ContractDate != 0 && date.isValid())
        m_dtpDatDog->setDate(std::clamp(date, kFirstDate, kLastDate));
    switch (contract.ContractKind) {
    case 2:
        m_rbFam3->setChecked(true);
        break;
    case 3:
        m_rbSelf4->setChecked(true);
        break;
    case 4:
        m_rbFam4->setChecked(true);
        break;
    default:
        m_rbSelf3->setChecked(true);
        break;
    }
    m_meVZSum->setText(EntryFields::amountText(contract.Contribution));
    m_meVichSum->setText(EntryFields::amountText(contract.ContributionToDeduct));
    m_meNA->setText(EntryFields::amountText(contract.AgentDeduction));
}

mTPens TfmInputSoursePens::contract() const
{
    mTPens result = m_contract;
    result.PensOrgName = m_meSourseName->text();
    result.PensINN = m_meINN->text();
    result.PensKPP = m_meKPP->text();
    result.ContractNumber = m_meNomDog->text();
    result.ContractDate = DayCount::fromDate(m_dtpDatDog->date());
    result.ContractKind = m_rbFam3->isChecked()    ? 2
                          : m_rbSelf4->isChecked() ? 3
                          : m_rbFam4->isChecked()  ? 4
                                                   : 1;
    result.Contribution = EntryFields::amountOrZero(m_meVZSum);
    result.ContributionToDeduct = EntryFields::amountOrZero(m_meVichSum);
    result.AgentDeduction = EntryFields::amountOrZero(m_meNA);
    return result;
}

quint16 TfmInputSoursePens::check()
{
    WindowCheckAnswerer answerer(m_interaction, this);
    PensionContractEntry entry;
    entry.organisation = m_meSourseName->text();
    entry.inn = m_meINN->text();
    entry.kpp = m_meKPP->text();
    entry.contractNumber = m_meNomDog->text();
    entry.contribution = EntryFields::amountOrZero(m_meVZSum);
    entry.agentDeduction = EntryFields::amountOrZero(m_meNA);
    return CheckPensionContract(answerer, groupTitle(), entry);
}

void TfmInputSoursePens::confirm()
{
    const quint16 code = check();
    if (code == 0) {
        accept();
        return;
    }
    focusField(code);
}

void TfmInputSoursePens::focusField(quint16 code)
{
    switch (code) {
    case SourceField::Inn:
        m_meINN->setFocus();
        break;
    case SourceField::Kpp:
        m_meKPP->setFocus();
        break;
    case PensionContractField::ContractNumber:
        m_meNomDog->setFocus();
        break;
    case PensionContractField::Contribution:
        m_meVZSum->setFocus();
        break;
    default:
        m_meSourseName->setFocus();
        break;
    }
}
