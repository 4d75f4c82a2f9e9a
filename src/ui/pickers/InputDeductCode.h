#pragma once

#include "directories/IncomeCodeDirectory.h"
#include "ui/pickers/ListPicker.h"

// The picker of deduction codes, "Справочник видов вычетов": the deductions the directory allows
// for one income code; without allAllowed only the codes beginning with "20" or "5" and the
// code "0".
class TfmInputDeductCode : public TfmListPicker
{
    Q_OBJECT

public:
    TfmInputDeductCode(QWidget* parent, bool allAllowed, const QString& currentCode,
                       const QString& incomeCode, const IncomeCodeDirectory& directory);

    // The chosen deduction, or null before a row is chosen.
    const DeductionCode* chosen() const;

private:
    QList<DeductionCode> m_listed;
};
