#include "SvodSum.h"
#define STUB(cls)                                                                                  \
    bool cls::Calculate(const mTDeclaration&, kTSvodSum&)                                          \
    {                                                                                              \
        return true;                                                                               \
    }
STUB(kTSvodSumPrilA6)
STUB(kTSvodSumPrilA13)
STUB(kTSvodSumPrilA15)
STUB(kTSvodSumPrilA30)
STUB(kTSvodSumPrilA35)
STUB(kTSvodSumPrilV1)
STUB(kTSvodSumPrilV2)
STUB(kTSvodSumPrilM)
STUB(kTSvodSumPrilM2)
STUB(kTSvodSumPrilM3)
STUB(kTSvodSumPrilG)
STUB(kTSvodSumPrilG_In)
STUB(kTSvodSumPrilH1)
STUB(kTSvodSumPrilJ)
STUB(kTSvodSumPrilE1)
STUB(kTSvodSumPrilE3)
STUB(kTSvodSumPrilZ)
STUB(kTSvodSumList1)
STUB(kTSvodSumList2)
STUB(kTSvodSumList3)
STUB(kTSvodSumList4)
STUB(kTSvodSumList5)
STUB(kTSvodSumList6)
bool kTSvodSumPrilB::Calculate(const mTDeclaration&, kTSvodSum&, int)
{
    return true;
}
bool kTSvodSumPrilE2::Calculate(mTDeclaration&, kTSvodSum&)
{
    return true;
}
