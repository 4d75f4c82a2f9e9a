// The deduction and securities sheets of the 3-NDFL body from computed sheets: property sale,
// standard, social, pension contracts, securities operations and property purchase.

#include "BodyExport.h"
#include "XmlProbe.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"

#include <QTest>

class TestExportDeductions : public QObject
{
    Q_OBJECT

private slots:
    void order();
    void nonResidentHasNoPersonalDeductions();
    void propertySale();
    void standardDeductions();
    void socialDeductions();
    void pensionContracts();
    void securities();
    void propertyPurchase_data();
    void propertyPurchase();

private:
    // A resident claiming every deduction, so that the sheets container is written.
    static mTDeclaration claimingEverything();
};

mTDeclaration TestExportDeductions::claimingEverything()
{
    mTDeclaration d;
    d.DeclForm = DeclarationForm::Resident;
    d.StandardDeduction.StdEnabled = 1;
    d.SocialDeduction.SocialEnabled = 1;
    d.PropertyDeduction.PropertyEnabled = 1;
    d.PropertyDeduction.ObjectKind = 2;
    d.PropertyDeduction.OwnershipKind = 1;
    d.PropertyDeduction.OwnerSign = 1;
    d.PropertyDeduction.ShareNumerator = 1;
    d.PropertyDeduction.ShareDenominator = 1;
    return d;
}

void TestExportDeductions::order()
{
    kTSvodSum sum;
    sum.PrilH1.DeductionTotal = 1_rub;
    sum.PrilH1.SeizedDeduction = 1_rub;
    sum.PrilE3.NpoCount = 1;
    sum.PrilE3.NpoItems.resize(1);
    sum.PrilJ.IncomeAll = 1_rub;
    sum.PrilG.ExpenseTotal = 1_rub;
    const XmlProbe probe(exportBody(claimingEverything(), sum));
    QCOMPARE(probe.childNames(sheetsPath(QString()).chopped(1)),
             (QStringList{u"ВычПрофВозн"_qs, u"ВычПродИмущ"_qs, u"ВычСтанд"_qs, u"ВычСоциал"_qs,
                          u"ВычДогНПО_ДПС"_qs, u"ДохОперЦБ"_qs, u"ВычИмущНов"_qs}));
}

void TestExportDeductions::nonResidentHasNoPersonalDeductions()
{
    mTDeclaration declaration = claimingEverything();
    declaration.DeclForm = DeclarationForm::NonResident;
    kTSvodSum sum;
    sum.PrilE1.DeductionTotal = 1400_rub;
    sum.PrilE2.SocialTotal = 100_rub;
    sum.PrilZ.DeductionNow = 100_rub;
    const XmlProbe probe(exportBody(declaration, sum));
    QCOMPARE(probe.count(sheetsPath(QString()).chopped(1)), 1);
    QCOMPARE(probe.childNames(sheetsPath(QString()).chopped(1)), QStringList());
}

void TestExportDeductions::propertySale()
{
    kTSvodSum sum;
    kTSvodSumPrilH1& h = sum.PrilH1;
    h.DeductionTotal = 1250000_rub;
    h.HousingIncome = 3000000_rub;
    h.HousingDeduction = 1000000_rub;
    h.FlatIncome = 2000000_rub;
    h.FlatDeduction = 1000000_rub;
    h.HousingDocIncome = 1000000_rub; // no expense: not written
    h.OtherIncome = 300000_rub;
    h.OtherDeduction = 250000_rub;
    h.OtherDocIncome = 300000_rub;
    h.OtherDocExpense = 250000_rub;
    const XmlProbe probe(exportBody(claimingEverything(), sum));
    const QString sale = sheetsPath(u"ВычПродИмущ"_qs);
    QCOMPARE(probe.values(sale + u"/@*"_qs), QStringList{u"1250000.00"_qs});
    QCOMPARE(probe.childNames(sale), (QStringList{u"ВычЖилИмущ"_qs, u"ВычИноеИмущ"_qs}));
    QCOMPARE(probe.values(sale + u"/ВычЖилИмущ/@*"_qs),
             (QStringList{u"3000000.00"_qs, u"1000000.00"_qs}));
    QCOMPARE(probe.childNames(sale + u"/ВычЖилИмущ"_qs), QStringList{u"СумИмущ"_qs});
    QCOMPARE(probe.attributeNames(sale + u"/ВычИноеИмущ"_qs),
             (QStringList{u"ДохИстИтог"_qs, u"ВычИнИмущИтог"_qs}));
    QCOMPARE(probe.childNames(sale + u"/ВычИноеИмущ"_qs), QStringList{u"СумИнИмущДок"_qs});
    QCOMPARE(probe.attributeNames(sale + u"/ВычИноеИмущ/СумИнИмущДок"_qs),
             (QStringList{u"ДохВсехИст"_qs, u"РасхДок"_qs}));

    h.SeizedIncome = 50_rub;
    h.SeizedDeduction = 40_rub;
    const XmlProbe seized(exportBody(claimingEverything(), sum));
    QCOMPARE(seized.values(sale + u"/ВычИзтИмущ/СумИзтИмущ/@*"_qs),
             (QStringList{u"50.00"_qs, u"40.00"_qs}));
}

void TestExportDeductions::standardDeductions()
{
    kTSvodSum sum;
    sum.PrilE1.CumulativeIncome[0] = Money::fromKopecks(3000050);
    sum.PrilE1.CumulativeIncome[11] = 360000_rub;
    sum.PrilE1.MonthsUnder280000 = 9;
    const XmlProbe probe(exportBody(claimingEverything(), sum));
    const QString standard = sheetsPath(u"ВычСтанд"_qs);
    QCOMPARE(probe.values(standard + u"/@*"_qs), QStringList{u"0"_qs});
    const QStringList months = probe.values(standard + u"/ДохМес/@*"_qs);
    QCOMPARE(months.size(), 14);
    QCOMPARE(months.first(), u"30000.50"_qs);
    QCOMPARE(months.mid(11), (QStringList{u"360000.00"_qs, u"0"_qs, u"9"_qs}));
    QCOMPARE(
        probe.attributeNames(standard + u"/ДохМес"_qs).mid(10),
        (QStringList{u"ИтогЯнвНояб"_qs, u"ИтогЯнвДек"_qs, u"КолМес40000"_qs, u"КолМес280000"_qs}));
    QCOMPARE(probe.count(standard + u"/РасчВычСтанд"_qs), 1);
    QCOMPARE(probe.attributeNames(standard + u"/РасчВычСтанд"_qs), QStringList());

    sum.PrilE1.DeductionTotal = 2800_rub;
    sum.PrilE1.Deduction400 = 800_rub;
    sum.PrilE1.ChildSingle = 2000_rub;
    const XmlProbe some(exportBody(claimingEverything(), sum));
    QCOMPARE(some.attributeNames(standard + u"/РасчВычСтанд"_qs),
             (QStringList{u"ВычСтанд218.1.3"_qs, u"ВычСтандРеб"_qs}));
    QCOMPARE(some.values(standard + u"/@*"_qs), QStringList{u"2800"_qs});
}

void TestExportDeductions::socialDeductions()
{
    kTSvodSum sum;
    kTSvodSumPrilE2& e = sum.PrilE2;
    e.SocialTotal = 170000_rub;
    e.UnlimitedTotal = 50000_rub;
    e.ChildEducation = 50000_rub;
    e.LimitedTotal = 120000_rub;
    e.Treatment = 100000_rub;
    e.NpoContributions = 20000_rub;
    const XmlProbe probe(exportBody(claimingEverything(), sum));
    const QString social = sheetsPath(u"ВычСоциал"_qs);
    QCOMPARE(probe.values(social + u"/@ИтогВычСоциал"_qs), QStringList{u"170000.00"_qs});
    QCOMPARE(probe.values(social + u"/*/@ИтогВычСоциал"_qs),
             (QStringList{u"50000.00"_qs, u"120000.00"_qs}));
    QCOMPARE(probe.attributeNames(social + u"/РасчВычСоцБез219.2"_qs),
             (QStringList{u"СумОбуч"_qs, u"ИтогВычСоциал"_qs}));
    QCOMPARE(probe.attributeNames(social + u"/РасчВычСоц219.2"_qs),
             (QStringList{u"СумЛечен"_qs, u"СумНгПенсСтрахДр"_qs, u"ИтогВычСоциал"_qs}));

    // Contributions alone bring the limited group; nothing unlimited, no such group.
    e = kTSvodSumPrilE2();
    e.DpsContributions = 1_rub;
    const XmlProbe contributions(exportBody(claimingEverything(), sum));
    QCOMPARE(contributions.childNames(social), QStringList{u"РасчВычСоц219.2"_qs});
    QCOMPARE(contributions.values(social + u"/РасчВычСоц219.2/@*"_qs),
             (QStringList{u"1.00"_qs, u"0.00"_qs}));

    mTDeclaration notClaimed = claimingEverything();
    notClaimed.SocialDeduction.SocialEnabled = 0;
    const XmlProbe absent(exportBody(notClaimed, sum));
    QCOMPARE(absent.count(social), 0);
}

void TestExportDeductions::pensionContracts()
{
    kTSvodSum sum;
    kTSvodSumPrilE3& e = sum.PrilE3;
    mbTPens contract;
    contract.ContractKind = 2;
    contract.SourceName = QStringLiteral("НПФ «Будущее»");
    contract.Inn = QStringLiteral("7707083893");
    contract.Kpp = QStringLiteral("773601001");
    contract.ContractNumber = QStringLiteral("н-15");
    contract.ContractDate = DayCount::fromDate(2012, 1, 9);
    contract.PaidTotal = 12000_rub;
    contract.Deduction = 12000_rub;
    contract.AgentGranted = 2000_rub;
    e.DpsItems = {contract};
    e.DpsCount = 1;
    e.DpsDeduction = 12000_rub;
    e.AgentGrantedTotal = 2000_rub;
    const XmlProbe probe(exportBody(claimingEverything(), sum));
    const QString contracts = sheetsPath(u"ВычДогНПО_ДПС"_qs);
    QCOMPARE(probe.values(contracts + u"/@*"_qs), QStringList{u"2000.00"_qs});
    QCOMPARE(probe.childNames(contracts), QStringList{u"РасчВычДогДПС"_qs});
    QCOMPARE(probe.values(contracts + u"/РасчВычДогДПС/@*"_qs), QStringList{u"12000.00"_qs});
    const QString line = contracts + u"/РасчВычДогДПС/РасчСумСВВыч"_qs;
    QCOMPARE(probe.attributeNames(line),
             (QStringList{u"ПрДогНПО"_qs, u"ДатаДогДПС"_qs, u"НомДогДПС"_qs, u"СумСВОбщПер"_qs,
                          u"СумСВВыч"_qs, u"СумВычСВПерНА"_qs}));
    QCOMPARE(probe.values(line + u"/@*"_qs),
             (QStringList{u"2"_qs, u"09.01.2012"_qs, u"Н-15"_qs, u"12000.00"_qs, u"12000.00"_qs,
                          u"2000.00"_qs}));
    QCOMPARE(probe.values(line + u"/СведИст/@*"_qs),
             (QStringList{u"НПФ «БУДУЩЕЕ»"_qs, u"7707083893"_qs, u"773601001"_qs}));

    e.NpoItems = {contract};
    e.NpoCount = 1;
    const XmlProbe both(exportBody(claimingEverything(), sum));
    QCOMPARE(both.childNames(contracts), (QStringList{u"РасчВычДогНПО"_qs, u"РасчВычДогДПС"_qs}));
    QCOMPARE(both.attributeNames(contracts + u"/РасчВычДогНПО/РасчСумПВВыч"_qs),
             (QStringList{u"ПрДогНПО"_qs, u"ДатаДогНПО"_qs, u"НомДогНПО"_qs, u"СумПВОбщПер"_qs,
                          u"СумПВВыч"_qs, u"СумВычПВПерНА"_qs}));
}

void TestExportDeductions::securities()
{
    kTSvodSum sum;
    kTSvodSumPrilJ& j = sum.PrilJ;
    j.OrgIncome = 1000_rub;
    j.OrgExpense = 1500_rub;
    j.OrgLoss = 500_rub;
    j.FissOtherLoss = 300_rub; // its income and expense are zero: the group is absent
    j.RepoExpense = 10_rub;
    j.RepoResult = -10_rub;
    j.PriorLossSec = 700_rub;
    j.CarryLossSec = 500_rub;
    const XmlProbe probe(exportBody(claimingEverything(), sum));
    const QString operations = sheetsPath(u"ДохОперЦБ"_qs);
    QCOMPARE(probe.childNames(operations),
             (QStringList{u"ДохОперЦБОрг"_qs, u"ДохРЕПО"_qs, u"УбытПредПер"_qs, u"УбытПрхПер"_qs}));
    QCOMPARE(
        probe.attributeNames(operations + u"/ДохОперЦБОрг"_qs),
        (QStringList{u"ДохСовОпер"_qs, u"РасхСовОпер"_qs, u"УбытРезСовОпер"_qs, u"УбытУчРасчДох"_qs,
                     u"УбытСовОперВыч"_qs, u"УбытОперЦБВыч"_qs, u"НалДохРезОпер"_qs}));
    QCOMPARE(probe.values(operations + u"/ДохРЕПО/@*"_qs),
             (QStringList{u"0.00"_qs, u"10.00"_qs, u"0.00"_qs}));
    QCOMPARE(probe.values(operations + u"/УбытПредПер/@*"_qs),
             (QStringList{u"700.00"_qs, u"0.00"_qs}));

    j.IncomeAll = 1000_rub;
    j.TaxableAll = 1000_rub;
    j.ExpenseAll = 1000_rub;
    j.FissOtherIncome = 1_rub;
    const XmlProbe total(exportBody(claimingEverything(), sum));
    QCOMPARE(total.attributeNames(operations + u"/ДохФИССОргНеЦБ"_qs),
             (QStringList{u"ДохСовОпер"_qs, u"РасхСовОпер"_qs, u"УбытРезСовОпер"_qs,
                          u"УбытУчРасчДох"_qs, u"УбытПрмВыч"_qs, u"НалДохРезОпер"_qs}));
    QCOMPARE(total.values(operations + u"/ИтогСовОпер/@*"_qs),
             (QStringList{u"1000.00"_qs, u"1000.00"_qs, u"1000.00"_qs}));

    sum.PrilJ = kTSvodSumPrilJ();
    sum.PrilJ.CarryLossSec = 500_rub; // a carried loss alone does not make the sheet
    const XmlProbe none(exportBody(claimingEverything(), sum));
    QCOMPARE(none.count(operations), 0);
}

void TestExportDeductions::propertyPurchase_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<qint32>("ownership");
    QTest::addColumn<qint32>("sign");
    QTest::addColumn<quint8>("investment");
    QTest::addColumn<QStringList>("attributes");
    QTest::addColumn<QString>("kindCode");
    QTest::newRow("flat by investment")
        << 2 << 1 << 1 << quint8(1)
        << QStringList{u"КодНаимОб"_qs, u"ВидСобствОб"_qs,  u"ПризнакНП"_qs,  u"ДатаАкт"_qs,
                       u"ДолСобств"_qs, u"ГодНачИспВыч"_qs, u"СумРасхФакт"_qs}
        << "2";
    QTest::newRow("house with land bought")
        << 7 << 2 << 1 << quint8(0)
        << QStringList{u"КодНаимОб"_qs,  u"ВидСобствОб"_qs, u"ПризнакНП"_qs,    u"ДатаРегЖил"_qs,
                       u"ДатаРегЗем"_qs, u"ДолСобств"_qs,   u"ГодНачИспВыч"_qs, u"СумРасхФакт"_qs}
        << "7";
    QTest::newRow("share with land, joint ownership")
        << 8 << 3 << 1 << quint8(0)
        << QStringList{u"КодНаимОб"_qs,  u"ВидСобствОб"_qs,  u"ПризнакНП"_qs,
                       u"ДатаРегЖил"_qs, u"ДатаРегЗем"_qs,   u"ДатаЗаявВыч"_qs,
                       u"ДолСобств"_qs,  u"ГодНачИспВыч"_qs, u"СумРасхФакт"_qs}
        << "4";
    QTest::newRow("spouse of a single owner")
        << 4 << 1 << 2 << quint8(0)
        << QStringList{u"КодНаимОб"_qs,   u"ВидСобствОб"_qs, u"ПризнакНП"_qs,    u"ДатаРегЖил"_qs,
                       u"ДатаЗаявВыч"_qs, u"ДолСобств"_qs,   u"ГодНачИспВыч"_qs, u"СумРасхФакт"_qs}
        << "4";
}

void TestExportDeductions::propertyPurchase()
{
    QFETCH(qint32, kind);
    QFETCH(qint32, ownership);
    QFETCH(qint32, sign);
    QFETCH(quint8, investment);
    mTDeclaration declaration = claimingEverything();
    mTConstructionDeduct& p = declaration.PropertyDeduction;
    p.ObjectKind = kind;
    p.OwnershipKind = ownership;
    p.OwnerSign = sign;
    p.ByInvestment = investment;
    p.ShareNumerator = 2;
    p.ShareDenominator = 4;
    p.ActDate = DayCount::fromDate(2012, 5, 6);
    p.RightRegDate = DayCount::fromDate(2012, 7, 8);
    p.LandRegDate = DayCount::fromDate(2012, 9, 10);
    p.ApplicationDate = DayCount::fromDate(2013, 1, 2);
    p.StartYearDate = DayCount::fromDate(2012, 1, 1);
    p.ObjRegionCode = QStringLiteral("5");
    p.ObjCity = QStringLiteral("Махачкала");
    p.ObjFlat = QStringLiteral(" ");
    kTSvodSum sum;
    sum.PrilZ.Expense = 2000000_rub;
    sum.PrilZ.DeductionNow = Money::fromKopecks(12345678);
    const XmlProbe probe(exportBody(declaration, sum));
    const QString object = sheetsPath(u"ВычИмущНов/СвОбъектРасх"_qs);
    QTEST(probe.attributeNames(object), "attributes");
    QTEST(probe.value(object + u"/@КодНаимОб"_qs), "kindCode");
    QCOMPARE(probe.value(object + u"/@ДолСобств"_qs), u"2/4"_qs);
    QCOMPARE(probe.value(object + u"/@ГодНачИспВыч"_qs), u"2012"_qs);
    QCOMPARE(probe.value(object + u"/@ДатаЗаявВыч"_qs).isNull(),
             !probe.attributeNames(object).contains(u"ДатаЗаявВыч"_qs));
    QCOMPARE(probe.values(object + u"/АдрОбъект/@*"_qs), (QStringList{u"05"_qs, u"МАХАЧКАЛА"_qs}));
    const QString computed = sheetsPath(u"ВычИмущНов/РасчИмущВыч"_qs);
    QCOMPARE(probe.attributeNames(computed).size(), 15);
    QCOMPARE(probe.value(computed + u"/@РасхНовВычНД"_qs), u"123456.78"_qs);
    QCOMPARE(probe.value(computed + u"/@ВычНовЗачПред"_qs), u"0.00"_qs);
}

QTEST_GUILESS_MAIN(TestExportDeductions)
#include "tst_export_deductions.moc"
