#include "ui/pickers/InputIncomeCode.h"

namespace {

QList<IncomeCode> listedCodes(bool nonResidentOnly, const QString& rateFilter,
                              const IncomeCodeDirectory& directory)
{
    QList<IncomeCode> listed;
    for (const IncomeCode& income : directory.incomes()) {
        if (!rateFilter.isEmpty() && QString::number(income.rate) != rateFilter)
            continue;
        if (nonResidentOnly && !income.nonResident13)
            continue;
        listed.append(income);
    }
    return listed;
}

QList<PickerRow> rowsOf(const QList<IncomeCode>& codes)
{
    QList<PickerRow> rows;
    rows.reserve(codes.size());
    for (const IncomeCode& income : codes)
        rows.append({income.code, income.name});
    return rows;
}

} // namespace

TfmInputIncomeCode::TfmInputIncomeCode(QWidget* parent, bool nonResidentOnly,
                                       const QString& currentCode, const QString& rateFilter,
                                       const IncomeCodeDirectory& directory)
    : TfmListPicker(parent, QStringLiteral("Справочник видов доходов"),
                    QStringLiteral("Наименование дохода"),
                    rowsOf(listedCodes(nonResidentOnly, rateFilter, directory))),
      m_listed(listedCodes(nonResidentOnly, rateFilter, directory)), m_rateFilter(rateFilter)
{
    if (!Preselect(currentCode))
        selectRow(0);
}

const IncomeCode* TfmInputIncomeCode::chosen() const
{
    for (const IncomeCode& income : m_listed) {
        if (income.code == chosenCode())
            return &income;
    }
    return nullptr;
}

QString TfmInputIncomeCode::chosenRate() const
{
    if (!m_rateFilter.isEmpty())
        return m_rateFilter;
    const IncomeCode* income = chosen();
    return income != nullptr ? QString::number(income->rate) : QString();
}
