#pragma once

#include "model/Money.h"

#include <QString>

// Walks the fields of the computed sheets by their names, in record order: the sheet printer and
// the tests read the sheets through it.
class SheetVisitor
{
public:
    virtual ~SheetVisitor() = default;

    virtual void money(const char* name, Money value) = 0;
    virtual void integer(const char* name, qint64 value) = 0;
    virtual void text(const char* name, const QString& value) = 0;
    // A date as a day count.
    virtual void date(const char* name, double dayCount) = 0;
    // A fraction that only informs (the owner's share).
    virtual void ratio(const char* name, long double value) = 0;

    // A record or sheet; name is null for an element of an array.
    virtual void beginObject(const char* name) = 0;
    virtual void endObject() = 0;
    virtual void beginArray(const char* name) = 0;
    virtual void endArray() = 0;
};
