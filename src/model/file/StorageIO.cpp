#include "model/file/StorageIO.h"

#include "model/file/FieldLabels.h"
#include "storage/DocumentStorage.h"
#include "storage/StorageErrors.h"

StorageIO::StorageIO(mTDocumentStorage& storage) : m_storage(storage), m_reading(storage.readOnly())
{}

bool StorageIO::reading() const
{
    return m_reading;
}

QString StorageIO::signature() const
{
    return m_storage.Signature();
}

quint32 StorageIO::version() const
{
    return m_storage.Version();
}

void StorageIO::stream(QLatin1StringView name)
{
    if (m_reading)
        m_storage.OpenStream(name);
    else
        m_storage.CreateStream(name);
}

bool StorageIO::optionalStream(QLatin1StringView name)
{
    if (!m_reading) {
        m_storage.CreateStream(name);
        return true;
    }
    try {
        m_storage.OpenStream(name);
    } catch (const mEOpenStream&) {
        return false;
    }
    return true;
}

void StorageIO::text(FieldName field, QString& value)
{
    if (m_reading)
        value = m_storage.ReadString();
    else
        m_storage.WriteString(value, FieldLabels::label(field));
}

void StorageIO::integer(FieldName, qint32& value)
{
    if (m_reading)
        value = m_storage.ReadInteger();
    else
        m_storage.WriteInteger(value);
}

void StorageIO::word(FieldName, quint16& value)
{
    if (m_reading)
        value = m_storage.ReadWord();
    else
        m_storage.WriteWord(value);
}

void StorageIO::byte(FieldName, quint8& value)
{
    if (m_reading)
        value = m_storage.ReadByte();
    else
        m_storage.WriteByte(value);
}

void StorageIO::money(FieldName, Money& value)
{
    if (m_reading)
        value = Money::fromUnits(m_storage.ReadMoney());
    else
        m_storage.WriteMoney(value.units());
}

void StorageIO::date(FieldName, double& value)
{
    if (m_reading)
        value = m_storage.ReadDate();
    else
        m_storage.WriteDate(value);
}

void StorageIO::lenientByte(FieldName field, quint8& value)
{
    if (!m_reading) {
        m_storage.WriteByte(value);
        return;
    }
    try {
        value = m_storage.ReadByte();
    } catch (const mEConvert&) {
        value = 0;
    }
    (void)field;
}
