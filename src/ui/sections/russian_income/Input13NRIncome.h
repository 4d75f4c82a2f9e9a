#pragma once

#include "ui/sections/russian_income/Input13Income.h"

// The income line of a highly qualified non-resident specialist at 13 %: only the codes offered
// to non-residents, every deduction of the code, and deduction amounts that are typed and only
// capped at the deduction's maximum.
class TfmInput13NRIncome : public TfmInput13Income
{
    Q_OBJECT

public:
    TfmInput13NRIncome(QWidget* parent, Interaction& interaction);
};
