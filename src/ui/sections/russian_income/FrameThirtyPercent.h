#pragma once

#include "model/ThirtyPercent.h"
#include "ui/sections/russian_income/Input30SourseIncome.h"
#include "ui/widgets/PaymentSourceListFrame.h"

// Dividends by source of payment (the list Income30), entered through TfmInput30SourseIncome.
class TfrThirtyPercent : public PaymentSourceListFrame<mTThirtyPercent, TfmInput30SourseIncome>
{
    Q_OBJECT

public:
    TfrThirtyPercent(QWidget* parent, FrameHost& host);

protected:
    void rowShown(int row) override;
    void clearPanels() override;
    void initialise(mTThirtyPercent& entry) const override;

private:
    QLineEdit* m_dividends;
    QLineEdit* m_taxWithheld;
    QLineEdit* m_taxableDividends;
    QLineEdit* m_taxComputed;
};
