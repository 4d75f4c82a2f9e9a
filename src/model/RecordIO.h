#pragma once

#include "model/Money.h"

#include <QString>

// One pass over a record's items in file order. The same description of a record serves reading,
// writing, measuring the image size and dumping the document, so the order of the items is
// written down once per record.
//
// Field names are the design names of the fields; an index distinguishes the elements of a
// repeated field (months, details).
struct FieldName
{
    const char* name;
    int index = -1;
};

class RecordIO
{
public:
    virtual ~RecordIO() = default;

    virtual bool reading() const = 0;
    // The signature and format version of the file being read; the current ones when writing.
    virtual QString signature() const = 0;
    virtual quint32 version() const = 0;

    // Creates the stream (writing) or finds it (reading).
    virtual void stream(QLatin1StringView name) = 0;
    // Reading: finds the stream and returns false when the file has none. Writing: as stream().
    virtual bool optionalStream(QLatin1StringView name) = 0;

    virtual void text(FieldName field, QString& value) = 0;
    virtual void integer(FieldName field, qint32& value) = 0;
    virtual void word(FieldName field, quint16& value) = 0;
    virtual void byte(FieldName field, quint8& value) = 0;
    virtual void money(FieldName field, Money& value) = 0;
    virtual void date(FieldName field, double& value) = 0;
    // Reading: a byte item that is not a number, or is missing at the end of the data, reads as 0
    // and reading goes on.
    virtual void lenientByte(FieldName field, quint8& value) = 0;

    // Structure of lists, for the dump; the file knows nothing of it.
    virtual void beginList(const char* /*name*/) {}
    virtual void endList() {}

    // A count written as a word or an integer, read back as a number of entries (never negative).
    int wordCount(FieldName field, int count);
    int integerCount(FieldName field, int count);

    // A field held in memory in one type and written as another (bytes written as words).
    template <class T> void wordAs(FieldName field, T& value)
    {
        quint16 word16 = quint16(value);
        word(field, word16);
        if (reading())
            value = T(word16);
    }
};
