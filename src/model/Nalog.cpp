#include "model/Nalog.h"

#include "model/StreamNames.h"
#include "model/file/Measure.h"

void mTNalog::Transfer(RecordIO& io, int position)
{
    io.stream(StreamNames::numbered("@NalogSub", position));
    io.text({"NoticeText"}, NoticeText);
    io.text({"NoticeKBK"}, NoticeKBK);
    io.money({"NoticeSum"}, NoticeSum);
}

qint64 mTNalog::Size(int position) const
{
    return Measure::size(*this, position);
}
