#include "ui/sections/deductions/InputSoursePens.h"

#include "check/EntryRules.h"
#include "check/FieldChecks.h"
#include "storage/DayCount.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

const QDate kFirstDate(1990, 1, 1);
const QDate kLastDate(2013, 12, 31);

} // namespace

TfmInputSoursePens::TfmInputSoursePens(QWidget* parent, Interaction& interaction)
    : QDialog(parent), m_interaction(interaction)
{
    setWindowTitle(QStringLiteral("Данные договора"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_contract.ContractKind = 1;

    m_meOrganisation =
        EntryFields::text(this, QStringLiteral("meSourseName"), TextLength::OrganisationName);
    m_meINN = EntryFields::digits(this, QStringLiteral("meINN"), Digits::OrganisationInn);
    m_meKPP = EntryFields::digits(this, QStringLiteral("meKPP"), Digits::Kpp);
    m_meContractNumber =
        EntryFields::text(this, QStringLiteral("meNomDog"), TextLength::ContractNumber);
    m_dtContractDate = new DateField(this, QStringLiteral("dtpDatDog"));
    m_dtContractDate->setDateRange(kFirstDate, kLastDate);
    m_dtContractDate->setDate(std::clamp(QDate::currentDate(), kFirstDate, kLastDate));
    QWidget* kinds = buildKinds();
    // The sums stand under the kind of contract, and are created after it for Tab.
    m_meContribution = new AmountField(this, QStringLiteral("meVZSum"), Amount::Kopecks);
    m_meAgentDeduction = new AmountField(this, QStringLiteral("meNA"), Amount::Kopecks);
    m_meAgentDeduction->setToolTip(
        QStringLiteral("Вычет у работодателя (код 319 в справке 2-НДФЛ)"));
    const DialogButtons buttons = DialogButtons::create(this, "btnYes", "btnNo");
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInputSoursePens::confirm);

    using Span = FormGrid::Span;
    FormGrid grid(this);
    grid.row({{QStringLiteral("Наименование организации или фонда"), m_meOrganisation,
               Span::ToRightEdge}});
    grid.row({{QStringLiteral("ИНН"), m_meINN}, {QStringLiteral("КПП"), m_meKPP}});
    // The number across the row, so that it shows whole.
    grid.row({{QStringLiteral("Номер договора"), m_meContractNumber, Span::ToRightEdge}});
    grid.row({{QStringLiteral("Дата договора"), m_dtContractDate}});
    grid.wide(kinds);
    grid.row({{QStringLiteral("Сумма взноса"), m_meContribution}});
    grid.row({{QStringLiteral("Сумма вычета у налогового агента (код 319)"), m_meAgentDeduction}});
    grid.wide(buttons.row);
}

// The kind of contract: two columns of choices, non-state pension provision and voluntary pension
// insurance, each for oneself or for a relative.
QWidget* TfmInputSoursePens::buildKinds()
{
    auto* box = new QGroupBox(QStringLiteral("Вид договора"), this);
    const QString provision = QStringLiteral("Негосударств. пенс. обеспечения");
    const QString insurance = QStringLiteral("Добровольного пенс. страхования");
    auto* provisionHead = new QLabel(provision, box);
    auto* insuranceHead = new QLabel(insurance, box);
    const QString forSelf = QStringLiteral("в свою пользу");
    const QString forRelative = QStringLiteral("в пользу родственника");
    m_rbProvisionForSelf = new QRadioButton(forSelf, box);
    m_rbProvisionForSelf->setObjectName(QStringLiteral("rbSelf3"));
    m_rbProvisionForRelative = new QRadioButton(forRelative, box);
    m_rbProvisionForRelative->setObjectName(QStringLiteral("rbFam3"));
    m_rbInsuranceForSelf = new QRadioButton(forSelf, box);
    m_rbInsuranceForSelf->setObjectName(QStringLiteral("rbSelf4"));
    m_rbInsuranceForRelative = new QRadioButton(forRelative, box);
    m_rbInsuranceForRelative->setObjectName(QStringLiteral("rbFam4"));
    // Two choices read alike: each is named with the head of its column.
    m_rbProvisionForSelf->setAccessibleName(provision + QLatin1Char(' ') + forSelf);
    m_rbProvisionForRelative->setAccessibleName(provision + QLatin1Char(' ') + forRelative);
    m_rbInsuranceForSelf->setAccessibleName(insurance + QLatin1Char(' ') + forSelf);
    m_rbInsuranceForRelative->setAccessibleName(insurance + QLatin1Char(' ') + forRelative);
    auto* group = new QButtonGroup(this);
    auto* layout = new QGridLayout(box);
    layout->addWidget(provisionHead, 0, 0);
    layout->addWidget(insuranceHead, 0, 1);
    int at = 0;
    for (QRadioButton* button : {m_rbProvisionForSelf, m_rbProvisionForRelative,
                                 m_rbInsuranceForSelf, m_rbInsuranceForRelative}) {
        group->addButton(button);
        layout->addWidget(button, at % 2 + 1, at / 2);
        ++at;
    }
    m_rbProvisionForSelf->setChecked(true);
    return box;
}

QString TfmInputSoursePens::groupTitle()
{
    return QStringLiteral("Пенсионные договоры");
}

void TfmInputSoursePens::setContract(const mTPens& contract)
{
    m_contract = contract;
    m_meOrganisation->setText(contract.PensOrgName);
    m_meINN->setText(contract.PensINN);
    m_meKPP->setText(contract.PensKPP);
    m_meContractNumber->setText(contract.ContractNumber);
    const QDate date = DayCount::toDate(contract.ContractDate);
    if (contract.ContractDate != 0 && date.isValid())
        m_dtContractDate->setDate(std::clamp(date, kFirstDate, kLastDate));
    switch (contract.ContractKind) {
    case 2:
        m_rbProvisionForRelative->setChecked(true);
        break;
    case 3:
        m_rbInsuranceForSelf->setChecked(true);
        break;
    case 4:
        m_rbInsuranceForRelative->setChecked(true);
        break;
    default:
        m_rbProvisionForSelf->setChecked(true);
        break;
    }
    m_meContribution->setValue(contract.Contribution);
    m_meAgentDeduction->setValue(contract.AgentDeduction);
}

mTPens TfmInputSoursePens::contract() const
{
    mTPens result = m_contract;
    result.PensOrgName = m_meOrganisation->text();
    result.PensINN = m_meINN->text();
    result.PensKPP = m_meKPP->text();
    result.ContractNumber = m_meContractNumber->text();
    result.ContractDate = DayCount::fromDate(m_dtContractDate->date());
    result.ContractKind = m_rbProvisionForRelative->isChecked()   ? 2
                          : m_rbInsuranceForSelf->isChecked()     ? 3
                          : m_rbInsuranceForRelative->isChecked() ? 4
                                                                  : 1;
    result.Contribution = m_meContribution->valueOrZero();
    result.AgentDeduction = m_meAgentDeduction->valueOrZero();
    return result;
}

quint16 TfmInputSoursePens::check()
{
    WindowCheckAnswerer answerer(m_interaction, this);
    PensionContractEntry entry;
    entry.organisation = m_meOrganisation->text();
    entry.inn = m_meINN->text();
    entry.kpp = m_meKPP->text();
    entry.contractNumber = m_meContractNumber->text();
    entry.contribution = m_meContribution->valueOrZero();
    entry.agentDeduction = m_meAgentDeduction->valueOrZero();
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
    QWidget* field = m_meOrganisation;
    switch (code) {
    case SourceField::Inn:
        field = m_meINN;
        break;
    case SourceField::Kpp:
        field = m_meKPP;
        break;
    case PensionContractField::ContractNumber:
        field = m_meContractNumber;
        break;
    case PensionContractField::Contribution:
        field = m_meContribution;
        break;
    default:
        break;
    }
    field->setFocus(Qt::OtherFocusReason);
}
