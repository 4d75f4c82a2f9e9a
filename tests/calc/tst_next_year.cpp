// Next year's declaration: what it keeps of this year's and what the computation leaves to it, a
// property deduction used up over several years, the years refused, and the verb next-year.

#include "CliRun.h"
#include "DeclarationBuilder.h"
#include "calc/CalcError.h"
#include "calc/NextYear.h"
#include "calc/SvodSum.h"
#include "check/DeductionRules.h"
#include "model/file/DeclarationFile.h"
#include "model/file/DocumentDump.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Build;

namespace {

kTSvodSum computed(mTDeclaration declaration)
{
    kTSvodSum sum;
    sum.Calculate(declaration);
    return sum;
}

// A flat of 3 500 000 bought in 2013, interest 120 000, a salary that gives a base of 690 000.
mTDeclaration flatBought2013()
{
    mTDeclaration d = resident();
    d.InspectionCode = QStringLiteral("7701");
    d.Person.Surname = QStringLiteral("Иванов");
    d.Person.INN = QStringLiteral("500100732259");
    d.Person.DocNumber = QStringLiteral("45 06 123456");
    d.Person.City = QStringLiteral("Москва");
    source(d.Income13, QStringLiteral("45382000"), "89700", {{2000, "690000"}});
    Build::flatBought2013(d.PropertyDeduction);
    return d;
}

Money smaller(Money a, Money b)
{
    return b < a ? b : a;
}

} // namespace

class TestNextYear : public QObject
{
    Q_OBJECT

private slots:
    void carriesWhatThisYearLeft_data();
    void carriesWhatThisYearLeft();
    void propertyUsedUpOverYears();
    void standardDeductionsAsInDecember();
    void recordsNotComputedKeepWhatWasEntered();
    void refused_data();
    void refused();
    void commandLine();
};

void TestNextYear::carriesWhatThisYearLeft_data()
{
    QTest::addColumn<QString>("file");
    const QDir data(QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data"));
    const QStringList cases = data.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(cases.size(), 5);
    for (const QString& name : cases)
        QTest::newRow(qPrintable(name)) << data.filePath(name + QStringLiteral("/declaration.tv3"));
}

void TestNextYear::carriesWhatThisYearLeft()
{
    QFETCH(QString, file);
    mTDeclaration current;
    QVERIFY(!LoadDeclarationFile(current, file));
    const kTSvodSum sum = computed(current);
    const NextYearDeclaration made = MakeNextYearDeclaration(current);
    QVERIFY2(made.declaration, qPrintable(made.refusal));
    const mTDeclaration& next = *made.declaration;

    // The conditions and the taxpayer, for the following year, first filing.
    QCOMPARE(next.TaxYear, 2014);
    QCOMPARE(next.CorrectionNumber, 0);
    QCOMPARE(next.InspectionCode, current.InspectionCode);
    QCOMPARE(next.DeclForm, current.DeclForm);
    QCOMPARE(next.TaxpayerKind, current.TaxpayerKind);
    QCOMPARE(next.ConfirmKind, current.ConfirmKind);
    QCOMPARE(next.RepresentativeName, current.RepresentativeName);
    QCOMPARE(next.RepresentativeDoc, current.RepresentativeDoc);
    QCOMPARE(next.IncomeKinds(), current.IncomeKinds());
    QVERIFY(next.Person == current.Person);

    // Nothing of this year's income, tax, advances, notices and social amounts.
    QCOMPARE(next.Income13.Count() + next.Income13NR.Count() + next.Income35.Count() +
                 next.Income30.Count() + next.CurrencyIncomes.Count() + next.Businesses.Count() +
                 next.PracticeIncomes.Count() + next.NoticePayments.Count(),
             0);
    for (const Money amount :
         {next.EstimatedIncome, next.ForeignFixedPayments, next.ActualAdvance, next.AccruedAdvance,
          next.FarmExemptIncome, next.PracticeActualAdvance, next.PracticeAccruedAdvance})
        QCOMPARE(amount, Money());
    QVERIFY(next.SocialDeduction == mTSocialDeduct());
    QCOMPARE(next.StandardDeduction.PersonalCode, current.StandardDeduction.PersonalCode);
    QVERIFY(next.StandardDeduction.Children == current.StandardDeduction.Children);

    // The remainders of this year's computation.
    const kTSvodSumPrilZ& z = sum.PrilZ;
    const mTConstructionDeduct& p = next.PropertyDeduction;
    QCOMPARE(p.PropertyEnabled, current.PropertyDeduction.PropertyEnabled);
    QCOMPARE(p.ObjectCost, current.PropertyDeduction.ObjectCost);
    QCOMPARE(p.InterestPaid, current.PropertyDeduction.InterestPaid);
    QCOMPARE(p.CarriedCost, z.RemainderNext);
    QCOMPARE(p.CarriedInterest, z.InterestRemainderNext);
    QCOMPARE(p.PriorYearsDeduction + p.PriorYearsAgentDeduction + p.CarriedCost, z.Expense);
    QCOMPARE(p.PriorYearsInterest + p.PriorYearsAgentInterest + p.CarriedInterest, z.Interest);
    QCOMPARE(p.AgentDeduction + p.AgentInterest, Money());
    QCOMPARE(next.SecuritiesDeduction.SecuritiesLoss, sum.PrilJ.CarryLossSec);
    QCOMPARE(next.SecuritiesDeduction.DerivativesLoss, sum.PrilJ.CarryLossFiss);

    // It saves and reads back as it is.
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("next.tv3"));
    next.SaveToFile(saved);
    mTDeclaration reread;
    QVERIFY(!LoadDeclarationFile(reread, saved));
    QCOMPARE(DocumentDump::toJson(reread), DocumentDump::toJson(next));
}

void TestNextYear::propertyUsedUpOverYears()
{
    // A half share: the limit is 1 000 000. A tax agent granted 150 000 in the first year, the
    // salary gives 400 000 a year.
    mTDeclaration year = flatBought2013();
    year.Income13.Clear();
    source(year.Income13, QStringLiteral("45382000"), "0", {{2000, "400000"}});
    mTConstructionDeduct& p = year.PropertyDeduction;
    p.OwnershipKind = 2;
    p.ShareDenominator = 2;
    p.ObjectCost = 3000000_rub;
    p.InterestPaid = 500000_rub;
    p.AgentDeduction = 150000_rub;

    Money usedCost;
    Money usedInterest;
    Money leftCost;
    Money leftInterest;
    int years = 1;
    for (;; ++years) {
        QVERIFY(years <= 10);
        const kTSvodSumPrilZ z = computed(year).PrilZ;
        if (years > 1) {
            // Exactly what the year before left, as far as this year's base takes it.
            QCOMPARE(z.Expense - z.PriorUsed, leftCost);
            QCOMPARE(z.Interest - z.PriorInterestUsed, leftInterest);
            QCOMPARE(z.DeductionNow, smaller(z.BaseBefore, leftCost));
            QCOMPARE(z.DeductionNow + z.InterestNow,
                     smaller(z.BaseBefore, leftCost + leftInterest));
        }
        usedCost += z.DeductionNow + z.AgentGranted;
        usedInterest += z.InterestNow + z.AgentInterestGranted;
        QVERIFY(usedCost <= 1000000_rub);

        const NextYearDeclaration next = MakeNextYearDeclaration(year);
        QVERIFY2(next.declaration, qPrintable(next.refusal));
        QCOMPARE(PropertyFailures(*next.declaration, CheckScope::Declaration), RuleFailures());
        leftCost = next.declaration->PropertyDeduction.CarriedCost;
        leftInterest = next.declaration->PropertyDeduction.CarriedInterest;
        if (leftCost == Money() && leftInterest == Money())
            break;
        // The same income again; the chain goes on as if every year were one this program fills
        // in.
        year = *next.declaration;
        year.TaxYear = 2013;
        source(year.Income13, QStringLiteral("45382000"), "0", {{2000, "400000"}});
    }
    QCOMPARE(years, 4);
    QCOMPARE(usedCost, 1000000_rub);
    QCOMPARE(usedInterest, 500000_rub);
}

void TestNextYear::standardDeductionsAsInDecember()
{
    mTDeclaration current = resident();
    mTStandartDeduct& s = current.StandardDeduction;
    s.PersonalCode = 110;
    s.PersonalByMonthOn = 1;
    s.SetPersonalByMonth(12, 2);
    s.ChildrenKind = 103;
    s.ChildrenKindByMonthOn = 1;
    s.SetChildrenKindByMonth(1, 1);
    for (int month = 3; month < 12; ++month)
        s.Children.SetMonth(month, 2);
    s.Third.SetCount(1);
    s.MonthlyIncomeMode = 1;
    s.SetMonthIncome(5, 40000_rub);
    s.MonthMarks[4] = 1;

    const NextYearDeclaration next = MakeNextYearDeclaration(current);
    QVERIFY(next.declaration);
    mTStandartDeduct expected;
    expected.PersonalCode = 105;
    expected.ChildrenKind = 102;
    expected.Children.SetCount(2);
    expected.Third.SetCount(1);
    QVERIFY(next.declaration->StandardDeduction == expected);
}

void TestNextYear::recordsNotComputedKeepWhatWasEntered()
{
    // A non-resident's 3-NDFL computes no property deduction: nothing was used by declaration,
    // and what the agent granted this year is an amount of earlier years next year.
    mTDeclaration nonResident = flatBought2013();
    nonResident.DeclForm = DeclarationForm::NonResident;
    nonResident.PropertyDeduction.AgentDeduction = 50000_rub;
    nonResident.PropertyDeduction.PriorYearsAgentDeduction = 10000_rub;
    NextYearDeclaration next = MakeNextYearDeclaration(nonResident);
    QVERIFY(next.declaration);
    mTConstructionDeduct expected = nonResident.PropertyDeduction;
    expected.AgentDeduction = Money();
    expected.PriorYearsAgentDeduction = 60000_rub;
    QVERIFY(next.declaration->PropertyDeduction == expected);

    // A 4-NDFL computes nothing at all: its losses stay as entered.
    mTDeclaration estimated = resident();
    estimated.DeclForm = DeclarationForm::EstimatedIncome;
    estimated.SecuritiesDeduction.SecuritiesLoss = 7000_rub;
    next = MakeNextYearDeclaration(estimated);
    QVERIFY(next.declaration);
    QCOMPARE(next.declaration->SecuritiesDeduction.SecuritiesLoss, 7000_rub);
}

void TestNextYear::refused_data()
{
    QTest::addColumn<qint32>("taxYear");
    QTest::addColumn<quint8>("form");
    QTest::addColumn<qint32>("denominator");
    QTest::addColumn<QString>("message");
    const QString notFilled = QStringLiteral("Декларацию за %1 год эта программа не заполняет");
    QTest::newRow("2014") << 2014 << DeclarationForm::Resident << 1 << notFilled.arg(2015);
    // A 4-NDFL of tax year 2014 declares the income of 2015.
    QTest::newRow("4-NDFL 2014") << 2014 << DeclarationForm::EstimatedIncome << 1
                                 << notFilled.arg(2016);
    // Any other year is filed as 2014.
    QTest::newRow("damaged year") << 0 << DeclarationForm::Resident << 1 << notFilled.arg(2015);
    QTest::newRow("computation fault")
        << 2013 << DeclarationForm::Resident << 0
        << kECalcFault::userMessage() +
               QStringLiteral(" (доля в праве собственности: знаменатель равен нулю)");
}

void TestNextYear::refused()
{
    QFETCH(qint32, taxYear);
    QFETCH(quint8, form);
    QFETCH(qint32, denominator);
    QFETCH(QString, message);
    mTDeclaration current = flatBought2013();
    current.TaxYear = taxYear;
    current.DeclForm = form;
    current.PropertyDeduction.ShareDenominator = denominator;
    const NextYearDeclaration next = MakeNextYearDeclaration(current);
    QVERIFY(!next.declaration);
    QCOMPARE(next.refusal, message);
}

void TestNextYear::commandLine()
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("2013.tv3"));
    const QString out = dir.filePath(QStringLiteral("2014.tv3"));
    const QString after = dir.filePath(QStringLiteral("2015.tv3"));
    const mTDeclaration current = flatBought2013();
    current.SaveToFile(in);
    QFile inFile(in);
    QVERIFY(inFile.open(QIODevice::ReadOnly));
    const QByteArray inBytes = inFile.readAll();
    inFile.close();

    CliRun result = runCli({QStringLiteral("next-year"), in, out});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.code, 0);
    mTDeclaration next;
    QVERIFY(!LoadDeclarationFile(next, out));
    QCOMPARE(next.TaxYear, 2014);
    QCOMPARE(next.CorrectionNumber, 0);
    QVERIFY(next.Person == current.Person);
    QCOMPARE(next.Income13.Count(), 0);
    const mTConstructionDeduct& p = next.PropertyDeduction;
    QCOMPARE(p.ObjFlat, QStringLiteral("12"));
    QCOMPARE(p.PriorYearsDeduction, 690000_rub);
    QCOMPARE(p.CarriedCost, 1310000_rub);
    QCOMPARE(p.PriorYearsInterest, Money());
    QCOMPARE(p.CarriedInterest, 120000_rub);

    // The year after 2014 is refused and nothing is written.
    result = runCli({QStringLiteral("next-year"), out, after});
    QCOMPARE(result.code, 1);
    QCOMPARE(result.err, QStringLiteral("Декларацию за 2015 год эта программа не заполняет\n"));
    QVERIFY(!QFile::exists(after));

    // This year's declaration is never overwritten by next year's.
    result = runCli(
        {QStringLiteral("next-year"), in, QDir(dir.path()).filePath(QStringLiteral("./2013.tv3"))});
    QCOMPARE(result.code, 2);
    QVERIFY(inFile.open(QIODevice::ReadOnly));
    QCOMPARE(inFile.readAll(), inBytes);

    QCOMPARE(runCli({QStringLiteral("next-year"), in}).code, 2);
    QCOMPARE(
        runCli({QStringLiteral("next-year"), dir.filePath(QStringLiteral("none.tv3")), after}).code,
        3);
    QCOMPARE(
        runCli({QStringLiteral("next-year"), in, dir.filePath(QStringLiteral("no/such.tv3"))}).code,
        3);
    QVERIFY(!QFile::exists(after));
}

QTEST_GUILESS_MAIN(TestNextYear)
#include "tst_next_year.moc"
