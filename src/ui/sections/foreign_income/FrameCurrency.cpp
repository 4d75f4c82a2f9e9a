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
#include "ui/widgets/AmountField.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace {

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
    list()->setAccessibleName(QStringLiteral("Источники выплат"));
    m_showing = true;
    // Under the list: the dates and the currency on the left, the codes and the sums on the right.
    placeDetailsBelowList();
    auto* details = new QWidget(this);
    auto* columns = new QHBoxLayout(details);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(buildReceived(details), 0, Qt::AlignTop);
    columns->addWidget(buildSums(details), 1);
    detailArea()->addWidget(details);
    // Never shown: the count of the documents that support the expenses is kept as it was read.
    m_proofSheets = EntryFields::digits(details, QStringLiteral("meAppB"), Digits::ProofSheets);
    m_proofSheets->hide();
    m_inputs.append(m_proofSheets);
    connectControls();

    const mTDeclaration& doc = document();
    const int year = doc.TaxYear == 2013 ? 2013 : 2014;
    m_incomeDate->setDateRange(QDate(year, 1, 1), QDate(year, 12, 31));
    m_taxPayDate->setDateRange(QDate(year, 1, 1), QDate(year + 4, 12, 31));
    m_incomeDate->setDate(QDate(2013, 1, 1));
    m_taxPayDate->setDate(QDate(2013, 1, 1));
    if (host.currencies() == nullptr) {
        // Nothing to pick from: the code is typed, and the name and the rates with it.
        m_currencyCode->setPickerEnabled(false);
        m_currencyCode->setReadOnly(false);
        m_currencyCode->setValidator(
            new DigitsValidator(m_currencyCode, int(Digits::CurrencyCode)));
        m_currencyCode->setPalette(QPalette());
    }

    QStringList names;
    for (const mTCurrencyIncome& entry : doc.CurrencyIncomes)
        names.append(entry.CurSourceName);
    fillRows(names);
    if (doc.CurrencyIncomes.Count() == 0) {
        setInputEnabled(false);
        clearInput();
    } else {
        m_proofSheets->setText(QString::number(doc.ForeignProofSheets));
        setInputEnabled(true);
    }
    m_showing = false;
}

QString TfrCurrency::sectionName()
{
    return QStringLiteral("Доходы в валюте");
}

QGroupBox* TfrCurrency::buildReceived(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Сведения о полученном доходе"), parent);
    box->setObjectName(QStringLiteral("gbReceived"));
    m_incomeDate = new DateField(box, QStringLiteral("dtIncomeGetDate"));
    m_taxPayDate = new DateField(box, QStringLiteral("dtSubtractDate"));
    m_currencyCode = new CodeField(box, "meCurrencyCode", Shows::Code, "bnCurrencyCode",
                                   QStringLiteral("Выбрать валюту"));
    m_currencyName =
        EntryFields::text(box, QStringLiteral("meCurrencyName"), TextLength::CurrencyName);
    m_currencyName->setAccessibleName(QStringLiteral("Наименование валюты"));

    // Each caption over its field: the group shares the width with the sums.
    FormGrid grid(box);
    QList<QWidget*> captions;
    for (const auto& [caption, field] :
         {std::pair<QString, QWidget*>{QStringLiteral("Дата получения дохода"), m_incomeDate},
          {QStringLiteral("Дата уплаты налога"), m_taxPayDate}}) {
        captions.append(EntryFields::caption(box, field, caption));
        grid.wide(captions.constLast());
        grid.wide(field);
    }
    captions.append(
        EntryFields::caption(box, m_currencyCode, QStringLiteral("Код и наименование валюты")));
    grid.wide(captions.constLast());
    auto* currency = new QHBoxLayout;
    currency->addWidget(m_currencyCode);
    currency->addWidget(m_currencyCode->button());
    currency->addWidget(m_currencyName, 1);
    grid.wide(currency);
    m_inputs = {m_incomeDate, m_taxPayDate, m_currencyCode};
    m_inputs.append(captions);
    buildRates(box, grid);
    return box;
}

void TfrCurrency::buildRates(QGroupBox* box, FormGrid& grid)
{
    m_autoRates = new QCheckBox(QStringLiteral("Автоматическое определение"), box);
    m_autoRates->setObjectName(QStringLiteral("chbAutoExchange"));
    m_autoRates->setAccessibleName(QStringLiteral("Автоматическое определение курса валюты"));
    // The check box's text goes on under it, in line with its first part.
    m_autoRatesLine = new QLabel(QStringLiteral("курса валюты"), box);
    m_autoRatesLine->setIndent(box->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                               box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    grid.wide(m_autoRates);
    grid.wide(m_autoRatesLine);
    auto* lbCurrency = new QLabel(QStringLiteral("На дату дохода и уплаты налога"), box);
    lbCurrency->setObjectName(QStringLiteral("lbCurrency"));
    grid.wide(lbCurrency);
    m_inputs.append({m_autoRates, m_autoRatesLine});

    // "[rate] руб. за [units] у.е.", once for each date; the fields of both rows are of one width,
    // so they stand one under the other.
    const auto rateRow = [&](const char* rateName, const char* unitsName, const QString& date,
                             AmountField*& rate, QLineEdit*& units) {
        rate = new AmountField(box, QString::fromLatin1(rateName), Amount::ExchangeRate);
        units = EntryFields::digits(box, QString::fromLatin1(unitsName), Digits::CurrencyUnits);
        QLabel* per = EntryFields::caption(box, units, QStringLiteral("руб. за"));
        auto* unitsCaption = new QLabel(QStringLiteral("у.е."), box);
        auto* line = new QHBoxLayout;
        for (QWidget* part : std::initializer_list<QWidget*>{rate, per, units, unitsCaption})
            line->addWidget(part);
        line->addStretch();
        grid.wide(line);
        rate->setAccessibleName(QStringLiteral("Курс на %1, руб.").arg(date));
        units->setAccessibleName(QStringLiteral("Курс на %1, за единиц валюты").arg(date));
        m_rateWidgets.append({rate, per, units, unitsCaption});
    };
    rateRow("meCurrencyExchange", "meCurrencyUnits", QStringLiteral("дату дохода"),
            m_incomeDateRate, m_incomeDateUnits);
    rateRow("meCurrencyExchange2", "meCurrencyUnits2", QStringLiteral("дату уплаты налога"),
            m_taxDateRate, m_taxDateUnits);
}

QWidget* TfrCurrency::buildSums(QWidget* parent)
{
    auto* sums = new QWidget(parent);
    m_incomeCode = new CodeField(sums, "pnlIncomeCod", Shows::Code, "bnIncomeCod",
                                 QStringLiteral("Выбрать код дохода"));
    FormGrid page(sums);
    page.layout()->setContentsMargins(0, 0, 0, 0);
    m_inputs.append(page.row({{QStringLiteral("Код дохода"), m_incomeCode}}).constFirst());
    m_inputs.append(m_incomeCode);

    // An amount in the currency over its amount in roubles at the rate of its date.
    const auto conversion = [&](const char* name, const QString& title, const QString& what,
                                const char* amountName, const char* roublesName,
                                AmountField*& amount, QLineEdit*& roubles) {
        QGroupBox* box = page.group(name, title);
        amount = new AmountField(box, QString::fromLatin1(amountName), Amount::Kopecks);
        roubles = EntryFields::panel(box, roublesName, Amount::ConvertedRoubles);
        FormGrid grid(box);
        grid.row({{QStringLiteral("В иностранной валюте"), amount}});
        grid.row({{QStringLiteral("В рублях по курсу ЦБ"), roubles}});
        amount->setAccessibleName(what + QStringLiteral(" в иностранной валюте"));
        roubles->setAccessibleName(what + QStringLiteral(" в рублях по курсу ЦБ"));
        m_inputs.append({amount, roubles});
    };
    conversion("gbIncome", QStringLiteral("Полученный доход"), QStringLiteral("Полученный доход"),
               "meIncomeCurrencySum", "pnlIncomeRublSum", m_incomeInCurrency, m_incomeInRoubles);
    conversion("gbTax", QStringLiteral("Налог, уплаченный в иностранном государстве"),
               QStringLiteral("Налог"), "meTaxCurrencySum", "pnlTaxRoubleSum", m_taxInCurrency,
               m_taxInRoubles);

    QGroupBox* deduction = page.group("gbDeduction", QStringLiteral("Вычеты"));
    m_deductionCode = new CodeField(deduction, "pnlSubtractCod", Shows::Code, "bnSubtractCod",
                                    QStringLiteral("Выбрать код вычета"));
    m_deductionAmount =
        new AmountField(deduction, QStringLiteral("meSubtractSum"), Amount::Kopecks);
    FormGrid grid(deduction);
    m_deductionCodeCaption =
        grid.row({{QStringLiteral("Код вычета (расхода)"), m_deductionCode}}).constFirst();
    m_deductionAmountCaption =
        grid.row({{QStringLiteral("Сумма вычета (расхода)"), m_deductionAmount}}).constFirst();
    m_inputs.append(
        {m_deductionCodeCaption, m_deductionCode, m_deductionAmountCaption, m_deductionAmount});
    page.stretch();
    return sums;
}

void TfrCurrency::connectControls()
{
    connect(m_currencyCode, &QLineEdit::textChanged, this, &TfrCurrency::currencyCodeChanged);
    connect(m_currencyCode, &CodeField::pickRequested, this, &TfrCurrency::pickCurrency);
    connect(m_incomeDate, &DateField::dateChanged, this, [this] { dateChanged(RateRow::Income); });
    connect(m_taxPayDate, &DateField::dateChanged, this, [this] { dateChanged(RateRow::Tax); });
    connect(m_autoRates, &QCheckBox::clicked, this, &TfrCurrency::autoRatesClicked);
    connect(m_incomeCode, &CodeField::pickRequested, this, &TfrCurrency::pickIncome);
    connect(m_deductionCode, &CodeField::pickRequested, this, &TfrCurrency::pickDeduction);
    for (QLineEdit* edit :
         std::initializer_list<QLineEdit*>{m_incomeInCurrency, m_incomeDateUnits, m_incomeDateRate})
        connect(edit, &QLineEdit::textChanged, this, &TfrCurrency::incomeAmountChanged);
    for (QLineEdit* edit :
         std::initializer_list<QLineEdit*>{m_taxInCurrency, m_taxDateUnits, m_taxDateRate})
        connect(edit, &QLineEdit::textChanged, this, &TfrCurrency::taxAmountChanged);
}

void TfrCurrency::setInputEnabled(bool enabled)
{
    for (QWidget* widget : m_inputs)
        widget->setEnabled(enabled);
    setRatesEnabled(enabled && !m_autoRates->isChecked());
    m_currencyName->setEnabled(enabled);
}

void TfrCurrency::setRatesEnabled(bool enabled)
{
    for (QWidget* widget : m_rateWidgets)
        widget->setEnabled(enabled);
}

void TfrCurrency::clearInput()
{
    const bool showing = m_showing;
    m_showing = true;
    m_incomeDate->setDate(QDate::currentDate());
    m_taxPayDate->setDate(QDate::currentDate());
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{
             m_currencyName, m_currencyCode, m_incomeDateUnits, m_incomeDateRate, m_taxDateUnits,
             m_taxDateRate, m_incomeCode, m_incomeInCurrency, m_taxInCurrency, m_incomeInRoubles,
             m_taxInRoubles, m_deductionCode, m_deductionAmount, m_proofSheets})
        edit->clear();
    m_autoRates->setChecked(false);
    m_showing = showing;
}

// ---- the selected entry ------------------------------------------------------------------------

void TfrCurrency::store(mTCurrencyIncome& entry) const
{
    entry.IncomeDate = DayCount::fromDate(m_incomeDate->date());
    entry.TaxPayDate = DayCount::fromDate(m_taxPayDate->date());
    entry.CurrencyCode = m_currencyCode->text();
    entry.CurrencyName = m_currencyName->text();
    entry.AutoExchange = m_autoRates->isChecked() ? 1 : 0;
    entry.IncomeUnits = EntryFields::number(m_incomeDateUnits);
    entry.TaxUnits = EntryFields::number(m_taxDateUnits);
    entry.IncomeExchangeRate = m_incomeDateRate->valueOrZero();
    entry.TaxExchangeRate = m_taxDateRate->valueOrZero();
    entry.CurIncomeCode = EntryFields::number(m_incomeCode);
    entry.SetIncomeInCurrency(m_incomeInCurrency->valueOrZero());
    entry.SetTaxInCurrency(m_taxInCurrency->valueOrZero());
    entry.CurDeductCode = EntryFields::number(m_deductionCode);
    entry.CurDeductSum = m_deductionAmount->valueOrZero();
    entry.IncomeTaxRate = m_incomeTaxRate;
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
    m_incomeDate->setDate(DayCount::toDate(entry.IncomeDate));
    m_taxPayDate->setDate(DayCount::toDate(entry.TaxPayDate));
    m_currencyCode->setText(entry.CurrencyCode);
    showCurrencyName();
    if (!m_currencyName->isReadOnly())
        m_currencyName->setText(entry.CurrencyName);
    m_autoWanted = entry.AutoExchange != 0;
    lookUpRate(RateRow::Income);
    lookUpRate(RateRow::Tax);
    m_incomeDateUnits->setText(unitsText(entry.IncomeUnits));
    m_incomeDateRate->setValueOrEmpty(entry.IncomeExchangeRate);
    m_taxDateUnits->setText(unitsText(entry.TaxUnits));
    m_taxDateRate->setValueOrEmpty(entry.TaxExchangeRate);
    setRatesEnabled(!m_autoRates->isChecked());
    m_taxInCurrency->setValueOrEmpty(entry.TaxInCurrency);

    m_incomeTaxRate = entry.IncomeTaxRate;
    m_incomeName = entry.CurIncomeCodeName;
    m_normPercent = entry.CurDeductRate;
    m_deductionLimit = 0;
    m_equivalentDeduction = false;
    m_deductionExpected = false;
    const IncomeCode* income =
        entry.CurIncomeCode != 0 ? m_directory.find(entry.CurIncomeCode) : nullptr;
    if (entry.CurIncomeCode != 0) {
        m_incomeCode->setText(QString::number(entry.CurIncomeCode));
        m_incomeInCurrency->setEnabled(true);
        m_incomeInCurrency->setValueOrEmpty(entry.IncomeInCurrency);
    } else {
        m_incomeCode->clear();
        m_incomeName.clear();
        m_incomeInCurrency->clear();
        m_incomeInCurrency->setEnabled(false);
    }
    incomeAmountChanged();
    taxAmountChanged();
    if (income != nullptr) {
        m_incomeTaxRate = income->rate;
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
    m_deductionCodeCaption->setEnabled(true);
    m_deductionCode->setEnabled(true);
    m_deductionCode->setText(EntryFields::codeText(entry.CurDeductCode));
    m_deductionAmount->setValueOrEmpty(entry.CurDeductSum);
    const DeductionCode* deduction =
        entry.CurDeductCode != 0 ? income.findDeduction(QString::number(entry.CurDeductCode))
                                 : nullptr;
    if (deduction == nullptr) {
        m_deductionCode->clear();
        m_deductionAmount->clear();
        showDeductionAmount(true, false);
        return;
    }
    showDeductionAmount(deduction->visible, deduction->enabled);
    m_normPercent = deduction->normPercent();
    m_deductionLimit = deduction->maxSum;
    m_equivalentDeduction = deduction->equivalent;
    if (m_normPercent != 0 || m_equivalentDeduction)
        recomputeDeduction();
}

void TfrCurrency::setDeductionControls(bool enabled)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_deductionCodeCaption, m_deductionCode, m_deductionAmountCaption, m_deductionAmount})
        widget->setEnabled(enabled);
}

void TfrCurrency::showDeductionAmount(bool shown, bool enabled)
{
    EntryFields::setShown(m_deductionAmount, shown);
    m_deductionAmountCaption->setEnabled(enabled);
    m_deductionAmount->setEnabled(enabled);
}

void TfrCurrency::clearDeduction()
{
    m_deductionExpected = false;
    setDeductionControls(false);
    EntryFields::setShown(m_deductionAmount, true);
    m_deductionCode->clear();
    m_deductionAmount->clear();
}

// ---- currency and rates ------------------------------------------------------------------------

void TfrCurrency::showCurrencyName()
{
    const CurrencyDirectory* currencies = host().currencies();
    const Currency* currency =
        currencies != nullptr ? currencies->find(m_currencyCode->text()) : nullptr;
    if (currency != nullptr) {
        m_currencyName->setText(currency->name);
        m_currencyName->setReadOnly(true);
        m_currencyName->setEnabled(false);
    } else {
        m_currencyName->setReadOnly(false);
        m_currencyName->setEnabled(true);
    }
}

void TfrCurrency::lookUpRate(RateRow row)
{
    const CurrencyDirectory* currencies = host().currencies();
    const QDate date = row == RateRow::Income ? m_incomeDate->date() : m_taxPayDate->date();
    const bool found =
        currencies != nullptr && currencies->rateFor(m_currencyCode->text(), date).found();
    m_autoRates->setEnabled(found);
    m_autoRatesLine->setEnabled(found);
    m_autoRates->setChecked(found && m_autoWanted);
    setRatesEnabled(!m_autoRates->isChecked());
}

void TfrCurrency::fillRate(RateRow row)
{
    QLineEdit* units = row == RateRow::Income ? m_incomeDateUnits : m_taxDateUnits;
    QLineEdit* rate = row == RateRow::Income ? m_incomeDateRate : m_taxDateRate;
    const CurrencyDirectory* currencies = host().currencies();
    const QDate date = row == RateRow::Income ? m_incomeDate->date() : m_taxPayDate->date();
    const RateLookup lookup =
        currencies != nullptr ? currencies->rateFor(m_currencyCode->text(), date) : RateLookup();
    if (m_autoRates->isChecked() && lookup.found()) {
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
                       host().currencies()->find(m_currencyCode->text()) != nullptr;
    showCurrencyName();
    if (!known)
        m_currencyName->clear();
    for (RateRow row : {RateRow::Income, RateRow::Tax}) {
        lookUpRate(row);
        if (m_autoRates->isEnabled())
            fillRate(row);
    }
}

void TfrCurrency::dateChanged(RateRow row)
{
    if (m_showing)
        return;
    host().NotifyDocumentChanged();
    lookUpRate(row);
    if (m_autoRates->isEnabled())
        fillRate(row);
}

void TfrCurrency::autoRatesClicked(bool checked)
{
    host().NotifyDocumentChanged();
    m_autoWanted = checked;
    setRatesEnabled(!checked);
    if (checked) {
        fillRate(RateRow::Income);
        fillRate(RateRow::Tax);
    } else {
        for (QLineEdit* edit : std::initializer_list<QLineEdit*>{
                 m_incomeDateUnits, m_incomeDateRate, m_taxDateUnits, m_taxDateRate})
            edit->clear();
    }
}

void TfrCurrency::pickCurrency(const QString& search)
{
    const CurrencyDirectory* currencies = host().currencies();
    if (currencies == nullptr)
        return;
    QList<PickerRow> rows;
    for (const Currency& currency : currencies->currencies())
        rows.append({currency.code, currency.name});
    TfmInputCurrencyCode picker(this, rows);
    picker.PreselectCurrency(m_currencyCode->text());
    picker.setSearchText(search);
    if (host().interaction().execDialog(picker) != QDialog::Accepted ||
        picker.chosenCode() == m_currencyCode->text())
        return;
    m_currencyCode->setText(picker.chosenCode());
    host().NotifyDocumentChanged();
}

// ---- amounts and codes -------------------------------------------------------------------------

Money TfrCurrency::roublesOf(const AmountField* amount, const QLineEdit* units,
                             const AmountField* rate) const
{
    if (EntryFields::isBlank(amount) || EntryFields::isBlank(units) || EntryFields::isBlank(rate))
        return Money();
    return mTCurrencyIncome::ToRoubles(amount->valueOrZero(), rate->valueOrZero(),
                                       EntryFields::number(units));
}

void TfrCurrency::incomeAmountChanged()
{
    m_incomeInRoubles->setText(EntryFields::amountText(
        roublesOf(m_incomeInCurrency, m_incomeDateUnits, m_incomeDateRate)));
    if (!m_showing && m_deductionExpected)
        recomputeDeduction();
}

void TfrCurrency::taxAmountChanged()
{
    m_taxInRoubles->setText(
        EntryFields::amountText(roublesOf(m_taxInCurrency, m_taxDateUnits, m_taxDateRate)));
}

void TfrCurrency::recomputeDeduction()
{
    const Money roubles = roublesOf(m_incomeInCurrency, m_incomeDateUnits, m_incomeDateRate);
    const Money deduction =
        DeductionAmount::Following(roubles, m_normPercent, m_equivalentDeduction).value_or(Money());
    m_deductionAmount->setValue(
        DeductionAmount::Capped(deduction, Money::fromRoubles(m_deductionLimit)));
}

void TfrCurrency::pickIncome(const QString& search)
{
    TfmInputIncomeCode picker(this, false, m_incomeCode->text(), QString(), m_directory);
    picker.setSearchText(search);
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    const IncomeCode* choice = picker.chosen();
    if (choice == nullptr || choice->code == m_incomeCode->text())
        return;
    host().NotifyDocumentChanged();
    m_normPercent = 0;
    m_deductionLimit = 0;
    m_equivalentDeduction = false;
    m_incomeTaxRate = choice->rate;
    m_incomeName = choice->name;
    m_incomeCode->setText(choice->code);
    m_incomeInCurrency->setEnabled(true);
    clearDeduction();
    m_deductionExpected = !choice->deductions.isEmpty();
    m_deductionCodeCaption->setEnabled(m_deductionExpected);
    m_deductionCode->setEnabled(m_deductionExpected);
}

void TfrCurrency::pickDeduction(const QString& search)
{
    TfmInputDeductCode picker(this, true, m_deductionCode->text(), m_incomeCode->text(),
                              m_directory);
    picker.setSearchText(search);
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    const DeductionCode* choice = picker.chosen();
    if (choice == nullptr || choice->code == m_deductionCode->text())
        return;
    host().NotifyDocumentChanged();
    m_deductionCode->setText(choice->code);
    m_deductionAmount->clear();
    m_deductionLimit = choice->maxSum;
    m_normPercent = choice->normPercent();
    m_equivalentDeduction = choice->equivalent;
    showDeductionAmount(choice->visible, choice->enabled);
    if (m_normPercent != 0 || m_equivalentDeduction)
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
    const QString name = document().CurrencyIncomes.At(row).CurSourceName;
    if (!host().interaction().confirmDeletion(
            this, QStringLiteral("Удалить источник «%1» и его доход?").arg(name)))
        return;
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
    doc.SetForeignProofSheets(EntryFields::number(m_proofSheets));
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
