#include "ui/sections/russian_income/Input30SourseIncome.h"

#include "calc/EntryFigures.h"
#include "check/EntryRules.h"
#include "model/ThirtyPercent.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/widgets/EntryFields.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmInput30SourseIncome::TfmInput30SourseIncome(QWidget* parent, Interaction& interaction)
    : QDialog(parent), m_interaction(interaction), m_source(this, 10)
{
    setWindowTitle(QStringLiteral("Доход"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Created in the order they stand, which is the order Tab takes.
    m_meItogIncomeSum = EntryFields::amount(this, QStringLiteral("meItogIncomeSum"));
    m_meOblSum = EntryFields::amount(this, QStringLiteral("meOblSum"));
    m_meHoldSum = EntryFields::digits(this, QStringLiteral("meHoldSum"), 12);
    m_meTaxDiscount = EntryFields::panel(this, "meTaxDiscount");

    auto* form = new QFormLayout;
    m_source.addRows(form);
    form->addRow(QStringLiteral("Сумма дивидендов"), m_meItogIncomeSum);
    form->addRow(QStringLiteral("Облагаемая сумма дивидендов"), m_meOblSum);
    form->addRow(QStringLiteral("Удержанный налог"), m_meHoldSum);
    auto* taxLabel = new QLabel(QStringLiteral("Налог, исчисленный:"), this);
    form->addRow(taxLabel, m_meTaxDiscount);
    taxLabel->hide();
    m_meTaxDiscount->hide();

    const DialogButtons buttons = DialogButtons::create(this);
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInput30SourseIncome::confirm);
    connect(m_meOblSum, &QLineEdit::textChanged, this, &TfmInput30SourseIncome::taxableChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
    resize(520, 0);
}

QString TfmInput30SourseIncome::groupTitle()
{
    return QStringLiteral("Доходы, облагаемые по ставке 30%");
}

void TfmInput30SourseIncome::Fill(const mTThirtyPercent& entry)
{
    m_source.load(entry);
    m_meItogIncomeSum->setText(EntryFields::amountText(entry.TotalIncome));
    m_meOblSum->setText(EntryFields::amountText(entry.TaxableDividends));
    m_meTaxDiscount->setText(EntryFields::amountText(entry.TaxComputed30));
    m_meHoldSum->setText(QString::number(entry.TaxWithheld.wholeRoubles()));
}

void TfmInput30SourseIncome::Apply(mTThirtyPercent& entry) const
{
    m_source.store(entry);
    entry.TotalIncome = EntryFields::amountOrZero(m_meItogIncomeSum);
    entry.TaxableDividends = EntryFields::amountOrZero(m_meOblSum);
    entry.TaxComputed30 = EntryFields::amountOrZero(m_meTaxDiscount);
    entry.TaxWithheld = EntryFields::amountOrZero(m_meHoldSum);
}

QString TfmInput30SourseIncome::sourceName() const
{
    return m_source.name();
}

void TfmInput30SourseIncome::taxableChanged()
{
    if (EntryFields::isBlank(m_meOblSum))
        m_meTaxDiscount->clear();
    else
        m_meTaxDiscount->setText(EntryFields::amountText(
            EntryFigures::DividendTax(EntryFields::amountOrZero(m_meOblSum))));
}

quint16 TfmInput30SourseIncome::Check()
{
    const quint16 source = m_source.check(m_interaction, groupTitle(), true);
    if (source != 0)
        return source;

    DividendEntry entry;
    entry.dividends = {!EntryFields::isBlank(m_meItogIncomeSum),
                       EntryFields::amountOrZero(m_meItogIncomeSum)};
    entry.taxable = EntryFields::amountOrZero(m_meOblSum);
    entry.withheld = EntryFields::amountOrZero(m_meHoldSum);
    WindowCheckAnswerer ownAnswerer(m_interaction, this);
    return CheckDividendEntry(ownAnswerer, groupTitle(), entry);
}

void TfmInput30SourseIncome::FocusField(quint16 code)
{
    if (m_source.focus(code))
        return;
    if (code == DividendEntryField::Taxable)
        m_meOblSum->setFocus();
    else if (code == DividendEntryField::Withheld)
        m_meHoldSum->setFocus();
}

void TfmInput30SourseIncome::confirm()
{
    const quint16 code = Check();
    if (code == 0)
        accept();
    else
        FocusField(code);
}
