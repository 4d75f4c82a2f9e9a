#pragma once

#include "model/RecordIO.h"

class mTDocumentStorage;

// Reads or writes a record's items through a container storage. The direction follows the
// storage: a read-only storage is read, any other (writable or measuring) is written.
class StorageIO : public RecordIO
{
public:
    explicit StorageIO(mTDocumentStorage& storage);

    bool reading() const override;
    QString signature() const override;
    quint32 version() const override;
    void stream(QLatin1StringView name) override;
    bool optionalStream(QLatin1StringView name) override;
    void text(FieldName field, QString& value) override;
    void integer(FieldName field, qint32& value) override;
    void word(FieldName field, quint16& value) override;
    void byte(FieldName field, quint8& value) override;
    void money(FieldName field, Money& value) override;
    void date(FieldName field, double& value) override;
    void lenientByte(FieldName field, quint8& value) override;

private:
    mTDocumentStorage& m_storage;
    bool m_reading;
};
