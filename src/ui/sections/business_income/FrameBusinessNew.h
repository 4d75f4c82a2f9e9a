#pragma once

#include "ui/widgets/OtherIncomeListFrame.h"

#include <QList>

class AmountField;
class QCheckBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class mTBusinessNew;

// Business and private-practice income (the list Businesses): one entry per kind of activity with
// its income and either documented expenses in detail or the flat-rate expenses of 20 % of the
// income; and, for the whole declaration, the advance payments and the farm household data.
class TfrBusinessNew : public OtherIncomeListFrame
{
    Q_OBJECT

public:
    TfrBusinessNew(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override;
    void FocusError(quint16 code) override;

    static QString sectionName();
    // The row text of an activity.
    static QString RowText(const mTBusinessNew& entry);

protected:
    void rowLeft(int row) override;
    void rowShown(int row) override;
    void addEntry() override;
    void editEntry(int row) override;
    void deleteEntry(int row) override;

private:
    QGroupBox* buildIncome();
    QGroupBox* buildAdvances();
    QGroupBox* buildFarm();
    void loadDeclarationFields();
    void setInputEnabled(bool enabled);
    void store(mTBusinessNew& entry) const;
    void incomeChanged();
    void showExpenseMode(bool documented);
    void expensesClicked(bool documented);
    void farmClicked(bool farm);
    void applyFarmState();

    // The boxes that take an entry's amounts and the advance payments: enabled while the list
    // holds an entry.
    QGroupBox* m_gbIncome;
    QGroupBox* m_gbAdvances;
    AmountField* m_meIncome;
    QCheckBox* m_chbDocumentedExpenses;
    // Shown while the expenses are the flat rate: 20 % of the income, worked out.
    AmountField* m_pnlFlatRateExpenses;
    // Shown while the expenses are documented: their total and its parts.
    QLabel* m_lbIncluding;
    AmountField* m_meExpensesTotal;
    AmountField* m_meMaterialExpenses;
    AmountField* m_meDepreciation;
    AmountField* m_meLabourCosts;
    AmountField* m_meLabourContracts;
    AmountField* m_meOtherExpenses;
    AmountField* m_meAccruedAdvance;
    AmountField* m_meActualAdvance;
    QCheckBox* m_chbFarm;
    // The farm's year of founding and exempt income, with their captions: enabled while the farm
    // box is ticked.
    QList<QWidget*> m_farmFields;
    QSpinBox* m_meFarmStartYear;
    AmountField* m_meFarmExemptIncome;
};
