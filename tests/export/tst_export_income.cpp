// The 3-NDFL body from computed sheets: tax bases, when the sheets container is written, income
// from sources in the country by rate, foreign income, business, non-taxable income, prizes,
// material benefit, professional deductions and the payment lines.

#include "BodyExport.h"
#include "XmlProbe.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"

#include <QTest>
#include <functional>

using Tweak = std::function<void(mTDeclaration&, kTSvodSum&)>;
Q_DECLARE_METATYPE(Tweak)

class TestExportIncome : public QObject
{
    Q_OBJECT

private slots:
    void nothingToDeclare();
    void taxBasesWithAmounts();
    void paymentLines();
    void sheetsContainer_data();
    void sheetsContainer();
    void countryIncomeOfResident();
    void countryIncomeOfNonResident();
    void sourceKinds_data();
    void sourceKinds();
    void foreignIncome();
    void business();
    void exemptIncomeWithFarmPay();
    void prizesAndMaterialBenefit();
    void professionalDeductions();
};

void TestExportIncome::nothingToDeclare()
{
    mTDeclaration declaration;
    declaration.SetIncomeKinds(IncomeKind::Country);
    kTSvodSum sum;
    sum.List6.Items.push_back({QStringLiteral("18210102010011000110"), QStringLiteral("45382000"),
                               QStringLiteral("3"), Money()});
    sum.List6.Count = 1;
    const XmlProbe probe(exportBody(declaration, sum));
    QCOMPARE(probe.childNames(bodyPath(u"ИтогУплВозв"_qs)), QStringList{u"НалБаза13"_qs});
    const QString base = bodyPath(u"ИтогУплВозв/НалБаза13"_qs);
    QCOMPARE(probe.attributeNames(base),
             (QStringList{u"ДоходОбщ"_qs, u"ДоходОбщНеНал"_qs, u"ДоходОбщНал"_qs, u"РасхВычОбщ"_qs,
                          u"НалБаза"_qs, u"Исчисл"_qs, u"УдержОбщ"_qs, u"УплФактАв"_qs,
                          u"УплФиксирАв"_qs, u"УплИно"_qs, u"ПодлВозв"_qs, u"ПодлУпл"_qs}));
    QCOMPARE(probe.values(base + u"/@*"_qs),
             (QStringList{u"0.00"_qs, u"0.00"_qs, u"0.00"_qs, u"0.00"_qs, u"0.00"_qs, u"0"_qs,
                          u"0"_qs, u"0"_qs, u"0"_qs, u"0"_qs, u"0"_qs, u"0"_qs}));
    QCOMPARE(probe.childNames(u"/Файл/Документ/НДФЛ3"_qs),
             (QStringList{u"ИтогУплВозв"_qs, u"ПодлУплВозв"_qs}));
}

void TestExportIncome::taxBasesWithAmounts()
{
    mTDeclaration declaration;
    kTSvodSum sum;
    sum.List3.IncomeTotal = Money::fromKopecks(1000050);
    sum.List3.TaxComputed = 3500_rub;
    sum.List3.ToPay = 3500_rub;
    sum.List5.IncomeTotal = 2000_rub;
    sum.List5.TaxBase = 2000_rub;
    // A section whose amounts add up to nothing is not written.
    sum.List2.ToPay = 100_rub;
    sum.List2.ToRefund = -100_rub;
    const XmlProbe probe(exportBody(declaration, sum));
    QCOMPARE(probe.childNames(bodyPath(u"ИтогУплВозв"_qs)),
             (QStringList{u"НалБаза35"_qs, u"НалБаза15"_qs}));
    const QString base35 = bodyPath(u"ИтогУплВозв/НалБаза35"_qs);
    QCOMPARE(probe.attributeNames(base35),
             (QStringList{u"ДоходОбщ"_qs, u"ДоходОбщНеНал"_qs, u"НалБаза"_qs, u"Исчисл"_qs,
                          u"УдержОбщ"_qs, u"УдержОбщЛиш"_qs, u"УплИно"_qs, u"ПодлВозв"_qs,
                          u"ПодлУпл"_qs}));
    QCOMPARE(probe.values(base35 + u"/@*"_qs),
             (QStringList{u"10000.50"_qs, u"0.00"_qs, u"0.00"_qs, u"3500"_qs, u"0"_qs, u"0"_qs,
                          u"0"_qs, u"0"_qs, u"3500"_qs}));
    QCOMPARE(probe.attributeNames(bodyPath(u"ИтогУплВозв/НалБаза15"_qs)),
             (QStringList{u"ДоходОбщ"_qs, u"НалБаза"_qs, u"Исчисл"_qs, u"УдержОбщ"_qs,
                          u"ПодлВозв"_qs, u"ПодлУпл"_qs}));

    sum.List2.ToRefund = Money();
    sum.List4.IncomeTotal = 1_rub;
    const XmlProbe other(exportBody(declaration, sum));
    QCOMPARE(other.childNames(bodyPath(u"ИтогУплВозв"_qs)),
             (QStringList{u"НалБаза30"_qs, u"НалБаза35"_qs, u"НалБаза9"_qs, u"НалБаза15"_qs}));
    QCOMPARE(
        other.attributeNames(bodyPath(u"ИтогУплВозв/НалБаза30"_qs)),
        (QStringList{u"ДоходОбщ"_qs, u"ДоходОбщНеНал"_qs, u"ДоходОбщНал"_qs, u"РасхОбщ"_qs,
                     u"НалБаза"_qs, u"Исчисл"_qs, u"УдержОбщ"_qs, u"ПодлВозв"_qs, u"ПодлУпл"_qs}));
    QCOMPARE(other.attributeNames(bodyPath(u"ИтогУплВозв/НалБаза9"_qs)),
             (QStringList{u"ДоходОбщ"_qs, u"НалБаза"_qs, u"Исчисл"_qs, u"УдержОбщ"_qs, u"УплИно"_qs,
                          u"ПодлВозв"_qs, u"ПодлУпл"_qs}));
}

void TestExportIncome::paymentLines()
{
    mTDeclaration declaration;
    kTSvodSum sum;
    const QString oktmo = QStringLiteral("45382000");
    sum.List6.Items = {
        {QStringLiteral("18210102010011000110"), oktmo, QStringLiteral("1"),
         Money::fromKopecks(150050)},
        {QStringLiteral("18210102030011000110"), oktmo, QStringLiteral("2"), 1300_rub},
        {QStringLiteral("18210102020011000110"), oktmo, QStringLiteral("3"), 500_rub}};
    sum.List6.Count = 3;
    const XmlProbe probe(exportBody(declaration, sum));
    const QString lines = bodyPath(u"ПодлУплВозв"_qs);
    QCOMPARE(probe.count(lines), 3);
    QCOMPARE(probe.attributeNames(lines),
             (QStringList{u"ПрУплВозв"_qs, u"КБК"_qs, u"ОКТМО"_qs, u"ПодлУпл"_qs, u"ПодлВозв"_qs}));
    QCOMPARE(probe.values(lines + u"/@ПодлУпл"_qs), (QStringList{u"1500.5"_qs, u"0"_qs, u"0"_qs}));
    QCOMPARE(probe.values(lines + u"/@ПодлВозв"_qs), (QStringList{u"0"_qs, u"1300"_qs, u"0"_qs}));
    QCOMPARE(probe.values(lines + u"/@ПрУплВозв"_qs), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs}));
}

void TestExportIncome::sheetsContainer_data()
{
    QTest::addColumn<Tweak>("tweak");
    QTest::addColumn<int>("written");
    QTest::newRow("nothing") << Tweak([](mTDeclaration&, kTSvodSum&) {}) << 0;
    QTest::newRow("standard deduction alone") << Tweak([](mTDeclaration& d, kTSvodSum& s) {
        d.StandardDeduction.StdEnabled = 1;
        s.PrilE1.DeductionTotal = 1400_rub;
    }) << 0;
    QTest::newRow("social deduction claimed")
        << Tweak([](mTDeclaration& d, kTSvodSum&) { d.SocialDeduction.SocialEnabled = 1; }) << 1;
    QTest::newRow("property deduction claimed")
        << Tweak([](mTDeclaration& d, kTSvodSum&) { d.PropertyDeduction.PropertyEnabled = 1; })
        << 1;
    QTest::newRow("a dividend source")
        << Tweak([](mTDeclaration& d, kTSvodSum&) { d.Income30.Add(); }) << 1;
    QTest::newRow("income abroad")
        << Tweak([](mTDeclaration& d, kTSvodSum&) { d.SetIncomeKinds(IncomeKind::Abroad); }) << 1;
    QTest::newRow("private practice")
        << Tweak([](mTDeclaration& d, kTSvodSum&) { d.SetIncomeKinds(IncomeKind::Practice); }) << 1;
    QTest::newRow("prize exempt part")
        << Tweak([](mTDeclaration&, kTSvodSum& s) { s.PrilM2.ExemptTotal = 4000_rub; }) << 1;
    QTest::newRow("material benefit withheld")
        << Tweak([](mTDeclaration&, kTSvodSum& s) { s.PrilM3.WithheldTotal = 35_rub; }) << 1;
    QTest::newRow("foreign professional expenses")
        << Tweak([](mTDeclaration&, kTSvodSum& s) { s.PrilG_In.ExpenseTotal = 1_rub; }) << 1;
    QTest::newRow("property sale")
        << Tweak([](mTDeclaration&, kTSvodSum& s) { s.PrilH1.DeductionTotal = 1_rub; }) << 1;
    QTest::newRow("securities expenses")
        << Tweak([](mTDeclaration&, kTSvodSum& s) { s.PrilJ.ExpenseAll = 1_rub; }) << 1;
}

void TestExportIncome::sheetsContainer()
{
    QFETCH(Tweak, tweak);
    mTDeclaration declaration;
    declaration.SetIncomeKinds(IncomeKind::Country);
    declaration.StandardDeduction.StdEnabled = 0;
    kTSvodSum sum;
    tweak(declaration, sum);
    const XmlProbe probe(exportBody(declaration, sum));
    QTEST(probe.count(bodyPath(u"ИтогУплВозв/СведДохВыч"_qs)), "written");
    QCOMPARE(probe.count(bodyPath(u"ИтогУплВозв/НалБаза13"_qs)), 1);
}

void TestExportIncome::countryIncomeOfResident()
{
    mTDeclaration declaration;
    declaration.DeclForm = DeclarationForm::Resident;
    declaration.Income13.Replace(
        declaration.Income13.Add(),
        thirteenSource(QStringLiteral("7707083893"), QStringLiteral("773601001"), 100000));
    mTThirtyPercent& dividends = declaration.Income30.At(declaration.Income30.Add());
    dividends.SourceINN = QStringLiteral("7707083893");
    dividends.TotalIncome = 1000_rub;
    dividends.TaxableDividends = 1000_rub;
    dividends.TaxComputed30 = 90_rub;
    dividends.TaxWithheld = 90_rub;
    for (const qint32 code : {2620, 2740, 2740, 2610}) {
        mTThirtyFivePercent& record = declaration.Income35.At(declaration.Income35.Add());
        record.IncomeCode35 = code;
        record.DeductCode35 = code == 2740 ? 501 : 0;
        record.TotalIncome = Money::fromKopecks(1000050);
        record.TaxWithheld = 1_rub;
        record.SourceINN = QStringLiteral("500100732259");
        record.SourceName = QStringLiteral("Лотерея");
    }
    kTSvodSum sum;
    sum.PrilA13.IncomeTotal = 100000_rub;
    sum.PrilA13.FixedAdvancePaid = 1200_rub;
    sum.PrilA13.Sources = {{0, 100000_rub, 13000_rub}};
    sum.PrilA6.Sources = {{0, 1000_rub, 90_rub}};
    // The lines are the sources the computation counted, with its figures: material benefit has
    // none, the first prize is taxed on what its allowance leaves.
    sum.PrilA35.IncomeTotal = 30001_rub;
    const Money rest = Money::fromKopecks(1000050);
    sum.PrilA35.Sources = {{1, 6000_rub, 2100_rub}, {2, rest, 3500_rub}, {3, rest, 3500_rub}};
    const XmlProbe probe(exportBody(declaration, sum));
    const QString blocks = sheetsPath(u"ДоходИстРФ"_qs);
    QCOMPARE(probe.values(blocks + u"/@Ставка"_qs), (QStringList{u"09"_qs, u"13"_qs, u"35"_qs}));
    QCOMPARE(probe.attributeNames(blocks),
             (QStringList{u"Ставка"_qs, u"ДоходОбщ"_qs, u"ДоходОблОбщ"_qs, u"НалИсчислИт"_qs,
                          u"НалУдержИт"_qs, u"НалУплФАП"_qs}));
    QCOMPARE(probe.values(blocks + u"/@НалУплФАП"_qs), (QStringList{u"0"_qs, u"1200"_qs, u"0"_qs}));
    const QString line13 = blocks + u"[@Ставка='13']/РасчДохНал"_qs;
    QCOMPARE(
        probe.attributeNames(line13),
        (QStringList{u"Доход"_qs, u"ДоходОбл"_qs, u"НалИсчисл"_qs, u"НалУдерж"_qs, u"ОКТМО"_qs}));
    QCOMPARE(
        probe.values(line13 + u"/@*"_qs),
        (QStringList{u"100000.00"_qs, u"100000.00"_qs, u"13000"_qs, u"13000"_qs, u"45382000"_qs}));
    QCOMPARE(probe.values(blocks + u"[@Ставка='09']/РасчДохНал/@НалИсчисл"_qs),
             QStringList{u"90"_qs});

    const QString line35 = blocks + u"[@Ставка='35']/РасчДохНал"_qs;
    QCOMPARE(probe.count(line35), 3);
    QCOMPARE(probe.values(line35 + u"/@ДоходОбл"_qs),
             (QStringList{u"6000.00"_qs, u"10000.50"_qs, u"10000.50"_qs}));
    QCOMPARE(probe.values(line35 + u"/@НалИсчисл"_qs),
             (QStringList{u"2100"_qs, u"3500"_qs, u"3500"_qs}));
    QCOMPARE(probe.attributeNames(line35),
             (QStringList{u"Доход"_qs, u"ДоходОбл"_qs, u"НалИсчисл"_qs, u"НалУдерж"_qs}));
}

void TestExportIncome::countryIncomeOfNonResident()
{
    mTDeclaration declaration;
    declaration.DeclForm = DeclarationForm::NonResident;
    declaration.Income13NR.Replace(declaration.Income13NR.Add(),
                                   thirteenSource(QStringLiteral("7707083893"), {}, 1000));
    declaration.Income13.Replace(declaration.Income13.Add(),
                                 thirteenSource(QStringLiteral("7707083893"), {}, 2000));
    mTThirtyPercent& dividends = declaration.Income30.At(declaration.Income30.Add());
    dividends.TotalIncome = 10_rub;
    dividends.TaxableDividends = 10_rub;
    dividends.TaxComputed30 = 1_rub;
    kTSvodSum sum;
    sum.PrilA35.IncomeTotal = 1_rub;
    sum.PrilA13.Sources = {{0, 1000_rub, 130_rub}};
    sum.PrilA15.Sources = {{0, 10_rub, 2_rub}};
    sum.PrilA30.Sources = {{0, 2000_rub, 260_rub}};
    const XmlProbe probe(exportBody(declaration, sum));
    const QString blocks = sheetsPath(u"ДоходИстРФ"_qs);
    QCOMPARE(probe.values(blocks + u"/@Ставка"_qs), (QStringList{u"13"_qs, u"15"_qs, u"30"_qs}));
    QCOMPARE(probe.values(blocks + u"/РасчДохНал/@Доход"_qs),
             (QStringList{u"1000.00"_qs, u"10.00"_qs, u"2000.00"_qs}));
    // Each line's tax is the one the computation found for its source.
    QCOMPARE(probe.values(blocks + u"/РасчДохНал/@НалИсчисл"_qs),
             (QStringList{u"130"_qs, u"2"_qs, u"260"_qs}));
}

void TestExportIncome::sourceKinds_data()
{
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("kpp");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QStringList>("attributes");
    QTest::newRow("organisation") << "7707083893"
                                  << "773601001"
                                  << "ИстЮЛ" << QStringList{u"Наим"_qs, u"ИННЮЛ"_qs, u"КПП"_qs};
    QTest::newRow("ten characters without KPP")
        << "7707083893"
        << " "
        << "ИстЮЛ" << QStringList{u"Наим"_qs, u"ИННЮЛ"_qs, u"КПП"_qs};
    QTest::newRow("twelve characters") << "500100732259"
                                       << ""
                                       << "ИстФЛИн" << QStringList{u"ФИОИн"_qs, u"ИННФЛ"_qs};
    QTest::newRow("twelve characters with KPP")
        << "500100732259"
        << "773601001"
        << "ИстЮЛ" << QStringList{u"Наим"_qs, u"ИННЮЛ"_qs, u"КПП"_qs};
    QTest::newRow("no INN") << " "
                            << ""
                            << "ИстФЛИн" << QStringList{u"ФИОИн"_qs};
}

void TestExportIncome::sourceKinds()
{
    QFETCH(QString, inn);
    QFETCH(QString, kpp);
    QFETCH(QString, element);
    mTDeclaration declaration;
    declaration.Income13.Replace(declaration.Income13.Add(), thirteenSource(inn, kpp, 10));
    declaration.Income13.At(0).SourceOKTMO = QStringLiteral(" ");
    kTSvodSum sum;
    sum.PrilA13.Sources = {{0, 10_rub, 1_rub}};
    const XmlProbe probe(exportBody(declaration, sum));
    const QString line = sheetsPath(u"ДоходИстРФ/РасчДохНал"_qs);
    QCOMPARE(probe.childNames(line), QStringList{element});
    QTEST(probe.attributeNames(line + u"/"_qs + element), "attributes");
    QCOMPARE(probe.value(line + u"/"_qs + element + u"/@*"_qs), u"ООО «РОМАШКА»"_qs);
    QCOMPARE(probe.attributeNames(line).size(), 4);
}

void TestExportIncome::foreignIncome()
{
    mTDeclaration declaration;
    declaration.SetIncomeKinds(IncomeKind::Abroad);
    kTSvodSum sum;
    DohodCur paid;
    paid.Oksm = QStringLiteral("36");
    paid.CurrencyCode = QStringLiteral(" 36");
    paid.SourceName = QStringLiteral("Bank of Sydney");
    paid.IncomeDate = DayCount::fromDate(2013, 4, 1);
    paid.IncomeRateText = QStringLiteral("32.1");
    paid.IncomeCurText = QStringLiteral("1000,50");
    paid.IncomeRub = Money::fromKopecks(3211605);
    paid.TaxPaidDate = DayCount::fromDate(2013, 4, 2);
    paid.TaxRateText = QStringLiteral("32.2");
    paid.TaxPaidCurText = QStringLiteral("100,05");
    paid.TaxPaidRub = Money::fromKopecks(322161);
    paid.TaxComputedRF = 4175_rub;
    paid.TaxCredited = 3222_rub;
    DohodCur unpaid = paid;
    unpaid.TaxPaidRub = Money();
    unpaid.TaxCredited = Money();
    sum.PrilB13.Items = {paid, unpaid};
    sum.PrilB13.Count = 2;
    sum.PrilB13.IncomeRub = 64232_rub;
    sum.PrilB35.IncomeRub = 1_rub;
    const XmlProbe probe(exportBody(declaration, sum));
    const QString blocks = sheetsPath(u"ДоходИстИно"_qs);
    QCOMPARE(probe.values(blocks + u"/@Ставка"_qs), (QStringList{u"13"_qs, u"35"_qs}));
    QCOMPARE(probe.attributeNames(blocks),
             (QStringList{u"Ставка"_qs, u"ДоходИноРубОбщ"_qs, u"НалУплИноРубОбщ"_qs,
                          u"НалИсчислРФОбщ"_qs, u"НалЗачРФОбщ"_qs}));
    const QString lines = blocks + u"[1]/РасчДохНалИно"_qs;
    QCOMPARE(probe.values(lines + u"[1]/@*"_qs),
             (QStringList{u"036"_qs, u"BANK OF SYDNEY"_qs, u"036"_qs, u"01.04.2013"_qs, u"32.1"_qs,
                          u"1000.50"_qs, u"32116.05"_qs, u"02.04.2013"_qs, u"32.2"_qs, u"100.05"_qs,
                          u"3221.61"_qs, u"4175"_qs, u"3222"_qs}));
    QCOMPARE(
        probe.attributeNames(lines + u"[2]"_qs),
        (QStringList{u"ОКСМ"_qs, u"НаимИстДох"_qs, u"КодВалют"_qs, u"ДатаДох"_qs,
                     u"КурсВалютДох"_qs, u"ДоходИноВал"_qs, u"ДоходИноРуб"_qs, u"НалЗачРФОбщ"_qs}));

    declaration.SetIncomeKinds(IncomeKind::Country);
    const XmlProbe without(exportBody(declaration, sum));
    QCOMPARE(without.count(blocks), 0);
}

void TestExportIncome::business()
{
    mTDeclaration declaration;
    declaration.SetIncomeKinds(IncomeKind::Business);
    mTBusinessNew& documented = declaration.Businesses.At(declaration.Businesses.Add());
    documented.ActivityKind = QStringLiteral("1");
    documented.ActivityName = QStringLiteral("52.11");
    documented.BusinessIncome = 500000_rub;
    documented.ExpensesTotal = 300000_rub;
    documented.MaterialExpenses = 200000_rub;
    documented.OtherExpenses = 100000_rub;
    mTBusinessNew& flat = declaration.Businesses.At(declaration.Businesses.Add());
    flat.ActivityKind = QStringLiteral("2");
    flat.HasDocumentedExpenses = 0;
    flat.BusinessIncome = 1000_rub;
    flat.ExpensesTotal = 1_rub;
    flat.FlatRateExpenses = 200_rub;
    declaration.IsFarm = 1;
    declaration.FarmStartDate = DayCount::fromDate(2011, 6, 1);
    declaration.FarmExemptIncome = 1000_rub;
    kTSvodSum sum;
    sum.PrilV1.Income = 501000_rub;
    sum.PrilV1.Expenses = 300200_rub;
    sum.PrilV1.AdvanceAssessed = 5000_rub;
    const XmlProbe probe(exportBody(declaration, sum));
    const QString business = sheetsPath(u"ДоходПредпр"_qs);
    QCOMPARE(probe.values(business + u"/@*"_qs),
             (QStringList{u"501000.00"_qs, u"300200.00"_qs, u"5000"_qs}));
    QCOMPARE(probe.childNames(business),
             (QStringList{u"РасчВидДеят"_qs, u"РасчВидДеят"_qs, u"СведКФХ"_qs}));
    QCOMPARE(probe.attributeNames(business + u"/РасчВидДеят[1]"_qs),
             (QStringList{u"КодВД"_qs, u"ОКВЭД"_qs, u"Доход"_qs, u"РасхФакт"_qs, u"РасхФМат"_qs,
                          u"РасхФПроч"_qs}));
    QCOMPARE(probe.values(business + u"/РасчВидДеят[2]/@*"_qs),
             (QStringList{u"2"_qs, u"1000.00"_qs, u"200.00"_qs}));
    QCOMPARE(probe.attributeNames(business + u"/РасчВидДеят[2]"_qs),
             (QStringList{u"КодВД"_qs, u"Доход"_qs, u"РасхПредНорм"_qs}));
    QCOMPARE(probe.values(business + u"/СведКФХ/@*"_qs), (QStringList{u"2011"_qs, u"1000.00"_qs}));

    sum.PrilV1.AdvancePaid = 10_rub;
    const XmlProbe paid(exportBody(declaration, sum));
    QCOMPARE(paid.attributeNames(business),
             (QStringList{u"ДоходИт"_qs, u"ВычПрофИт"_qs, u"НачислАванИт"_qs, u"УплАванИт"_qs}));
}

void TestExportIncome::exemptIncomeWithFarmPay()
{
    mTDeclaration declaration;
    kTSvodSum sum;
    kTSvodSumPrilM& m = sum.PrilM;
    m.ExemptTotal = 8000_rub;
    m.FarmExempt = 4000_rub;
    m.GiftIncome = 10000_rub;
    m.GiftExempt = 4000_rub;
    m.BirthAidIncome = 100_rub; // no exempt part: not written
    SHRec person;
    person.Inn = QStringLiteral("500100732259");
    person.ExemptTotal = 2000_rub;
    person.Months[0].PayTotal = 100_rub;
    SHRec organisation = person;
    organisation.Inn = QStringLiteral("7707083893");
    organisation.Kpp = QStringLiteral("773601001");
    m.FarmItems = {person, organisation};
    m.FarmCount = 2;
    const XmlProbe probe(exportBody(declaration, sum));
    const QString exempt = sheetsPath(u"ДоходОсвПрев"_qs);
    QCOMPARE(probe.values(exempt + u"/@*"_qs), (QStringList{u"8000.00"_qs, u"4000.00"_qs}));
    QCOMPARE(probe.childNames(exempt),
             (QStringList{u"ПодарНП"_qs, u"ДохОплСХ"_qs, u"ДохОплСХ"_qs}));
    QCOMPARE(probe.attributeNames(exempt + u"/ПодарНП"_qs),
             (QStringList{u"ДоходВсИст"_qs, u"ДоходНеНал"_qs}));
    const QString first = exempt + u"/ДохОплСХ[1]"_qs;
    QCOMPARE(probe.value(first + u"/@ДоходНеНал"_qs), u"2000.00"_qs);
    QCOMPARE(probe.count(first + u"/СумДохМес"_qs), 12);
    QCOMPARE(probe.values(first + u"/СумДохМес/@Месяц"_qs).first(), u"01"_qs);
    QCOMPARE(probe.values(first + u"/СумДохМес/@Месяц"_qs).last(), u"12"_qs);
    QCOMPARE(probe.attributeNames(first + u"/СумДохМес[1]"_qs),
             (QStringList{u"Месяц"_qs, u"ОплТрудОбщ"_qs, u"ОплТрудНатур"_qs, u"ДоходНеНалМ"_qs,
                          u"ДохНеНалПослед"_qs}));
    QCOMPARE(probe.attributeNames(first + u"/СумДохМес[6]"_qs),
             (QStringList{u"Месяц"_qs, u"ОплТрудОбщ"_qs, u"ОплТрудНатур"_qs, u"ДохНеНалПред"_qs,
                          u"ДоходНеНалМ"_qs, u"ДохНеНалПослед"_qs}));
    QCOMPARE(probe.attributeNames(first + u"/СумДохМес[12]"_qs),
             (QStringList{u"Месяц"_qs, u"ОплТрудОбщ"_qs, u"ОплТрудНатур"_qs, u"ДохНеНалПред"_qs,
                          u"ДоходНеНалМ"_qs}));
    QCOMPARE(probe.values(first + u"/СвФЛ/@ИННФЛ"_qs), QStringList{u"500100732259"_qs});
    QCOMPARE(probe.values(exempt + u"/ДохОплСХ[2]/СвОрг/@*"_qs),
             (QStringList{u"7707083893"_qs, u"773601001"_qs}));

    m.FarmExempt = Money();
    const XmlProbe noFarm(exportBody(declaration, sum));
    QCOMPARE(noFarm.count(exempt + u"/ДохОплСХ"_qs), 0);
}

void TestExportIncome::prizesAndMaterialBenefit()
{
    mTDeclaration declaration;
    kTSvodSum sum;
    sum.PrilM2.ExemptTotal = 4000_rub;
    sum.PrilM2.Items.push_back({QStringLiteral("7707083893"), QStringLiteral("773601001"),
                                QStringLiteral("Спортлото"), 10000_rub, 4000_rub, 0});
    sum.PrilM2.Count = 1;
    sum.PrilM3.WithheldTotal = 70_rub;
    for (const QString& oktmo :
         {QStringLiteral("45382000"), QStringLiteral("45382000001"), QStringLiteral("4538")}) {
        sum.PrilM3.Items.push_back({QStringLiteral("500100732259"),
                                    {},
                                    oktmo,
                                    QStringLiteral("Банк"),
                                    100_rub,
                                    35_rub,
                                    0});
    }
    sum.PrilM3.Count = 3;
    const XmlProbe probe(exportBody(declaration, sum));
    QCOMPARE(probe.values(sheetsPath(u"ДоходИгрПриз/@*"_qs)), QStringList{u"4000.00"_qs});
    QCOMPARE(probe.values(sheetsPath(u"ДоходИгрПриз/СвДоход/@*"_qs)),
             (QStringList{u"10000.00"_qs, u"4000.00"_qs}));
    QCOMPARE(probe.values(sheetsPath(u"ДоходИгрПриз/СвДоход/ИстЮЛ/@*"_qs)),
             (QStringList{u"СПОРТЛОТО"_qs, u"7707083893"_qs, u"773601001"_qs}));
    const QString benefit = sheetsPath(u"ДоходМатВыг"_qs);
    QCOMPARE(probe.values(benefit + u"/@*"_qs), QStringList{u"70"_qs});
    QCOMPARE(probe.values(benefit + u"/РасчНалогУдЛ/@ОКТМО"_qs),
             (QStringList{u"45382000"_qs, u"45382000001"_qs}));
    QCOMPARE(probe.attributeNames(benefit + u"/РасчНалогУдЛ[3]"_qs),
             (QStringList{u"Доход"_qs, u"НалогУдЛ"_qs}));
    QCOMPARE(probe.childNames(benefit + u"/РасчНалогУдЛ[3]"_qs), QStringList{u"ИстФЛИн"_qs});
}

void TestExportIncome::professionalDeductions()
{
    mTDeclaration declaration;
    kTSvodSum sum;
    sum.PrilG.ExpenseTotal = 3000_rub;
    sum.PrilG.RoyaltyNormIncome = 10000_rub;
    sum.PrilG.RoyaltyNormExpense = 2000_rub;
    sum.PrilG.ContractIncome = 5000_rub;
    sum.PrilG.ContractExpense = 1000_rub;
    sum.PrilG.ClaimIncome = 5_rub; // no expense: not written
    sum.PrilG_In.ExpenseTotal = 10_rub;
    sum.PrilG_In.CapitalShareExpense = 10_rub;
    const XmlProbe probe(exportBody(declaration, sum));
    const QString professional = sheetsPath(u"ВычПрофВозн"_qs);
    QCOMPARE(probe.values(professional + u"/@ПрИст"_qs), (QStringList{u"1"_qs, u"2"_qs}));
    QCOMPARE(probe.values(professional + u"[1]/@РасходОбщИт"_qs), QStringList{u"3000.00"_qs});
    QCOMPARE(probe.childNames(professional + u"[1]"_qs),
             (QStringList{u"РасхФактДогГПХ"_qs, u"РасхНормАвтВозн"_qs}));
    QCOMPARE(probe.attributeNames(professional + u"[1]/РасхНормАвтВозн"_qs),
             (QStringList{u"СумАвторВозн"_qs, u"СумРасхВыч"_qs}));
    QCOMPARE(probe.values(professional + u"[2]/РасхФактУстКап/@*"_qs),
             (QStringList{u"0.00"_qs, u"10.00"_qs}));
}

QTEST_GUILESS_MAIN(TestExportIncome)
#include "tst_export_income.moc"
