#include "model/ConstructionDeduct.h"

#include "model/file/Measure.h"
#include "storage/DayCount.h"

mTConstructionDeduct::mTConstructionDeduct()
    : RightRegDate(DayCount::fromDate(2003, 1, 1)), ActDate(DayCount::fromDate(2003, 1, 1)),
      StartYearDate(DayCount::fromDate(2003, 1, 1))
{}

void mTConstructionDeduct::Transfer(RecordIO& io)
{
    io.stream(QLatin1StringView("@ConstructionDeduct"));
    io.byte({"PropertyEnabled"}, PropertyEnabled);
    if (PropertyEnabled != 1)
        return;
    io.integer({"ObjectKind"}, ObjectKind);
    io.integer({"OwnershipKind"}, OwnershipKind);
    io.integer({"OwnerSign"}, OwnerSign);
    io.text({"ObjPostIndex"}, ObjPostIndex);
    io.text({"ObjRegionCode"}, ObjRegionCode);
    io.text({"ObjRegionName"}, ObjRegionName);
    io.text({"ObjDistrict"}, ObjDistrict);
    io.text({"ObjCity"}, ObjCity);
    io.text({"ObjLocality"}, ObjLocality);
    io.text({"ObjStreet"}, ObjStreet);
    io.text({"ObjHouse"}, ObjHouse);
    io.text({"ObjBuilding"}, ObjBuilding);
    io.text({"ObjFlat"}, ObjFlat);
    io.date({"RightRegDate"}, RightRegDate);
    io.date({"ActDate"}, ActDate);
    io.date({"StartYearDate"}, StartYearDate);
    io.date({"ApplicationDate"}, ApplicationDate);
    io.money({"CarriedCost"}, CarriedCost);
    io.money({"CarriedInterest"}, CarriedInterest);
    io.money({"PriorYearsDeduction"}, PriorYearsDeduction);
    io.money({"PriorYearsInterest"}, PriorYearsInterest);
    io.money({"Share"}, Share);
    io.money({"PriorYearsAgentDeduction"}, PriorYearsAgentDeduction);
    io.money({"PriorYearsAgentInterest"}, PriorYearsAgentInterest);
    io.money({"ObjectCost"}, ObjectCost);
    io.money({"InterestPaid"}, InterestPaid);
    io.money({"AgentDeduction"}, AgentDeduction);
    io.money({"AgentInterest"}, AgentInterest);
    io.integer({"ShareNumerator"}, ShareNumerator);
    io.integer({"ShareDenominator"}, ShareDenominator);
    io.byte({"ByInvestment"}, ByInvestment);
    io.date({"LandRegDate"}, LandRegDate);
}

qint64 mTConstructionDeduct::Size() const
{
    return Measure::size(*this);
}
