#include "ui/sections/russian_income/Input35SourseIncome.h"

#include "check/EntryRules.h"
#include "directories/DeductionAmount.h"
#include "model/ThirtyFivePercent.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/InputDeductCode.h"
#include "ui/pickers/InputIncomeCode.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

TypedAmount typed(const AmountField* field)
{
    return {!EntryFields::isBlank(field), field->valueOrZero()};
}

} // namespace

TfmInput35SourseIncome::TfmInput35SourseIncome(QWidget* parent, Interaction& interaction)
    : QDialog(parent), m_interaction(interaction), m_directory(IncomeCodeDirectory::embedded()),
      m_source(this, Digits::PersonInn)
{
    setWindowTitle(QStringLiteral("Доход"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    connect(m_incomeCodeField, &CodeField::pickRequested, this,
            &TfmInput35SourseIncome::pickIncome);
    connect(m_deductCodeField, &CodeField::pickRequested, this,
            &TfmInput35SourseIncome::pickDeduction);
    connect(m_incomeAmount, &QLineEdit::textChanged, this, &TfmInput35SourseIncome::incomeChanged);
    connect(m_deductAmount, &QLineEdit::textChanged, this,
            &TfmInput35SourseIncome::deductionChanged);

    m_incomeAmount->setEnabled(false);
    setDeductionControls(false);
    m_deductAmount->setEnabled(false);
}

void TfmInput35SourseIncome::buildControls()
{
    // Created in the order they stand, which is the order Tab takes.
    m_incomeCodeField = new CodeField(this, "pnlIncomeCod", Shows::Code, "bnIncomeCod",
                                      QStringLiteral("Выбрать код дохода"));
    m_incomeAmount = new AmountField(this, QStringLiteral("meItogIncomeSum"), Amount::Kopecks);
    m_deductCodeField = new CodeField(this, "pnlSubtractCod", Shows::Code, "bnSubtractCod",
                                      QStringLiteral("Выбрать код вычета"));
    m_deductAmount = new AmountField(this, QStringLiteral("meSubtractSum"), Amount::Kopecks);
    m_taxWithheld = new AmountField(this, QStringLiteral("meHoldSum"), Amount::WholeRoubles);
    const DialogButtons buttons = DialogButtons::create(this);
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInput35SourseIncome::confirm);

    FormGrid grid(this);
    m_source.addRows(grid);
    grid.row({{QStringLiteral("Код дохода"), m_incomeCodeField}});
    grid.row({{QStringLiteral("Сумма дохода"), m_incomeAmount}});
    m_deductCodeCaption = grid.row({{QStringLiteral("Код вычета"), m_deductCodeField}}).first();
    m_deductAmountCaption = grid.row({{QStringLiteral("Сумма вычета"), m_deductAmount}}).first();
    grid.row({{QStringLiteral("Сумма удержанного налога"), m_taxWithheld}});
    grid.wide(buttons.row);
}

QString TfmInput35SourseIncome::groupTitle()
{
    return QStringLiteral("Доходы, облагаемые по ставке 35%");
}

QString TfmInput35SourseIncome::sourceName() const
{
    return m_source.name();
}

QString TfmInput35SourseIncome::incomeCode() const
{
    return m_incomeCodeField->text();
}

void TfmInput35SourseIncome::setDeductionControls(bool enabled)
{
    m_deductCodeCaption->setEnabled(enabled);
    m_deductCodeField->setEnabled(enabled);
    m_deductAmountCaption->setEnabled(enabled);
}

QString TfmInput35SourseIncome::equivalentAmount() const
{
    if (m_maxSum == 0)
        return m_incomeAmount->text();
    if (EntryFields::isBlank(m_incomeAmount))
        return QStringLiteral("0");
    const Money limit = Money::fromRoubles(m_maxSum);
    return m_incomeAmount->valueOrZero() <= limit ? m_incomeAmount->text()
                                                  : EntryFields::amountText(limit);
}

void TfmInput35SourseIncome::takeDeduction(const DeductionCode& deduction)
{
    m_amountVisible = deduction.visible;
    m_amountEditable = deduction.enabled;
    m_maxSum = deduction.maxSum;
    m_amountEquivalent = deduction.equivalent;
    EntryFields::setShown(m_deductAmount, m_amountVisible);
    m_deductAmountCaption->setEnabled(m_amountVisible);
    m_deductAmount->setEnabled(m_amountEditable);
}

void TfmInput35SourseIncome::Fill(const mTThirtyFivePercent& entry)
{
    if (entry.IncomeCode35 != 0)
        fillIncome(entry);
    m_source.load(entry);
    m_taxWithheld->setValue(Money::fromRoubles(entry.TaxWithheld.wholeRoubles()));
}

void TfmInput35SourseIncome::fillIncome(const mTThirtyFivePercent& entry)
{
    const QString code = QString::number(entry.IncomeCode35);
    m_incomeCodeField->setText(code);
    m_incomeAmount->setEnabled(true);
    m_incomeAmount->setValueOrEmpty(entry.TotalIncome);
    const IncomeCode* income = m_directory.find(code);
    if (income == nullptr || income->deductions.isEmpty()) {
        m_deductionExpected = false;
        setDeductionControls(false);
        m_deductCodeField->clear();
        m_deductAmount->setEnabled(false);
        return;
    }
    m_deductionExpected = true;
    m_deductCodeCaption->setEnabled(true);
    m_deductCodeField->setEnabled(true);
    // The code 0 is the choice "no deduction" and is shown as such.
    m_deductCodeField->setText(QString::number(entry.DeductCode35));
    m_deductAmount->setValueOrEmpty(entry.DeductSum35);
    const DeductionCode* deduction = income->findDeduction(QString::number(entry.DeductCode35));
    if (deduction == nullptr) {
        m_deductCodeField->clear();
        m_deductAmount->clear();
        m_deductAmount->setEnabled(false);
        return;
    }
    takeDeduction(*deduction);
    if (m_amountEquivalent)
        m_deductAmount->setText(equivalentAmount());
}

void TfmInput35SourseIncome::Apply(mTThirtyFivePercent& entry) const
{
    m_source.store(entry);
    entry.IncomeCode35 = m_incomeCodeField->text().toInt();
    entry.TotalIncome = m_incomeAmount->valueOrZero();
    entry.DeductCode35 = m_deductCodeField->text().toInt();
    entry.DeductSum35 = m_deductAmount->valueOrZero();
    entry.TaxWithheld = m_taxWithheld->valueOrZero();
}

void TfmInput35SourseIncome::pickIncome(const QString& search)
{
    TfmInputIncomeCode picker(this, false, m_incomeCodeField->text(), QStringLiteral("35"),
                              m_directory);
    picker.setSearchText(search);
    if (m_interaction.execDialog(picker) != QDialog::Accepted)
        return;
    const IncomeCode* choice = picker.chosen();
    if (choice == nullptr || choice->code == m_incomeCodeField->text())
        return;
    m_incomeCodeField->setText(choice->code);
    m_incomeAmount->setEnabled(true);
    m_amountEditable = m_amountVisible = m_amountEquivalent = false;
    m_maxSum = 0;
    m_deductionExpected = !choice->deductions.isEmpty();
    m_deductCodeField->clear();
    m_deductAmount->clear();
    setDeductionControls(m_deductionExpected);
    EntryFields::setShown(m_deductAmount, true);
    m_deductAmount->setEnabled(false);
}

void TfmInput35SourseIncome::pickDeduction(const QString& search)
{
    TfmInputDeductCode picker(this, true, m_deductCodeField->text(), m_incomeCodeField->text(),
                              m_directory);
    picker.setSearchText(search);
    if (m_interaction.execDialog(picker) != QDialog::Accepted)
        return;
    const DeductionCode* choice = picker.chosen();
    if (choice == nullptr || choice->code == m_deductCodeField->text())
        return;
    m_deductCodeField->setText(choice->code);
    m_deductAmount->clear();
    takeDeduction(*choice);
    if (m_amountEquivalent)
        m_deductAmount->setText(equivalentAmount());
}

void TfmInput35SourseIncome::incomeChanged()
{
    if (!m_deductionExpected)
        return;
    const Money deduction =
        DeductionAmount::Following(m_incomeAmount->valueOrZero(), 0, m_amountEquivalent)
            .value_or(Money());
    m_deductAmount->setValue(DeductionAmount::Capped(deduction, Money::fromRoubles(m_maxSum)));
}

void TfmInput35SourseIncome::deductionChanged()
{
    if (EntryFields::isBlank(m_deductAmount) || !m_amountEditable || m_maxSum == 0)
        return;
    const Money limit = Money::fromRoubles(m_maxSum);
    if (m_deductAmount->valueOrZero() > limit)
        m_deductAmount->setValue(limit);
}

quint16 TfmInput35SourseIncome::Check()
{
    const quint16 source = m_source.check(m_interaction, groupTitle(), false);
    if (source != 0)
        return source;

    WindowCheckAnswerer ownAnswerer(m_interaction, this);
    Income35Entry entry;
    entry.hasIncomeCode = !m_incomeCodeField->text().isEmpty();
    entry.hasDeductCode = !m_deductCodeField->text().isEmpty();
    entry.income = typed(m_incomeAmount);
    entry.deduction = typed(m_deductAmount);
    entry.withheld = typed(m_taxWithheld);
    entry.deductionExpected = m_deductionExpected;
    entry.amountEditable = m_amountEditable;
    return CheckIncome35Entry(ownAnswerer, groupTitle(), entry);
}

void TfmInput35SourseIncome::FocusField(quint16 code)
{
    if (m_source.focus(code))
        return;
    switch (code) {
    case Income35EntryField::IncomeAmount:
        m_incomeAmount->setFocus();
        break;
    case Income35EntryField::DeductCode:
        m_deductCodeField->pick();
        break;
    case Income35EntryField::DeductAmount:
        m_deductAmount->setFocus();
        break;
    case Income35EntryField::Withheld:
        m_taxWithheld->setFocus();
        break;
    case Income35EntryField::IncomeCode:
        m_incomeCodeField->pick();
        break;
    default:
        break;
    }
}

void TfmInput35SourseIncome::confirm()
{
    const quint16 code = Check();
    if (code == 0)
        accept();
    else
        FocusField(code);
}
