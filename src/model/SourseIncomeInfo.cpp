#include "model/SourseIncomeInfo.h"

void mTSourseIncomeInfo::TransferSource(RecordIO& io)
{
    io.text({"SourceINN"}, SourceINN);
    io.text({"SourceKPP"}, SourceKPP);
    io.text({"SourceOKTMO"}, SourceOKTMO);
    io.text({"SourceName"}, SourceName);
}
