#pragma once

#include "model/ThirtyFivePercent.h"
#include "ui/sections/russian_income/Input35SourseIncome.h"
#include "ui/widgets/PaymentSourceListFrame.h"

// Income taxed at 35 % by source of payment (the list Income35), entered through
// TfmInput35SourseIncome; an entry needs an income code besides its name.
class TfrThirtyFivePercent
    : public PaymentSourceListFrame<mTThirtyFivePercent, TfmInput35SourseIncome>
{
    Q_OBJECT

public:
    TfrThirtyFivePercent(QWidget* parent, FrameHost& host);

protected:
    void rowShown(int row) override;
    void clearPanels() override;
    bool complete(const TfmInput35SourseIncome& dialog) const override;

private:
    QLineEdit* m_incomeCode;
    QLineEdit* m_income;
    QLineEdit* m_deductCode;
    QLineEdit* m_deduction;
    QLineEdit* m_taxWithheld;
};
