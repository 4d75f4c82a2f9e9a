#include "ui/sections/russian_income/Input35SourseIncome.h"

#include "check/EntryRules.h"
#include "directories/DeductionAmount.h"
#include "model/ThirtyFivePercent.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/InputDeductCode.h"
#include "ui/pickers/InputIncomeCode.h"
#include "ui/widgets/EntryFields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

TypedAmount typed(const QLineEdit* field)
{
    return {!EntryFields::isBlank(field), EntryFields::amountOrZero(field)};
}

} // namespace

TfmInput35SourseIncome::TfmInput35SourseIncome(QWidget* parent, Interaction& interaction)
    : QDialog(parent), m_interaction(interaction), m_directory(IncomeCodeDirectory::embedded()),
      m_source(this, 12)
{
    setWindowTitle(QStringLiteral("Доход"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_pnlIncomeCod = EntryFields::codePanel(this, "pnlIncomeCod");
    m_bnIncomeCod = EntryFields::pickerButton(this, "bnIncomeCod");
    m_meItogIncomeSum = EntryFields::amount(this, QStringLiteral("meItogIncomeSum"));
    m_lbSubtractCod = new QLabel(QStringLiteral("Код вычета"), this);
    m_pnlSubtractCod = EntryFields::codePanel(this, "pnlSubtractCod");
    m_bnSubtractCod = EntryFields::pickerButton(this, "bnSubtractCod");
    m_lbSubtractSum = new QLabel(QStringLiteral("Сумма вычета"), this);
    m_meSubtractSum = EntryFields::amount(this, QStringLiteral("meSubtractSum"));
    m_meHoldSum = EntryFields::digits(this, QStringLiteral("meHoldSum"), 12);

    auto* grid = new QGridLayout;
    int row = 0;
    // A code and its picker button stand together.
    const auto codeWithButton = [](QWidget* code, QWidget* button) {
        auto* line = new QHBoxLayout;
        line->addWidget(code);
        line->addWidget(button);
        line->addStretch();
        return line;
    };
    const auto addRow = [&](const QString& caption, QWidget* field, QWidget* button = nullptr) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        if (button != nullptr)
            grid->addLayout(codeWithButton(field, button), row, 1);
        else
            grid->addWidget(field, row, 1);
        ++row;
    };
    for (const PaymentSourceFields::Row& source : m_source.rows())
        addRow(source.caption, source.field);
    addRow(QStringLiteral("Код дохода"), m_pnlIncomeCod, m_bnIncomeCod);
    addRow(QStringLiteral("Сумма дохода"), m_meItogIncomeSum);
    grid->addWidget(m_lbSubtractCod, row, 0);
    grid->addLayout(codeWithButton(m_pnlSubtractCod, m_bnSubtractCod), row++, 1);
    grid->addWidget(m_lbSubtractSum, row, 0);
    grid->addWidget(m_meSubtractSum, row++, 1);
    addRow(QStringLiteral("Сумма удержанного налога"), m_meHoldSum);

    const DialogButtons buttons = DialogButtons::create(this);
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInput35SourseIncome::confirm);
    connect(m_bnIncomeCod, &QPushButton::clicked, this, &TfmInput35SourseIncome::pickIncome);
    connect(m_bnSubtractCod, &QPushButton::clicked, this, &TfmInput35SourseIncome::pickDeduction);
    connect(m_meItogIncomeSum, &QLineEdit::textChanged, this,
            &TfmInput35SourseIncome::incomeChanged);
    connect(m_meSubtractSum, &QLineEdit::textChanged, this,
            &TfmInput35SourseIncome::deductionChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons.row);
    resize(560, 0);

    m_meItogIncomeSum->setEnabled(false);
    setDeductionControls(false);
    m_meSubtractSum->setEnabled(false);
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
    return m_pnlIncomeCod->text();
}

void TfmInput35SourseIncome::setDeductionControls(bool enabled)
{
    m_lbSubtractCod->setEnabled(enabled);
    m_bnSubtractCod->setEnabled(enabled);
    m_lbSubtractSum->setEnabled(enabled);
}

QString TfmInput35SourseIncome::equivalentAmount() const
{
    if (m_maxSum == 0)
        return m_meItogIncomeSum->text();
    if (EntryFields::isBlank(m_meItogIncomeSum))
        return QStringLiteral("0");
    const Money income = EntryFields::amountOrZero(m_meItogIncomeSum);
    const Money limit = Money::fromRoubles(m_maxSum);
    return income <= limit ? m_meItogIncomeSum->text() : EntryFields::amountText(limit);
}

void TfmInput35SourseIncome::takeDeduction(const DeductionCode& deduction)
{
    m_amountVisible = deduction.visible;
    m_amountEditable = deduction.enabled;
    m_maxSum = deduction.maxSum;
    m_amountEquivalent = deduction.equivalent;
    m_meSubtractSum->setVisible(m_amountVisible);
    m_lbSubtractSum->setEnabled(m_amountVisible);
    m_meSubtractSum->setEnabled(m_amountEditable);
}

void TfmInput35SourseIncome::Fill(const mTThirtyFivePercent& entry)
{
    if (entry.IncomeCode35 != 0) {
        const QString code = QString::number(entry.IncomeCode35);
        m_pnlIncomeCod->setText(code);
        m_meItogIncomeSum->setEnabled(true);
        m_meItogIncomeSum->setText(EntryFields::amountTextOrEmpty(entry.TotalIncome));
        const IncomeCode* income = m_directory.find(code);
        if (income == nullptr || income->deductions.isEmpty()) {
            m_deductionExpected = false;
            setDeductionControls(false);
            m_pnlSubtractCod->clear();
            m_meSubtractSum->setEnabled(false);
        } else {
            m_deductionExpected = true;
            m_lbSubtractCod->setEnabled(true);
            m_bnSubtractCod->setEnabled(true);
            // The code 0 is the choice "no deduction" and is shown as such.
            m_pnlSubtractCod->setText(QString::number(entry.DeductCode35));
            m_meSubtractSum->setText(EntryFields::amountTextOrEmpty(entry.DeductSum35));
            const DeductionCode* deduction =
                income->findDeduction(QString::number(entry.DeductCode35));
            if (deduction == nullptr) {
                m_pnlSubtractCod->clear();
                m_meSubtractSum->clear();
                m_meSubtractSum->setEnabled(false);
            } else {
                takeDeduction(*deduction);
                if (m_amountEquivalent)
                    m_meSubtractSum->setText(equivalentAmount());
            }
        }
    }
    m_source.load(entry);
    m_meHoldSum->setText(QString::number(entry.TaxWithheld.wholeRoubles()));
}

void TfmInput35SourseIncome::Apply(mTThirtyFivePercent& entry) const
{
    m_source.store(entry);
    entry.IncomeCode35 = m_pnlIncomeCod->text().toInt();
    entry.TotalIncome = EntryFields::amountOrZero(m_meItogIncomeSum);
    entry.DeductCode35 = m_pnlSubtractCod->text().toInt();
    entry.DeductSum35 = EntryFields::amountOrZero(m_meSubtractSum);
    entry.TaxWithheld = EntryFields::amountOrZero(m_meHoldSum);
}

void TfmInput35SourseIncome::pickIncome()
{
    TfmInputIncomeCode picker(this, false, m_pnlIncomeCod->text(), QStringLiteral("35"),
                              m_directory);
    if (m_interaction.execDialog(picker) != QDialog::Accepted)
        return;
    const IncomeCode* choice = picker.chosen();
    if (choice == nullptr || choice->code == m_pnlIncomeCod->text())
        return;
    m_pnlIncomeCod->setText(choice->code);
    m_meItogIncomeSum->setEnabled(true);
    m_amountEditable = m_amountVisible = m_amountEquivalent = false;
    m_maxSum = 0;
    m_deductionExpected = !choice->deductions.isEmpty();
    m_pnlSubtractCod->clear();
    m_meSubtractSum->clear();
    setDeductionControls(m_deductionExpected);
    m_meSubtractSum->show();
    m_meSubtractSum->setEnabled(false);
}

void TfmInput35SourseIncome::pickDeduction()
{
    TfmInputDeductCode picker(this, true, m_pnlSubtractCod->text(), m_pnlIncomeCod->text(),
                              m_directory);
    if (m_interaction.execDialog(picker) != QDialog::Accepted)
        return;
    const DeductionCode* choice = picker.chosen();
    if (choice == nullptr || choice->code == m_pnlSubtractCod->text())
        return;
    m_pnlSubtractCod->setText(choice->code);
    m_meSubtractSum->clear();
    takeDeduction(*choice);
    if (m_amountEquivalent)
        m_meSubtractSum->setText(equivalentAmount());
}

void TfmInput35SourseIncome::incomeChanged()
{
    if (!m_deductionExpected)
        return;
    const Money deduction = DeductionAmount::Following(EntryFields::amountOrZero(m_meItogIncomeSum),
                                                       0, m_amountEquivalent)
                                .value_or(Money());
    m_meSubtractSum->setText(
        EntryFields::amountText(DeductionAmount::Capped(deduction, Money::fromRoubles(m_maxSum))));
}

void TfmInput35SourseIncome::deductionChanged()
{
    if (EntryFields::isBlank(m_meSubtractSum) || !m_amountEditable || m_maxSum == 0)
        return;
    const Money limit = Money::fromRoubles(m_maxSum);
    if (EntryFields::amountOrZero(m_meSubtractSum) > limit)
        m_meSubtractSum->setText(EntryFields::amountText(limit));
}

quint16 TfmInput35SourseIncome::Check()
{
    const quint16 source = m_source.check(m_interaction, groupTitle(), false);
    if (source != 0)
        return source;

    WindowCheckAnswerer ownAnswerer(m_interaction, this);
    Income35Entry entry;
    entry.hasIncomeCode = !m_pnlIncomeCod->text().isEmpty();
    entry.hasDeductCode = !m_pnlSubtractCod->text().isEmpty();
    entry.income = typed(m_meItogIncomeSum);
    entry.deduction = typed(m_meSubtractSum);
    entry.withheld = typed(m_meHoldSum);
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
        m_meItogIncomeSum->setFocus();
        break;
    case Income35EntryField::DeductCode:
        m_bnSubtractCod->setFocus();
        pickDeduction();
        break;
    case Income35EntryField::DeductAmount:
        m_meSubtractSum->setFocus();
        break;
    case Income35EntryField::Withheld:
        m_meHoldSum->setFocus();
        break;
    case Income35EntryField::IncomeCode:
        m_bnIncomeCod->setFocus();
        pickIncome();
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
