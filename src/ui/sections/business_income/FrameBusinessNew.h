#pragma once

#include "ui/widgets/OtherIncomeListFrame.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
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
    void buildControls();
    void setInputEnabled(bool enabled);
    void store(mTBusinessNew& entry) const;
    void incomeChanged();
    void showExpenseMode(bool documented);
    void expensesClicked(bool documented);
    void farmClicked(bool farm);
    void applyFarmState();

    QList<QWidget*> m_inputs;
    QLineEdit* m_maskedEdit1;
    QCheckBox* m_chbIsConfirmedExpensies;
    QLabel* m_lbPanel5;
    QLineEdit* m_panel5;
    QList<QWidget*> m_detailWidgets;
    std::array<QLineEdit*, 6> m_details{};
    QLineEdit* m_meNachPrepayment;
    QLineEdit* m_meActualPrepayment;
    QCheckBox* m_cbIsFH;
    QList<QWidget*> m_farmWidgets;
    QSpinBox* m_meBeginninFH;
    QLineEdit* m_meFHSum;
};
