#pragma once

#include "model/RecordIO.h"

#include <functional>

namespace Measure {

// The number of bytes the items written by pass would take in a file.
qint64 bytes(const std::function<void(RecordIO&)>& pass);

// The size of a record's streams. A writing pass never changes the record.
template <class Record, class... Args> qint64 size(const Record& record, Args... args)
{
    return bytes([&](RecordIO& io) { const_cast<Record&>(record).Transfer(io, args...); });
}

} // namespace Measure
