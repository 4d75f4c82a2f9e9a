#include "Input30SourseIncome.h"

#include "EntryFields.h"
#include "FieldChecks.h"
#include "OtherIncomeFields.h"
#include "SectionCheckRun.h"
#include "ThirtyPercent.h"
#include "WindowCheckAnswerer.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace OtherIncomeFields;

TfmInput30SourseIncome::TfmInput30SourseIncome(QWidget* parent, Interaction& interaction)
    : QDialog(parent), m_interaction(interaction)
{
    setWindowTitle(QStringLiteral("Доход"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_meSourseName = EntryFields::text(this, QStringLiteral("meSourseName"), 1000);
    m_meINN = EntryFields::digits(this, QStringLiteral("meINN"), 10);
    m_meKPP = EntryFields::digits(this, QStringLiteral("meKPP"), 9);
    m_meOKATO = EntryFields::digits(this, QStringLiteral("meOKATO"), 11);
    m_meItogIncomeSum = amount(this, QStringLiteral("meItogIncomeSum"));
    m_meHoldSum = EntryFields::digits(this, QStringLiteral("meHoldSum"), 12);
    m_meOblSum = amount(this, QStringLiteral("meOblSum"));
    m_meTaxDiscount = amount(this, QStringLiteral("meTaxDiscount"));
    m_meTaxDiscount->setReadOnly(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Наименование источника выплаты"), m_meSourseName);
    form->addRow(QStringLiteral("ИНН"), m_meINN);
    form->addRow(QStringLiteral("КПП"), m_meKPP);
    form->addRow(QStringLiteral("ОКТМО"), m_meOKATO);
    form->addRow(QStringLiteral("Сумма дивидендов"), m_meItogIncomeSum);
    form->addRow(QStringLiteral("Облагаемая сумма дивидендов"), m_meOblSum);
    form->addRow(QStringLiteral("Удержанный налог"), m_meHoldSum);
    auto* taxLabel = new QLabel(QStringLiteral("Налог, исчисленный:"), this);
    form->addRow(taxLabel, m_meTaxDiscount);
    taxLabel->hide();
    m_meTaxDiscount->hide();

    auto* ok = new QPushButton(QStringLiteral("Да"), this);
    ok->setObjectName(QStringLiteral("bnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Нет"), this);
    cancel->setObjectName(QStringLiteral("bnCansel"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TfmInput30SourseIncome::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_meOblSum, &QLineEdit::textChanged, this, &TfmInput30SourseIncome::taxableChanged);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(520, 0);
}

QString TfmInput30SourseIncome::groupTitle()
{
    return QStringLiteral("Доходы, облагаемые по ставке 30%");
}

Money TfmInput30SourseIncome::DividendTax(Money taxable)
{
    // 9 % of the amount in 1/10000 rouble, rounded to whole roubles without leaving integers.
    const __int128 hundredths = __int128(taxable.units()) * 9; // in 1/1 000 000 rouble
    constexpr qint64 kPerRouble = Money::kUnitsPerRouble * 100;
    qint64 roubles = qint64(hundredths / kPerRouble);
    if (hundredths >= 0 && (hundredths % kPerRouble) * 2 >= kPerRouble)
        ++roubles;
    return Money::fromRoubles(roubles);
}

void TfmInput30SourseIncome::Fill(const mTThirtyPercent& entry)
{
    m_meSourseName->setText(entry.SourceName);
    m_meINN->setText(entry.SourceINN);
    m_meKPP->setText(entry.SourceKPP);
    m_meOKATO->setText(entry.SourceOKTMO);
    m_meItogIncomeSum->setText(text(entry.TotalIncome));
    m_meOblSum->setText(text(entry.TaxableDividends));
    m_meTaxDiscount->setText(text(entry.TaxComputed30));
    m_meHoldSum->setText(QString::number(entry.TaxWithheld.wholeRoubles()));
}

void TfmInput30SourseIncome::Apply(mTThirtyPercent& entry) const
{
    entry.SourceName = m_meSourseName->text();
    entry.SourceINN = m_meINN->text();
    entry.SourceKPP = m_meKPP->text();
    entry.SourceOKTMO = m_meOKATO->text();
    entry.TotalIncome = amountOf(m_meItogIncomeSum);
    entry.TaxableDividends = amountOf(m_meOblSum);
    entry.TaxComputed30 = amountOf(m_meTaxDiscount);
    entry.TaxWithheld = amountOf(m_meHoldSum);
}

QString TfmInput30SourseIncome::sourceName() const
{
    return m_meSourseName->text();
}

void TfmInput30SourseIncome::taxableChanged()
{
    if (isEmpty(m_meOblSum))
        m_meTaxDiscount->clear();
    else
        m_meTaxDiscount->setText(text(DividendTax(amountOf(m_meOblSum))));
}

quint16 TfmInput30SourseIncome::Check()
{
    WindowCheckAnswerer answerer(m_interaction, this);
    const quint16 source =
        CheckPaymentSourceStrict(answerer, groupTitle(), m_meSourseName->text(), m_meOKATO->text(),
                                 m_meKPP->text(), m_meINN->text());
    if (source != 0)
        return source;

    const Money withheld = amountOf(m_meHoldSum);
    if ((amountOf(m_meOblSum) + withheld).isZero())
        return 0;
    const bool noDividends = isEmpty(m_meItogIncomeSum);
    if (!noDividends && withheld <= amountOf(m_meItogIncomeSum))
        return 0;
    WindowCheckAnswerer ownAnswerer(m_interaction, this);
    SectionCheckRun run(ownAnswerer, groupTitle());
    run.fail(QStringLiteral("Сумма дивидендов меньше суммы удержанного налога"),
             noDividends ? 5 : 6);
    return run.result();
}

void TfmInput30SourseIncome::FocusField(quint16 code)
{
    switch (code) {
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
    case 5:
        m_meOblSum->setFocus();
        break;
    case 6:
        m_meHoldSum->setFocus();
        break;
    default:
        break;
    }
}

void TfmInput30SourseIncome::confirm()
{
    const quint16 code = Check();
    if (code == 0)
        accept();
    else
        FocusField(code);
}
