// The declaration document: defaults, income kinds, list operations, and the exact layout of the
// saved file with its round trip.

#include "ImageBuilder.h"
#include "SampleDeclarations.h"
#include "TestFiles.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "storage/StorageErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

QList<QByteArray> streamNames(const QByteArray& image)
{
    QList<QByteArray> names;
    for (const QByteArray& text : ImageBuilder::items(image)) {
        if (text.startsWith('@'))
            names << text;
    }
    return names;
}

// The items of one stream, up to the next stream name.
QList<QByteArray> streamItems(const QByteArray& image, const QByteArray& name)
{
    const QList<QByteArray> all = ImageBuilder::items(image);
    QList<QByteArray> items;
    for (qsizetype i = all.indexOf(name) + 1; i > 0 && i < all.size(); ++i) {
        if (all[i].startsWith('@'))
            break;
        items << all[i];
    }
    return items;
}

} // namespace

class TestDeclaration : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void newDocumentLayout();
    void documentWithoutIncomeKinds();
    void roundTripOfEveryList();
    void incomeKindsCreateAndDropLists();
    void businessOnly();
    void thirteenPercentTotals();
    void absentAndZeroMonths();
    void businessExpenseBranches();
    void currencyConversion_data();
    void currencyConversion();
    void standardDeductionMonths();
    void socialLists();
    void foreignProofSheets();
    void refusedTexts_data();
    void refusedTexts();
    void failedSaveKeepsOldFile();
    void trailingZeroBytesAreIgnored();

private:
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    mTDeclaration saveAndLoad(const mTDeclaration& d, QByteArray* image = nullptr) const
    {
        const QString name = path("round.tv3");
        d.SaveToFile(name);
        if (image)
            *image = readFile(name);
        mTDeclaration loaded;
        loaded.LoadFromFile(name);
        return loaded;
    }

    QTemporaryDir m_dir;
};

void TestDeclaration::newDocumentLayout()
{
    mTDeclaration d;
    d.SetInteractiveDefaults();
    d.SignDate = DayCount::fromDate(2014, 1, 1);
    QByteArray image;
    const mTDeclaration loaded = saveAndLoad(d, &image);

    QCOMPARE(image.left(60), QByteArray("DLSG            Tarv20130102") + QByteArray(32, 'F'));
    const QList<QByteArray> info = streamItems(image, "@DeclInfo");
    QCOMPARE(info.mid(0, 10),
             (QList<QByteArray>{"", "", "0", "0", "41640", "0", "5", "0", "1", "1"}));
    QCOMPARE(info.mid(10, 10),
             (QList<QByteArray>{"0", "0", "0", "0", "2013", "0", "0", "0", "0", "0"}));
    QVERIFY(image.mid(60).startsWith("0009@DeclInfo"
                                     "0000"
                                     "0000"
                                     "00010"
                                     "00010"
                                     "000541640"
                                     "00010"
                                     "00015"
                                     "00010"
                                     "00011"
                                     "00011"
                                     "00010"
                                     "00010"
                                     "00010"
                                     "00010"
                                     "00042013"));
    QCOMPARE(image.size(), d.ImageSize());
    QVERIFY(loaded == d);

    // The interactive defaults give standard deductions enabled, everything else off.
    QCOMPARE(streamItems(image, "@StandartDeduct"),
             (QList<QByteArray>{"1", "103", "101", "1", "0", "1", "0", "0", "0", "0", "1", "0"}));
    QCOMPARE(streamItems(image, "@SocialDeduct"), QList<QByteArray>{"0"});
    QCOMPARE(streamItems(image, "@ConstructionDeduct"), QList<QByteArray>{"0"});
    QCOMPARE(streamItems(image, "@CBDeduct"), (QList<QByteArray>{"0", "0"}));
    QVERIFY(image.endsWith("@Nalog00010"));
}

void TestDeclaration::documentWithoutIncomeKinds()
{
    mTDeclaration d;
    d.StandardDeduction.PersonalCode = 104;
    d.SocialDeduction.SocialEnabled = 1;
    QByteArray image;
    const mTDeclaration loaded = saveAndLoad(d, &image);
    QCOMPARE(streamNames(image),
             (QList<QByteArray>{"@DeclInfo", "@PersonName", "@PersonDocument", "@Foreigner",
                                "@PhoneForeignerHome", "@PhoneForeignerWork", "@PersonAddress",
                                "@HomePhone", "@WorkPhone", "@Nalog"}));
    // Deductions are not kept without an income kind.
    QCOMPARE(loaded.StandardDeduction, mTStandartDeduct());
    QCOMPARE(loaded.SocialDeduction, mTSocialDeduct());
    d.StandardDeduction = mTStandartDeduct();
    d.SocialDeduction = mTSocialDeduct();
    QVERIFY(loaded == d);
}

void TestDeclaration::roundTripOfEveryList()
{
    const mTDeclaration d = richDeclaration();
    QByteArray image;
    const mTDeclaration loaded = saveAndLoad(d, &image);
    QCOMPARE(image.size(), d.ImageSize());
    QCOMPARE(loaded.Person, d.Person);
    QCOMPARE(loaded.Income13, d.Income13);
    QCOMPARE(loaded.Income13NR, d.Income13NR);
    QCOMPARE(loaded.Businesses, d.Businesses);
    QCOMPARE(loaded.StandardDeduction, d.StandardDeduction);
    QCOMPARE(loaded.SocialDeduction, d.SocialDeduction);
    QCOMPARE(loaded.PropertyDeduction, d.PropertyDeduction);
    QVERIFY(loaded == d);

    const QList<QByteArray> names = streamNames(image);
    for (const char* expected :
         {"@ThirteenPercent001", "@SourseIncome001002", "@ThirteenPerceNR001",
          "@SourseIncoNR001002", "@ThirtyFivePercent000", "@ThirtyPercent000", "@CurrencyIncome000",
          "@BusinessIncome000", "@BusinessExpense000", "@BusinessIncome001", "@RepetitIncome000",
          "@Pens", "@PensSub001", "@NalogSub000"})
        QVERIFY2(names.contains(expected), expected);
    QVERIFY(!names.contains("@BusinessExpense001"));
}

void TestDeclaration::incomeKindsCreateAndDropLists()
{
    mTDeclaration d = richDeclaration();
    d.SetIncomeKinds(d.IncomeKinds() & ~IncomeKind::Abroad);
    QCOMPARE(d.CurrencyIncomes.Count(), 0);
    d.SetIncomeKinds(d.IncomeKinds() | IncomeKind::Abroad);
    QCOMPARE(d.CurrencyIncomes.Count(), 0);
    QCOMPARE(d.Income13.Count(), 2);
    d.SetIncomeKinds(IncomeKind::Business);
    QCOMPARE(d.Income13.Count() + d.Income13NR.Count() + d.Income35.Count() + d.Income30.Count(),
             0);
    QCOMPARE(d.Businesses.Count(), 2);
}

void TestDeclaration::businessOnly()
{
    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Business);
    QByteArray image;
    QVERIFY(saveAndLoad(d, &image) == d);
    const QList<QByteArray> names = streamNames(image);
    QVERIFY(!names.contains("@DeclInquiry"));
    QVERIFY(names.contains("@StandartDeduct") && names.contains("@CBDeduct"));
    QCOMPARE(streamItems(image, "@DeclBusiness").size(), 9); // count + eight fixed items
}

void TestDeclaration::thirteenPercentTotals()
{
    mTThirteenPercent source;
    for (int amount : {100, 200, 300}) {
        mTSourseIncome line;
        line.IncomeSum = Money::fromRoubles(amount);
        source.AddIncome(line);
    }
    QCOMPARE(source.TotalIncome, 600_rub);
    mTSourseIncome replacement;
    replacement.IncomeSum = 50_rub;
    source.ReplaceIncome(1, &replacement);
    QCOMPARE(source.TotalIncome, 450_rub);
    source.DeleteIncome(0);
    QCOMPARE(source.TotalIncome, 350_rub);
    QCOMPARE(source.IncomeCount(), 2);

    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Country);
    d.Income13.Add();
    const mTDeclaration loaded = saveAndLoad(d);
    QCOMPARE(loaded.Income13.At(0).TotalIncome, Money());
    QCOMPARE(loaded.Income13.At(0).IncomeCount(), 0);
}

void TestDeclaration::absentAndZeroMonths()
{
    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Country);
    mTThirteenPercent& source = d.Income13.At(d.Income13.Add());
    source.SetMonthAmount(0, Money());
    source.SetMonthAmount(1, 7_rub);
    QByteArray image;
    const mTThirteenPercent loaded = saveAndLoad(d, &image).Income13.At(0);
    const QList<QByteArray> items = streamItems(image, "@ThirteenPercent000");
    QCOMPARE(items.mid(9, 12),
             (QList<QByteArray>{"0", "7", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a"}));
    QVERIFY(loaded.HasMonthAmount(0));
    QVERIFY(loaded.HasMonthAmount(1));
    QVERIFY(!loaded.HasMonthAmount(2));
    QCOMPARE(loaded.MonthAmount(2), Money());
}

void TestDeclaration::businessExpenseBranches()
{
    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Business);
    d.Businesses.Add();
    mTBusinessNew& flat = d.Businesses.At(d.Businesses.Add());
    flat.HasDocumentedExpenses = 0;
    flat.ExpensesTotal = 5_rub; // not stored in this branch
    QByteArray image;
    const mTDeclaration loaded = saveAndLoad(d, &image);
    QCOMPARE(streamItems(image, "@BusinessIncome000").size(), 4);
    QCOMPARE(streamItems(image, "@BusinessExpense000").size(), 19);
    // The fixed items of the business stream follow the last entry.
    QCOMPARE(streamItems(image, "@BusinessIncome001").mid(0, 5),
             (QList<QByteArray>{"", "..", "0", "0", "0"}));
    QVERIFY(!streamNames(image).contains("@BusinessExpense001"));
    QCOMPARE(loaded.Businesses.At(1).ExpensesTotal, Money());
    QCOMPARE(loaded.Businesses.At(0).ActivityName, QStringLiteral(".."));
}

void TestDeclaration::currencyConversion_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("roubles");
    QTest::newRow("per hundred units") << "1000"
                                       << "45.2" << 100 << "452";
    QTest::newRow("no units") << "1000"
                              << "45.2" << 0 << "0";
    QTest::newRow("half a kopeck up") << "0.5"
                                      << "0.01" << 1 << "0.01";
    QTest::newRow("exact, no float drift") << "100000.35"
                                           << "0.25" << 1 << "25000.09";
}

void TestDeclaration::currencyConversion()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(int, units);
    QFETCH(QString, roubles);
    mTCurrencyIncome income;
    income.IncomeExchangeRate = *Money::parse(rate);
    income.IncomeUnits = units;
    income.SetIncomeInCurrency(*Money::parse(amount));
    QCOMPARE(income.IncomeInRoubles, *Money::parse(roubles));
    QCOMPARE(income.IncomeInCurrency, *Money::parse(amount));
}

void TestDeclaration::standardDeductionMonths()
{
    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Country);
    d.StandardDeduction.Children.SetMonth(2, 1);
    QCOMPARE(d.StandardDeduction.Children.Constant, 0);
    QByteArray image;
    const mTDeclaration loaded = saveAndLoad(d, &image);
    QCOMPARE(streamItems(image, "@StandartDeduct").size(), 1 + 2 + 13 + 2 + 3 + 2);
    QCOMPARE(loaded.StandardDeduction.Children.InMonth(2), 1);

    // A flag of an optional block that is not a number reads as off; reading goes on.
    ImageBuilder broken;
    broken << "@StandartDeduct" << 1 << 103 << 101 << 1 << 2 << 1 << 0 << "x" << 0 << 0 << 1 << 3;
    // The hand-written stream replaces the saved one.
    QByteArray bytes = image;
    const qsizetype at = bytes.indexOf("0015@StandartDeduct");
    const qsizetype end = bytes.indexOf("0013@SocialDeduct");
    bytes.replace(at, end - at, broken.bytes().mid(60));
    mTDeclaration fromBroken;
    fromBroken.LoadFromImage(bytes);
    QCOMPARE(fromBroken.StandardDeduction.MonthlyIncomeMode, 0);
    QCOMPARE(fromBroken.StandardDeduction.Children.Count, 2);
    QCOMPARE(fromBroken.StandardDeduction.Third.Count, 3);
}

void TestDeclaration::socialLists()
{
    mTSocialDeduct social;
    for (int amount : {10000, 20000, 30000})
        social.AddChildEducation(Money::fromRoubles(amount));
    social.DeleteChildEducation(1);
    QCOMPARE(social.ChildEducationSums(), (std::vector<Money>{10000_rub, 30000_rub}));
    try {
        social.GetChildEducation(2);
        QFAIL("read past the end");
    } catch (const mEMemoryAllocate& error) {
        QCOMPARE(error.message(), QStringLiteral("Не выделена память."));
    }

    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Country);
    d.SocialDeduction.AddPens();
    d.SocialDeduction.AddPens();
    QByteArray image;
    saveAndLoad(d, &image);
    QVERIFY(!streamNames(image).contains("@Pens"));
    d.SocialDeduction.SocialEnabled = 1;
    const mTDeclaration loaded = saveAndLoad(d, &image);
    QCOMPARE(streamItems(image, "@Pens"), QList<QByteArray>{"2"});
    QVERIFY(streamNames(image).contains("@PensSub001"));
    QCOMPARE(loaded.SocialDeduction.PensCount(), 2);
}

void TestDeclaration::foreignProofSheets()
{
    mTDeclaration d;
    d.ProofSheets = 3;
    d.SetForeignProofSheets(2);
    QCOMPARE(d.ProofSheets, 3);
    d.AutoCountSheets = 1;
    d.SetForeignProofSheets(5);
    QCOMPARE(d.ProofSheets, 6);
    QCOMPARE(d.ForeignProofSheets, 5);
}

void TestDeclaration::refusedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("outside Windows-1251")
        << QStringLiteral("Acme ✓")
        << QStringLiteral("Текст в поле «Наименование источника выплаты» содержит знак «✓», "
                          "который нельзя сохранить в файле декларации (кодировка Windows-1251). "
                          "Замените его.");
    QTest::newRow("a stream name")
        << QStringLiteral("@Nalog")
        << QStringLiteral("Текст «@Nalog» в поле «Наименование источника выплаты» совпадает со "
                          "служебным именем файла декларации и не может быть сохранен. "
                          "Измените его.");
    QTest::newRow("a numbered stream name")
        << QStringLiteral("@SourseIncome000001")
        << QStringLiteral("Текст «@SourseIncome000001» в поле «Наименование источника выплаты» "
                          "совпадает со служебным именем файла декларации и не может быть "
                          "сохранен. Измените его.");
}

void TestDeclaration::refusedTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Country);
    d.Income13.At(d.Income13.Add()).SourceName = text;
    try {
        d.SaveToFile(path("refused.tv3"));
        QFAIL("saved");
    } catch (const mEBadText& error) {
        QCOMPARE(error.message(), message);
    }
    QVERIFY(!QFile::exists(path("refused.tv3")));

    // A stream name inside a longer text is an ordinary text.
    d.Income13.At(0).SourceName = QStringLiteral("ООО @Nalog");
    QCOMPARE(saveAndLoad(d).Income13.At(0).SourceName, QStringLiteral("ООО @Nalog"));
}

void TestDeclaration::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("keep.tv3"));
    mTDeclaration good;
    good.Person.Surname = QStringLiteral("Старый");
    good.SaveToFile(name);
    const QByteArray before = readFile(name);

    mTDeclaration bad;
    bad.Person.Surname = QStringLiteral("Ω€™✓");
    QVERIFY_THROWS_EXCEPTION(mEBadText, bad.SaveToFile(name));
    QCOMPARE(readFile(name), before);

    // A folder that does not exist: the container's message and what the system said, nothing
    // written.
    const QString vanished = dir.filePath(QStringLiteral("gone/decl.tv3"));
    try {
        good.SaveToFile(vanished);
        QFAIL("saved into a missing folder");
    } catch (const mEBadStorage& error) {
        QCOMPARE(error.message(), QStringLiteral("Ошибка чтения файла: ") + vanished +
                                      QStringLiteral("\rВозможно он занят, или с признаком "
                                                     "'read only'\rПапка не найдена."));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.tv3")});

    // A disk that fills up in the middle of the save, past the first megabyte handed to the file;
    // a limit on the file size stands in for it.
    mTDeclaration large;
    large.SetInteractiveDefaults();
    for (int s = 0; s < 999; ++s) {
        mTThirteenPercent& source = large.Income13.At(large.Income13.Add());
        source.SourceName = QStringLiteral("Источник %1").arg(s);
        for (int l = 0; l < 50; ++l)
            source.AddIncome(
                {2000, QStringLiteral("Заработная плата"), 1000_rub, 0, Money(), 0, 1});
    }
    QVERIFY(large.ImageSize() > 2 * 1024 * 1024);
    rlimit limit{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit previous = limit;
    limit.rlim_cur = 1536 * 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    bool refused = false;
    try {
        large.SaveToFile(name);
    } catch (const mEBadStorage&) {
        refused = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(refused);
    QCOMPARE(readFile(name), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.tv3")});
}

void TestDeclaration::trailingZeroBytesAreIgnored()
{
    const QString name = path("zeros.tv3");
    const mTDeclaration d = richDeclaration();
    d.SaveToFile(name);
    QByteArray image = readFile(name);
    mTDeclaration plain;
    plain.LoadFromImage(image);
    mTDeclaration padded;
    padded.LoadFromImage(image + QByteArray(512, '\0'));
    QVERIFY(plain == d);
    QVERIFY(padded == d);
}

QTEST_GUILESS_MAIN(TestDeclaration)
#include "tst_declaration.moc"
