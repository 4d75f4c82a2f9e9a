#include "ui/sections/russian_income/Input13Income.h"

#include "check/EntryRules.h"
#include "directories/DeductionAmount.h"
#include "directories/FixedTables.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/InputDeductCode.h"
#include "ui/pickers/InputIncomeCode.h"
#include "ui/widgets/EntryFields.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLabel* label(QWidget* parent, const QString& caption, const char* name)
{
    auto* text = new QLabel(caption, parent);
    text->setObjectName(QString::fromLatin1(name));
    return text;
}

} // namespace

TfmInput13Income::TfmInput13Income(QWidget* parent, Interaction& interaction, bool residentMode)
    : TfmInput13Income(parent, interaction, residentMode ? Variant::Resident : Variant::NonResident)
{}

TfmInput13Income::TfmInput13Income(QWidget* parent, Interaction& interaction, Variant variant)
    : QDialog(parent), m_interaction(interaction), m_variant(variant),
      m_directory(IncomeCodeDirectory::embedded())
{
    setObjectName(QStringLiteral("TfmInput13Income"));
    setWindowTitle(QStringLiteral("Сведения о доходе"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
}

void TfmInput13Income::buildControls()
{
    auto* group = new QGroupBox(QStringLiteral("Сведения о полученном доходе"), this);
    m_pnlIncomeCod = EntryFields::codePanel(group, "pnlIncomeCod");
    m_bnIncomeCod = EntryFields::pickerButton(group, "bnIncomeCod");
    m_lbIncomeSum = label(group, QStringLiteral("Сумма дохода"), "lbIncomeSum");
    m_meIncomeSum = EntryFields::amount(group, QStringLiteral("meIncomeSum"), 12, 2);
    m_lbSubtractCod = label(group, QStringLiteral("Код вычета (расхода)"), "lbSubtractCod");
    m_pnlSubtractCod = EntryFields::codePanel(group, "pnlSubtractCod");
    m_bnSubtractCod = EntryFields::pickerButton(group, "bnSubtractCod");
    m_lbSubtractSum = label(group, QStringLiteral("Сумма вычета (расхода)"), "lbSubtractSum");
    m_meSubtractSum = EntryFields::amount(group, QStringLiteral("meSubtractSum"), 12, 2);
    m_lbMonth = label(group, QStringLiteral("Месяц получения дохода "), "lbMonth");
    m_mePropSale = EntryFields::digits(group, QStringLiteral("mePropSale"), 2);
    m_mePropSale->setFixedWidth(50);

    auto* grid = new QGridLayout(group);
    grid->addWidget(label(group, QStringLiteral("Код дохода"), "lbIncomeCod"), 0, 0);
    auto* income = new QHBoxLayout;
    income->addWidget(m_pnlIncomeCod);
    income->addWidget(m_bnIncomeCod);
    income->addStretch();
    grid->addLayout(income, 0, 1);
    grid->addWidget(m_lbIncomeSum, 1, 0);
    grid->addWidget(m_meIncomeSum, 1, 1);
    grid->addWidget(m_lbSubtractCod, 2, 0);
    auto* deduction = new QHBoxLayout;
    deduction->addWidget(m_pnlSubtractCod);
    deduction->addWidget(m_bnSubtractCod);
    deduction->addStretch();
    grid->addLayout(deduction, 2, 1);
    grid->addWidget(m_lbSubtractSum, 3, 0);
    grid->addWidget(m_meSubtractSum, 3, 1);
    grid->addWidget(m_lbMonth, 4, 0);
    grid->addWidget(m_mePropSale, 4, 1);

    const DialogButtons buttons = DialogButtons::create(this, "bnYes");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.row);

    for (QWidget* widget : std::initializer_list<QWidget*>{m_lbIncomeSum, m_meIncomeSum})
        widget->setEnabled(false);
    setDeductionCodeEnabled(false);
    setMonthEnabled(false);

    connect(m_bnIncomeCod, &QPushButton::clicked, this, &TfmInput13Income::chooseIncomeCode);
    connect(m_bnSubtractCod, &QPushButton::clicked, this, &TfmInput13Income::chooseDeductCode);
    connect(m_meIncomeSum, &QLineEdit::textEdited, this, &TfmInput13Income::incomeEdited);
    connect(m_meSubtractSum, &QLineEdit::textEdited, this, &TfmInput13Income::deductionEdited);
    // The month is brought into 1..12 when the field is left, not on every key: "05" is May.
    connect(m_mePropSale, &QLineEdit::editingFinished, this, &TfmInput13Income::monthEdited);
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInput13Income::confirm);
}

void TfmInput13Income::setDeductionCodeEnabled(bool enabled)
{
    m_lbSubtractCod->setEnabled(enabled);
    m_bnSubtractCod->setEnabled(enabled);
    m_lbSubtractSum->setEnabled(enabled);
    // The amount is typed only once a deduction that allows it is chosen.
    m_lbSubtractSum->setVisible(true);
    m_meSubtractSum->setVisible(true);
    m_meSubtractSum->setEnabled(false);
}

void TfmInput13Income::setMonthEnabled(bool enabled)
{
    m_lbMonth->setEnabled(enabled);
    m_mePropSale->setEnabled(enabled);
}

void TfmInput13Income::clearDeductionState()
{
    m_amountEditable = false;
    m_amountEquivalent = false;
    m_amountVisible = false;
    m_maxSum = Money();
    m_deductRate = 0;
    m_deductionExpected = false;
}

QString TfmInput13Income::checkTitle() const
{
    return m_variant == Variant::Specialist
               ? QStringLiteral("Доходы нерезедентов, облагаемые по ставке 13%")
               : QStringLiteral("Доходы, облагаемые по ставке 13%");
}

void TfmInput13Income::chooseIncomeCode()
{
    const bool nonResidentOnly = m_variant == Variant::Specialist;
    const QString rate = m_variant == Variant::NonResident ? QString() : QStringLiteral("13");
    TfmInputIncomeCode picker(this, nonResidentOnly, m_incomeCode, rate, m_directory);
    if (m_interaction.execDialog(picker) != QDialog::Accepted)
        return;
    const IncomeCode* chosen = picker.chosen();
    if (chosen == nullptr || chosen->code == m_incomeCode)
        return;
    clearDeductionState();
    m_incomeCode = chosen->code;
    m_incomeCodeName = chosen->name;
    m_pnlIncomeCod->setText(m_incomeCode);
    m_meIncomeSum->clear();
    m_lbIncomeSum->setEnabled(true);
    m_meIncomeSum->setEnabled(true);
    m_deductCode.clear();
    m_pnlSubtractCod->clear();
    m_meSubtractSum->clear();

    bool deductible = !chosen->deductions.isEmpty();
    if (m_variant == Variant::NonResident)
        deductible = deductible && FixedTables::NonResidentMayDeduct(m_incomeCode.toInt());
    setDeductionCodeEnabled(deductible);
    m_deductionExpected = deductible;
    if (m_variant != Variant::NonResident)
        setMonthEnabled(true);
}

void TfmInput13Income::applyDeduction(const DeductionCode& deduction)
{
    m_amountEditable = deduction.enabled;
    m_amountEquivalent = deduction.equivalent;
    m_amountVisible = deduction.visible;
    m_maxSum = Money::fromRoubles(deduction.maxSum);
    m_deductRate = m_variant == Variant::Specialist ? 0 : deduction.normPercent();
    m_lbSubtractSum->setVisible(m_amountVisible);
    m_lbSubtractSum->setEnabled(m_amountVisible);
    m_meSubtractSum->setVisible(m_amountVisible);
    m_meSubtractSum->setEnabled(m_amountEditable);
}

void TfmInput13Income::chooseDeductCode()
{
    const bool allAllowed = m_variant != Variant::NonResident;
    TfmInputDeductCode picker(this, allAllowed, m_deductCode, m_incomeCode, m_directory);
    if (m_interaction.execDialog(picker) != QDialog::Accepted)
        return;
    const DeductionCode* chosen = picker.chosen();
    if (chosen == nullptr || chosen->code == m_deductCode)
        return;
    m_deductCode = chosen->code;
    m_pnlSubtractCod->setText(m_deductCode);
    m_meSubtractSum->clear();
    applyDeduction(*chosen);
    if (m_variant != Variant::Specialist)
        fillDeductionAmount();
}

void TfmInput13Income::fillDeductionAmount()
{
    const Money income = EntryFields::amountOrZero(m_meIncomeSum);
    if (const auto deduction = DeductionAmount::Following(income, m_deductRate, m_amountEquivalent))
        m_meSubtractSum->setText(
            EntryFields::amountText(DeductionAmount::Capped(*deduction, m_maxSum)));
}

void TfmInput13Income::incomeEdited()
{
    if (!m_deductionExpected)
        return;
    Money deduction = EntryFields::amountOrZero(m_meSubtractSum);
    if (m_variant != Variant::Specialist)
        deduction = DeductionAmount::Following(EntryFields::amountOrZero(m_meIncomeSum),
                                               m_deductRate, m_amountEquivalent)
                        .value_or(deduction);
    m_meSubtractSum->setText(
        EntryFields::amountTextOrEmpty(DeductionAmount::Capped(deduction, m_maxSum)));
}

void TfmInput13Income::deductionEdited()
{
    if (!m_amountEditable || m_maxSum.isZero())
        return;
    if (EntryFields::amountOrZero(m_meSubtractSum) > m_maxSum)
        m_meSubtractSum->setText(EntryFields::amountText(m_maxSum));
}

void TfmInput13Income::monthEdited()
{
    if (m_mePropSale->text().isEmpty())
        return;
    m_mePropSale->setText(QString::number(qBound(1, m_mePropSale->text().toInt(), 12)));
}

void TfmInput13Income::load(const mTSourseIncome& line)
{
    clearDeductionState();
    m_deductRate = line.DeductRate;
    m_incomeCodeName = line.IncomeCodeName;
    if (line.IncomeCode == 0)
        return;
    m_incomeCode = QString::number(line.IncomeCode);
    m_pnlIncomeCod->setText(m_incomeCode);
    m_meIncomeSum->setText(EntryFields::amountTextOrEmpty(line.IncomeSum));
    m_lbIncomeSum->setEnabled(true);
    m_meIncomeSum->setEnabled(true);
    const QString deductCode = QString::number(line.DeductCode);

    if (m_variant == Variant::NonResident) {
        const bool deductible = FixedTables::NonResidentMayDeduct(m_incomeCode.toInt());
        setDeductionCodeEnabled(deductible);
        m_deductionExpected = deductible;
        if (!deductible)
            return;
        m_deductCode = deductCode;
        m_pnlSubtractCod->setText(m_deductCode);
        m_meSubtractSum->setText(EntryFields::amountTextOrEmpty(line.DeductSum));
        const IncomeCode* income = m_directory.find(m_incomeCode);
        const DeductionCode* deduction =
            income != nullptr ? income->findDeduction(m_deductCode) : nullptr;
        if (deduction != nullptr)
            applyDeduction(*deduction);
        return;
    }

    const IncomeCode* income = m_directory.find(m_incomeCode);
    if (income == nullptr)
        return;
    if (m_variant == Variant::Resident)
        m_incomeCodeName = income->name;
    setMonthEnabled(true);
    m_mePropSale->setText(line.IncomeMonth != 0 ? QString::number(line.IncomeMonth) : QString());
    if (income->deductions.isEmpty())
        return;
    m_deductionExpected = true;
    setDeductionCodeEnabled(true);
    m_deductCode = deductCode;
    m_pnlSubtractCod->setText(m_deductCode);
    m_meSubtractSum->setText(EntryFields::amountTextOrEmpty(line.DeductSum));
    const DeductionCode* deduction = income->findDeduction(m_deductCode);
    if (deduction == nullptr) {
        m_deductCode.clear();
        m_pnlSubtractCod->clear();
        m_meSubtractSum->clear();
        m_meSubtractSum->setEnabled(false);
        return;
    }
    applyDeduction(*deduction);
    if (m_deductRate != 0 || m_amountEquivalent)
        fillDeductionAmount();
}

mTSourseIncome TfmInput13Income::line() const
{
    mTSourseIncome line;
    line.IncomeCode = m_incomeCode.toInt();
    line.IncomeCodeName = m_incomeCodeName;
    line.IncomeSum = EntryFields::amountOrZero(m_meIncomeSum);
    line.DeductCode = m_deductCode.toInt();
    line.DeductSum = EntryFields::amountOrZero(m_meSubtractSum);
    line.DeductRate = m_deductRate;
    const QString month = m_mePropSale->text();
    line.IncomeMonth = month.isEmpty() ? 1 : quint16(qBound(1, month.toInt(), 12));
    return line;
}

void TfmInput13Income::confirm()
{
    WindowCheckAnswerer answerer(m_interaction, this);
    Income13Entry entry;
    entry.incomeCode = m_incomeCode;
    entry.deductCode = m_deductCode;
    entry.income = {!m_meIncomeSum->text().isEmpty(), EntryFields::amountOrZero(m_meIncomeSum)};
    entry.deduction = {!m_meSubtractSum->text().isEmpty(),
                       EntryFields::amountOrZero(m_meSubtractSum)};
    entry.deductionExpected = m_deductionExpected;
    entry.amountEditable = m_amountEditable;
    switch (CheckIncome13Entry(answerer, checkTitle(), entry)) {
    case 0:
        accept();
        break;
    case Income13EntryField::IncomeCode:
        m_bnIncomeCod->setFocus();
        chooseIncomeCode();
        break;
    case Income13EntryField::IncomeAmount:
        m_meIncomeSum->setFocus();
        break;
    case Income13EntryField::DeductCode:
        m_bnSubtractCod->setFocus();
        chooseDeductCode();
        break;
    case Income13EntryField::DeductAmount:
        m_meSubtractSum->setFocus();
        break;
    default:
        break;
    }
}
