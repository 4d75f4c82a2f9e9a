// The container file: header, item encodings, stream look-up and the container's errors.

#include "TestFiles.h"
#include "storage/DayCount.h"
#include "storage/DocumentStorage.h"
#include "storage/FileLoader.h"
#include "storage/StorageErrors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <sys/file.h>

namespace {

QByteArray item(const QByteArray& text)
{
    return QByteArray::number(text.size()).rightJustified(4, '0') + text;
}

QByteArray header(const QByteArray& version = "0102")
{
    return "DLSG" + QByteArray("Tarv2013").rightJustified(20, ' ') + version + QByteArray(32, 'F');
}

QByteArray image(const QList<QByteArray>& texts, const QByteArray& version = "0102")
{
    QByteArray bytes = header(version);
    for (const QByteArray& text : texts)
        bytes += item(text);
    return bytes;
}

template <class Error, class Action> void expectError(Action action, const QString& message)
{
    try {
        action();
    } catch (const Error& error) {
        QCOMPARE(error.message(), message);
        return;
    } catch (const mEPrivBase& other) {
        QFAIL(qPrintable(QStringLiteral("wrong error class: ") + other.message()));
    }
    QFAIL("no error raised");
}

} // namespace

class TestStorage : public QObject
{
    Q_OBJECT

private slots:
    void headerOfNewImage();
    void writtenItems_data();
    void writtenItems();
    void readsBackEveryType();
    void moneyAndDateReading_data();
    void moneyAndDateReading();
    void numericItemOfLengthZeroConsumesOneByte();
    void streamLookup();
    void streamNameInsideTextIsNotAStream();
    void largeFileReadThroughTheWindow();
    void fileCutWhileReading();
    void saveShorterThanAnnouncedIsNotCommitted();
    void errors();
    void damagedItems_data();
    void damagedItems();
    void fileErrors();
    void fileHeldByAnotherInstance();
};

void TestStorage::headerOfNewImage()
{
    mTFileLoader loader(QByteArray("x"));
    QTemporaryDir dir;
    mTFileLoader writer(dir.filePath(QStringLiteral("a.tv3")), 60, false);
    mTDocumentStorage storage(&writer);
    storage.CreateHeader(QStringLiteral("Tarv2013"));
    QCOMPARE(storage.position(), 60);
    writer.commit();
    QCOMPARE(readFile(dir.filePath(QStringLiteral("a.tv3"))),
             QByteArray("DLSG            Tarv20130102") + QByteArray(32, 'F'));

    mTFileLoader reader(dir.filePath(QStringLiteral("a.tv3")), 0, true);
    mTDocumentStorage readBack(&reader);
    readBack.OpenHeader();
    QCOMPARE(readBack.Signature(), QStringLiteral("Tarv2013"));
    QCOMPARE(readBack.VersionMajor(), 1);
    QCOMPARE(readBack.VersionMinor(), 2);
    QCOMPARE(readBack.Reserved(), QString(32, QLatin1Char('F')));
}

void TestStorage::writtenItems_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QByteArray>("expected");
    // kind: 0 money (units), 1 integer, 2 word, 3 byte, 4 date (whole days)
    QTest::newRow("money zero") << 0 << qint64(0) << QByteArray("00010");
    QTest::newRow("money with a half") << 0 << qint64(12505000) << QByteArray("00061250.5");
    QTest::newRow("money minus one") << 0 << qint64(-10000) << QByteArray("0002-1");
    QTest::newRow("money four decimals") << 0 << qint64(12345) << QByteArray("00061.2345");
    QTest::newRow("money inner zero") << 0 << qint64(500) << QByteArray("00040.05");
    QTest::newRow("money smallest")
        << 0 << std::numeric_limits<qint64>::min() << QByteArray("0021-922337203685477.5808");
    QTest::newRow("negative integer") << 1 << qint64(-42) << QByteArray("0003-42");
    QTest::newRow("word") << 2 << qint64(65535) << QByteArray("000565535");
    QTest::newRow("byte") << 3 << qint64(1) << QByteArray("00011");
    QTest::newRow("date 1 January 2014") << 4 << qint64(41640) << QByteArray("000541640");
}

void TestStorage::writtenItems()
{
    QFETCH(int, kind);
    QFETCH(qint64, value);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    mTFileLoader loader(dir.filePath(QStringLiteral("a")), quint32(60 + expected.size()), false);
    mTDocumentStorage storage(&loader);
    storage.CreateHeader(QStringLiteral("Tarv2013"));
    switch (kind) {
    case 0:
        storage.WriteMoney(value);
        break;
    case 1:
        storage.WriteInteger(qint32(value));
        break;
    case 2:
        storage.WriteWord(quint16(value));
        break;
    case 3:
        storage.WriteByte(quint8(value));
        break;
    default:
        storage.WriteDate(double(value));
    }
    loader.commit();
    QCOMPARE(readFile(dir.filePath(QStringLiteral("a"))).mid(60), expected);
    QCOMPARE(mTDocumentStorage::formatDate(41640.25), QByteArray("41640.25"));
}

void TestStorage::readsBackEveryType()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("a"));
    const QString text = QStringLiteral("ООО «Ромашка» №1");
    mTDocumentStorage measure = mTDocumentStorage::measuring();
    const auto writeAll = [&](mTDocumentStorage& storage) {
        storage.CreateHeader(QStringLiteral("Tarv2013"));
        storage.CreateStream(QStringLiteral("@S"));
        storage.WriteString(text);
        storage.WriteString(QString());
        storage.WriteInteger(-7);
        storage.WriteWord(513);
        storage.WriteByte(200);
        storage.WriteMoney(-12345678);
        storage.WriteDate(41640.5);
    };
    writeAll(measure);
    {
        mTFileLoader loader(name, quint32(measure.position()), false);
        mTDocumentStorage storage(&loader);
        writeAll(storage);
        QCOMPARE(storage.position(), measure.position());
        loader.commit();
    }
    QCOMPARE(QFileInfo(name).size(), measure.position());

    mTFileLoader loader(name, 0, true);
    mTDocumentStorage storage(&loader);
    storage.OpenHeader();
    storage.OpenStream(QStringLiteral("@S"));
    QCOMPARE(storage.ReadString(), text);
    QCOMPARE(storage.ReadString(), QString());
    QCOMPARE(storage.ReadInteger(), -7);
    QCOMPARE(storage.ReadWord(), 513);
    QCOMPARE(storage.ReadByte(), 200);
    QCOMPARE(storage.ReadMoney(), -12345678);
    QCOMPARE(storage.ReadDate(), 41640.5);
}

void TestStorage::moneyAndDateReading_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("moneyText");
    QTest::addColumn<qint64>("money");
    QTest::addColumn<QByteArray>("dateText");
    QTest::addColumn<double>("date");
    QTest::newRow("current") << QByteArray("0102") << QByteArray("12.5") << qint64(125000)
                             << QByteArray("41640") << 41640.0;
    QTest::newRow("comma separator") << QByteArray("0102") << QByteArray("12,5") << qint64(125000)
                                     << QByteArray("41640,5") << 41640.5;
    QTest::newRow("absent amount")
        << QByteArray("0102") << QByteArray("a") << qint64(-10000) << QByteArray("0") << 0.0;
    QTest::newRow("date text, version 1.1") << QByteArray("0101") << QByteArray("1")
                                            << qint64(10000) << QByteArray("01.01.2014") << 41640.0;
    QTest::newRow("date text with comma") << QByteArray("0100") << QByteArray("1") << qint64(10000)
                                          << QByteArray("31,12,2013") << 41639.0;
}

void TestStorage::moneyAndDateReading()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, moneyText);
    QFETCH(qint64, money);
    QFETCH(QByteArray, dateText);
    QFETCH(double, date);
    mTFileLoader loader(image({"@S", moneyText, dateText}, version));
    mTDocumentStorage storage(&loader);
    storage.OpenHeader();
    storage.OpenStream(QStringLiteral("@S"));
    QCOMPARE(storage.ReadMoney(), money);
    QCOMPARE(storage.ReadDate(), date);
}

void TestStorage::numericItemOfLengthZeroConsumesOneByte()
{
    mTFileLoader loader(image({"@S"}) + "00007" + item("") + item("5"));
    mTDocumentStorage storage(&loader);
    storage.OpenHeader();
    storage.OpenStream(QStringLiteral("@S"));
    QCOMPARE(storage.ReadInteger(), 7);
    QCOMPARE(storage.ReadString(), QString());
    QCOMPARE(storage.ReadInteger(), 5);
}

void TestStorage::streamLookup()
{
    mTFileLoader loader(image({"@Pens", "1", "@PensSub000", "2"}));
    mTDocumentStorage storage(&loader);
    storage.OpenHeader();
    storage.OpenStream(QStringLiteral("@PensSub000"));
    QCOMPARE(storage.ReadInteger(), 2);
    storage.OpenStream(QStringLiteral("@Pens"));
    QCOMPARE(storage.ReadInteger(), 1);
    storage.OpenStream(QStringLiteral("@Pens"));
    QCOMPARE(storage.ReadInteger(), 1);
    expectError<mEOpenStream>([&] { storage.OpenStream(QStringLiteral("@Nalog")); },
                              QStringLiteral("Попытка открытия несуществующего потока"));
}

void TestStorage::streamNameInsideTextIsNotAStream()
{
    // A taxpayer's text that contains a stream name is a text, not the stream.
    mTFileLoader loader(image({"@A", "ООО @Nalog", "@Nalog", "3"}));
    mTDocumentStorage storage(&loader);
    storage.OpenHeader();
    storage.OpenStream(QStringLiteral("@Nalog"));
    QCOMPARE(storage.ReadInteger(), 3);
}

void TestStorage::largeFileReadThroughTheWindow()
{
    // Three windows' worth of items, with streams on both sides of the window edges; they are
    // found in file order, backwards and by the index walk alike.
    QList<QByteArray> texts;
    const QByteArray filler(997, 'x');
    qsizetype size = 60;
    int stream = 0;
    constexpr int kPerStream = 210;
    while (size < 3 * mTFileLoader::kWindowSize) {
        texts << "@S" + QByteArray::number(stream++);
        size += 4 + texts.last().size();
        for (int j = 0; j < kPerStream; ++j)
            texts << filler;
        size += kPerStream * (4 + filler.size());
    }
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("large.tv3"));
    QVERIFY(writeFile(name, image(texts)));

    mTFileLoader loader(name, 0, true);
    QCOMPARE(loader.size(), size);
    mTDocumentStorage storage(&loader);
    storage.OpenHeader();
    for (int i = 0; i < stream; ++i) {
        storage.OpenStream(QStringLiteral("@S%1").arg(i));
        for (int j = 0; j < kPerStream; ++j)
            QCOMPARE(storage.ReadString().size(), filler.size());
    }
    QCOMPARE(storage.position(), size);
    for (const int i : {stream - 1, 0, stream / 2, stream / 3}) {
        storage.OpenStream(QStringLiteral("@S%1").arg(i));
        QCOMPARE(storage.ReadString().size(), filler.size());
    }
}

void TestStorage::fileCutWhileReading()
{
    // Another program cuts the file after it was opened: the rest reads as a damaged file.
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("cut.tv3"));
    QList<QByteArray> texts{"@S"};
    for (int i = 0; i < 3000; ++i)
        texts << QByteArray(900, 'y');
    QVERIFY(writeFile(name, image(texts)));
    mTFileLoader loader(name, 0, true);
    mTDocumentStorage storage(&loader);
    storage.OpenHeader();
    storage.OpenStream(QStringLiteral("@S"));
    QCOMPARE(storage.ReadString().size(), 900);
    QVERIFY(QFile::resize(name, mTFileLoader::kWindowSize + 100));
    expectError<mEConvert>(
        [&] {
            for (int i = 1; i < 3000; ++i)
                storage.ReadString();
        },
        StorageMessage::badFormat());
}

void TestStorage::saveShorterThanAnnouncedIsNotCommitted()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("a.tv3"));
    QVERIFY(writeFile(name, image({"@Old"})));
    {
        mTFileLoader loader(name, 200, false);
        mTDocumentStorage storage(&loader);
        storage.CreateHeader(QStringLiteral("Tarv2013"));
        expectError<mEMemoryAllocate>([&] { loader.commit(); }, StorageMessage::outOfMemory());
    }
    QCOMPARE(readFile(name), image({"@Old"}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.tv3")});
}

void TestStorage::errors()
{
    const QString notInitialised = QStringLiteral("Попытка доступа к неинициализированным данным.");
    const QString readOnly = QStringLiteral("Попытка записи в память только для чтения");

    mTFileLoader reader(image({"@S", "1"}));
    mTDocumentStorage storage(&reader);
    expectError<mEObjectAccess>([&] { storage.ReadInteger(); }, notInitialised);
    expectError<mEObjectAccess>([&] { storage.OpenStream(QStringLiteral("@S")); }, notInitialised);
    expectError<mEWriteStorage>([&] { storage.WriteInteger(1); }, readOnly);
    expectError<mEWriteStorage>([&] { storage.CreateHeader(QStringLiteral("Tarv2013")); },
                                readOnly);
    storage.OpenHeader();
    expectError<mEAlreadyCreated>([&] { storage.OpenHeader(); },
                                  QStringLiteral("Объект уже был создан."));
    expectError<mEWriteStorage>([&] { storage.CreateStream(QStringLiteral("@T")); }, readOnly);

    mTDocumentStorage unbound(nullptr);
    expectError<mEMemoryAllocate>([&] { unbound.CreateHeader(QStringLiteral("Tarv2013")); },
                                  QStringLiteral("Не выделена память."));

    mTFileLoader wrongMagic(QByteArray("DLSX") + header().mid(4));
    mTDocumentStorage bad(&wrongMagic);
    expectError<mEBadStorage>(
        [&] { bad.OpenHeader(); },
        QStringLiteral("Неправильный формат файла декларации, возможно он поврежден."));
    QCOMPARE(bad.position(), 0);

    mTDocumentStorage measuring = mTDocumentStorage::measuring();
    measuring.CreateHeader(QStringLiteral("Tarv2013"));
    expectError<mEBadText>([&] { measuring.WriteString(QString(10000, QLatin1Char('x'))); },
                           QStringLiteral("Текст в поле «без названия» длиннее 9999 знаков и не "
                                          "может быть сохранен в файле декларации."));
}

void TestStorage::damagedItems_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("length past the end") << image({"@S"}) + "0009123";
    QTest::newRow("length not a number") << image({"@S"}) + "00x1" + "5";
    QTest::newRow("cut inside the length") << image({"@S"}) + "00";
    QTest::newRow("not a number") << image({"@S", "12a"});
    QTest::newRow("number too large") << image({"@S", "99999999999"});
    QTest::newRow("cut header") << header().left(30);
    QTest::newRow("version not a number") << header("01x2") + item("@S") + item("1");
}

void TestStorage::damagedItems()
{
    QFETCH(QByteArray, bytes);
    const QString badFormat =
        QStringLiteral("Неправильный формат файла декларации, возможно он поврежден.");
    mTFileLoader loader(bytes);
    mTDocumentStorage storage(&loader);
    try {
        storage.OpenHeader();
        storage.OpenStream(QStringLiteral("@S"));
        storage.ReadInteger();
        QFAIL("damaged data was read");
    } catch (const mEConvert& error) {
        QCOMPARE(error.message(), badFormat);
    }
}

void TestStorage::fileErrors()
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.tv3"));
    QFile file(empty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString zeroLength =
        QStringLiteral("Создаваемый фаил отображения не может быть нулевой длины.");
    expectError<mEMemoryAllocate>([&] { mTFileLoader loader(empty, 0, true); }, zeroLength);

    // A missing file is refused like an empty one and is not created.
    const QString missing = dir.filePath(QStringLiteral("missing.tv3"));
    expectError<mEMemoryAllocate>([&] { mTFileLoader loader(missing, 0, true); }, zeroLength);
    QVERIFY(!QFile::exists(missing));

    expectError<mEBadStorage>(
        [&] { mTFileLoader loader(dir.path(), 0, true); },
        QStringLiteral("Ошибка чтения файла: ") + dir.path() +
            QStringLiteral("\rВозможно он занят, или с признаком 'read only'"));
}

void TestStorage::fileHeldByAnotherInstance()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("busy.tv3"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image({"@S"}));
    file.close();

    QFile other(name);
    QVERIFY(other.open(QIODevice::ReadOnly));
    QCOMPARE(::flock(other.handle(), LOCK_EX | LOCK_NB), 0);
    const QString busy = QStringLiteral("Ошибка чтения файла: ") + name +
                         QStringLiteral("\rВозможно он занят, или с признаком 'read only'");
    expectError<mEBadStorage>([&] { mTFileLoader loader(name, 0, true); }, busy);
    expectError<mEBadStorage>([&] { mTFileLoader loader(name, 100, false); }, busy);
    ::flock(other.handle(), LOCK_UN);
    mTFileLoader loader(name, 0, true);
    QCOMPARE(loader.bytes(0, loader.size()).toByteArray(), image({"@S"}));
}

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_storage.moc"
