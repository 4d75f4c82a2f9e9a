#pragma once

#include "directories/IncomeCodeDirectory.h"
#include "ui/pickers/ListPicker.h"

// The picker of income codes, "Справочник видов доходов": the codes of the directory at one
// rate (every code with an empty rate filter), or only those offered to non-residents at 13 %.
class TfmInputIncomeCode : public TfmListPicker
{
    Q_OBJECT

public:
    TfmInputIncomeCode(QWidget* parent, bool nonResidentOnly, const QString& currentCode,
                       const QString& rateFilter, const IncomeCodeDirectory& directory);

    // The chosen directory entry, or null before a row is chosen.
    const IncomeCode* chosen() const;
    // The rate of the chosen code: the filter, or the entry's own rate without a filter.
    QString chosenRate() const;

private:
    QList<IncomeCode> m_listed;
    QString m_rateFilter;
};
