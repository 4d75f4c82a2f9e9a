#include "storage/DocumentStorage.h"

#include "storage/DayCount.h"
#include "storage/FileLoader.h"
#include "storage/FixedPointText.h"
#include "storage/StorageErrors.h"

#include <QDate>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr QByteArrayView kMagic = "DLSG";
constexpr qint64 kAbsentAmountUnits = -10000;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

std::optional<qint64> parseInteger(QByteArrayView text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.isEmpty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text = text.sliced(1);
    }
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

qint32 toInt32(QByteArrayView text)
{
    const auto value = parseInteger(text);
    if (!value || *value < std::numeric_limits<qint32>::min() ||
        *value > std::numeric_limits<qint32>::max())
        throw mEConvert(StorageMessage::badFormat());
    return qint32(*value);
}

std::optional<double> parseFloat(QByteArrayView text, char separator)
{
    QByteArray copy = trimmed(text).toByteArray();
    if (copy.isEmpty())
        return std::nullopt;
    if (separator != '.') {
        if (copy.contains('.'))
            return std::nullopt;
        copy.replace(separator, '.');
    }
    for (char c : copy) {
        if (!isDigit(c) && c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E')
            return std::nullopt;
    }
    bool ok = false;
    const double value = copy.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A date text "day.month.year" of files older than format version 1.2.
std::optional<double> parseDateText(QByteArrayView text, char separator)
{
    text = trimmed(text);
    const qsizetype blank = text.indexOf(' ');
    if (blank >= 0)
        text = text.first(blank);
    const QList<QByteArray> parts = text.toByteArray().split(separator);
    if (parts.size() != 3)
        return std::nullopt;
    const auto day = parseInteger(parts[0]);
    const auto month = parseInteger(parts[1]);
    auto year = parseInteger(parts[2]);
    if (!day || !month || !year || parts[2].size() > 4)
        return std::nullopt;
    if (parts[2].size() <= 2)
        *year += *year < 50 ? 2000 : 1900;
    const QDate date{int(*year), int(*month), int(*day)};
    if (!date.isValid())
        return std::nullopt;
    return DayCount::fromDate(date);
}

} // namespace

mTDocumentStorage::mTDocumentStorage(mTFileLoader* loader)
    : m_loader(loader), m_readOnly(loader && loader->readOnly())
{}

mTDocumentStorage mTDocumentStorage::measuring()
{
    mTDocumentStorage storage;
    storage.m_measuring = true;
    return storage;
}

void mTDocumentStorage::requireWritable() const
{
    if (m_readOnly)
        throw mEWriteStorage(StorageMessage::readOnly());
}

void mTDocumentStorage::requireHeader() const
{
    if (!m_headerDone)
        throw mEObjectAccess(StorageMessage::notInitialised());
}

void mTDocumentStorage::writeBytes(const char* data, qsizetype count)
{
    if (m_measuring) {
        m_position += count;
        return;
    }
    m_loader->write(data, count);
    m_position += count;
}

void mTDocumentStorage::writeField(QByteArrayView text, int width, char pad)
{
    // A text at least as wide as the field is cut; a shorter one is right-aligned and padded.
    if (width <= 0 || text.isEmpty())
        return;
    if (text.size() >= width) {
        writeBytes(text.data(), width);
        return;
    }
    const QByteArray padding(width - text.size(), pad);
    writeBytes(padding.constData(), padding.size());
    writeBytes(text.data(), text.size());
}

void mTDocumentStorage::writeItem(QByteArrayView text)
{
    if (m_measuring) {
        m_position += 4 + text.size();
        return;
    }
    if (text.size() > kMaxItemLength)
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    char length[4];
    int n = int(text.size());
    for (int i = 3; i >= 0; --i, n /= 10)
        length[i] = char('0' + n % 10);
    writeBytes(length, 4);
    writeBytes(text.data(), text.size());
}

void mTDocumentStorage::writeNumber(qint64 value)
{
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    writeItem(QByteArrayView(digits, result.ptr - digits));
}

void mTDocumentStorage::CreateHeader(const QString& signature)
{
    if (!m_loader && !m_measuring)
        throw mEMemoryAllocate(StorageMessage::noMemoryBound());
    requireWritable();
    if (m_headerDone)
        throw mEAlreadyCreated(StorageMessage::alreadyCreated());
    m_headerDone = true;
    m_headerCreated = true;
    m_signature = signature;
    m_versionMajor = 1;
    m_versionMinor = 2;
    m_reserved = QString(32, QLatin1Char('F'));
    if (m_measuring) {
        m_position += kHeaderSize;
        return;
    }
    writeField(kMagic, 4, ' ');
    writeField(signature.toLatin1(), 20, ' ');
    writeField("1", 2, '0');
    writeField("2", 2, '0');
    writeField(QByteArray(32, 'F'), 32, ' ');
}

QByteArrayView mTDocumentStorage::readBytes(qsizetype count)
{
    if (count < 0)
        throw mEConvert(StorageMessage::badFormat());
    const QByteArrayView bytes = m_loader->bytes(m_position, count);
    if (bytes.size() != count)
        throw mEConvert(StorageMessage::badFormat());
    m_position += count;
    return bytes;
}

void mTDocumentStorage::OpenHeader()
{
    if (m_headerDone)
        throw mEAlreadyCreated(StorageMessage::alreadyCreated());
    if (!m_loader)
        throw mEMemoryAllocate(StorageMessage::noMemoryBound());
    if (m_loader->bytes(0, 4) != kMagic) {
        Reset();
        throw mEBadStorage(StorageMessage::badFormat());
    }
    m_position = 4;
    m_headerDone = true;
    m_signature = m_texts.decode(trimmed(readBytes(20))).trimmed();
    const auto major = parseInteger(readBytes(2));
    const auto minor = parseInteger(readBytes(2));
    if (!major || !minor || *major < 0 || *minor < 0)
        throw mEConvert(StorageMessage::badFormat());
    m_versionMajor = quint16(*major);
    m_versionMinor = quint16(*minor);
    m_reserved = QString::fromLatin1(readBytes(32));
}

void mTDocumentStorage::Reset()
{
    m_position = 0;
    m_headerDone = false;
    m_headerCreated = false;
}

bool mTDocumentStorage::CreateStream(QLatin1StringView name)
{
    requireHeader();
    requireWritable();
    writeItem(QByteArrayView(name.data(), name.size()));
    return true;
}

void mTDocumentStorage::buildStreamIndex()
{
    // Stream names are items whose whole text is the name; the walk over the items finds them
    // without searching inside other items' texts. The first occurrence of a name counts.
    qsizetype at = kHeaderSize;
    for (;;) {
        const QByteArrayView lengthField = m_loader->bytes(at, 4);
        if (lengthField.size() < 4)
            return;
        qsizetype length = 0;
        for (const char c : lengthField) {
            if (!isDigit(c))
                return;
            length = length * 10 + (c - '0');
        }
        at += 4;
        const QByteArrayView text = m_loader->bytes(at, length);
        if (text.size() < length)
            return;
        if (length > 0 && text.front() == '@')
            m_streams.try_emplace(std::string(text.data(), size_t(length)), at + length);
        at += length;
    }
}

bool mTDocumentStorage::nameItemAt(qsizetype at, QLatin1StringView name)
{
    if (at < kHeaderSize)
        return false;
    const QByteArrayView item = m_loader->bytes(at, 4 + name.size());
    if (item.size() < 4 + name.size())
        return false;
    const char* data = item.data();
    qsizetype length = 0;
    for (int i = 0; i < 4; ++i) {
        if (!isDigit(data[i]))
            return false;
        length = length * 10 + (data[i] - '0');
    }
    return length == name.size() &&
           QByteArrayView(data + 4, length) == QByteArrayView(name.data(), name.size());
}

void mTDocumentStorage::OpenStream(QLatin1StringView name)
{
    requireHeader();
    // Streams are mostly read in the order they were written: the next item is the name.
    if (m_loader && nameItemAt(m_position, name)) {
        m_position += 4 + name.size();
        return;
    }
    if (!m_indexBuilt) {
        buildStreamIndex();
        m_indexBuilt = true;
    }
    const auto found = m_streams.find(std::string(name.data(), size_t(name.size())));
    if (found == m_streams.end())
        throw mEOpenStream(StorageMessage::noSuchStream());
    m_position = found->second;
}

QByteArray mTDocumentStorage::encode(const QString& value, const QString& field)
{
    const QString label = field.isEmpty() ? QStringLiteral("без названия") : field;
    if (m_reservedText && m_reservedText(value)) {
        throw mEBadText(QStringLiteral("Текст «%1» в поле «%2» совпадает со служебным именем "
                                       "файла декларации и не может быть сохранен. "
                                       "Измените его.")
                            .arg(value, label));
    }
    if (m_measuring) {
        // Every character Windows-1251 holds takes one byte; the writing pass refuses the rest.
        return QByteArray();
    }
    const QByteArray bytes = m_encoder.encode(value);
    const bool failed = m_encoder.hasError();
    m_encoder.resetState();
    if (failed) {
        QString bad;
        for (const QChar c : value) {
            QStringEncoder probe("windows-1251");
            const QByteArray ignored = probe.encode(QStringView(&c, 1));
            if (probe.hasError()) {
                bad = c;
                break;
            }
        }
        throw mEBadText(QStringLiteral("Текст в поле «%1» содержит знак «%2», который нельзя "
                                       "сохранить в файле декларации (кодировка Windows-1251). "
                                       "Замените его.")
                            .arg(label, bad));
    }
    return bytes;
}

bool mTDocumentStorage::WriteString(const QString& value, const QString& field)
{
    requireWritable();
    requireHeader();
    if (value.size() > kMaxItemLength) {
        throw mEBadText(QStringLiteral("Текст в поле «%1» длиннее %2 знаков и не может быть "
                                       "сохранен в файле декларации.")
                            .arg(field.isEmpty() ? QStringLiteral("без названия") : field)
                            .arg(kMaxItemLength));
    }
    const QByteArray bytes = encode(value, field);
    if (m_measuring)
        m_position += 4 + value.size();
    else
        writeItem(bytes);
    return true;
}

bool mTDocumentStorage::WriteInteger(qint32 value)
{
    requireWritable();
    requireHeader();
    writeNumber(value);
    return true;
}

bool mTDocumentStorage::WriteWord(quint16 value)
{
    requireWritable();
    requireHeader();
    writeNumber(value);
    return true;
}

bool mTDocumentStorage::WriteByte(quint8 value)
{
    requireWritable();
    requireHeader();
    writeNumber(value);
    return true;
}

bool mTDocumentStorage::WriteMoney(qint64 units)
{
    requireWritable();
    requireHeader();
    char buffer[FixedPointText::kMaxLength];
    writeItem(FixedPointText::formatInto(units, '.', buffer));
    return true;
}

QByteArray mTDocumentStorage::formatDate(double dayCount)
{
    // General form with at most 15 significant digits; an exponent, should one ever be needed,
    // is written without "+" and without leading zeros ("1E20", "1E-5").
    QByteArray text = QByteArray::number(dayCount, 'g', 15);
    const qsizetype e = text.indexOf('e');
    if (e >= 0) {
        QByteArray exponent = text.mid(e + 1);
        const bool negative = exponent.startsWith('-');
        if (exponent.startsWith('-') || exponent.startsWith('+'))
            exponent.remove(0, 1);
        while (exponent.size() > 1 && exponent.startsWith('0'))
            exponent.remove(0, 1);
        text = text.left(e) + 'E' + (negative ? "-" : "") + exponent;
    }
    return text;
}

bool mTDocumentStorage::WriteDate(double dayCount)
{
    requireWritable();
    requireHeader();
    writeItem(formatDate(dayCount));
    return true;
}

QByteArrayView mTDocumentStorage::readItem(bool numeric)
{
    requireHeader();
    if (!m_loader)
        throw mEMemoryAllocate(StorageMessage::noMemoryBound());
    // One look at the loader covers the length field and the longest text an item can have.
    const QByteArrayView item = m_loader->bytes(m_position, 4 + kMaxItemLength);
    if (item.size() < 4)
        throw mEConvert(StorageMessage::badFormat());
    qsizetype length = 0;
    for (const char c : item.first(4)) {
        if (!isDigit(c))
            throw mEConvert(StorageMessage::badFormat());
        length = length * 10 + (c - '0');
    }
    if (numeric && length == 0)
        length = 1;
    if (length > item.size() - 4)
        throw mEConvert(StorageMessage::badFormat());
    m_position += 4 + length;
    return item.sliced(4, length);
}

QString mTDocumentStorage::ReadString()
{
    return m_texts.decode(readItem(false));
}

qint32 mTDocumentStorage::ReadInteger()
{
    return toInt32(readItem(true));
}

quint16 mTDocumentStorage::ReadWord()
{
    return quint16(toInt32(readItem(true)));
}

quint8 mTDocumentStorage::ReadByte()
{
    return quint8(toInt32(readItem(true)));
}

qint64 mTDocumentStorage::ReadMoney()
{
    const QByteArrayView text = readItem(true);
    if (text == "a")
        return kAbsentAmountUnits;
    if (const auto units = FixedPointText::parse(text, '.'))
        return *units;
    if (const auto units = FixedPointText::parse(text, ','))
        return *units;
    throw mEConvert(StorageMessage::badFormat());
}

double mTDocumentStorage::ReadDate()
{
    const QByteArrayView text = readItem(true);
    const bool numeric = Version() >= kVersionNumericDates;
    for (const char separator : {'.', ','}) {
        const auto value = numeric ? parseFloat(text, separator) : parseDateText(text, separator);
        if (value)
            return *value;
    }
    throw mEConvert(StorageMessage::badFormat());
}
