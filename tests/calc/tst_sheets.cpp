// The computed sheets of the declaration. Each row builds a declaration through the model, runs
// the whole computation and compares the named fields ("Sheet.Field=value", amounts in roubles).

#include "DeclarationBuilder.h"
#include "calc/CalcError.h"
#include "calc/SvodSum.h"
#include "storage/DayCount.h"

#include <QTest>
#include <functional>
#include <limits>

using namespace Build;

using Setup = std::function<void(mTDeclaration&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const QString kX = QStringLiteral("11000000");
const QString kY = QStringLiteral("22000000");

QString normalised(const QString& value)
{
    const auto money = Money::parse(value);
    return money ? money->toText() : value;
}

void row(const char* name, Setup setup, const char* expected)
{
    QTest::newRow(name) << setup << QString::fromUtf8(expected);
}

} // namespace

class TestSheets : public QObject
{
    Q_OBJECT

private slots:
    void sheets_data();
    void sheets();
    void sourceLines();
    void childEducationCappedInDocument();
    void zeroShareDenominatorStops();
    void estimatedIncomeFormStaysZero();
    void extremeAmountsFaultCleanly_data();
    void extremeAmountsFaultCleanly();
};

void TestSheets::sheets_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("expected");

    // Driver and rounding.
    row(
        "no income: one nothing-due line", [](mTDeclaration&) {},
        "List6.Count=1;List6.Items[0].PayKind=3;List6.Items[0].Amount=0;"
        "List6.Items[0].Kbk=18210102030011000110;List6.Items[0].Oktmo=45000000;"
        "Oktmo9=45000000;Oktmo13=45000000;Oktmo35=45000000;Oktmo15=45000000");
    row(
        "entrepreneur's nothing-due line", [](mTDeclaration& d) { d.TaxpayerKind = 0; },
        "List6.Items[0].Kbk=18210102020011000110");
    row(
        "13% of 100.00",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "100"}});
        },
        "List1.TaxBase=100;List1.TaxComputed=13;List1.ToPay=13;Oktmo13=11000000;"
        "List6.Items[0].Kbk=18210102030011000110;List6.Items[0].Amount=13");
    row(
        "13% of 3.85",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "3.85"}});
        },
        "List1.TaxComputed=1");
    row(
        "13% of 3.84",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "3.84"}});
        },
        "List1.TaxComputed=0;List6.Items[0].PayKind=3");

    // Income sheets.
    row(
        "35% prize with the allowance",
        [](mTDeclaration& d) { income35(d, 2740, "10000", 1, "4000"); },
        "PrilA35.IncomeTaxable=6000;PrilA35.TaxComputed=2100;PrilA35.IncomeTotal=10000;"
        "List3.TaxBase=6000;List3.TaxComputed=2100");
    row(
        "35% material benefit sets only the OKTMO",
        [](mTDeclaration& d) {
            income35(d, 2000, "1000", 0, "0", kX);
            income35(d, 2620, "500", 0, "0", kY).TaxWithheld = rub("175");
        },
        "PrilA35.IncomeTotal=1000;Oktmo35=22000000;PrilM3.Count=1;PrilM3.WithheldTotal=175;"
        "PrilM3.Items[0].SourceIndex=1;List3.TaxWithheldExcess=175");
    row(
        "foreign credit at the Russian tax",
        [](mTDeclaration& d) { foreign(d, 13, 1010, "1000", "200.40"); },
        "PrilB13.Items[0].TaxComputedRF=130;PrilB13.Items[0].TaxCredited=130;PrilB13.Count=1");
    row(
        "foreign credit of the tax paid, rounded",
        [](mTDeclaration& d) { foreign(d, 13, 1010, "1000", "100.50"); },
        "PrilB13.TaxCredited=101;PrilB13.TaxComputedRF=130");
    row(
        "foreign at 35% listed once",
        [](mTDeclaration& d) {
            foreign(d, 35, 2000, "1000", "0");
            foreign(d, 13, 2620, "1000", "0");
        },
        "PrilB35.Count=1;PrilB13.Count=0;PrilB9.Count=0;PrilB35.TaxComputedRF=350");
    row(
        "business expenses cut to the income",
        [](mTDeclaration& d) {
            d.SetIncomeKinds(IncomeKind::Country | IncomeKind::Business);
            mTBusinessNew& b = d.Businesses.At(d.Businesses.Add());
            b.BusinessIncome = rub("100000");
            b.ExpensesTotal = rub("150000");
        },
        "PrilV1.Income=100000;PrilV1.Expenses=100000;List1.TaxBase=0");
    row(
        "section 6 taxes the total",
        [](mTDeclaration& d) {
            d.DeclForm = DeclarationForm::NonResident;
            dividends(d, kX, "10", "10");
            dividends(d, kY, "10", "10");
        },
        "PrilA15.TaxComputed=4;List5.TaxComputed=3;List5.ToPay=3;Oktmo15=11000000");

    // Non-taxable income and professional deductions.
    row(
        "two gifts capped together",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2720, "3000", 501}, {2720, "3000", 501}});
        },
        "PrilM.GiftIncome=6000;PrilM.GiftExempt=4000;PrilM.ExemptTotal=4000;"
        "List1.IncomeExempt=4000;List1.TaxBase=2000");
    row(
        "gift exempt without a deduction amount",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2720, "10000", 501}});
        },
        "PrilM.GiftExempt=4000");
    row(
        "gift without a deduction code",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2720, "3000"}});
        },
        "PrilM.GiftIncome=3000;PrilM.GiftExempt=0");
    row(
        "birth aid takes the deduction amount",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2762, "70000", 508, "50000"}});
        },
        "PrilM.BirthAidIncome=70000;PrilM.BirthAidExempt=50000");
    row(
        "farm pay in kind with the carried allowance",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0",
                   {{2000, "17000", 0, "0", 1},
                    {2791, "3000", 0, "0", 1},
                    {2000, "25000", 0, "0", 2},
                    {2791, "5000", 0, "0", 2}});
        },
        "PrilM.FarmCount=1;PrilM.FarmItems[0].Months[0].PayTotal=20000;"
        "PrilM.FarmItems[0].Months[0].ExemptMonth=3000;PrilM.FarmItems[0].Months[0].CarryOut=1300;"
        "PrilM.FarmItems[0].Months[1].CarryIn=1300;PrilM.FarmItems[0].Months[1].ExemptMonth=5000;"
        "PrilM.FarmItems[0].Months[1].CarryOut=600;PrilM.FarmExempt=8000;PrilM.ExemptTotal=8000");
    row(
        "farm pay in kind above 20% of the pay keeps the allowance",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0",
                   {{2000, "9000", 0, "0", 1},
                    {2791, "1000", 0, "0", 1},
                    {2000, "5000", 0, "0", 3},
                    {2791, "2000", 0, "0", 3}});
        },
        "PrilM.FarmItems[0].Months[0].ExemptMonth=1000;PrilM.FarmItems[0].Months[0].CarryOut=3300;"
        "PrilM.FarmItems[0].Months[2].CarryIn=3300;PrilM.FarmItems[0].Months[2].ExemptMonth=0;"
        "PrilM.FarmItems[0].Months[2].CarryOut=3300;PrilM.FarmExempt=1000");
    row(
        "farm pay before the first pay in kind is not counted",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "100", 0, "0", 1}, {2791, "10", 0, "0", 2}});
        },
        "PrilM.FarmItems[0].Months[0].PayTotal=0;PrilM.FarmItems[0].Months[1].PayTotal=10;"
        "PrilM.FarmItems[0].Months[1].ExemptMonth=0");
    row(
        "two 35% prizes share the allowance",
        [](mTDeclaration& d) {
            income35(d, 2740, "3000", 1, "4000");
            income35(d, 2740, "3000", 1, "4000");
        },
        "PrilM2.Items[0].Exempt=3000;PrilM2.Items[1].Exempt=1000;PrilM2.ExemptTotal=4000;"
        "PrilA35.IncomeTaxable=2000;PrilA35.TaxComputed=700;List3.TaxBase=2000");
    row(
        "royalty expenses cut to the royalties",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0",
                   {{2202, "10000", 404, "15000"}, {2010, "5000", 403, "1000"}});
        },
        "PrilG.RoyaltyIncome=10000;PrilG.RoyaltyExpense=10000;PrilG.ContractExpense=1000;"
        "PrilG.ExpenseTotal=11000");
    row(
        "non-resident professional deduction only for contracts",
        [](mTDeclaration& d) {
            d.DeclForm = DeclarationForm::NonResident;
            source(d.Income13NR, kX, "0",
                   {{2202, "10000", 404, "5000"}, {2010, "5000", 403, "1000"}});
        },
        "PrilG.RoyaltyIncome=0;PrilG.ContractExpense=1000;List1.DeductionTotal=1000;"
        "List1.TaxBase=14000");

    // Property sale and securities.
    row(
        "flat and share share one limit",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{1510, "3000000", 901}, {1511, "500000", 904, "400000"}});
        },
        "PrilH1.FlatDeduction=1000000;PrilH1.ShareDeduction=400000;"
        "PrilH1.FlatShareDeduction=1000000;PrilH1.HousingDeduction=1000000");
    row(
        "documented expenses cut to the sale",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{1510, "2000000", 903, "2500000"}});
        },
        "PrilH1.HousingDocExpense=2000000;PrilH1.DeductionTotal=2000000");
    row(
        "other property limit",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{1520, "400000", 906, "400000"}});
        },
        "PrilH1.OtherFlatDeduction=250000");
    row(
        "car sold at a loss does not lower the tax on pay",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "13000", {{2000, "100000"}, {1520, "150000", 903, "230000"}});
        },
        "PrilH1.OtherDocExpense=150000;PrilH1.DeductionTotal=150000;List1.TaxBase=100000;"
        "List1.TaxComputed=13000;List1.ToRefund=0;List1.ToPay=0");
    row(
        "share, other and seized deductions cut to their income",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0",
                   {{1511, "100000", 904, "300000"},
                    {1520, "50000", 906, "100000"},
                    {4900, "70000", 908, "90000"}});
        },
        "PrilH1.ShareDeduction=100000;PrilH1.OtherFlatDeduction=50000;"
        "PrilH1.SeizedDeduction=70000;PrilH1.DeductionTotal=220000");
    row(
        "securities without a deduction code are not counted",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{1530, "100000"}});
        },
        "PrilJ.OrgIncome=0;PrilJ.IncomeAll=0;List1.TaxBase=100000");
    row(
        "organised loss against the mixed group",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0",
                   {{1530, "70000", 201, "100000"}, {1536, "50000", 201, "30000"}});
        },
        "PrilJ.OrgNonOrgResult=0;PrilJ.OrgLoss=10000;PrilJ.CarryLossSec=10000;"
        "PrilJ.IncomeAll=120000;PrilJ.ExpenseAll=120000");
    row(
        "loss of earlier years",
        [](mTDeclaration& d) {
            d.SecuritiesDeduction.SecuritiesLoss = rub("50000");
            source(d.Income13, kX, "0", {{1530, "130000", 201, "100000"}});
        },
        "PrilJ.OrgPriorLossUsed=30000;PrilJ.OrgResult=0;PrilJ.CarryLossSec=20000");
    row(
        "derivatives loss against securities profit",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0",
                   {{1530, "150000", 201, "100000"}, {1532, "10000", 201, "30000"}});
        },
        "PrilJ.FissSecLoss=20000;PrilJ.FissSecLossToOrg=20000;PrilJ.OrgResult=30000;"
        "PrilJ.CarryLossFiss=0;PrilJ.TaxableAll=30000");

    // Standard deductions.
    row(
        "personal code 103 gives nothing",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "10000", 0, "0", 1}}).IsPrimarySource = 1;
        },
        "PrilE1.DeductionTotal=0;PrilE1.Deduction400=0;PrilE1.MonthsUnder40000=0");
    row(
        "children until the 280 000 threshold",
        [](mTDeclaration& d) {
            mTThirteenPercent& s = source(d.Income13, kX, "0", {});
            s.IsPrimarySource = 1;
            for (quint16 m = 1; m <= 12; ++m)
                s.AddIncome({2000, QString(), rub("30000"), 0, Money(), 0, m});
            d.StandardDeduction.ChildrenKind = 101;
            d.StandardDeduction.Children.SetCount(2);
        },
        "PrilE1.MonthsUnder280000=9;PrilE1.ChildSingle=25200;PrilE1.CumulativeIncome[9]=300000;"
        "PrilE1.DeductionTotal=25200");
    row(
        "December counts within the threshold, double amounts",
        [](mTDeclaration& d) {
            mTThirteenPercent& s = source(d.Income13, kX, "0", {});
            s.IsPrimarySource = 1;
            for (quint16 m = 1; m <= 12; ++m)
                s.AddIncome({2000, QString(), rub("20000"), 0, Money(), 0, m});
            d.StandardDeduction.ChildrenKind = 102;
            d.StandardDeduction.Children.SetCount(1);
        },
        "PrilE1.MonthsUnder280000=12;PrilE1.ChildDouble=33600");
    row(
        "children month by month",
        [](mTDeclaration& d) {
            mTThirteenPercent& s = source(d.Income13, kX, "0", {});
            s.IsPrimarySource = 1;
            for (quint16 m = 1; m <= 3; ++m)
                s.AddIncome({2000, QString(), rub("10000"), 0, Money(), 0, m});
            d.StandardDeduction.ChildrenKind = 103;
            d.StandardDeduction.SetChildrenKindByMonth(1, 1);
            d.StandardDeduction.Disabled.SetMonth(0, 1);
            d.StandardDeduction.Disabled.SetMonth(1, 2);
        },
        "PrilE1.DisabledChildSingle=3000;PrilE1.DisabledChildDouble=12000");
    row(
        "code 104 without a threshold",
        [](mTDeclaration& d) {
            mTThirteenPercent& s = source(d.Income13, kX, "0", {});
            s.IsPrimarySource = 1;
            for (quint16 m = 1; m <= 12; ++m)
                s.AddIncome({2000, QString(), rub("50000"), 0, Money(), 0, m});
            d.StandardDeduction.PersonalCode = 104;
        },
        "PrilE1.Deduction500=6000;PrilE1.DeductionTotal=6000");
    row(
        "deductions cut to the income of the year",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0",
                   {{2000, "2500", 0, "0", 1},
                    {2000, "2500", 0, "0", 2},
                    {2000, "2500", 0, "0", 3},
                    {2000, "2500.70", 0, "0", 4}})
                .IsPrimarySource = 1;
            d.StandardDeduction.PersonalCode = 105;
        },
        "PrilE1.Deduction3000=12000;PrilE1.DeductionTotal=10000;List1.TaxBase=0.7;"
        "List1.TaxComputed=0");
    row(
        "monthly income carries the excess of expenses",
        [](mTDeclaration& d) {
            mTStandartDeduct& s = d.StandardDeduction;
            s.MonthlyIncomeMode = 1;
            s.SetMonthExpense(1, rub("5000"));
            s.SetMonthIncome(2, rub("8000"));
            s.MonthMarks[0] = s.MonthMarks[1] = 1;
            s.PersonalCode = 104;
        },
        "PrilE1.CumulativeIncome[0]=0;PrilE1.CumulativeIncome[1]=3000;PrilE1.Deduction500=1000");
    row(
        "no standard deductions for a non-resident",
        [](mTDeclaration& d) {
            d.DeclForm = DeclarationForm::NonResident;
            source(d.Income13, kX, "0", {{2000, "10000"}}).IsPrimarySource = 1;
            d.StandardDeduction.PersonalCode = 105;
        },
        "PrilE1.DeductionTotal=0;PrilE1.Deduction3000=0");
    row(
        "a line without a month marks no month",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "10000", 0, "0", 0}}).IsPrimarySource = 1;
            d.StandardDeduction.PersonalCode = 104;
        },
        "PrilE1.Deduction500=0;PrilE1.CumulativeIncome[11]=0");

    // Social deductions.
    row(
        "charity up to 25% of the income",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "100000.35"}});
            d.SocialDeduction.SocialEnabled = 1;
            d.SocialDeduction.CharitySum = rub("40000");
        },
        "PrilE2.Charity=25000.08;PrilE2.UnlimitedTotal=25000.08;PrilE2.SocialTotal=25000.08");
    row(
        "limited group capped",
        [](mTDeclaration& d) {
            d.SocialDeduction.SocialEnabled = 1;
            d.SocialDeduction.SelfEducationSum = rub("70000");
            d.SocialDeduction.MedicalSum = rub("80000");
        },
        "PrilE2.LimitedTotal=120000;PrilE2.SocialTotal=120000");
    row(
        "contributions granted by a tax agent count once",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "500000"}});
            d.SocialDeduction.SocialEnabled = 1;
            mTPens& p = d.SocialDeduction.GetPens(d.SocialDeduction.AddPens());
            p.ContractKind = 3;
            p.Contribution = rub("50000");
            p.AgentDeduction = rub("20000");
        },
        "PrilE2.LimitedTotal=30000;PrilE3.AgentGrantedTotal=20000;PrilE3.DpsCount=1;"
        "PrilE3.DpsItems[0].ContractKind=1;PrilE2.DpsContributions=50000;"
        "List1.DeductionTotal=50000");
    row(
        "agent grant cut to the contributions",
        [](mTDeclaration& d) {
            d.SocialDeduction.SocialEnabled = 1;
            mTPens& p = d.SocialDeduction.GetPens(d.SocialDeduction.AddPens());
            p.ContractKind = 1;
            p.Contribution = rub("10000");
            p.AgentDeduction = rub("15000");
        },
        "PrilE3.NpoItems[0].AgentGranted=10000;PrilE3.AgentGrantedTotal=10000;"
        "PrilE2.LimitedTotal=0");

    // Property purchase.
    auto property = [](const char* cost, int numerator, int denominator, int year) {
        return [=](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "5000000"}});
            mTConstructionDeduct& p = d.PropertyDeduction;
            p.PropertyEnabled = 1;
            p.ObjectCost = rub(cost);
            p.ShareNumerator = numerator;
            p.ShareDenominator = denominator;
            p.RightRegDate = DayCount::fromDate(year, 5, 1);
        };
    };
    row("limit before 2008", property("1500000", 1, 1, 2007), "PrilZ.Expense=1000000");
    row("one third of the limit", property("2000000", 1, 3, 2012),
        "PrilZ.Expense=666666.67;PrilZ.DeductionNow=666666.67");
    row(
        "act of transfer decides the year",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "5000000"}});
            mTConstructionDeduct& p = d.PropertyDeduction;
            p.PropertyEnabled = 1;
            p.ObjectCost = rub("3000000");
            p.ShareNumerator = 1;
            p.ShareDenominator = 2;
            p.ByInvestment = 1;
            p.ActDate = DayCount::fromDate(2009, 3, 1);
            p.RightRegDate = DayCount::fromDate(2010, 3, 1);
        },
        "PrilZ.Expense=1000000");
    row(
        "the base goes to the expenses first",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "500000"}});
            mTConstructionDeduct& p = d.PropertyDeduction;
            p.PropertyEnabled = 1;
            p.ObjectCost = rub("300000");
            p.InterestPaid = rub("400000");
            p.ShareNumerator = p.ShareDenominator = 1;
        },
        "PrilZ.BaseBefore=500000;PrilZ.DeductionNow=300000;PrilZ.InterestNow=200000;"
        "PrilZ.InterestRemainderNext=200000;PrilZ.RemainderNext=0;List1.TaxBase=0");
    row(
        "remainder carried to the next year",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {{2000, "100000"}});
            mTConstructionDeduct& p = d.PropertyDeduction;
            p.PropertyEnabled = 1;
            p.ObjectCost = rub("1000000");
            p.ShareNumerator = p.ShareDenominator = 1;
        },
        "PrilZ.DeductionNow=100000;PrilZ.InterestNow=0;PrilZ.RemainderNext=900000");

    // Sections and Section 1.
    row(
        "refund split by the OKTMO of the sources",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "10000", {{2000, "23076.92"}});
            source(d.Income13, kY, "5000", {});
        },
        "List1.TaxComputed=3000;List1.ToRefund=12000;List6.Count=2;"
        "List6.Items[0].Oktmo=11000000;List6.Items[0].Amount=10000;List6.Items[0].PayKind=2;"
        "List6.Items[0].Kbk=18210102010011000110;"
        "List6.Items[1].Oktmo=22000000;List6.Items[1].Amount=2000");
    row(
        "sources with one OKTMO share a refund line",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "10000", {{2000, "23076.92"}});
            source(d.Income13, kX, "5000", {});
        },
        "List6.Count=1;List6.Items[0].Amount=12000");
    row(
        "refund beyond everything withheld",
        [](mTDeclaration& d) {
            source(d.Income13, kY, "5000", {});
            mTNalog& n = d.NoticePayments.At(d.NoticePayments.Add());
            n.NoticeKBK = QStringLiteral("18210102021011000110");
            n.NoticeSum = rub("20000");
        },
        "List1.NoticePaid=20000;List1.ToRefund=25000;List6.Count=2;List6.Items[0].Amount=5000;"
        "List6.Items[1].Oktmo=45000000;List6.Items[1].Amount=20000");
    row(
        "notice payment at 30% is refunded under Oktmo13",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "0", {});
            mTNalog& n = d.NoticePayments.At(d.NoticePayments.Add());
            n.NoticeKBK = QStringLiteral("18210102030011000110");
            n.NoticeSum = rub("700");
        },
        "List2.ToRefund=700;List6.Count=1;List6.Items[0].Oktmo=11000000;"
        "List6.Items[0].PayKind=2;List6.Items[0].Kbk=18210102010011000110");
    row(
        "foreign credit never makes a refund",
        [](mTDeclaration& d) {
            source(d.Income13, kX, "800", {});
            foreign(d, 13, 1010, "7692.31", "500");
        },
        "List1.TaxComputed=1000;List1.ForeignCredit=500;List1.ToPay=0;List1.ToRefund=0;"
        "List6.Items[0].PayKind=3");
    row(
        "business tax goes under the business code",
        [](mTDeclaration& d) {
            d.SetIncomeKinds(IncomeKind::Country | IncomeKind::Business);
            mTBusinessNew& b = d.Businesses.At(d.Businesses.Add());
            b.BusinessIncome = rub("100000");
            b.ExpensesTotal = rub("20000");
            d.ActualAdvance = rub("4000");
            source(d.Income13, kX, "0", {{2000, "10000"}});
        },
        "List1.TaxComputed=11700;List1.AdvancePaid=4000;List1.ToPay=7700;List6.Count=2;"
        "List6.Items[0].Kbk=18210102020011000110;List6.Items[0].Amount=6400;"
        "List6.Items[1].Kbk=18210102030011000110;List6.Items[1].Amount=1300");
    row(
        "dividends at 9% with the sources' taxes",
        [](mTDeclaration& d) {
            dividends(d, kY, "1000", "1000").TaxComputed30 = rub("90");
            foreign(d, 9, 1010, "1000", "50");
        },
        "Oktmo9=22000000;List4.TaxComputed=180;List4.ForeignCredit=50;List4.ToPay=130;"
        "List6.Count=1;List6.Items[0].PayKind=1;List6.Items[0].Amount=130");
    row(
        "non-resident at 30%",
        [](mTDeclaration& d) {
            d.DeclForm = DeclarationForm::NonResident;
            source(d.Income13, kY, "100", {{2000, "1000"}});
        },
        "PrilA30.IncomeTotal=1000;List2.TaxComputed=300;List2.ToPay=200;Oktmo13=22000000;"
        "List3.IncomeTotal=0;List6.Count=1;List6.Items[0].Amount=200");
}

void TestSheets::sheets()
{
    QFETCH(Setup, setup);
    QFETCH(QString, expected);
    mTDeclaration declaration = resident();
    setup(declaration);
    kTSvodSum sum;
    QVERIFY(sum.Calculate(declaration));
    const QMap<QString, QString> actual = fields(sum);
    for (const QString& item : expected.split(QLatin1Char(';'))) {
        const QString path = item.section(QLatin1Char('='), 0, 0);
        const QString value = item.section(QLatin1Char('='), 1);
        QVERIFY2(actual.contains(path), qPrintable(path));
        QCOMPARE(path + QLatin1Char('=') + normalised(actual.value(path)),
                 path + QLatin1Char('=') + normalised(value));
    }
}

// The sources a sheet of income in the country counts, each with its taxable income and its tax:
// the lines the export writes.
void TestSheets::sourceLines()
{
    mTDeclaration resident = Build::resident();
    income35(resident, 2620, "500");
    income35(resident, 2740, "10000", 1, "4000");
    income35(resident, 2610, "100.01");
    dividends(resident, kX, "1000", "1000").TaxComputed30 = rub("90");
    kTSvodSum sum;
    sum.Calculate(resident);
    // Material benefit has no line; a prize is taxed on what its allowance leaves.
    QCOMPARE(sum.PrilA35.Sources, (std::vector<SourceTax>{{1, rub("6000"), rub("2100")},
                                                          {2, rub("100.01"), rub("35")}}));
    // A resident's dividends keep the tax of their entry.
    QCOMPARE(sum.PrilA6.Sources, (std::vector<SourceTax>{{0, rub("1000"), rub("90")}}));

    mTDeclaration nonResident = Build::nonResident();
    dividends(nonResident, kX, "10", "10");
    dividends(nonResident, kY, "1000", "1000");
    kTSvodSum nonResidentSum;
    nonResidentSum.Calculate(nonResident);
    // 15 % of 10.00 is 1.5, rounded up.
    QCOMPARE(nonResidentSum.PrilA15.Sources,
             (std::vector<SourceTax>{{0, rub("10"), rub("2")}, {1, rub("1000"), rub("150")}}));
}

void TestSheets::childEducationCappedInDocument()
{
    mTDeclaration declaration = resident();
    declaration.SocialDeduction.SocialEnabled = 1;
    declaration.SocialDeduction.AddChildEducation(rub("60000"));
    declaration.SocialDeduction.AddChildEducation(rub("30000"));
    kTSvodSum sum;
    sum.Calculate(declaration);
    QCOMPARE(sum.PrilE2.ChildEducation, rub("80000"));
    QCOMPARE(declaration.SocialDeduction.GetChildEducation(0), rub("50000"));
    QCOMPARE(declaration.SocialDeduction.GetChildEducation(1), rub("30000"));
}

void TestSheets::zeroShareDenominatorStops()
{
    mTDeclaration declaration = resident();
    source(declaration.Income13, kX, "0", {{2000, "100000"}});
    declaration.PropertyDeduction.PropertyEnabled = 1;
    declaration.PropertyDeduction.ShareNumerator = 1;
    kTSvodSum sum;
    QVERIFY_THROWS_EXCEPTION(kECalcFault, sum.Calculate(declaration));
    // The sheets before the fault stand; the sections were never reached.
    QCOMPARE(sum.PrilA13.IncomeTotal, rub("100000"));
    QCOMPARE(sum.List1.TaxBase, Money());
    QCOMPARE(sum.List6.Count, 0);
}

void TestSheets::estimatedIncomeFormStaysZero()
{
    mTDeclaration declaration = resident();
    declaration.DeclForm = DeclarationForm::EstimatedIncome;
    source(declaration.Income13, kX, "1000", {{2000, "100000"}});
    kTSvodSum sum;
    QVERIFY(sum.Calculate(declaration));
    const QMap<QString, QString> actual = fields(sum);
    for (auto it = actual.begin(); it != actual.end(); ++it) {
        if (it.key().startsWith(QLatin1String("Oktmo")))
            QVERIFY2(it.value().isEmpty(), qPrintable(it.key()));
        else if (!it.key().endsWith(QLatin1String("Ratio")))
            QCOMPARE(it.key() + QLatin1Char('=') + normalised(it.value()),
                     it.key() + QStringLiteral("=0"));
    }
    QCOMPARE(sum.List6.Count, 0);
    QVERIFY(sum.List6.Items.empty());
}

void TestSheets::extremeAmountsFaultCleanly_data()
{
    QTest::addColumn<Setup>("setup");
    const Money largest = Money::fromUnits(std::numeric_limits<qint64>::max());
    const Money smallest = Money::fromUnits(std::numeric_limits<qint64>::min());
    QTest::newRow("income lines beyond the range") << Setup([=](mTDeclaration& d) {
        // Each source's own total stays in range; their sum does not.
        source(d.Income13, kX, "0", {}).AddIncome({2000, QString(), largest, 0, Money(), 0, 1});
        source(d.Income13, kY, "0", {}).AddIncome({2000, QString(), largest, 0, Money(), 0, 2});
    });
    QTest::newRow("tax paid abroad at the end of the range") << Setup([=](mTDeclaration& d) {
        foreign(d, 13, 1010, "1000000000000", "0").TaxInRoubles = largest;
    });
    QTest::newRow("negative month income at the end of the range") << Setup([=](mTDeclaration& d) {
        d.StandardDeduction.MonthlyIncomeMode = 1;
        d.StandardDeduction.SetMonthIncome(1, smallest);
    });
    QTest::newRow("children without bound") << Setup([=](mTDeclaration& d) {
        source(d.Income13, kX, "0", {{2000, "1000", 0, "0", 1}}).IsPrimarySource = 1;
        d.StandardDeduction.ChildrenKind = 103;
        for (int m = 0; m < 12; ++m)
            d.StandardDeduction.Third.SetMonth(m, std::numeric_limits<qint32>::max());
        d.StandardDeduction.Children.SetCount(std::numeric_limits<qint32>::max());
    });
}

// Amounts a damaged file may carry either compute or stop with a computation fault; nothing
// wraps around or crashes.
void TestSheets::extremeAmountsFaultCleanly()
{
    QFETCH(Setup, setup);
    mTDeclaration declaration = resident();
    setup(declaration);
    kTSvodSum sum;
    try {
        sum.Calculate(declaration);
    } catch (const kECalcFault& fault) {
        QVERIFY(!fault.detail().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestSheets)
#include "tst_sheets.moc"
