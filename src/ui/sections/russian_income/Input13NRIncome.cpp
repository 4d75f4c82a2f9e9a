#include "ui/sections/russian_income/Input13NRIncome.h"

TfmInput13NRIncome::TfmInput13NRIncome(QWidget* parent, Interaction& interaction)
    : TfmInput13Income(parent, interaction, Variant::Specialist)
{
    setObjectName(QStringLiteral("TfmInput13NRIncome"));
}
