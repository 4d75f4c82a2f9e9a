#pragma once

// The declarations of the golden export cases, one per folder of data/. The folders hold the
// declaration file written from these builders and the expected XML file.

#include "ExportSamples.h"
#include "storage/DayCount.h"

#include <functional>
#include <map>

namespace GoldenCases {

inline mTSourseIncome incomeLine(qint32 code, qint64 roubles, quint16 month, qint32 deductCode = 0,
                                 qint64 deduction = 0)
{
    mTSourseIncome line;
    line.IncomeCode = code;
    line.IncomeSum = Money::fromRoubles(roubles);
    line.IncomeMonth = month;
    line.DeductCode = deductCode;
    line.DeductSum = Money::fromRoubles(deduction);
    return line;
}

inline mTThirteenPercent source(const QString& name, const QString& inn, const QString& kpp)
{
    mTThirteenPercent s;
    s.SourceName = name;
    s.SourceINN = inn;
    s.SourceKPP = kpp;
    s.SourceOKTMO = QStringLiteral("45382000");
    return s;
}

// Adds lines (the source's total follows them) and sets the taxable income and the tax.
inline void addLines(mTThirteenPercent& s, std::initializer_list<mTSourseIncome> lines,
                     qint64 taxable, qint64 withheld)
{
    for (const mTSourseIncome& line : lines)
        s.AddIncome(line);
    s.TaxableIncome = Money::fromRoubles(taxable);
    s.TaxComputed = Money::fromRoubles(taxable * 13 / 100);
    s.TaxWithheld = Money::fromRoubles(withheld);
}

// A resident employee with two sources, children, treatment, education and a flat bought.
inline mTDeclaration residentSalary()
{
    mTDeclaration d = ValidDeclaration();
    d.StandardDeduction.Children.SetCount(1);
    mTThirteenPercent employer = source(QStringLiteral("ООО \"Ромашка\""),
                                        QStringLiteral("7707083893"), QStringLiteral("773601001"));
    addLines(employer,
             {incomeLine(2000, 50000, 1), incomeLine(2000, 50000, 2), incomeLine(2000, 50000, 3),
              incomeLine(2760, 5000, 3, 503, 4000), incomeLine(1530, 100000, 4, 201, 120000)},
             150000, 19500);
    employer.IsPrimarySource = 1;
    d.Income13.Replace(d.Income13.Add(), employer);
    mTThirteenPercent person = source(QStringLiteral("Сидоров Семен Семенович"),
                                      QStringLiteral("500100732259"), QString());
    addLines(person, {incomeLine(2010, 30000, 5, 403, 10000)}, 20000, 0);
    d.Income13.Replace(d.Income13.Add(), person);

    d.SocialDeduction.SocialEnabled = 1;
    d.SocialDeduction.MedicalSum = Money::fromKopecks(4500050);
    d.SocialDeduction.AddChildEducation(60000_rub);
    d.PropertyDeduction.PropertyEnabled = 1;
    mTConstructionDeduct& p = d.PropertyDeduction;
    p.ObjectKind = 2;
    p.OwnershipKind = 1;
    p.OwnerSign = 1;
    p.ShareNumerator = 1;
    p.ShareDenominator = 1;
    p.RightRegDate = DayCount::fromDate(2013, 4, 15);
    p.StartYearDate = DayCount::fromDate(2013, 1, 1);
    p.ObjectCost = 2500000_rub;
    p.ObjRegionCode = QStringLiteral("77");
    p.ObjCity = QStringLiteral("Москва");
    p.ObjStreet = QStringLiteral("Тверская");
    p.ObjHouse = QStringLiteral("7");
    p.ObjFlat = QStringLiteral("12");
    return d;
}

// A non-resident with income at 13 % and 30 % and dividends, signed by a representative.
inline mTDeclaration nonResident()
{
    mTDeclaration d = ValidDeclaration();
    d.DeclForm = DeclarationForm::NonResident;
    d.Person.INN.clear();
    d.Person.CitizenshipCode = QStringLiteral("36");
    d.Person.ForeignAddress = QStringLiteral("Sydney, George st. 1");
    d.ConfirmKind = 1;
    d.RepresentativeName = QStringLiteral("Петров Петр Петрович");
    d.RepresentativeDoc = QStringLiteral("Доверенность № 5 от 01.02.2014");
    mTThirteenPercent at13 = source(QStringLiteral("ЗАО «Вектор»"), QStringLiteral("7707083893"),
                                    QStringLiteral("773601001"));
    addLines(at13, {incomeLine(2000, 40000, 1), incomeLine(2000, 40000, 2)}, 80000, 10400);
    d.Income13NR.Replace(d.Income13NR.Add(), at13);
    mTThirteenPercent at30 = source(QStringLiteral("ЗАО «Вектор»"), QStringLiteral("7707083893"),
                                    QStringLiteral("773601001"));
    addLines(at30, {incomeLine(2000, 10000, 3)}, 10000, 3000);
    at30.TaxComputed = 3000_rub;
    d.Income13.Replace(d.Income13.Add(), at30);
    mTThirtyPercent& dividends = d.Income30.At(d.Income30.Add());
    dividends.SourceName = QStringLiteral("ОАО «Нефть»");
    dividends.SourceINN = QStringLiteral("7707083894");
    dividends.SourceKPP = QStringLiteral("773601002");
    dividends.SourceOKTMO = QStringLiteral("45382000");
    dividends.IncomeCode30 = mTThirtyPercent::kDividendsCode;
    dividends.TotalIncome = Money::fromKopecks(1000010);
    dividends.TaxableDividends = Money::fromKopecks(1000010);
    dividends.TaxWithheld = 900_rub;
    return d;
}

// An entrepreneur with income abroad, a prize, material benefit and a pension contract.
inline mTDeclaration entrepreneur()
{
    mTDeclaration d = ValidDeclaration();
    d.TaxpayerKind = 0;
    d.SetIncomeKinds(IncomeKind::Country | IncomeKind::Abroad | IncomeKind::Business);
    mTBusinessNew& shop = d.Businesses.At(d.Businesses.Add());
    shop.ActivityKind = QStringLiteral("1");
    shop.ActivityName = QStringLiteral("52.11");
    shop.BusinessIncome = 1200000_rub;
    shop.ExpensesTotal = 800000_rub;
    shop.MaterialExpenses = 600000_rub;
    shop.LabourCosts = 200000_rub;
    d.ActualAdvance = 30000_rub;
    d.AccruedAdvance = 40000_rub;

    mTCurrencyIncome& abroad = d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
    abroad.IncomeTaxRate = 13;
    abroad.CurIncomeCode = 1010;
    abroad.CurSourceName = QStringLiteral("Bank of Cyprus");
    abroad.SourceCountryCode = QStringLiteral("196");
    abroad.IncomeDate = DayCount::fromDate(2013, 5, 20);
    abroad.TaxPayDate = DayCount::fromDate(2013, 5, 21);
    abroad.CurrencyCode = QStringLiteral("978");
    abroad.IncomeExchangeRate = Money::fromUnits(404500);
    abroad.IncomeUnits = 1;
    abroad.TaxExchangeRate = Money::fromUnits(405000);
    abroad.TaxUnits = 1;
    abroad.SetIncomeInCurrency(Money::fromKopecks(100050));
    abroad.SetTaxInCurrency(50_rub);

    mTThirtyFivePercent& prize = d.Income35.At(d.Income35.Add());
    prize.IncomeCode35 = 2740;
    prize.DeductCode35 = 501;
    prize.DeductSum35 = 4000_rub;
    prize.TotalIncome = 10000_rub;
    prize.SourceName = QStringLiteral("Лотерея «Спортлото»");
    prize.SourceINN = QStringLiteral("7707083895");
    prize.SourceOKTMO = QStringLiteral("45382000");
    mTThirtyFivePercent& benefit = d.Income35.At(d.Income35.Add());
    benefit.IncomeCode35 = 2620;
    benefit.TotalIncome = 2000_rub;
    benefit.TaxWithheld = 700_rub;
    benefit.SourceName = QStringLiteral("Банк");
    benefit.SourceINN = QStringLiteral("7707083896");
    benefit.SourceKPP = QStringLiteral("773601003");
    benefit.SourceOKTMO = QStringLiteral("45382000");

    d.SocialDeduction.SocialEnabled = 1;
    const int contract = d.SocialDeduction.AddPens();
    mTPens& pens = d.SocialDeduction.GetPens(contract);
    pens.ContractKind = 1;
    pens.PensOrgName = QStringLiteral("НПФ «Будущее»");
    pens.PensINN = QStringLiteral("7707083897");
    pens.PensKPP = QStringLiteral("773601004");
    pens.ContractNumber = QStringLiteral("15/2012");
    pens.ContractDate = DayCount::fromDate(2012, 1, 9);
    pens.Contribution = 24000_rub;
    pens.ContributionToDeduct = 24000_rub;
    return d;
}

// A resident with no income at all.
inline mTDeclaration nothingDeclared()
{
    return ValidDeclaration();
}

inline const std::map<QString, std::function<mTDeclaration()>>& all()
{
    static const std::map<QString, std::function<mTDeclaration()>> cases{
        {QStringLiteral("resident-salary"), residentSalary},
        {QStringLiteral("non-resident"), nonResident},
        {QStringLiteral("entrepreneur"), entrepreneur},
        {QStringLiteral("nothing-declared"), nothingDeclared},
        {QStringLiteral("estimated-income"), estimatedIncomeDeclaration}};
    return cases;
}

} // namespace GoldenCases
