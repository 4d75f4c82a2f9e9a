#include "ui/sections/foreign_income/FrameCurrency.h"

#include "check/IncomeRules.h"
#include "check/SectionCheckRun.h"
#include "directories/CurrencyDirectory.h"
#include "directories/DeductionAmount.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/InputDeductCode.h"
#include "ui/pickers/InputIncomeCode.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/foreign_income/InputCurrencySourseIncome.h"
#include "ui/widgets/EntryFields.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QDateEdit* dateField(QWidget* parent, const char* name)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setCalendarPopup(true);
    return edit;
}

QString unitsText(qint32 units)
{
    return units == 0 ? QString() : QString::number(units);
}

} // namespace

TfrCurrency::TfrCurrency(QWidget* parent, FrameHost& host)
    : OtherIncomeListFrame(parent, host, QStringLiteral("Источники выплат"),
                           QStringLiteral("Список источников выплат")),
      m_directory(IncomeCodeDirectory::embedded())
{
    setObjectName(QStringLiteral("TfrCurrency"));
    m_showing = true;
    buildControls();
    const mTDeclaration& doc = document();
    const int year = doc.TaxYear == 2013 ? 2013 : 2014;
    m_dtIncomeGetDate->setDateRange(QDate(year, 1, 1), QDate(year, 12, 31));
    m_dtSubtractDate->setDateRange(QDate(year, 1, 1), QDate(year + 4, 12, 31));
    m_dtIncomeGetDate->setDate(QDate(2013, 1, 1));
    m_dtSubtractDate->setDate(QDate(2013, 1, 1));

    QStringList names;
    for (const mTCurrencyIncome& entry : doc.CurrencyIncomes)
        names.append(entry.CurSourceName);
    fillRows(names);
    if (doc.CurrencyIncomes.Count() == 0) {
        setInputEnabled(false);
        clearInput();
    } else {
        m_meAppB->setText(QString::number(doc.ForeignProofSheets));
        setInputEnabled(true);
    }
    m_showing = false;
}

QString TfrCurrency::sectionName()
{
    return QStringLiteral("Доходы в валюте");
}

void TfrCurrency::buildControls()
{
    auto* received = new QGroupBox(QStringLiteral("Сведения о полученном доходе"), this);
    m_dtIncomeGetDate = dateField(received, "dtIncomeGetDate");
    m_dtSubtractDate = dateField(received, "dtSubtractDate");
    m_meCurrencyCode = EntryFields::digits(received, QStringLiteral("meCurrencyCode"), 3);
    m_meCurrencyCode->setFixedWidth(50);
    m_bnCurrencyCode = EntryFields::pickerButton(received, "bnCurrencyCode");
    m_meCurrencyName = EntryFields::text(received, QStringLiteral("meCurrencyName"), 30);
    m_chbAutoExchange = new QCheckBox(QStringLiteral("Автоматическое определение"), received);
    m_chbAutoExchange->setObjectName(QStringLiteral("chbAutoExchange"));
    m_lbAutoExchange = new QLabel(QStringLiteral("курса валюты"), received);
    auto* lbCurrency = new QLabel(QStringLiteral("На дату дохода и уплаты налога"), received);
    lbCurrency->setObjectName(QStringLiteral("lbCurrency"));
    m_meCurrencyExchange =
        EntryFields::amount(received, QStringLiteral("meCurrencyExchange"), 4, 4);
    m_meCurrencyUnits = EntryFields::digits(received, QStringLiteral("meCurrencyUnits"), 7);
    m_meCurrencyExchange2 =
        EntryFields::amount(received, QStringLiteral("meCurrencyExchange2"), 4, 4);
    m_meCurrencyUnits2 = EntryFields::digits(received, QStringLiteral("meCurrencyUnits2"), 7);

    // Each caption over its field or fields: the group shares the width with the sums.
    auto* grid = new QGridLayout(received);
    grid->setVerticalSpacing(2);
    const auto dateRow = [&](int row, const QString& caption, QDateEdit* date) {
        grid->addWidget(new QLabel(caption, received), row, 0, 1, 4);
        auto* line = new QHBoxLayout;
        line->setSpacing(EntryFields::kRowSpacing);
        line->addWidget(date);
        line->addStretch();
        grid->addLayout(line, row + 1, 0, 1, 4);
    };
    dateRow(0, QStringLiteral("Дата получения дохода"), m_dtIncomeGetDate);
    dateRow(2, QStringLiteral("Дата уплаты налога"), m_dtSubtractDate);
    grid->addWidget(new QLabel(QStringLiteral("Код и наименование валюты"), received), 4, 0, 1, 4);
    auto* currency = new QHBoxLayout;
    currency->setSpacing(EntryFields::kRowSpacing);
    currency->addWidget(m_meCurrencyCode);
    currency->addWidget(m_bnCurrencyCode);
    currency->addWidget(m_meCurrencyName, 1);
    grid->addLayout(currency, 5, 0, 1, 4);
    // The check box's caption goes on under it, as the caption of "Имеются доходы" does.
    grid->addWidget(m_chbAutoExchange, 6, 0, 1, 4);
    m_lbAutoExchange->setIndent(
        m_chbAutoExchange->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
        m_chbAutoExchange->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    grid->addWidget(m_lbAutoExchange, 7, 0, 1, 4);
    grid->addWidget(lbCurrency, 8, 0, 1, 4);
    const auto rateRow = [&](int row, QLineEdit* rate, QLineEdit* units) {
        auto* line = new QHBoxLayout;
        line->setSpacing(EntryFields::kRowSpacing);
        auto* roubles = new QLabel(QStringLiteral("руб."), received);
        auto* per = new QLabel(QStringLiteral("за"), received);
        auto* unitsLabel = new QLabel(QStringLiteral("у.е."), received);
        line->addWidget(rate);
        line->addWidget(roubles);
        line->addWidget(per);
        line->addWidget(units);
        line->addWidget(unitsLabel);
        line->addStretch();
        grid->addLayout(line, row, 0, 1, 4);
        m_rateWidgets.append({rate, roubles, per, units, unitsLabel});
    };
    rateRow(9, m_meCurrencyExchange, m_meCurrencyUnits);
    rateRow(10, m_meCurrencyExchange2, m_meCurrencyUnits2);

    auto* codeRow = new QHBoxLayout;
    m_lbIncomeCod = new QLabel(QStringLiteral("Код дохода"), this);
    m_pnlIncomeCod = EntryFields::panel(this, "pnlIncomeCod");
    m_pnlIncomeCod->setFixedWidth(70);
    m_bnIncomeCod = EntryFields::pickerButton(this, "bnIncomeCod");
    codeRow->addWidget(m_lbIncomeCod);
    codeRow->addWidget(m_pnlIncomeCod);
    codeRow->addWidget(m_bnIncomeCod);
    codeRow->addStretch();

    auto* incomeGroup = new QGroupBox(QStringLiteral("Полученный доход"), this);
    m_meIncomeCurrencySum = EntryFields::amount(incomeGroup, QStringLiteral("meIncomeCurrencySum"));
    // Twelve digits at a rate of up to four digits: sixteen digits of roubles with the kopecks.
    m_pnlIncomeRublSum = EntryFields::panel(incomeGroup, "pnlIncomeRublSum");
    EntryFields::fitDigits(m_pnlIncomeRublSum, 19);
    auto* incomeForm = new QGridLayout(incomeGroup);
    incomeForm->addWidget(new QLabel(QStringLiteral("В иностранной валюте"), incomeGroup), 0, 0);
    incomeForm->addWidget(m_meIncomeCurrencySum, 0, 1);
    incomeForm->addWidget(new QLabel(QStringLiteral("В рублях по курсу ЦБ"), incomeGroup), 1, 0);
    incomeForm->addWidget(m_pnlIncomeRublSum, 1, 1);

    auto* taxGroup =
        new QGroupBox(QStringLiteral("Налог, уплаченный в иностранном государстве"), this);
    m_meTaxCurrencySum = EntryFields::amount(taxGroup, QStringLiteral("meTaxCurrencySum"));
    m_pnlTaxRoubleSum = EntryFields::panel(taxGroup, "pnlTaxRoubleSum");
    EntryFields::fitDigits(m_pnlTaxRoubleSum, 19);
    auto* taxForm = new QGridLayout(taxGroup);
    taxForm->addWidget(new QLabel(QStringLiteral("В иностранной валюте"), taxGroup), 0, 0);
    taxForm->addWidget(m_meTaxCurrencySum, 0, 1);
    taxForm->addWidget(new QLabel(QStringLiteral("В рублях по курсу ЦБ"), taxGroup), 1, 0);
    taxForm->addWidget(m_pnlTaxRoubleSum, 1, 1);

    auto* deductGroup = new QGroupBox(QStringLiteral("Вычеты"), this);
    m_lbSubtractCod = new QLabel(QStringLiteral("Код вычета (расхода)"), deductGroup);
    m_pnlSubtractCod = EntryFields::panel(deductGroup, "pnlSubtractCod");
    m_pnlSubtractCod->setFixedWidth(70);
    m_bnSubtractCod = EntryFields::pickerButton(deductGroup, "bnSubtractCod");
    m_lbSubtractSum = new QLabel(QStringLiteral("Сумма вычета (расхода)"), deductGroup);
    m_meSubtractSum = EntryFields::amount(deductGroup, QStringLiteral("meSubtractSum"));
    auto* deductForm = new QGridLayout(deductGroup);
    deductForm->addWidget(m_lbSubtractCod, 0, 0);
    auto* deductCode = new QHBoxLayout;
    deductCode->addWidget(m_pnlSubtractCod);
    deductCode->addWidget(m_bnSubtractCod);
    deductCode->addStretch();
    deductForm->addLayout(deductCode, 0, 1);
    deductForm->addWidget(m_lbSubtractSum, 1, 0);
    deductForm->addWidget(m_meSubtractSum, 1, 1);

    auto* sheets = new QGroupBox(QStringLiteral("Число подтверждающих расходы документов"), this);
    m_meAppB = EntryFields::digits(sheets, QStringLiteral("meAppB"), 4);
    (new QVBoxLayout(sheets))->addWidget(m_meAppB);
    sheets->hide();

    // Under the list: the dates and the currency on the left, the codes and the sums on the right.
    placeDetailsBelowList();
    auto* sums = new QVBoxLayout;
    sums->addLayout(codeRow);
    sums->addWidget(incomeGroup);
    sums->addWidget(taxGroup);
    sums->addWidget(deductGroup);
    sums->addWidget(sheets);
    sums->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(received, 0, Qt::AlignTop);
    columns->addLayout(sums);
    detailArea()->addLayout(columns);

    m_inputs = {m_dtIncomeGetDate,  m_dtSubtractDate, m_meCurrencyCode, m_chbAutoExchange,
                m_lbAutoExchange,   m_lbIncomeCod,    m_bnIncomeCod,    m_meIncomeCurrencySum,
                m_meTaxCurrencySum, m_lbSubtractCod,  m_bnSubtractCod,  m_lbSubtractSum,
                m_meSubtractSum,    m_meAppB};

    connect(m_meCurrencyCode, &QLineEdit::textChanged, this, &TfrCurrency::currencyCodeChanged);
    connect(m_bnCurrencyCode, &QPushButton::clicked, this, &TfrCurrency::pickCurrency);
    connect(m_dtIncomeGetDate, &QDateEdit::dateChanged, this,
            [this] { dateChanged(RateRow::Income); });
    connect(m_dtSubtractDate, &QDateEdit::dateChanged, this, [this] { dateChanged(RateRow::Tax); });
    connect(m_chbAutoExchange, &QCheckBox::clicked, this, &TfrCurrency::autoExchangeClicked);
    connect(m_bnIncomeCod, &QPushButton::clicked, this, &TfrCurrency::pickIncome);
    connect(m_bnSubtractCod, &QPushButton::clicked, this, &TfrCurrency::pickDeduction);
    for (QLineEdit* edit : {m_meIncomeCurrencySum, m_meCurrencyUnits, m_meCurrencyExchange})
        connect(edit, &QLineEdit::textChanged, this, &TfrCurrency::incomeAmountChanged);
    for (QLineEdit* edit : {m_meTaxCurrencySum, m_meCurrencyUnits2, m_meCurrencyExchange2})
        connect(edit, &QLineEdit::textChanged, this, &TfrCurrency::taxAmountChanged);
}

void TfrCurrency::setInputEnabled(bool enabled)
{
    for (QWidget* widget : m_inputs)
        widget->setEnabled(enabled);
    const bool manualRates = enabled && !m_chbAutoExchange->isChecked();
    for (QWidget* widget : m_rateWidgets)
        widget->setEnabled(manualRates);
    m_bnCurrencyCode->setEnabled(enabled && host().currencies() != nullptr);
    m_meCurrencyName->setEnabled(enabled);
}

void TfrCurrency::clearInput()
{
    const bool showing = m_showing;
    m_showing = true;
    m_dtIncomeGetDate->setDate(QDate::currentDate());
    m_dtSubtractDate->setDate(QDate::currentDate());
    for (QLineEdit* edit :
         {m_meCurrencyName, m_meCurrencyCode, m_meCurrencyUnits, m_meCurrencyExchange,
          m_meCurrencyUnits2, m_meCurrencyExchange2, m_pnlIncomeCod, m_meIncomeCurrencySum,
          m_meTaxCurrencySum, m_pnlIncomeRublSum, m_pnlTaxRoubleSum, m_pnlSubtractCod,
          m_meSubtractSum, m_meAppB})
        edit->clear();
    m_chbAutoExchange->setChecked(false);
    m_showing = showing;
}

// ---- the selected entry ------------------------------------------------------------------------

void TfrCurrency::store(mTCurrencyIncome& entry) const
{
    entry.IncomeDate = DayCount::fromDate(m_dtIncomeGetDate->date());
    entry.TaxPayDate = DayCount::fromDate(m_dtSubtractDate->date());
    entry.CurrencyCode = m_meCurrencyCode->text();
    entry.CurrencyName = m_meCurrencyName->text();
    entry.AutoExchange = m_chbAutoExchange->isChecked() ? 1 : 0;
    entry.IncomeUnits = m_meCurrencyUnits->text().toInt();
    entry.TaxUnits = m_meCurrencyUnits2->text().toInt();
    entry.IncomeExchangeRate = EntryFields::amountOrZero(m_meCurrencyExchange);
    entry.TaxExchangeRate = EntryFields::amountOrZero(m_meCurrencyExchange2);
    entry.CurIncomeCode = m_pnlIncomeCod->text().toInt();
    entry.SetIncomeInCurrency(EntryFields::amountOrZero(m_meIncomeCurrencySum));
    entry.SetTaxInCurrency(EntryFields::amountOrZero(m_meTaxCurrencySum));
    entry.CurDeductCode = m_pnlSubtractCod->text().toInt();
    entry.CurDeductSum = EntryFields::amountOrZero(m_meSubtractSum);
    entry.IncomeTaxRate = m_taxRate;
    entry.CurIncomeCodeName = m_incomeName;
    entry.CurDeductRate = m_normPercent;
}

void TfrCurrency::rowLeft(int row)
{
    store(document().CurrencyIncomes.At(row));
}

void TfrCurrency::rowShown(int row)
{
    const mTCurrencyIncome& entry = document().CurrencyIncomes.At(row);
    m_showing = true;
    m_dtIncomeGetDate->setDate(DayCount::toDate(entry.IncomeDate));
    m_dtSubtractDate->setDate(DayCount::toDate(entry.TaxPayDate));
    m_meCurrencyCode->setText(entry.CurrencyCode);
    showCurrencyName();
    if (!m_meCurrencyName->isReadOnly())
        m_meCurrencyName->setText(entry.CurrencyName);
    m_autoWanted = entry.AutoExchange != 0;
    lookUpRate(RateRow::Income);
    lookUpRate(RateRow::Tax);
    m_meCurrencyUnits->setText(unitsText(entry.IncomeUnits));
    m_meCurrencyExchange->setText(EntryFields::amountTextOrEmpty(entry.IncomeExchangeRate));
    m_meCurrencyUnits2->setText(unitsText(entry.TaxUnits));
    m_meCurrencyExchange2->setText(EntryFields::amountTextOrEmpty(entry.TaxExchangeRate));
    for (QWidget* widget : m_rateWidgets)
        widget->setEnabled(!m_chbAutoExchange->isChecked());
    m_meTaxCurrencySum->setText(EntryFields::amountTextOrEmpty(entry.TaxInCurrency));

    m_taxRate = entry.IncomeTaxRate;
    m_incomeName = entry.CurIncomeCodeName;
    m_normPercent = entry.CurDeductRate;
    m_maxSum = 0;
    m_equivalent = false;
    m_deductionExpected = false;
    const IncomeCode* income =
        entry.CurIncomeCode != 0 ? m_directory.find(entry.CurIncomeCode) : nullptr;
    if (entry.CurIncomeCode != 0) {
        m_pnlIncomeCod->setText(QString::number(entry.CurIncomeCode));
        m_meIncomeCurrencySum->setEnabled(true);
        m_meIncomeCurrencySum->setText(EntryFields::amountTextOrEmpty(entry.IncomeInCurrency));
    } else {
        m_pnlIncomeCod->clear();
        m_incomeName.clear();
        m_meIncomeCurrencySum->clear();
        m_meIncomeCurrencySum->setEnabled(false);
    }
    incomeAmountChanged();
    taxAmountChanged();
    if (income != nullptr) {
        m_taxRate = income->rate;
        m_incomeName = income->name;
        showDeduction(entry, *income);
    } else {
        clearDeduction();
    }
    m_showing = false;
}

void TfrCurrency::showDeduction(const mTCurrencyIncome& entry, const IncomeCode& income)
{
    if (income.deductions.isEmpty()) {
        clearDeduction();
        return;
    }
    m_deductionExpected = true;
    m_lbSubtractCod->setEnabled(true);
    m_bnSubtractCod->setEnabled(true);
    m_pnlSubtractCod->setText(EntryFields::codeText(entry.CurDeductCode));
    m_meSubtractSum->setText(EntryFields::amountTextOrEmpty(entry.CurDeductSum));
    const DeductionCode* deduction =
        entry.CurDeductCode != 0 ? income.findDeduction(QString::number(entry.CurDeductCode))
                                 : nullptr;
    if (deduction == nullptr) {
        m_pnlSubtractCod->clear();
        m_meSubtractSum->clear();
        m_meSubtractSum->setEnabled(false);
        m_lbSubtractSum->setEnabled(false);
        return;
    }
    m_meSubtractSum->setVisible(deduction->visible);
    m_lbSubtractSum->setEnabled(deduction->visible);
    m_meSubtractSum->setEnabled(deduction->enabled);
    m_normPercent = deduction->normPercent();
    m_maxSum = deduction->maxSum;
    m_equivalent = deduction->equivalent;
    if (m_normPercent != 0 || m_equivalent)
        recomputeDeduction();
}

void TfrCurrency::setDeductionControls(bool enabled)
{
    for (QWidget* widget :
         {static_cast<QWidget*>(m_lbSubtractCod), static_cast<QWidget*>(m_bnSubtractCod),
          static_cast<QWidget*>(m_lbSubtractSum), static_cast<QWidget*>(m_meSubtractSum)})
        widget->setEnabled(enabled);
}

void TfrCurrency::clearDeduction()
{
    m_deductionExpected = false;
    setDeductionControls(false);
    m_meSubtractSum->show();
    m_pnlSubtractCod->clear();
    m_meSubtractSum->clear();
}

// ---- currency and rates ------------------------------------------------------------------------

void TfrCurrency::showCurrencyName()
{
    const CurrencyDirectory* currencies = host().currencies();
    const Currency* currency =
        currencies != nullptr ? currencies->find(m_meCurrencyCode->text()) : nullptr;
    if (currency != nullptr) {
        m_meCurrencyName->setText(currency->name);
        m_meCurrencyName->setReadOnly(true);
        m_meCurrencyName->setEnabled(false);
    } else {
        m_meCurrencyName->setReadOnly(false);
        m_meCurrencyName->setEnabled(true);
    }
}

void TfrCurrency::lookUpRate(RateRow row)
{
    const CurrencyDirectory* currencies = host().currencies();
    const QDate date =
        row == RateRow::Income ? m_dtIncomeGetDate->date() : m_dtSubtractDate->date();
    const bool found =
        currencies != nullptr && currencies->rateFor(m_meCurrencyCode->text(), date).found();
    m_chbAutoExchange->setEnabled(found);
    m_lbAutoExchange->setEnabled(found);
    m_chbAutoExchange->setChecked(found && m_autoWanted);
    for (QWidget* widget : m_rateWidgets)
        widget->setEnabled(!m_chbAutoExchange->isChecked());
}

void TfrCurrency::fillRate(RateRow row)
{
    QLineEdit* units = row == RateRow::Income ? m_meCurrencyUnits : m_meCurrencyUnits2;
    QLineEdit* rate = row == RateRow::Income ? m_meCurrencyExchange : m_meCurrencyExchange2;
    const CurrencyDirectory* currencies = host().currencies();
    const QDate date =
        row == RateRow::Income ? m_dtIncomeGetDate->date() : m_dtSubtractDate->date();
    const RateLookup lookup =
        currencies != nullptr ? currencies->rateFor(m_meCurrencyCode->text(), date) : RateLookup();
    if (m_chbAutoExchange->isChecked() && lookup.found()) {
        units->setText(lookup.quantity.trimmed());
        rate->setText(lookup.rate.trimmed());
    } else {
        units->clear();
        rate->clear();
    }
}

void TfrCurrency::currencyCodeChanged()
{
    if (m_showing)
        return;
    const bool known = host().currencies() != nullptr &&
                       host().currencies()->find(m_meCurrencyCode->text()) != nullptr;
    showCurrencyName();
    if (!known)
        m_meCurrencyName->clear();
    for (RateRow row : {RateRow::Income, RateRow::Tax}) {
        lookUpRate(row);
        if (m_chbAutoExchange->isEnabled())
            fillRate(row);
    }
}

void TfrCurrency::dateChanged(RateRow row)
{
    if (m_showing)
        return;
    host().NotifyDocumentChanged();
    lookUpRate(row);
    if (m_chbAutoExchange->isEnabled())
        fillRate(row);
}

void TfrCurrency::autoExchangeClicked(bool checked)
{
    host().NotifyDocumentChanged();
    m_autoWanted = checked;
    for (QWidget* widget : m_rateWidgets)
        widget->setEnabled(!checked);
    if (checked) {
        fillRate(RateRow::Income);
        fillRate(RateRow::Tax);
    } else {
        for (QLineEdit* edit :
             {m_meCurrencyUnits, m_meCurrencyExchange, m_meCurrencyUnits2, m_meCurrencyExchange2})
            edit->clear();
    }
}

void TfrCurrency::pickCurrency()
{
    const CurrencyDirectory* currencies = host().currencies();
    if (currencies == nullptr)
        return;
    QList<PickerRow> rows;
    for (const Currency& currency : currencies->currencies())
        rows.append({currency.code, currency.name});
    TfmInputCurrencyCode picker(this, rows);
    picker.PreselectCurrency(m_meCurrencyCode->text());
    if (host().interaction().execDialog(picker) != QDialog::Accepted ||
        picker.chosenCode() == m_meCurrencyCode->text())
        return;
    m_meCurrencyCode->setText(picker.chosenCode());
    host().NotifyDocumentChanged();
}

// ---- amounts and codes -------------------------------------------------------------------------

Money TfrCurrency::roublesOf(QLineEdit* amountField, QLineEdit* units, QLineEdit* rate) const
{
    if (EntryFields::isBlank(amountField) || EntryFields::isBlank(units) ||
        EntryFields::isBlank(rate))
        return Money();
    return mTCurrencyIncome::ToRoubles(EntryFields::amountOrZero(amountField),
                                       EntryFields::amountOrZero(rate), units->text().toInt());
}

void TfrCurrency::incomeAmountChanged()
{
    m_pnlIncomeRublSum->setText(EntryFields::amountText(
        roublesOf(m_meIncomeCurrencySum, m_meCurrencyUnits, m_meCurrencyExchange)));
    if (!m_showing && m_deductionExpected)
        recomputeDeduction();
}

void TfrCurrency::taxAmountChanged()
{
    m_pnlTaxRoubleSum->setText(EntryFields::amountText(
        roublesOf(m_meTaxCurrencySum, m_meCurrencyUnits2, m_meCurrencyExchange2)));
}

void TfrCurrency::recomputeDeduction()
{
    const Money roubles = EntryFields::amountOrZero(m_pnlIncomeRublSum);
    const Money deduction =
        DeductionAmount::Following(roubles, m_normPercent, m_equivalent).value_or(Money());
    m_meSubtractSum->setText(
        EntryFields::amountText(DeductionAmount::Capped(deduction, Money::fromRoubles(m_maxSum))));
}

void TfrCurrency::pickIncome()
{
    TfmInputIncomeCode picker(this, false, m_pnlIncomeCod->text(), QString(), m_directory);
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    const IncomeCode* choice = picker.chosen();
    if (choice == nullptr || choice->code == m_pnlIncomeCod->text())
        return;
    host().NotifyDocumentChanged();
    m_normPercent = 0;
    m_maxSum = 0;
    m_equivalent = false;
    m_taxRate = choice->rate;
    m_incomeName = choice->name;
    m_pnlIncomeCod->setText(choice->code);
    m_meIncomeCurrencySum->setEnabled(true);
    clearDeduction();
    m_deductionExpected = !choice->deductions.isEmpty();
    m_lbSubtractCod->setEnabled(m_deductionExpected);
    m_bnSubtractCod->setEnabled(m_deductionExpected);
}

void TfrCurrency::pickDeduction()
{
    TfmInputDeductCode picker(this, true, m_pnlSubtractCod->text(), m_pnlIncomeCod->text(),
                              m_directory);
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    const DeductionCode* choice = picker.chosen();
    if (choice == nullptr || choice->code == m_pnlSubtractCod->text())
        return;
    host().NotifyDocumentChanged();
    m_pnlSubtractCod->setText(choice->code);
    m_meSubtractSum->clear();
    m_maxSum = choice->maxSum;
    m_normPercent = choice->normPercent();
    m_equivalent = choice->equivalent;
    m_meSubtractSum->setVisible(choice->visible);
    m_lbSubtractSum->setEnabled(choice->visible);
    m_meSubtractSum->setEnabled(choice->enabled);
    if (m_normPercent != 0 || m_equivalent)
        recomputeDeduction();
}

// ---- sources -----------------------------------------------------------------------------------

void TfrCurrency::addEntry()
{
    mTDeclaration& doc = document();
    if (refuseWhenFull(doc.CurrencyIncomes.IsFull()))
        return;
    TfmInputCurrencySourseIncome dialog(this, host());
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty())
        return;
    host().NotifyDocumentChanged();
    if (rowCount() == 0)
        setInputEnabled(true);
    const int row = doc.CurrencyIncomes.Add();
    mTCurrencyIncome& entry = doc.CurrencyIncomes.At(row);
    entry.CurSourceName = dialog.sourceName();
    entry.SourceCountryCode = dialog.countryCode();
    // A new source takes its rates from the directory until the user says otherwise.
    entry.AutoExchange = 1;
    appendRow(entry.CurSourceName);
    selectRow(row);
}

void TfrCurrency::editEntry(int row)
{
    mTCurrencyIncome& entry = document().CurrencyIncomes.At(row);
    TfmInputCurrencySourseIncome dialog(this, host());
    dialog.Fill(entry.CurSourceName, entry.SourceCountryCode);
    if (host().interaction().execDialog(dialog) != QDialog::Accepted ||
        dialog.sourceName().trimmed().isEmpty())
        return;
    host().NotifyDocumentChanged();
    entry.CurSourceName = dialog.sourceName();
    entry.SourceCountryCode = dialog.countryCode();
    setRowText(row, entry.CurSourceName);
}

void TfrCurrency::deleteEntry(int row)
{
    host().NotifyDocumentChanged();
    document().CurrencyIncomes.Delete(row);
    if (removeRowAndSelectNeighbour(row) < 0) {
        setInputEnabled(false);
        clearInput();
    }
}

// ---- the frame contract ------------------------------------------------------------------------

void TfrCurrency::StoreData()
{
    mTDeclaration& doc = document();
    if (selectedRow() >= 0)
        store(doc.CurrencyIncomes.At(selectedRow()));
    doc.SetForeignProofSheets(m_meAppB->text().toInt());
}

quint16 TfrCurrency::CheckData()
{
    WindowCheckAnswerer answerer(host().interaction(), this);
    SectionCheckRun run(answerer, sectionName());
    run.failFirst(CurrencyFailures(document(), CheckScope::Section));
    return run.result();
}

void TfrCurrency::FocusError(quint16 code)
{
    if (rowCount() == 0 || code == 0 || code > rowCount())
        return;
    list()->setFocus();
    selectRow(code - 1);
}
