#pragma once

#include "storage/DecodedTexts.h"

#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <functional>
#include <string>
#include <unordered_map>

class mTFileLoader;

// Reads and writes the container format: a 60-byte header followed by items, each the length of
// its text as four decimal digits and then the text (Windows-1251). A stream is an item whose
// text is the stream's name; the items of the stream follow it.
//
// A storage works in one of three modes: reading the image of a read-only loader, writing into
// the image of a writable loader, or measuring, which writes nothing and only counts the bytes
// an image would take.
class mTDocumentStorage
{
public:
    static constexpr int kHeaderSize = 60;
    static constexpr int kMaxItemLength = 9999;
    // Format version 1.2 as major * 65536 + minor; dates are numbers from this version on.
    static constexpr quint32 kVersionNumericDates = 65538;
    // Format version 1.1: the first with the main-source flag of a 13 % source.
    static constexpr quint32 kVersionPrimarySource = 65537;

    explicit mTDocumentStorage(mTFileLoader* loader);
    static mTDocumentStorage measuring();

    void CreateHeader(const QString& signature);
    void OpenHeader();
    void Reset();

    // Stream names are Latin-1 texts.
    bool CreateStream(QLatin1StringView name);
    void OpenStream(QLatin1StringView name);
    bool CreateStream(const QString& name)
    {
        return CreateStream(QLatin1StringView(name.toLatin1()));
    }
    void OpenStream(const QString& name) { OpenStream(QLatin1StringView(name.toLatin1())); }

    // field names the entry in messages about a text that cannot be stored.
    bool WriteString(const QString& value, const QString& field = QString());
    bool WriteInteger(qint32 value);
    bool WriteWord(quint16 value);
    bool WriteByte(quint8 value);
    bool WriteMoney(qint64 units);
    bool WriteDate(double dayCount);

    QString ReadString();
    qint32 ReadInteger();
    quint16 ReadWord();
    quint8 ReadByte();
    // The one-character text "a" reads as minus one rouble, the marker of an absent amount.
    qint64 ReadMoney();
    double ReadDate();

    const QString& Signature() const { return m_signature; }
    const QString& Reserved() const { return m_reserved; }
    quint16 VersionMajor() const { return m_versionMajor; }
    quint16 VersionMinor() const { return m_versionMinor; }
    quint32 Version() const { return quint32(m_versionMajor) * 65536 + m_versionMinor; }

    bool readOnly() const { return m_readOnly; }
    bool isMeasuring() const { return m_measuring; }
    // Bytes written or read so far.
    qsizetype position() const { return m_position; }

    // Texts for which the predicate holds are refused by WriteString: they would be taken for a
    // stream of the document when the file is read.
    void setReservedTextRule(std::function<bool(const QString&)> rule)
    {
        m_reservedText = std::move(rule);
    }

    static QByteArray formatDate(double dayCount);

private:
    mTDocumentStorage() = default;

    void requireWritable() const;
    void requireHeader() const;
    void writeField(QByteArrayView text, int width, char pad);
    void writeBytes(const char* data, qsizetype count);
    void writeItem(QByteArrayView text);
    void writeNumber(qint64 value);
    bool nameItemAt(qsizetype at, QLatin1StringView name);
    QByteArrayView readBytes(qsizetype count);
    QByteArrayView readItem(bool numeric);
    QByteArray encode(const QString& value, const QString& field);
    void buildStreamIndex();

    mTFileLoader* m_loader = nullptr;
    bool m_readOnly = false;
    bool m_measuring = false;
    qsizetype m_position = 0;
    QString m_signature;
    QString m_reserved;
    quint16 m_versionMajor = 0;
    quint16 m_versionMinor = 0;
    bool m_headerDone = false;
    bool m_headerCreated = false;

    std::function<bool(const QString&)> m_reservedText;
    QStringEncoder m_encoder{"windows-1251"};
    DecodedTexts m_texts;
    bool m_indexBuilt = false;
    std::unordered_map<std::string, qsizetype> m_streams;
};
