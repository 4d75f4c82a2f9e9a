#pragma once

#include "model/Money.h"
#include "model/RecordIO.h"

#include <QString>

// One payment made on a tax notice, by budget classification code.
class mTNalog
{
public:
    QString NoticeText;
    QString NoticeKBK;
    Money NoticeSum;

    void Transfer(RecordIO& io, int position);
    qint64 Size(int position) const;

    bool operator==(const mTNalog&) const = default;
};
