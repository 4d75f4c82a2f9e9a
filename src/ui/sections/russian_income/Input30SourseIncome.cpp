#include "ui/sections/russian_income/Input30SourseIncome.h"

#include "calc/EntryFigures.h"
#include "check/EntryRules.h"
#include "model/ThirtyPercent.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

TfmInput30SourseIncome::TfmInput30SourseIncome(QWidget* parent, Interaction& interaction)
    : QDialog(parent), m_interaction(interaction), m_source(this, Digits::OrganisationInn)
{
    setWindowTitle(QStringLiteral("Доход"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Created in the order they stand, which is the order Tab takes.
    m_dividends = new AmountField(this, QStringLiteral("meItogIncomeSum"), Amount::Kopecks);
    m_taxableDividends = new AmountField(this, QStringLiteral("meOblSum"), Amount::Kopecks);
    m_taxWithheld = new AmountField(this, QStringLiteral("meHoldSum"), Amount::WholeRoubles);
    // Worked out from the taxable dividends and kept with the entry; never shown.
    m_taxComputed = EntryFields::panel(this, "meTaxDiscount", Amount::Kopecks);
    const DialogButtons buttons = DialogButtons::create(this);

    FormGrid grid(this);
    m_source.addRows(grid);
    grid.row({{QStringLiteral("Сумма дивидендов"), m_dividends}});
    grid.row({{QStringLiteral("Облагаемая сумма дивидендов"), m_taxableDividends}});
    grid.row({{QStringLiteral("Удержанный налог"), m_taxWithheld}});
    grid.row({{QStringLiteral("Налог, исчисленный:"), m_taxComputed}});
    EntryFields::setShown(m_taxComputed, false);
    grid.wide(buttons.row);

    connect(buttons.yes, &QPushButton::clicked, this, &TfmInput30SourseIncome::confirm);
    connect(m_taxableDividends, &QLineEdit::textChanged, this,
            &TfmInput30SourseIncome::taxableChanged);
}

QString TfmInput30SourseIncome::groupTitle()
{
    return QStringLiteral("Доходы, облагаемые по ставке 30%");
}

void TfmInput30SourseIncome::Fill(const mTThirtyPercent& entry)
{
    m_source.load(entry);
    m_dividends->setValue(entry.TotalIncome);
    m_taxableDividends->setValue(entry.TaxableDividends);
    m_taxComputed->setText(EntryFields::amountText(entry.TaxComputed30));
    m_taxWithheld->setValue(Money::fromRoubles(entry.TaxWithheld.wholeRoubles()));
}

void TfmInput30SourseIncome::Apply(mTThirtyPercent& entry) const
{
    m_source.store(entry);
    entry.TotalIncome = m_dividends->valueOrZero();
    entry.TaxableDividends = m_taxableDividends->valueOrZero();
    entry.TaxComputed30 = EntryFields::amountOrZero(m_taxComputed);
    entry.TaxWithheld = m_taxWithheld->valueOrZero();
}

QString TfmInput30SourseIncome::sourceName() const
{
    return m_source.name();
}

void TfmInput30SourseIncome::taxableChanged()
{
    if (EntryFields::isBlank(m_taxableDividends))
        m_taxComputed->clear();
    else
        m_taxComputed->setText(
            EntryFields::amountText(EntryFigures::DividendTax(m_taxableDividends->valueOrZero())));
}

quint16 TfmInput30SourseIncome::Check()
{
    const quint16 source = m_source.check(m_interaction, groupTitle(), true);
    if (source != 0)
        return source;

    DividendEntry entry;
    entry.dividends = {!EntryFields::isBlank(m_dividends), m_dividends->valueOrZero()};
    entry.taxable = m_taxableDividends->valueOrZero();
    entry.withheld = m_taxWithheld->valueOrZero();
    WindowCheckAnswerer ownAnswerer(m_interaction, this);
    return CheckDividendEntry(ownAnswerer, groupTitle(), entry);
}

void TfmInput30SourseIncome::FocusField(quint16 code)
{
    if (m_source.focus(code))
        return;
    if (code == DividendEntryField::Taxable)
        m_taxableDividends->setFocus();
    else if (code == DividendEntryField::Withheld)
        m_taxWithheld->setFocus();
}

void TfmInput30SourseIncome::confirm()
{
    const quint16 code = Check();
    if (code == 0)
        accept();
    else
        FocusField(code);
}
