#include "ui/sections/business_income/FrameBusinessNew.h"

#include "calc/EntryFigures.h"
#include "check/BusinessRules.h"
#include "check/SectionCheckRun.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/sections/business_income/InputBusinessIncome.h"
#include "ui/widgets/EntryFields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrBusinessNew::TfrBusinessNew(QWidget* parent, FrameHost& host)
    : OtherIncomeListFrame(parent, host, QStringLiteral("Виды деятельности"),
                           QStringLiteral("Список видов деятельности"))
{
    setObjectName(QStringLiteral("TfrBusinessNew"));
    buildControls();
    const mTDeclaration& doc = document();
    m_meBeginninFH->setMaximum(doc.TaxYear == 2013 ? 2013 : 2014);

    QStringList rows;
    for (const mTBusinessNew& entry : doc.Businesses)
        rows.append(RowText(entry));
    fillRows(rows);

    m_meActualPrepayment->setText(EntryFields::amountText(doc.ActualAdvance));
    m_meNachPrepayment->setText(EntryFields::amountText(doc.AccruedAdvance));
    m_cbIsFH->setChecked(doc.IsFarm != 0);
    m_meFHSum->setText(EntryFields::amountText(doc.FarmExemptIncome));
    const QDate start = DayCount::toDate(doc.FarmStartDate);
    if (start.isValid() && start.year() >= m_meBeginninFH->minimum() &&
        start.year() <= m_meBeginninFH->maximum())
        m_meBeginninFH->setValue(start.year());
    else
        m_meBeginninFH->clear();
    setInputEnabled(doc.Businesses.Count() > 0);
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

void TfrBusinessNew::buildControls()
{
    auto* income = new QGroupBox(this);
    m_maskedEdit1 = EntryFields::amount(income, QStringLiteral("MaskedEdit1"));
    m_chbIsConfirmedExpensies =
        new QCheckBox(QStringLiteral("Имеются документально подтв. расходы"), income);
    m_chbIsConfirmedExpensies->setObjectName(QStringLiteral("chbIsConfirmedExpensies"));
    m_lbPanel5 = new QLabel(QStringLiteral("Итого расходов"), income);
    m_panel5 = EntryFields::panel(income, "Panel5");
    auto* grid = new QGridLayout(income);
    auto* incomeLabel = new QLabel(QStringLiteral("Сумма дохода"), income);
    grid->addWidget(incomeLabel, 0, 0);
    grid->addWidget(m_maskedEdit1, 0, 1);
    grid->addWidget(m_chbIsConfirmedExpensies, 1, 0, 1, 2);
    grid->addWidget(m_lbPanel5, 2, 0);
    grid->addWidget(m_panel5, 2, 1);
    static const char* const kNames[] = {"MaskedEdit2", "MaskedEdit3", "MaskedEdit4",
                                         "MaskedEdit5", "MaskedEdit6", "MaskedEdit7"};
    const QString captions[] = {
        QStringLiteral("Итого расходов "),         QStringLiteral("Мат. расходы"),
        QStringLiteral("Амортизац. начисл."),      QStringLiteral("Оплата труда"),
        QStringLiteral("в т.ч. по тр. договорам"), QStringLiteral("Прочие расходы")};
    auto* including = new QLabel(QStringLiteral("в том числе"), income);
    for (int i = 0; i < 6; ++i) {
        m_details[size_t(i)] = EntryFields::amount(income, QString::fromLatin1(kNames[i]));
        auto* label = new QLabel(captions[i], income);
        const int row = 3 + i + (i > 0 ? 1 : 0);
        grid->addWidget(label, row, 0);
        grid->addWidget(m_details[size_t(i)], row, 1);
        m_detailWidgets.append({label, m_details[size_t(i)]});
        if (i == 0) {
            grid->addWidget(including, 4, 0);
            m_detailWidgets.append(including);
        }
    }

    auto* payments = new QGroupBox(this);
    m_meNachPrepayment = EntryFields::amount(payments, QStringLiteral("meNachPrepayment"));
    m_meActualPrepayment = EntryFields::amount(payments, QStringLiteral("meActualPrepayment"));
    auto* nachLabel = new QLabel(QStringLiteral("Начисленные платежи"), payments);
    auto* actualLabel = new QLabel(QStringLiteral("Фактические платежи"), payments);
    auto* paymentGrid = new QGridLayout(payments);
    paymentGrid->addWidget(nachLabel, 0, 0);
    paymentGrid->addWidget(m_meNachPrepayment, 0, 1);
    paymentGrid->addWidget(actualLabel, 1, 0);
    paymentGrid->addWidget(m_meActualPrepayment, 1, 1);

    auto* farm = new QGroupBox(this);
    m_cbIsFH = new QCheckBox(QStringLiteral("Крестьянское (фермерское) хозяйство"), farm);
    m_cbIsFH->setObjectName(QStringLiteral("cbIsFH"));
    auto* yearLabel = new QLabel(QStringLiteral("Год образования"), farm);
    m_meBeginninFH = new QSpinBox(farm);
    m_meBeginninFH->setObjectName(QStringLiteral("meBeginninFH"));
    m_meBeginninFH->setRange(1997, 2013);
    auto* sumLabel = new QLabel(QStringLiteral("Необлагаемый доход"), farm);
    m_meFHSum = EntryFields::amount(farm, QStringLiteral("meFHSum"));
    auto* farmGrid = new QGridLayout(farm);
    farmGrid->addWidget(m_cbIsFH, 0, 0, 1, 2);
    farmGrid->addWidget(yearLabel, 1, 0);
    farmGrid->addWidget(m_meBeginninFH, 1, 1);
    farmGrid->addWidget(sumLabel, 2, 0);
    farmGrid->addWidget(m_meFHSum, 2, 1);
    m_farmWidgets = {yearLabel, m_meBeginninFH, sumLabel, m_meFHSum};

    detailArea()->addWidget(income);
    detailArea()->addWidget(payments);
    detailArea()->addWidget(farm);
    detailArea()->addStretch();

    m_inputs = {incomeLabel,          m_maskedEdit1, m_chbIsConfirmedExpensies,
                m_lbPanel5,           m_panel5,      m_meNachPrepayment,
                m_meActualPrepayment, nachLabel,     actualLabel};
    m_inputs.append(m_detailWidgets);

    connect(m_maskedEdit1, &QLineEdit::textChanged, this, &TfrBusinessNew::incomeChanged);
    connect(m_chbIsConfirmedExpensies, &QCheckBox::clicked, this, &TfrBusinessNew::expensesClicked);
    connect(m_cbIsFH, &QCheckBox::clicked, this, &TfrBusinessNew::farmClicked);
}

void TfrBusinessNew::setInputEnabled(bool enabled)
{
    for (QWidget* widget : m_inputs)
        widget->setEnabled(enabled);
    m_cbIsFH->setEnabled(enabled);
    if (enabled) {
        applyFarmState();
        return;
    }
    m_cbIsFH->setChecked(false);
    applyFarmState();
    for (QLineEdit* edit : {m_meFHSum, m_meNachPrepayment, m_meActualPrepayment})
        edit->setText(QStringLiteral("0"));
}

void TfrBusinessNew::applyFarmState()
{
    for (QWidget* widget : m_farmWidgets)
        widget->setEnabled(m_cbIsFH->isEnabled() && m_cbIsFH->isChecked());
}

void TfrBusinessNew::showExpenseMode(bool documented)
{
    m_chbIsConfirmedExpensies->setChecked(documented);
    for (QWidget* widget : m_detailWidgets)
        widget->setVisible(documented);
    m_lbPanel5->setVisible(!documented);
    m_panel5->setVisible(!documented);
}

void TfrBusinessNew::incomeChanged()
{
    m_panel5->setText(EntryFields::isBlank(m_maskedEdit1)
                          ? QStringLiteral("0")
                          : EntryFields::amountText(EntryFigures::FlatRateExpenses(
                                EntryFields::amountOrZero(m_maskedEdit1))));
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
    entry.BusinessIncome = EntryFields::amountOrZero(m_maskedEdit1);
    if (m_chbIsConfirmedExpensies->isChecked()) {
        entry.HasDocumentedExpenses = 1;
        entry.ExpensesTotal = EntryFields::amountOrZero(m_details[0]);
        entry.MaterialExpenses = EntryFields::amountOrZero(m_details[1]);
        entry.Depreciation = EntryFields::amountOrZero(m_details[2]);
        entry.LabourCosts = EntryFields::amountOrZero(m_details[3]);
        entry.LabourContracts = EntryFields::amountOrZero(m_details[4]);
        entry.OtherExpenses = EntryFields::amountOrZero(m_details[5]);
    } else {
        entry.HasDocumentedExpenses = 0;
        entry.FlatRateExpenses = EntryFields::amountOrZero(m_panel5);
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
    m_maskedEdit1->setText(EntryFields::amountText(entry.BusinessIncome));
    const Money details[] = {entry.ExpensesTotal, entry.MaterialExpenses, entry.Depreciation,
                             entry.LabourCosts,   entry.LabourContracts,  entry.OtherExpenses};
    for (size_t i = 0; i < m_details.size(); ++i)
        m_details[i]->setText(EntryFields::amountText(details[i]));
    m_panel5->setText(EntryFields::amountText(entry.FlatRateExpenses));
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
    doc.ActualAdvance = EntryFields::amountOrZero(m_meActualPrepayment);
    doc.AccruedAdvance = EntryFields::amountOrZero(m_meNachPrepayment);
    doc.IsFarm = m_cbIsFH->isChecked() ? 1 : 0;
    doc.FarmExemptIncome = EntryFields::amountOrZero(m_meFHSum);
    // The year the field holds, not a half-typed text it will throw away when left; an empty
    // field keeps the year that stands for "not given".
    const bool empty = m_meBeginninFH->cleanText().trimmed().isEmpty();
    doc.FarmStartDate = DayCount::fromDate(empty ? 2000 : m_meBeginninFH->value(), 1, 1);
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
