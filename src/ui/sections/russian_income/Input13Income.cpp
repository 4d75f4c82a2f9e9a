#include "ui/sections/russian_income/Input13Income.h"

#include "check/EntryRules.h"
#include "directories/DeductionAmount.h"
#include "directories/FixedTables.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/InputDeductCode.h"
#include "ui/pickers/InputIncomeCode.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

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
    auto* group = new QGroupBox(QStringLiteral("Сведения о полученном доходе"), this);
    buildControls(group);
    const DialogButtons buttons = DialogButtons::create(this, "bnYes");
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInput13Income::confirm);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.row);
    connectControls();

    m_incomeAmountCaption->setEnabled(false);
    m_incomeAmount->setEnabled(false);
    setDeductionCodeEnabled(false);
    setMonthEnabled(false);
}

void TfmInput13Income::buildControls(QGroupBox* group)
{
    m_incomeCodeField = new CodeField(group, "pnlIncomeCod", Shows::Code, "bnIncomeCod",
                                      QStringLiteral("Выбрать код дохода"));
    m_incomeAmount = new AmountField(group, QStringLiteral("meIncomeSum"), Amount::Kopecks);
    m_deductCodeField = new CodeField(group, "pnlSubtractCod", Shows::Code, "bnSubtractCod",
                                      QStringLiteral("Выбрать код вычета"));
    m_deductAmount = new AmountField(group, QStringLiteral("meSubtractSum"), Amount::Kopecks);
    m_incomeMonth = EntryFields::digits(group, QStringLiteral("mePropSale"), Digits::Month);

    FormGrid grid(group);
    grid.row({{QStringLiteral("Код дохода"), m_incomeCodeField}});
    m_incomeAmountCaption = grid.row({{QStringLiteral("Сумма дохода"), m_incomeAmount}}).first();
    m_deductCodeCaption =
        grid.row({{QStringLiteral("Код вычета (расхода)"), m_deductCodeField}}).first();
    m_deductAmountCaption =
        grid.row({{QStringLiteral("Сумма вычета (расхода)"), m_deductAmount}}).first();
    m_monthCaption = grid.row({{QStringLiteral("Месяц получения дохода"), m_incomeMonth}}).first();
}

void TfmInput13Income::connectControls()
{
    connect(m_incomeCodeField, &CodeField::pickRequested, this,
            &TfmInput13Income::chooseIncomeCode);
    connect(m_deductCodeField, &CodeField::pickRequested, this,
            &TfmInput13Income::chooseDeductCode);
    connect(m_incomeAmount, &QLineEdit::textEdited, this, &TfmInput13Income::incomeEdited);
    connect(m_deductAmount, &QLineEdit::textEdited, this, &TfmInput13Income::deductionEdited);
    // The month is brought into 1..12 when the field is left, not on every key: "05" is May.
    connect(m_incomeMonth, &QLineEdit::editingFinished, this, &TfmInput13Income::monthEdited);
}

void TfmInput13Income::setDeductionCodeEnabled(bool enabled)
{
    m_deductCodeCaption->setEnabled(enabled);
    m_deductCodeField->setEnabled(enabled);
    m_deductAmountCaption->setEnabled(enabled);
    // The amount is typed only once a deduction that allows it is chosen.
    EntryFields::setShown(m_deductAmount, true);
    m_deductAmount->setEnabled(false);
}

void TfmInput13Income::setMonthEnabled(bool enabled)
{
    m_monthCaption->setEnabled(enabled);
    m_incomeMonth->setEnabled(enabled);
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

void TfmInput13Income::chooseIncomeCode(const QString& search)
{
    const bool nonResidentOnly = m_variant == Variant::Specialist;
    const QString rate = m_variant == Variant::NonResident ? QString() : QStringLiteral("13");
    TfmInputIncomeCode picker(this, nonResidentOnly, m_incomeCode, rate, m_directory);
    picker.setSearchText(search);
    if (m_interaction.execDialog(picker) != QDialog::Accepted)
        return;
    const IncomeCode* chosen = picker.chosen();
    if (chosen == nullptr || chosen->code == m_incomeCode)
        return;
    clearDeductionState();
    m_incomeCode = chosen->code;
    m_incomeCodeName = chosen->name;
    m_incomeCodeField->setText(m_incomeCode);
    m_incomeAmount->clear();
    m_incomeAmountCaption->setEnabled(true);
    m_incomeAmount->setEnabled(true);
    m_deductCode.clear();
    m_deductCodeField->clear();
    m_deductAmount->clear();

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
    EntryFields::setShown(m_deductAmount, m_amountVisible);
    m_deductAmountCaption->setEnabled(m_amountVisible);
    m_deductAmount->setEnabled(m_amountEditable);
}

void TfmInput13Income::chooseDeductCode(const QString& search)
{
    const bool allAllowed = m_variant != Variant::NonResident;
    TfmInputDeductCode picker(this, allAllowed, m_deductCode, m_incomeCode, m_directory);
    picker.setSearchText(search);
    if (m_interaction.execDialog(picker) != QDialog::Accepted)
        return;
    const DeductionCode* chosen = picker.chosen();
    if (chosen == nullptr || chosen->code == m_deductCode)
        return;
    m_deductCode = chosen->code;
    m_deductCodeField->setText(m_deductCode);
    m_deductAmount->clear();
    applyDeduction(*chosen);
    if (m_variant != Variant::Specialist)
        fillDeductionAmount();
}

void TfmInput13Income::fillDeductionAmount()
{
    const Money income = m_incomeAmount->valueOrZero();
    if (const auto deduction = DeductionAmount::Following(income, m_deductRate, m_amountEquivalent))
        m_deductAmount->setValue(DeductionAmount::Capped(*deduction, m_maxSum));
}

void TfmInput13Income::incomeEdited()
{
    if (!m_deductionExpected)
        return;
    Money deduction = m_deductAmount->valueOrZero();
    if (m_variant != Variant::Specialist)
        deduction = DeductionAmount::Following(m_incomeAmount->valueOrZero(), m_deductRate,
                                               m_amountEquivalent)
                        .value_or(deduction);
    m_deductAmount->setValueOrEmpty(DeductionAmount::Capped(deduction, m_maxSum));
}

void TfmInput13Income::deductionEdited()
{
    if (!m_amountEditable || m_maxSum.isZero())
        return;
    if (m_deductAmount->valueOrZero() > m_maxSum)
        m_deductAmount->setValue(m_maxSum);
}

void TfmInput13Income::monthEdited()
{
    if (m_incomeMonth->text().isEmpty())
        return;
    m_incomeMonth->setText(QString::number(qBound(1, m_incomeMonth->text().toInt(), 12)));
}

void TfmInput13Income::load(const mTSourseIncome& line)
{
    clearDeductionState();
    m_deductRate = line.DeductRate;
    m_incomeCodeName = line.IncomeCodeName;
    if (line.IncomeCode == 0)
        return;
    m_incomeCode = QString::number(line.IncomeCode);
    m_incomeCodeField->setText(m_incomeCode);
    m_incomeAmount->setValueOrEmpty(line.IncomeSum);
    m_incomeAmountCaption->setEnabled(true);
    m_incomeAmount->setEnabled(true);
    if (m_variant == Variant::NonResident)
        loadNonResidentDeduction(line);
    else
        loadDeduction(line);
}

void TfmInput13Income::loadNonResidentDeduction(const mTSourseIncome& line)
{
    const bool deductible = FixedTables::NonResidentMayDeduct(m_incomeCode.toInt());
    setDeductionCodeEnabled(deductible);
    m_deductionExpected = deductible;
    if (!deductible)
        return;
    m_deductCode = QString::number(line.DeductCode);
    m_deductCodeField->setText(m_deductCode);
    m_deductAmount->setValueOrEmpty(line.DeductSum);
    const IncomeCode* income = m_directory.find(m_incomeCode);
    const DeductionCode* deduction =
        income != nullptr ? income->findDeduction(m_deductCode) : nullptr;
    if (deduction != nullptr)
        applyDeduction(*deduction);
}

void TfmInput13Income::loadDeduction(const mTSourseIncome& line)
{
    const IncomeCode* income = m_directory.find(m_incomeCode);
    if (income == nullptr)
        return;
    if (m_variant == Variant::Resident)
        m_incomeCodeName = income->name;
    setMonthEnabled(true);
    m_incomeMonth->setText(line.IncomeMonth != 0 ? QString::number(line.IncomeMonth) : QString());
    if (income->deductions.isEmpty())
        return;
    m_deductionExpected = true;
    setDeductionCodeEnabled(true);
    m_deductCode = QString::number(line.DeductCode);
    m_deductCodeField->setText(m_deductCode);
    m_deductAmount->setValueOrEmpty(line.DeductSum);
    const DeductionCode* deduction = income->findDeduction(m_deductCode);
    if (deduction == nullptr) {
        m_deductCode.clear();
        m_deductCodeField->clear();
        m_deductAmount->clear();
        m_deductAmount->setEnabled(false);
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
    line.IncomeSum = m_incomeAmount->valueOrZero();
    line.DeductCode = m_deductCode.toInt();
    line.DeductSum = m_deductAmount->valueOrZero();
    line.DeductRate = m_deductRate;
    const QString month = m_incomeMonth->text();
    line.IncomeMonth = month.isEmpty() ? 1 : quint16(qBound(1, month.toInt(), 12));
    return line;
}

void TfmInput13Income::confirm()
{
    WindowCheckAnswerer answerer(m_interaction, this);
    Income13Entry entry;
    entry.incomeCode = m_incomeCode;
    entry.deductCode = m_deductCode;
    entry.income = {!m_incomeAmount->text().isEmpty(), m_incomeAmount->valueOrZero()};
    entry.deduction = {!m_deductAmount->text().isEmpty(), m_deductAmount->valueOrZero()};
    entry.deductionExpected = m_deductionExpected;
    entry.amountEditable = m_amountEditable;
    switch (CheckIncome13Entry(answerer, checkTitle(), entry)) {
    case 0:
        accept();
        break;
    case Income13EntryField::IncomeCode:
        m_incomeCodeField->pick();
        break;
    case Income13EntryField::IncomeAmount:
        m_incomeAmount->setFocus();
        break;
    case Income13EntryField::DeductCode:
        m_deductCodeField->pick();
        break;
    case Income13EntryField::DeductAmount:
        m_deductAmount->setFocus();
        break;
    default:
        break;
    }
}
