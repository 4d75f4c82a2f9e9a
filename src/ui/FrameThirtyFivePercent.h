#pragma once

#include "OtherIncomeListFrame.h"

class QLineEdit;

// Income taxed at 35 % by source of payment (the list Income35), entered through
// TfmInput35SourseIncome. Every value reaches the document when the dialog is confirmed, so
// storing and checking the frame do nothing.
class TfrThirtyFivePercent : public OtherIncomeListFrame
{
    Q_OBJECT

public:
    TfrThirtyFivePercent(QWidget* parent, FrameHost& host);

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

    QLineEdit* m_pnlIncomeCod;
    QLineEdit* m_pnlItogIncomeSum;
    QLineEdit* m_pnlSubtractCod;
    QLineEdit* m_pnlSubtractSum;
    QLineEdit* m_pnlHoldSum;
};
