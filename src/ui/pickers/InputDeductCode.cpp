#include "ui/pickers/InputDeductCode.h"

namespace {

QList<DeductionCode> listedDeductions(bool allAllowed, const QString& incomeCode,
                                      const IncomeCodeDirectory& directory)
{
    QList<DeductionCode> listed;
    const IncomeCode* income = directory.find(incomeCode);
    if (income == nullptr)
        return listed;
    for (const DeductionCode& deduction : income->deductions) {
        const bool offered = deduction.code.startsWith(QLatin1String("20")) ||
                             deduction.code == QLatin1String("0") ||
                             deduction.code.startsWith(QLatin1Char('5'));
        if (allAllowed || offered)
            listed.append(deduction);
    }
    return listed;
}

QList<PickerRow> rowsOf(const QList<DeductionCode>& deductions)
{
    QList<PickerRow> rows;
    rows.reserve(deductions.size());
    for (const DeductionCode& deduction : deductions)
        rows.append({deduction.code, deduction.name});
    return rows;
}

} // namespace

TfmInputDeductCode::TfmInputDeductCode(QWidget* parent, bool allAllowed, const QString& currentCode,
                                       const QString& incomeCode,
                                       const IncomeCodeDirectory& directory)
    : TfmListPicker(parent, QStringLiteral("Справочник видов вычетов"),
                    QStringLiteral("Виды вычетов"),
                    rowsOf(listedDeductions(allAllowed, incomeCode, directory))),
      m_listed(listedDeductions(allAllowed, incomeCode, directory))
{
    if (!Preselect(currentCode))
        selectRow(0);
}

const DeductionCode* TfmInputDeductCode::chosen() const
{
    for (const DeductionCode& deduction : m_listed) {
        if (deduction.code == chosenCode())
            return &deduction;
    }
    return nullptr;
}
