#include "directories/SounImport.h"

#include "storage/AtomicFile.h"

#include <QFile>
#include <QStringDecoder>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>
#include <memory>

namespace {

// Offsets and lengths of the fields of a record.
// The version byte of a dBase III table, without and with a memo file.
constexpr quint8 kDbase3 = 0x03;
constexpr quint8 kDbase3WithMemo = 0x83;

struct Field
{
    int offset;
    int length;
};
constexpr Field kCode{1, 4};
constexpr Field kMustBeBlank1{7, 30};
constexpr Field kName{161, 250};
constexpr Field kMark{411, 1};
constexpr Field kMustBeBlank2{934, 10};

quint32 littleEndian(const char* bytes, int count)
{
    quint32 value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[i]);
    return value;
}

// The text of a field in code page 866, trimmed. Characters XML cannot hold (control characters)
// become spaces, so no record can make the directory file unreadable.
QString fieldText(const QByteArray& record, Field field)
{
    QStringDecoder decoder("IBM866");
    QString text = decoder.decode(QByteArrayView(record).sliced(field.offset, field.length));
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    }
    return text.trimmed();
}

bool isTaken(const QByteArray& record, const QString& code)
{
    return code.mid(2, 2) != QLatin1String("00") && fieldText(record, kMustBeBlank1).isEmpty() &&
           record.at(kMark.offset) == '1' && fieldText(record, kMustBeBlank2).isEmpty();
}

struct DocFree
{
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

const xmlChar* utf8(const QByteArray& bytes)
{
    return reinterpret_cast<const xmlChar*>(bytes.constData());
}

} // namespace

namespace SounFile {

std::optional<QList<DirectoryEntry>> ReadOffices(QIODevice& dbf)
{
    const QByteArray header = dbf.read(kHeaderBytes);
    if (header.size() != kHeaderBytes)
        return std::nullopt;
    // A dBase III table, with or without a memo file.
    const quint8 version = quint8(header.at(0));
    if (version != kDbase3 && version != kDbase3WithMemo)
        return std::nullopt;
    const quint32 recordCount = littleEndian(header.constData() + 4, 4);
    const quint32 headerLength = littleEndian(header.constData() + 8, 2);
    const quint32 recordLength = littleEndian(header.constData() + 10, 2);
    // The fields are read by their positions, which hold only in records of this length. The
    // records start at the header length, counted from the start of the file; a header longer
    // than the file is not a table.
    if (recordLength != quint32(kRecordBytes) || headerLength <= quint32(kHeaderBytes) ||
        headerLength > dbf.size() || !dbf.seek(headerLength))
        return std::nullopt;

    QList<DirectoryEntry> offices;
    for (quint32 i = 0; i < recordCount && !dbf.atEnd(); ++i) {
        const QByteArray record = dbf.read(kRecordBytes);
        if (record.size() != kRecordBytes)
            return std::nullopt;
        const QString code = fieldText(record, kCode);
        if (isTaken(record, code))
            offices.append({code, fieldText(record, kName)});
    }
    return offices;
}

QByteArray InspectionNumbersXml(const QList<DirectoryEntry>& offices, const QString& dateText,
                                const QString& versionText)
{
    std::unique_ptr<xmlDoc, DocFree> doc(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    xmlNode* root = xmlNewDocNode(doc.get(), nullptr, utf8("Inspections"), nullptr);
    xmlDocSetRootElement(doc.get(), root);
    xmlNewProp(root, utf8("Version"), utf8(versionText.toUtf8()));
    xmlNewProp(root, utf8("Date"), utf8(dateText.toUtf8()));
    for (const DirectoryEntry& office : offices) {
        // xmlNewTextChild escapes the text.
        xmlNode* node =
            xmlNewTextChild(root, nullptr, utf8("Inspection"), utf8(office.name.toUtf8()));
        xmlNewProp(node, utf8("Code"), utf8(office.code.toUtf8()));
    }
    xmlChar* buffer = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(doc.get(), &buffer, &size, "windows-1251", 1);
    QByteArray result(reinterpret_cast<const char*>(buffer), size);
    xmlFree(buffer);
    return result;
}

} // namespace SounFile

QString SounImportResult::message() const
{
    if (imported) {
        const QString done =
            QStringLiteral("Данные успешно импортированы. Не забудьте перезапустить программу.");
        return reason.isEmpty() ? done : done + QLatin1Char('\r') + reason;
    }
    const QString failed = QStringLiteral("Импортировать данные не удалось");
    return reason.isEmpty() ? failed : failed + QLatin1Char('\r') + reason;
}

SounImportResult ImportSoun(const QString& dbfPath, const QString& outputPath,
                            const QString& dateText, const QString& versionText)
{
    QFile dbf(dbfPath);
    if (!dbf.open(QIODevice::ReadOnly))
        return {};
    const auto offices = SounFile::ReadOffices(dbf);
    if (!offices || offices->isEmpty())
        return {};
    const QByteArray xml = SounFile::InspectionNumbersXml(*offices, dateText, versionText);
    if (xml.isEmpty())
        return {};
    // The new file replaces the old one only once it is written and synced completely.
    AtomicFile output(outputPath);
    if (output.open(QIODevice::WriteOnly) && output.write(xml) == xml.size() && output.commit())
        return {true, QString()};
    if (output.committed())
        return {true, output.unconfirmedMessage()};
    return {false, output.errorString()};
}
