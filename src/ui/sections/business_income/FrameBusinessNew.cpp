#include "ui/sections/business_income/FrameBusinessNew.h"

#include "calc/EntryFigures.h"
#include "check/BusinessRules.h"
#include "check/SectionCheckRun.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/sections/business_income/InputBusinessIncome.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/Choices.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrBusinessNew::TfrBusinessNew(QWidget* parent, FrameHost& host)
    : OtherIncomeListFrame(parent, host, QStringLiteral("Виды деятельности"),
                           QStringLiteral("Список видов деятельности"))
{
    setObjectName(QStringLiteral("TfrBusinessNew"));
    // The list is named by its column's caption.
    list()->setAccessibleName(QStringLiteral("Виды деятельности"));
    detailArea()->addWidget(m_gbIncome = buildIncome());
    detailArea()->addWidget(m_gbAdvances = buildAdvances());
    detailArea()->addWidget(buildFarm());
    detailArea()->addStretch();
    connect(m_meIncome, &QLineEdit::textChanged, this, &TfrBusinessNew::incomeChanged);
    connect(m_chbDocumentedExpenses, &QCheckBox::clicked, this, &TfrBusinessNew::expensesClicked);
    connect(m_chbFarm, &QCheckBox::clicked, this, &TfrBusinessNew::farmClicked);

    QStringList rows;
    for (const mTBusinessNew& entry : document().Businesses)
        rows.append(RowText(entry));
    fillRows(rows);
    loadDeclarationFields();
    setInputEnabled(document().Businesses.Count() > 0);
    showExpenseMode(false);
}

QString TfrBusinessNew::sectionName()
{
    return QStringLiteral("Доходы от предпринимательской деятельности");
}

QString TfrBusinessNew::RowText(const mTBusinessNew& entry)
{
    if (entry.ActivityKind == QLatin1String("1"))
        return entry.ActivityName;
    if (entry.ActivityKind == QLatin1String("2"))
        return QStringLiteral("Нотариальная деятельность");
    if (entry.ActivityKind == QLatin1String("3"))
        return QStringLiteral("Адвокатская деятельность");
    if (entry.ActivityKind == QLatin1String("4"))
        return QStringLiteral("Иная деятельность");
    return {};
}

QGroupBox* TfrBusinessNew::buildIncome()
{
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("gbIncome"));
    m_meIncome = new AmountField(box, QStringLiteral("MaskedEdit1"), Amount::Kopecks);
    m_chbDocumentedExpenses = Choices::checkBox(
        box, "chbIsConfirmedExpensies", QStringLiteral("Имеются документально подтв. расходы"));
    m_chbDocumentedExpenses->setAccessibleDescription(
        QStringLiteral("Имеются документально подтвержденные расходы"));
    m_pnlFlatRateExpenses = new AmountField(box, QStringLiteral("Panel5"), Amount::Kopecks);
    m_pnlFlatRateExpenses->setReadOnly(true);
    // A figure worked out here: Tab stops at it, so that a screen reader reads it.
    EntryFields::looksDisplayed(m_pnlFlatRateExpenses);
    m_meExpensesTotal = new AmountField(box, QStringLiteral("MaskedEdit2"), Amount::Kopecks);
    m_lbIncluding = new QLabel(QStringLiteral("в том числе"), box);
    m_meMaterialExpenses = new AmountField(box, QStringLiteral("MaskedEdit3"), Amount::Kopecks);
    m_meDepreciation = new AmountField(box, QStringLiteral("MaskedEdit4"), Amount::Kopecks);
    m_meLabourCosts = new AmountField(box, QStringLiteral("MaskedEdit5"), Amount::Kopecks);
    m_meLabourContracts = new AmountField(box, QStringLiteral("MaskedEdit6"), Amount::Kopecks);
    m_meOtherExpenses = new AmountField(box, QStringLiteral("MaskedEdit7"), Amount::Kopecks);

    FormGrid grid(box);
    grid.row({{QStringLiteral("Сумма дохода"), m_meIncome}});
    grid.wide(m_chbDocumentedExpenses);
    grid.row({{QStringLiteral("Итого расходов"), m_pnlFlatRateExpenses}});
    grid.row({{QStringLiteral("Итого расходов "), m_meExpensesTotal}});
    grid.wide(m_lbIncluding);
    grid.row({{QStringLiteral("Мат. расходы"), m_meMaterialExpenses}});
    grid.row({{QStringLiteral("Амортизац. начисл."), m_meDepreciation}});
    grid.row({{QStringLiteral("Оплата труда"), m_meLabourCosts}});
    grid.row({{QStringLiteral("в т.ч. по тр. договорам"), m_meLabourContracts}});
    grid.row({{QStringLiteral("Прочие расходы"), m_meOtherExpenses}});
    // What the shortened captions stand for.
    m_meMaterialExpenses->setAccessibleDescription(QStringLiteral("Материальные расходы"));
    m_meDepreciation->setAccessibleDescription(QStringLiteral("Амортизационные начисления"));
    m_meLabourContracts->setAccessibleDescription(
        QStringLiteral("В том числе расходы на оплату труда по трудовым договорам"));
    return box;
}

QGroupBox* TfrBusinessNew::buildAdvances()
{
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("gbAdvances"));
    m_meAccruedAdvance = new AmountField(box, QStringLiteral("meNachPrepayment"), Amount::Kopecks);
    m_meActualAdvance = new AmountField(box, QStringLiteral("meActualPrepayment"), Amount::Kopecks);
    FormGrid grid(box);
    grid.row({{QStringLiteral("Начисленные платежи"), m_meAccruedAdvance}});
    grid.row({{QStringLiteral("Фактические платежи"), m_meActualAdvance}});
    m_meAccruedAdvance->setAccessibleDescription(QStringLiteral("Начисленные авансовые платежи"));
    m_meActualAdvance->setAccessibleDescription(
        QStringLiteral("Фактически уплаченные авансовые платежи"));
    return box;
}

QGroupBox* TfrBusinessNew::buildFarm()
{
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("gbFarm"));
    m_chbFarm =
        Choices::checkBox(box, "cbIsFH", QStringLiteral("Крестьянское (фермерское) хозяйство"));
    m_meFarmStartYear = new QSpinBox(box);
    m_meFarmStartYear->setObjectName(QStringLiteral("meBeginninFH"));
    m_meFarmStartYear->setRange(1997, 2013);
    // As wide as a year, not as its row.
    m_meFarmStartYear->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_meFarmExemptIncome = new AmountField(box, QStringLiteral("meFHSum"), Amount::Kopecks);
    FormGrid grid(box);
    grid.wide(m_chbFarm);
    QLabel* year = grid.row({{QStringLiteral("Год образования"), m_meFarmStartYear}}).constFirst();
    QLabel* exempt =
        grid.row({{QStringLiteral("Необлагаемый доход"), m_meFarmExemptIncome}}).constFirst();
    m_farmFields = {year, m_meFarmStartYear, exempt, m_meFarmExemptIncome};
    return box;
}

void TfrBusinessNew::loadDeclarationFields()
{
    const mTDeclaration& doc = document();
    m_meFarmStartYear->setMaximum(doc.TaxYear == 2013 ? 2013 : 2014);
    m_meActualAdvance->setValue(doc.ActualAdvance);
    m_meAccruedAdvance->setValue(doc.AccruedAdvance);
    m_chbFarm->setChecked(doc.IsFarm != 0);
    m_meFarmExemptIncome->setValue(doc.FarmExemptIncome);
    const QDate start = DayCount::toDate(doc.FarmStartDate);
    if (start.isValid() && start.year() >= m_meFarmStartYear->minimum() &&
        start.year() <= m_meFarmStartYear->maximum())
        m_meFarmStartYear->setValue(start.year());
    else
        m_meFarmStartYear->clear();
}

void TfrBusinessNew::setInputEnabled(bool enabled)
{
    m_gbIncome->setEnabled(enabled);
    m_gbAdvances->setEnabled(enabled);
    m_chbFarm->setEnabled(enabled);
    if (!enabled) {
        m_chbFarm->setChecked(false);
        for (AmountField* amount : {m_meFarmExemptIncome, m_meAccruedAdvance, m_meActualAdvance})
            amount->setValue(Money());
    }
    applyFarmState();
}

void TfrBusinessNew::applyFarmState()
{
    for (QWidget* widget : std::as_const(m_farmFields))
        widget->setEnabled(m_chbFarm->isEnabled() && m_chbFarm->isChecked());
}

void TfrBusinessNew::showExpenseMode(bool documented)
{
    m_chbDocumentedExpenses->setChecked(documented);
    for (QWidget* field : {m_meExpensesTotal, m_meMaterialExpenses, m_meDepreciation,
                           m_meLabourCosts, m_meLabourContracts, m_meOtherExpenses})
        EntryFields::setShown(field, documented);
    m_lbIncluding->setVisible(documented);
    EntryFields::setShown(m_pnlFlatRateExpenses, !documented);
}

void TfrBusinessNew::incomeChanged()
{
    m_pnlFlatRateExpenses->setValue(EntryFigures::FlatRateExpenses(m_meIncome->valueOrZero()));
}

void TfrBusinessNew::expensesClicked(bool documented)
{
    host().NotifyDocumentChanged();
    showExpenseMode(documented);
    if (!documented)
        incomeChanged();
}

void TfrBusinessNew::farmClicked(bool /*farm*/)
{
    host().NotifyDocumentChanged();
    applyFarmState();
}

void TfrBusinessNew::store(mTBusinessNew& entry) const
{
    entry.BusinessIncome = m_meIncome->valueOrZero();
    if (m_chbDocumentedExpenses->isChecked()) {
        entry.HasDocumentedExpenses = 1;
        entry.ExpensesTotal = m_meExpensesTotal->valueOrZero();
        entry.MaterialExpenses = m_meMaterialExpenses->valueOrZero();
        entry.Depreciation = m_meDepreciation->valueOrZero();
        entry.LabourCosts = m_meLabourCosts->valueOrZero();
        entry.LabourContracts = m_meLabourContracts->valueOrZero();
        entry.OtherExpenses = m_meOtherExpenses->valueOrZero();
    } else {
        entry.HasDocumentedExpenses = 0;
        entry.FlatRateExpenses = m_pnlFlatRateExpenses->valueOrZero();
    }
}

void TfrBusinessNew::rowLeft(int row)
{
    store(document().Businesses.At(row));
}

void TfrBusinessNew::rowShown(int row)
{
    const mTBusinessNew& entry = document().Businesses.At(row);
    showExpenseMode(entry.HasDocumentedExpenses == 1);
    m_meIncome->setValue(entry.BusinessIncome);
    m_meExpensesTotal->setValue(entry.ExpensesTotal);
    m_meMaterialExpenses->setValue(entry.MaterialExpenses);
    m_meDepreciation->setValue(entry.Depreciation);
    m_meLabourCosts->setValue(entry.LabourCosts);
    m_meLabourContracts->setValue(entry.LabourContracts);
    m_meOtherExpenses->setValue(entry.OtherExpenses);
    m_pnlFlatRateExpenses->setValue(entry.FlatRateExpenses);
}

void TfrBusinessNew::addEntry()
{
    mTDeclaration& doc = document();
    if (refuseWhenFull(doc.Businesses.IsFull()))
        return;
    TfmInputBusinessIncome dialog(this, host());
    if (host().interaction().execDialog(dialog) != QDialog::Accepted)
        return;
    if (dialog.kind() == QLatin1String("1") && dialog.activityName().trimmed().isEmpty())
        return;
    host().NotifyDocumentChanged();
    if (rowCount() == 0)
        setInputEnabled(true);
    const int row = doc.Businesses.Add();
    mTBusinessNew& entry = doc.Businesses.At(row);
    entry.ActivityKind = dialog.kind();
    entry.ActivityName = dialog.activityName();
    entry.HasDocumentedExpenses = 0;
    appendRow(RowText(entry));
    selectRow(row);
}

void TfrBusinessNew::editEntry(int row)
{
    mTBusinessNew& entry = document().Businesses.At(row);
    TfmInputBusinessIncome dialog(this, host());
    dialog.Fill(entry.ActivityKind, entry.ActivityName);
    if (host().interaction().execDialog(dialog) != QDialog::Accepted)
        return;
    host().NotifyDocumentChanged();
    entry.ActivityKind = dialog.kind();
    entry.ActivityName = dialog.activityName();
    setRowText(row, RowText(entry));
    selectRow(row);
}

void TfrBusinessNew::deleteEntry(int row)
{
    const QString name = RowText(document().Businesses.At(row));
    const QString question = name.isEmpty()
                                 ? QStringLiteral("Удалить вид деятельности?")
                                 : QStringLiteral("Удалить вид деятельности «%1»?").arg(name);
    if (!host().interaction().confirmDeletion(this, question))
        return;
    host().NotifyDocumentChanged();
    document().Businesses.Delete(row);
    if (removeRowAndSelectNeighbour(row) < 0)
        setInputEnabled(false);
}

void TfrBusinessNew::StoreData()
{
    mTDeclaration& doc = document();
    if (selectedRow() >= 0)
        store(doc.Businesses.At(selectedRow()));
    doc.ActualAdvance = m_meActualAdvance->valueOrZero();
    doc.AccruedAdvance = m_meAccruedAdvance->valueOrZero();
    doc.IsFarm = m_chbFarm->isChecked() ? 1 : 0;
    doc.FarmExemptIncome = m_meFarmExemptIncome->valueOrZero();
    // The year the field holds, not a half-typed text it will throw away when left; an empty
    // field keeps the year that stands for "not given".
    const bool empty = m_meFarmStartYear->cleanText().trimmed().isEmpty();
    doc.FarmStartDate = DayCount::fromDate(empty ? 2000 : m_meFarmStartYear->value(), 1, 1);
}

quint16 TfrBusinessNew::CheckData()
{
    WindowCheckAnswerer answerer(host().interaction(), this);
    SectionCheckRun run(answerer, sectionName());
    run.failEach(BusinessFailures(document(), CheckScope::Section, QLatin1Char(',')));
    return run.result();
}

void TfrBusinessNew::FocusError(quint16 code)
{
    if (rowCount() == 0 || code == 0 || code > rowCount())
        return;
    list()->setFocus();
    selectRow(code - 1);
}
