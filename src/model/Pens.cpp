#include "model/Pens.h"

#include "model/StreamNames.h"

void mTPens::Transfer(RecordIO& io, int position)
{
    io.stream(StreamNames::numbered("@PensSub", position));
    io.integer({"ContractKind"}, ContractKind);
    io.text({"PensOrgName"}, PensOrgName);
    io.text({"PensINN"}, PensINN);
    io.text({"PensKPP"}, PensKPP);
    io.text({"ContractNumber"}, ContractNumber);
    io.date({"ContractDate"}, ContractDate);
    io.money({"Contribution"}, Contribution);
    io.money({"ContributionToDeduct"}, ContributionToDeduct);
    io.money({"AgentDeduction"}, AgentDeduction);
}
