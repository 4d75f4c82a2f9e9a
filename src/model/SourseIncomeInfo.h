#pragma once

#include "model/Money.h"
#include "model/RecordIO.h"

#include <QString>

// What every source of income in the country has: its identification, its total and the tax it
// withheld.
class mTSourseIncomeInfo
{
public:
    virtual ~mTSourseIncomeInfo() = default;

    QString SourceINN;
    QString SourceKPP;
    QString SourceOKTMO;
    QString SourceName;
    Money TotalIncome;
    Money TaxWithheld;

    // Reads or writes the record at position of its list; nonResident chooses the stream names
    // of the non-resident list where a record has them.
    virtual void Transfer(RecordIO& io, int position, bool nonResident) = 0;

    bool operator==(const mTSourseIncomeInfo&) const = default;

protected:
    mTSourseIncomeInfo() = default;
    mTSourseIncomeInfo(const mTSourseIncomeInfo&) = default;
    mTSourseIncomeInfo& operator=(const mTSourseIncomeInfo&) = default;

    void TransferSource(RecordIO& io);
};
