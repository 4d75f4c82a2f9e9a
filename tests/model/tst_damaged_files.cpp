// Damaged and hostile declaration files end in the container's message and leave the document
// as it was; nothing crashes, hangs or allocates without bound.

#include "ImageBuilder.h"
#include "SampleDeclarations.h"
#include "TestFiles.h"
#include "model/Declaration.h"
#include "storage/StorageErrors.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kBadFormat =
    QStringLiteral("Неправильный формат файла декларации, возможно он поврежден.");
const QString kNoStream = QStringLiteral("Попытка открытия несуществующего потока");

// A file whose one source of income claims the given number of lines.
QByteArray sourceWithLineCount(const QByteArray& count)
{
    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Country);
    d.Income13.Add();
    QByteArray image = savedImage(d);
    const QByteArray marker = "0001a0001"
                              "0";
    const qsizetype at = image.lastIndexOf(marker);
    return image.left(at + 5) + QByteArray::number(count.size()).rightJustified(4, '0') + count +
           image.mid(at + marker.size());
}

// A file whose one source has two income lines of an amount near the limit of Money.
QByteArray linesBeyondMoney()
{
    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Country);
    mTThirteenPercent& source = d.Income13.At(d.Income13.Add());
    mTSourseIncome line;
    line.IncomeSum = Money::fromUnits(1234567);
    source.AddIncome(line);
    source.AddIncome(line);
    return savedImage(d).replace("0008123.4567", "0015900000000000000");
}

} // namespace

class TestDamagedFiles : public QObject
{
    Q_OBJECT

private slots:
    void hostileFiles_data();
    void hostileFiles();
    void everyCutIsRefused();
    void everyDamagedByteIsSafe();
};

void TestDamagedFiles::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << QByteArray()
                           << QStringLiteral("Создаваемый фаил отображения не может быть "
                                             "нулевой длины.");
    QTest::newRow("not a declaration") << QByteArray("PK\x03\x04 not ours") << kBadFormat;
    QTest::newRow("header only") << ImageBuilder().bytes() << kNoStream;
    QTest::newRow("version not a number")
        << QByteArray("DLSG") + QByteArray("Tarv2013").rightJustified(20, ' ') + "x1" + "02" +
               QByteArray(32, 'F')
        << kBadFormat;
    mTDeclaration countryIncome;
    countryIncome.SetIncomeKinds(IncomeKind::Country);
    QTest::newRow("65535 sources that are not there")
        << savedImage(countryIncome).replace("0012@DeclInquiry00010", "0012@DeclInquiry000565535")
        << kNoStream;
    QTest::newRow("lines claimed, none there") << sourceWithLineCount("2147483647") << kNoStream;
    QTest::newRow("negative line count") << sourceWithLineCount("-5") << kBadFormat;
    QTest::newRow("line count not a number") << sourceWithLineCount("many") << kBadFormat;
    QTest::newRow("total beyond the range of amounts") << linesBeyondMoney() << kBadFormat;
}

void TestDamagedFiles::hostileFiles()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, message);
    mTDeclaration d;
    d.Person.Surname = QStringLiteral("Прежний");
    const mTDeclaration before = d;
    try {
        d.LoadFromImage(image);
        QFAIL("a damaged file was read");
    } catch (const mEPrivBase& error) {
        QCOMPARE(error.message(), message);
    }
    QVERIFY(d == before);
}

void TestDamagedFiles::everyCutIsRefused()
{
    const QByteArray image = savedImage(richDeclaration());
    for (qsizetype length = 0; length < image.size(); ++length) {
        mTDeclaration d;
        const mTDeclaration before = d;
        try {
            d.LoadFromImage(image.left(length));
            QFAIL(qPrintable(QStringLiteral("a file cut at %1 was read").arg(length)));
        } catch (const mEPrivBase&) {
        }
        QVERIFY(d == before);
    }
}

void TestDamagedFiles::everyDamagedByteIsSafe()
{
    const QByteArray image = savedImage(richDeclaration());
    int refused = 0;
    for (qsizetype at = 0; at < image.size(); ++at) {
        for (const char replacement : {'x', '9', '@'}) {
            QByteArray damaged = image;
            damaged[at] = replacement;
            mTDeclaration d;
            try {
                d.LoadFromImage(damaged);
            } catch (const mEPrivBase&) {
                ++refused;
            }
        }
    }
    QVERIFY(refused > 0);
}

QTEST_GUILESS_MAIN(TestDamagedFiles)
#include "tst_damaged_files.moc"
