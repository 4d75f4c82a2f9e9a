#include "model/RepetitNew.h"

#include "model/StreamNames.h"
#include "model/file/Measure.h"

void mTRepetitNew::Transfer(RecordIO& io, int position)
{
    io.stream(StreamNames::numbered("@RepetitIncome", position));
    io.text({"PracticeName"}, PracticeName);
    io.money({"PracticeIncome"}, PracticeIncome);
    io.money({"PracticeExpenses"}, PracticeExpenses);
    for (int i = 0; i < DetailCount; ++i)
        io.money({"PracticeDetails", i}, PracticeDetails[size_t(i)]);
}

qint64 mTRepetitNew::Size(int position) const
{
    return Measure::size(*this, position);
}
