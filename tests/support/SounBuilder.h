#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

// Builds a dBase file of tax offices in the layout the import reads: a 32-byte header with the
// version byte of dBase III, the record count, the header length and the record length, then
// records of 1194 bytes.
class SounBuilder
{
public:
    struct Record
    {
        Record() = default;
        Record(QByteArray code_, QString name_, char mark_ = '1', QByteArray field7_ = {},
               QByteArray field934_ = {})
            : code(std::move(code_)), name(std::move(name_)), mark(mark_),
              field7(std::move(field7_)), field934(std::move(field934_))
        {}

        QByteArray code;
        QString name;
        char mark = '1';
        QByteArray field7;   // must be blank for the record to be taken
        QByteArray field934; // must be blank for the record to be taken
    };

    SounBuilder& add(const Record& record)
    {
        QByteArray bytes(1194, ' ');
        put(bytes, 1, record.code);
        put(bytes, 7, record.field7);
        put(bytes, 161, QStringEncoder("IBM866").encode(record.name));
        bytes[411] = record.mark;
        put(bytes, 934, record.field934);
        m_records += bytes;
        ++m_count;
        return *this;
    }
    SounBuilder& add(const char* code, const QString& name) { return add({code, name}); }

    // The file; announced overrides the record count of the header, headerLength its length.
    QByteArray build(int announced = -1, int headerLength = 65) const
    {
        QByteArray header(headerLength, '\0');
        header[0] = 0x03;
        setLittleEndian(header, 4, announced < 0 ? m_count : announced, 4);
        setLittleEndian(header, 8, headerLength, 2);
        setLittleEndian(header, 10, 1194, 2);
        return header + m_records;
    }

private:
    static void put(QByteArray& bytes, int offset, const QByteArray& value)
    {
        bytes.replace(offset, value.size(), value);
    }
    static void setLittleEndian(QByteArray& bytes, int offset, quint32 value, int count)
    {
        for (int i = 0; i < count; ++i)
            bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
    }

    QByteArray m_records;
    int m_count = 0;
};
