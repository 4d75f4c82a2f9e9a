// The entry dialogs' own rules: which fail, with what message and field, in what order, and how a
// run puts them (which buttons it leaves, which answer ends it).
#include "ScriptedAnswerer.h"
#include "check/EntryRules.h"
#include "check/FieldChecks.h"
#include "check/SectionCheckRun.h"

#include <QTest>

Q_DECLARE_METATYPE(RuleFailures)
Q_DECLARE_METATYPE(Income13Entry)
Q_DECLARE_METATYPE(Income35Entry)
Q_DECLARE_METATYPE(DividendEntry)
Q_DECLARE_METATYPE(PensionContractEntry)

namespace {

RuleFailure failure(const char16_t* message, quint16 code, bool disablesSkip = false)
{
    return {QString::fromUtf16(message), code, disablesSkip};
}

TypedAmount typed(const char* roubles)
{
    return {true, *Money::parse(QString::fromLatin1(roubles))};
}

const TypedAmount kBlank;

const RuleFailure kNoIncomeCode13 = failure(u"Не выбран доход", Income13EntryField::IncomeCode);
const RuleFailure kNoDeductCode13 = failure(u"Не выбран вычет", Income13EntryField::DeductCode);
const char16_t* const kDeductionOver = u"Сумма вычета превышает сумму дохода";

// A line of salary, code 2000, with an amount and no deduction.
Income13Entry salary(const char* amount)
{
    Income13Entry e;
    e.incomeCode = QStringLiteral("2000");
    e.income = typed(amount);
    return e;
}

// An income whose deduction amount is typed, with the given codes and amounts.
Income13Entry withDeduction(const char* incomeCode, const char* deductCode, TypedAmount income,
                            TypedAmount deduction)
{
    Income13Entry e;
    e.incomeCode = QString::fromLatin1(incomeCode);
    e.deductCode = QString::fromLatin1(deductCode);
    e.income = income;
    e.deduction = deduction;
    e.deductionExpected = true;
    e.amountEditable = true;
    return e;
}

Income35Entry prize(TypedAmount income, TypedAmount deduction, TypedAmount withheld)
{
    Income35Entry e;
    e.hasIncomeCode = true;
    e.hasDeductCode = true;
    e.income = income;
    e.deduction = deduction;
    e.withheld = withheld;
    e.deductionExpected = true;
    e.amountEditable = true;
    return e;
}

PensionContractEntry contract(const char* number, const char* contribution, const char* agent)
{
    PensionContractEntry e;
    e.organisation = QStringLiteral("НПФ «Будущее»");
    e.inn = QStringLiteral("7707083893");
    e.kpp = QStringLiteral("773601001");
    e.contractNumber = QString::fromLatin1(number);
    e.contribution = *Money::parse(QString::fromLatin1(contribution));
    e.agentDeduction = *Money::parse(QString::fromLatin1(agent));
    return e;
}

} // namespace

class TestEntryRules : public QObject
{
    Q_OBJECT

private slots:
    void income13_data();
    void income13();
    void income35_data();
    void income35();
    void dividends_data();
    void dividends();
    void pensionContract_data();
    void pensionContract();
    void foreignSourceAndActivityCode();
    void runs();
};

void TestEntryRules::income13_data()
{
    QTest::addColumn<Income13Entry>("entry");
    QTest::addColumn<RuleFailures>("expected");
    using namespace Income13EntryField;

    QTest::newRow("complete line") << salary("1000") << RuleFailures{};
    QTest::newRow("nothing chosen: the code twice, the amount may not be skipped")
        << Income13Entry{}
        << RuleFailures{kNoIncomeCode13, failure(u"Не указана сумма дохода", IncomeCode, true)};
    Income13Entry noAmount = salary("1");
    noAmount.income = kBlank;
    QTest::newRow("code without amount")
        << noAmount << RuleFailures{failure(u"Не указана сумма дохода", IncomeAmount, true)};
    Income13Entry noDeduction = salary("1000");
    noDeduction.deductionExpected = true;
    QTest::newRow("deduction expected, none chosen")
        << noDeduction << RuleFailures{kNoDeductCode13};
    QTest::newRow("deduction equal to the income")
        << withDeduction("2000", "403", typed("500"), typed("500")) << RuleFailures{};
    QTest::newRow("deduction above the income")
        << withDeduction("2000", "403", typed("500"), typed("500.01"))
        << RuleFailures{failure(kDeductionOver, DeductAmount, true)};
    QTest::newRow("above the income without a deduction code leads to the code")
        << withDeduction("2000", "", typed("500"), typed("600"))
        << RuleFailures{kNoDeductCode13, failure(kDeductionOver, DeductCode, true)};
    QTest::newRow("securities expenses may exceed the income")
        << withDeduction("1530", "201", typed("500"), typed("600")) << RuleFailures{};
    QTest::newRow("securities income with another deduction may not")
        << withDeduction("1530", "403", typed("500"), typed("600"))
        << RuleFailures{failure(kDeductionOver, DeductAmount, true)};
    QTest::newRow("a deduction without income leads to the income")
        << withDeduction("2000", "403", kBlank, typed("1"))
        << RuleFailures{failure(u"Не указана сумма дохода", IncomeAmount, true),
                        failure(kDeductionOver, IncomeAmount, true)};
    Income13Entry fixed = withDeduction("2000", "403", typed("500"), typed("600"));
    fixed.amountEditable = false;
    QTest::newRow("a deduction the program fills is not compared") << fixed << RuleFailures{};
}

void TestEntryRules::income13()
{
    QFETCH(Income13Entry, entry);
    QFETCH(RuleFailures, expected);
    QCOMPARE(Income13EntryFailures(entry), expected);
}

void TestEntryRules::income35_data()
{
    QTest::addColumn<Income35Entry>("entry");
    QTest::addColumn<RuleFailures>("expected");
    using namespace Income35EntryField;
    const RuleFailure noAmount = failure(u"Не указана сумма дохода", IncomeAmount, true);
    const char16_t* const withheldOver = u"Удержанная сумма превышает сумму дохода";

    QTest::newRow("prize within its income")
        << prize(typed("5000"), typed("4000"), typed("130")) << RuleFailures{};
    QTest::newRow("nothing chosen: both lead to the income code and lock the skip")
        << Income35Entry{}
        << RuleFailures{failure(u"Не выбран доход", IncomeCode, true),
                        failure(u"Не указана сумма дохода", IncomeCode, true)};
    Income35Entry noDeduction = prize(typed("5000"), kBlank, kBlank);
    noDeduction.hasDeductCode = false;
    QTest::newRow("deduction expected, none chosen")
        << noDeduction << RuleFailures{failure(u"Не выбран вычет", DeductCode)};
    QTest::newRow("deduction and withheld tax above the income")
        << prize(typed("100"), typed("100.5"), typed("101"))
        << RuleFailures{failure(kDeductionOver, DeductAmount, true),
                        failure(withheldOver, Withheld)};
    QTest::newRow("amounts without income lead to the income")
        << prize(kBlank, typed("1"), typed("1"))
        << RuleFailures{noAmount, failure(kDeductionOver, IncomeAmount, true),
                        failure(withheldOver, IncomeAmount)};
    Income35Entry fixed = prize(typed("100"), typed("200"), typed("300"));
    fixed.amountEditable = false;
    QTest::newRow("amounts are compared only while the deduction is typed")
        << fixed << RuleFailures{};
}

void TestEntryRules::income35()
{
    QFETCH(Income35Entry, entry);
    QFETCH(RuleFailures, expected);
    QCOMPARE(Income35EntryFailures(entry), expected);
}

void TestEntryRules::dividends_data()
{
    QTest::addColumn<DividendEntry>("entry");
    QTest::addColumn<RuleFailures>("expected");
    const char16_t* const message = u"Сумма дивидендов меньше суммы удержанного налога";

    QTest::newRow("neither taxable amount nor tax: no rule")
        << DividendEntry{kBlank, {}, {}} << RuleFailures{};
    QTest::newRow("tax within the dividends")
        << DividendEntry{typed("1000"), 1000_rub, 1000_rub} << RuleFailures{};
    QTest::newRow("tax above the dividends")
        << DividendEntry{typed("1000"), 1000_rub, 2000_rub}
        << RuleFailures{failure(message, DividendEntryField::Withheld)};
    QTest::newRow("no dividends beside a taxable amount")
        << DividendEntry{kBlank, 50_rub, {}}
        << RuleFailures{failure(message, DividendEntryField::Taxable)};
}

void TestEntryRules::dividends()
{
    QFETCH(DividendEntry, entry);
    QFETCH(RuleFailures, expected);
    QCOMPARE(DividendEntryFailures(entry), expected);
}

void TestEntryRules::pensionContract_data()
{
    QTest::addColumn<PensionContractEntry>("entry");
    QTest::addColumn<RuleFailures>("expected");
    const RuleFailure noNumber =
        failure(u"Введите номер договора", PensionContractField::ContractNumber);
    const RuleFailure below = failure(u"Сумма взносов меньше суммы предоставленного вычета",
                                      PensionContractField::Contribution);

    QTest::newRow("complete") << contract("Д-1", "12000", "12000") << RuleFailures{};
    QTest::newRow("no number, agent above the contribution")
        << contract("", "100", "100.01") << RuleFailures{noNumber, below};
}

void TestEntryRules::pensionContract()
{
    QFETCH(PensionContractEntry, entry);
    QFETCH(RuleFailures, expected);
    QCOMPARE(PensionContractFailures(entry), expected);
}

void TestEntryRules::foreignSourceAndActivityCode()
{
    const RuleFailures noCountry{failure(u"Не выбран код страны", 1)};
    QCOMPARE(ForeignSourceFailures(QStringLiteral("   ")), noCountry);
    QCOMPARE(ForeignSourceFailures(QStringLiteral("840")), RuleFailures{});

    const RuleFailures shortCode{
        failure(u"Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку", 7)};
    QCOMPARE(ActivityCodeFailures(QStringLiteral("A01"), 7), shortCode);
    QCOMPARE(ActivityCodeFailures(QStringLiteral("01.1"), 7), RuleFailures{});
}

// How the runs put their rules: the buttons each question leaves, and the result of the answers.
void TestEntryRules::runs()
{
    const QString title = QStringLiteral("Доходы, облагаемые по ставке 13%");
    {
        // "Пропустить" on the first rule; the second locks the skip, and a closed dialog then
        // stops the run without leading anywhere. "Пропустить все" is never offered.
        ScriptedAnswerer answerer;
        answerer.sectionScript = {SectionAnswer::Skip, SectionAnswer::Closed};
        QCOMPARE(CheckIncome13Entry(answerer, title, Income13Entry{}),
                 SectionCheckRun::kClosedCode);
        QCOMPARE(answerer.sectionQuestions.size(), 2);
        QVERIFY(answerer.sectionQuestions.at(0).skipEnabled);
        QVERIFY(!answerer.sectionQuestions.at(1).skipEnabled);
        QVERIFY(!answerer.sectionQuestions.at(0).skipAllEnabled);
        QCOMPARE(answerer.sectionQuestions.at(0).windowTitle(),
                 QStringLiteral("Проверка: ") + title);
    }
    {
        // Every button of the dividends' question; "Пропустить все" accepts the entry.
        ScriptedAnswerer answerer;
        answerer.sectionScript = {SectionAnswer::SkipAll};
        QCOMPARE(CheckDividendEntry(answerer, title, DividendEntry{typed("1000"), {}, 2000_rub}),
                 0);
        QVERIFY(answerer.sectionQuestions.at(0).skipEnabled);
        QVERIFY(answerer.sectionQuestions.at(0).skipAllEnabled);
    }
    {
        // A pension contract: the organisation first, through the same dialog, nothing skippable.
        ScriptedAnswerer answerer;
        PensionContractEntry noKpp = contract("", "1", "0");
        noKpp.kpp.clear();
        QCOMPARE(CheckPensionContract(answerer, title, noKpp), SourceField::Kpp);
        QCOMPARE(answerer.sectionQuestions.size(), 1);
        QCOMPARE(answerer.sectionQuestions.at(0).message, QStringLiteral("Отсутствует КПП"));
        answerer.sectionQuestions.clear();
        QCOMPARE(CheckPensionContract(answerer, title, contract("", "1", "0")),
                 PensionContractField::ContractNumber);
        QVERIFY(!answerer.sectionQuestions.at(0).skipEnabled);
    }
    {
        // The activity picker: "Пропустить" takes the short code.
        ScriptedAnswerer answerer;
        answerer.sectionScript = {SectionAnswer::Skip};
        QCOMPARE(CheckActivityCode(answerer, QStringLiteral("ОКВЭД"), QStringLiteral("A01")), 0);
        QCOMPARE(answerer.sectionQuestions.size(), 1);
        QVERIFY(!answerer.sectionQuestions.at(0).skipAllEnabled);
        QCOMPARE(CheckForeignSource(answerer, title, QString()), 1);
    }
}

QTEST_GUILESS_MAIN(TestEntryRules)
#include "tst_entry_rules.moc"
