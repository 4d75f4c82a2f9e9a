#pragma once

#include "model/Money.h"
#include "model/RecordIO.h"

#include <QString>

// A contract of non-state pension provision or voluntary pension insurance.
class mTPens
{
public:
    qint32 ContractKind = 0;
    QString PensOrgName;
    QString PensINN;
    QString PensKPP;
    QString ContractNumber;
    double ContractDate = 0;
    Money Contribution;
    Money ContributionToDeduct;
    Money AgentDeduction;

    void Transfer(RecordIO& io, int position);

    bool operator==(const mTPens&) const = default;
};
