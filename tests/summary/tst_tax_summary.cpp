// What a declaration comes to: the amounts to pay and to refund, the lines of each section against
// the exported file, the faults, and the words the strip and the command-line tool show.

#include "DeclarationBuilder.h"
#include "XmlProbe.h"
#include "export/ExportDeclaration.h"
#include "export/ExportFormat.h"
#include "summary/SummaryText.h"
#include "summary/TaxSummary.h"

#include <QDir>
#include <QTest>
#include <functional>

using namespace Build;

namespace {

const QString kGoldenFolder = QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data");
const char* const kSectionElements[] = {"НалБаза13", "НалБаза30", "НалБаза35", "НалБаза9",
                                        "НалБаза15"};

mTDeclaration golden(const QString& name)
{
    mTDeclaration declaration;
    declaration.LoadFromFile(kGoldenFolder + QLatin1Char('/') + name +
                             QStringLiteral("/declaration.tv3"));
    return declaration;
}

Money sumOf(const QStringList& amounts)
{
    Money total;
    for (const QString& amount : amounts)
        total += Money::parse(amount).value_or(Money::fromRoubles(-999999));
    return total;
}

const SummaryLine* findLine(const std::vector<SummaryLine>& lines, const QString& caption)
{
    for (const SummaryLine& line : lines) {
        if (line.caption == caption)
            return &line;
        if (const SummaryLine* part = findLine(line.parts, caption))
            return part;
    }
    return nullptr;
}

// A resident with one employer: 10 000 of salary, 1 300 computed, withheld as given.
mTDeclaration salary(const char* withheld)
{
    mTDeclaration d = resident();
    source(d.Income13, QStringLiteral("45000000"), withheld, {{2000, "10000"}});
    return d;
}

using Builder = std::function<mTDeclaration()>;

} // namespace

Q_DECLARE_METATYPE(Builder)

class TestTaxSummary : public QObject
{
    Q_OBJECT

private slots:
    void sectionsEqualTheExport_data();
    void sectionsEqualTheExport();
    void headline_data();
    void headline();
    void faultShowsNoFigure();
    void feedingSheetsExplainTheLimits();
    void amountText_data();
    void amountText();
};

void TestTaxSummary::sectionsEqualTheExport_data()
{
    QTest::addColumn<QString>("name");
    const QStringList cases = QDir(kGoldenFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(cases.size(), 5);
    for (const QString& name : cases)
        QTest::newRow(qPrintable(name)) << name;
}

void TestTaxSummary::sectionsEqualTheExport()
{
    QFETCH(QString, name);
    const mTDeclaration declaration = golden(name);
    QStringList messages;
    const auto exported = BuildExportDocument(declaration, ExportStamp::now(), messages);
    QVERIFY(exported);
    const XmlProbe xml(exported->xml);
    const TaxSummary summary = SummarizeDeclaration(declaration);

    if (declaration.DeclForm == DeclarationForm::EstimatedIncome) {
        QCOMPARE(summary.outcome, TaxSummary::NotComputed);
        QCOMPARE(xml.count(QStringLiteral("//ПодлУплВозв")), 0);
        return;
    }
    QCOMPARE(summary.outcome, TaxSummary::Computed);
    QStringList written;
    for (const char* element : kSectionElements) {
        if (xml.count(QStringLiteral("//") + QString::fromUtf8(element)) > 0)
            written << QString::fromUtf8(element);
    }
    QStringList shown;
    for (const SummarySection& section : summary.sections)
        shown << QString::fromUtf8(section.element);
    QCOMPARE(shown, written);

    for (const SummarySection& section : summary.sections) {
        const QString path = QStringLiteral("//") + QString::fromUtf8(section.element);
        QStringList covered;
        for (const SummaryLine& line : section.lines) {
            if (line.element == nullptr)
                continue;
            const QString attribute = QString::fromUtf8(line.element);
            covered << attribute;
            const QString expected =
                line.tax ? ExportFormat::amountG(line.amount) : ExportFormat::amountK(line.amount);
            QCOMPARE(xml.value(path + QStringLiteral("/@") + attribute), expected);
        }
        // Every amount of the section in the file is a line of the summary.
        for (const QString& attribute : xml.attributeNames(path))
            QVERIFY2(covered.contains(attribute), qPrintable(attribute));
    }

    QCOMPARE(summary.payments.size(), size_t(xml.count(QStringLiteral("//ПодлУплВозв"))));
    QCOMPARE(summary.toPay, sumOf(xml.values(QStringLiteral("//ПодлУплВозв/@ПодлУпл"))));
    QCOMPARE(summary.toRefund, sumOf(xml.values(QStringLiteral("//ПодлУплВозв/@ПодлВозв"))));
}

void TestTaxSummary::headline_data()
{
    QTest::addColumn<Builder>("build");
    QTest::addColumn<QStringList>("headline");
    QTest::addColumn<bool>("hasData");

    QTest::newRow("new declaration") << Builder([] {
        mTDeclaration d;
        d.SetInteractiveDefaults();
        return d;
    }) << QStringList{QStringLiteral("Налог не доплачивается и не возвращается")}
                                     << false;
    QTest::newRow("refund") << Builder([] { return salary("2000"); })
                            << QStringList{QStringLiteral("К возврату: 700 руб.")} << true;
    QTest::newRow("pay") << Builder([] { return salary("1000"); })
                         << QStringList{QStringLiteral("К уплате: 300 руб.")} << true;
    QTest::newRow("paid in full") << Builder([] {
        return salary("1300");
    }) << QStringList{QStringLiteral("Налог не доплачивается и не возвращается")}
                                  << true;
    // A notice payment under the code of Section 3 with no income at 30 % is refunded.
    QTest::newRow("pay and refund") << Builder([] {
        mTDeclaration d = salary("1000");
        mTNalog& notice = d.NoticePayments.At(d.NoticePayments.Add());
        notice.NoticeKBK = QStringLiteral("18210102030011000110");
        notice.NoticeSum = rub("12345.5");
        return d;
    })
                                    << QStringList{QStringLiteral("К уплате: 300 руб."),
                                                   QStringLiteral("К возврату: 12 345,50 руб.")}
                                    << true;
    QTest::newRow("4-NDFL") << Builder([] {
        mTDeclaration d = salary("1000");
        d.DeclForm = DeclarationForm::EstimatedIncome;
        return d;
    })
                            << QStringList{QStringLiteral(
                                   "Форма 4-НДФЛ: сумма налога к уплате или к возврату не "
                                   "рассчитывается")}
                            << true;
}

void TestTaxSummary::headline()
{
    QFETCH(Builder, build);
    QFETCH(QStringList, headline);
    QFETCH(bool, hasData);
    const TaxSummary summary = SummarizeDeclaration(build());
    QCOMPARE(SummaryText::headline(summary), headline);
    QCOMPARE(summary.hasData, hasData);
    // The report begins with the headline.
    QVERIFY(SummaryText::report(summary).startsWith(headline.join(QLatin1Char('\n'))));
}

void TestTaxSummary::faultShowsNoFigure()
{
    mTDeclaration d = salary("1000");
    // A zero share denominator stops the computation in the property deduction.
    d.PropertyDeduction.PropertyEnabled = 1;
    d.PropertyDeduction.ShareDenominator = 0;
    const TaxSummary summary = SummarizeDeclaration(d);
    QCOMPARE(summary.outcome, TaxSummary::Fault);
    QVERIFY(summary.hasData);
    QVERIFY(!summary.faultDetail.isEmpty());
    QVERIFY(summary.sections.empty());
    QVERIFY(summary.payments.empty());
    QVERIFY(summary.toPay.isZero());
    const QString report = SummaryText::report(summary);
    QCOMPARE(report, QStringLiteral("Расчёт налога: — Ошибка в рассчетах. Пожалуйста, свяжитесь с "
                                    "разработчиками через службу поддержки\n"));
}

void TestTaxSummary::feedingSheetsExplainTheLimits()
{
    const mTDeclaration declaration = golden(QStringLiteral("resident-salary"));
    const TaxSummary summary = SummarizeDeclaration(declaration);
    // The computation caps each child's education in the copy it runs over, never in the
    // caller's declaration.
    QCOMPARE(declaration.SocialDeduction.GetChildEducation(0), 60000_rub);

    QCOMPARE(summary.sections.size(), size_t(1));
    const std::vector<SummaryLine>& lines = summary.sections.front().lines;
    const SummaryLine* deductions = findLine(lines, QStringLiteral("Вычеты и расходы"));
    QVERIFY(deductions);
    QCOMPARE(deductions->place, EntryPlace::Several);
    const SummaryLine* children = findLine(lines, QStringLiteral("Обучение детей"));
    QVERIFY(children);
    QCOMPARE(children->amount, 50000_rub);
    QCOMPARE(children->place, EntryPlace::SocialDeductions);
    QCOMPARE(children->note,
             QStringLiteral("заявлено 60 000 руб.; не более 50 000 руб. на ребёнка"));
    const SummaryLine* standard = findLine(lines, QStringLiteral("На детей"));
    QVERIFY(standard);
    QCOMPARE(standard->note, QStringLiteral("4 мес. с доходом не более 280 000 руб."));
    const SummaryLine* carried =
        findLine(lines, QStringLiteral("Остаток вычета на следующие годы"));
    QVERIFY(carried);
    QCOMPARE(carried->place, EntryPlace::PropertyDeduction);
    QCOMPARE(SummaryText::amount(carried->amount), QStringLiteral("1 929 600,50"));
    const SummaryLine* losses =
        findLine(lines, QStringLiteral("Убыток, переносимый на следующие годы"));
    QVERIFY(losses);
    QCOMPARE(losses->place, EntryPlace::SecuritiesLosses);
    QCOMPARE(summary.placeName(losses->place), QStringLiteral("Вычеты: убытки по ЦБ"));
    // The 13 % picture: the income split without a remainder.
    const IncomeBar13& bar = summary.bar13;
    QVERIFY(summary.hasBar13);
    QCOMPARE(bar.exempt + bar.deductions + bar.base, bar.income);
    QCOMPARE(bar.toRefund, summary.toRefund);
}

void TestTaxSummary::amountText_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("hundreds") << "999"
                              << "999";
    QTest::newRow("thousands") << "744000"
                               << "744 000";
    QTest::newRow("kopecks") << "1234.5"
                             << "1 234,50";
    QTest::newRow("millions") << "12345678.01"
                              << "12 345 678,01";
    QTest::newRow("rounded to kopecks") << "999.995"
                                        << "1 000";
    QTest::newRow("negative") << "-5000.25"
                              << "-5 000,25";
}

void TestTaxSummary::amountText()
{
    QFETCH(QString, amount);
    QFETCH(QString, text);
    QCOMPARE(SummaryText::amount(*Money::parse(amount)), text);
}

QTEST_GUILESS_MAIN(TestTaxSummary)
#include "tst_tax_summary.moc"
