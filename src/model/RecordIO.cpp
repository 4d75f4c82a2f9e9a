#include "model/RecordIO.h"

#include "storage/StorageErrors.h"

int RecordIO::wordCount(FieldName field, int count)
{
    quint16 value = quint16(count);
    word(field, value);
    return reading() ? int(value) : count;
}

int RecordIO::integerCount(FieldName field, int count)
{
    qint32 value = count;
    integer(field, value);
    if (reading() && value < 0)
        throw mEConvert(StorageMessage::badFormat());
    return reading() ? int(value) : count;
}
