#pragma once

#include "model/Money.h"
#include "model/RecordIO.h"

#include <QString>

// The property (purchase) deduction: the object, its dates and costs, and the amounts of earlier
// years.
class mTConstructionDeduct
{
public:
    mTConstructionDeduct();

    quint8 PropertyEnabled = 0;
    qint32 ObjectKind = 0;
    qint32 OwnershipKind = 0;
    qint32 OwnerSign = 0;
    QString ObjPostIndex;
    QString ObjRegionCode;
    QString ObjRegionName;
    QString ObjDistrict;
    QString ObjCity;
    QString ObjLocality;
    QString ObjStreet;
    QString ObjHouse;
    QString ObjBuilding;
    QString ObjFlat;
    double RightRegDate;
    double LandRegDate = 0;
    double ActDate;
    double ApplicationDate = 0;
    double StartYearDate;
    Money CarriedCost;
    Money CarriedInterest;
    Money PriorYearsDeduction;
    Money PriorYearsInterest;
    Money Share;
    Money PriorYearsAgentDeduction;
    Money PriorYearsAgentInterest;
    Money ObjectCost;
    Money InterestPaid;
    Money AgentDeduction;
    Money AgentInterest;
    qint32 ShareNumerator = 0;
    qint32 ShareDenominator = 0;
    quint8 ByInvestment = 0;
    // Not stored in the file.
    Money UnstoredAmount1;
    Money UnstoredAmount2;

    void Transfer(RecordIO& io);
    qint64 Size() const;

    bool operator==(const mTConstructionDeduct&) const = default;
};
