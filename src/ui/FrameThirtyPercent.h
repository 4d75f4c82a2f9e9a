#pragma once

#include "OtherIncomeListFrame.h"

class QLabel;
class QLineEdit;

// Dividends by source of payment (the list Income30), entered through TfmInput30SourseIncome.
// Every value reaches the document when the dialog is confirmed, so storing and checking the
// frame do nothing.
class TfrThirtyPercent : public OtherIncomeListFrame
{
    Q_OBJECT

public:
    TfrThirtyPercent(QWidget* parent, FrameHost& host);

    void StoreData() override {}
    quint16 CheckData() override { return 0; }
    void FocusError(quint16 /*code*/) override {}

protected:
    void rowShown(int row) override;
    void addEntry() override;
    void editEntry(int row) override;
    void deleteEntry(int row) override;

private:
    void clearPanels();

    QLineEdit* m_pnlItogIncomeSum;
    QLineEdit* m_pnlHoldSum;
    QLineEdit* m_pnlTaxable;
    QLineEdit* m_pnlTaxComputed;
};
