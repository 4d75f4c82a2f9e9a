#pragma once

// Declarations with something in every list, for round trips and damaged-file tests.

#include "model/Declaration.h"
#include "storage/DayCount.h"

inline mTDeclaration richDeclaration()
{
    mTDeclaration d;
    d.SetInteractiveDefaults();
    d.SignDate = DayCount::fromDate(2014, 3, 14);
    d.InspectionCode = QStringLiteral("7701");
    d.InspectionName = QStringLiteral("ИФНС России № 1 по г. Москве");
    d.CorrectionNumber = 2;
    d.ConfirmKind = 1;
    d.TaxpayerKind = 4; // never produced by a screen, carried along unchanged
    d.ReservedCounts = {1, 2, 3, 4, 5, 6, 7};
    d.RepresentativeDoc = QStringLiteral("Доверенность № 5");
    d.RepresentativeName = QStringLiteral("Петров Петр Петрович");
    d.EstimatedIncome = Money::fromRoubles(500000);
    d.ForeignFixedPayments = Money::fromUnits(12345678);
    d.SetIncomeKinds(IncomeKind::Country | IncomeKind::Abroad | IncomeKind::Business |
                     IncomeKind::Practice);

    mTPersonInformation& p = d.Person;
    p.Surname = QStringLiteral("Иванов");
    p.FirstName = QStringLiteral("Иван");
    p.Patronymic = QStringLiteral("Иванович");
    p.INN = QStringLiteral("500100732259");
    p.NameReserved = QStringLiteral("r");
    p.DocKind = 21;
    p.DocKindName = QStringLiteral("Паспорт гражданина Российской Федерации");
    p.DocNumber = QStringLiteral("45 06 123456");
    p.DocIssuer = QStringLiteral("ОВД «Арбат»");
    p.BirthPlace = QStringLiteral("г. Москва");
    p.DocReserved = 3;
    p.CitizenshipSign = QStringLiteral("1");
    p.ForeignHomePhone[0] = QStringLiteral("+1");
    p.ForeignWorkPhone[1] = QStringLiteral("555");
    p.StayAddress = 1;
    p.PostIndex = QStringLiteral("101000");
    p.RegionCode = 77;
    p.RegionName = QStringLiteral("г. Москва");
    p.Street = QStringLiteral("Тверская");
    p.House = QStringLiteral("1");
    p.Flat = QStringLiteral("15");
    p.OKTMO = QStringLiteral("45382000");
    p.HomePhoneReserved = QStringLiteral("x");
    p.Phone = QStringLiteral("+7 495 123-45-67");
    p.WorkPhone[0] = QStringLiteral("w");

    for (auto* list : {&d.Income13, &d.Income13NR}) {
        for (int s = 0; s < 2; ++s) {
            mTThirteenPercent& source = list->At(list->Add());
            source.IsPrimarySource = quint8(s == 0);
            source.SourceINN = QStringLiteral("7707083893");
            source.SourceKPP = QStringLiteral("773601001");
            source.SourceOKTMO = QStringLiteral("45382000");
            source.SourceName = QStringLiteral("ОАО \"Банк\" %1").arg(s);
            source.TaxWithheld = Money::fromRoubles(13000 + s);
            source.TaxableIncome = Money::fromRoubles(100000);
            source.TaxComputed = Money::fromRoubles(13000);
            source.SetMonthAmount(2, Money::fromRoubles(5000));
            source.SetMonthAmount(3, Money());
            for (int m = 1; m <= 3; ++m) {
                mTSourseIncome line;
                line.IncomeCode = 2000;
                line.IncomeCodeName = QStringLiteral("Заработная плата");
                line.IncomeSum = Money::fromUnits(250000000 + m);
                line.DeductCode = m == 3 ? 403 : 0;
                line.DeductSum = m == 3 ? Money::fromRoubles(1000) : Money();
                line.DeductRate = m == 3 ? 20 : 0;
                line.IncomeMonth = quint16(m);
                source.AddIncome(line);
            }
        }
    }
    mTThirtyFivePercent& prize = d.Income35.At(d.Income35.Add());
    prize.IncomeCode35 = 2740;
    prize.SourceName = QStringLiteral("Лотерея");
    prize.TotalIncome = Money::fromRoubles(10000);
    prize.DeductCode35 = 501;
    prize.DeductSum35 = Money::fromRoubles(4000);
    prize.TaxWithheld = Money::fromRoubles(2100);
    mTThirtyPercent& dividends = d.Income30.At(d.Income30.Add());
    dividends.IncomeCode30 = mTThirtyPercent::kDividendsCode;
    dividends.SourceINN = QStringLiteral("7707083893");
    dividends.TotalIncome = Money::fromRoubles(3000);
    dividends.TaxComputed30 = Money::fromRoubles(270);
    dividends.TaxableDividends = Money::fromRoubles(3000);
    dividends.TaxWithheld = Money::fromRoubles(270);

    mTCurrencyIncome& foreign = d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
    foreign.IncomeTaxRate = 13;
    foreign.CurIncomeCode = 2000;
    foreign.CurSourceName = QStringLiteral("Acme Inc.");
    foreign.SourceCountryCode = QStringLiteral("840");
    foreign.IncomeDate = DayCount::fromDate(2013, 5, 15) + 0.5;
    foreign.CurrencyCode = QStringLiteral("840");
    foreign.CurrencyName = QStringLiteral("Доллар США");
    foreign.AutoExchange = 1;
    foreign.IncomeUnits = 1;
    foreign.IncomeExchangeRate = Money::fromUnits(315834);
    foreign.TaxUnits = 1;
    foreign.TaxExchangeRate = Money::fromUnits(320000);
    foreign.SetIncomeInCurrency(Money::fromRoubles(1000));
    foreign.SetTaxInCurrency(Money::fromRoubles(100));

    mTBusinessNew& documented = d.Businesses.At(d.Businesses.Add());
    documented.ActivityKind = QStringLiteral("1");
    documented.ActivityName = QStringLiteral("62.01 Разработка программного обеспечения");
    documented.BusinessIncome = Money::fromRoubles(900000);
    documented.ExpensesTotal = Money::fromRoubles(300000);
    documented.OtherExpenses = Money::fromRoubles(1300);
    for (int i = 0; i < 13; ++i)
        documented.ExpenseDetails[size_t(i)] = Money::fromRoubles(100);
    mTBusinessNew& flat = d.Businesses.At(d.Businesses.Add());
    flat.ActivityKind = QStringLiteral("3");
    flat.HasDocumentedExpenses = 0;
    flat.BusinessIncome = Money::fromRoubles(100000);
    flat.FlatRateExpenses = Money::fromRoubles(20000);
    d.ActualAdvance = Money::fromRoubles(1);
    d.AccruedAdvance = Money::fromRoubles(2);
    d.ReservedAmount = Money::fromRoubles(3);
    d.IsFarm = 1;
    d.FarmExemptIncome = Money::fromRoubles(4);

    mTRepetitNew& practice = d.PracticeIncomes.At(d.PracticeIncomes.Add());
    practice.PracticeName = QStringLiteral("Адвокатский кабинет");
    practice.PracticeIncome = Money::fromRoubles(50000);
    practice.PracticeDetails[mTRepetitNew::Labour] = Money::fromRoubles(7);
    d.PracticeActualAdvance = Money::fromRoubles(5);
    d.PracticeAccruedAdvance = Money::fromRoubles(6);

    mTStandartDeduct& standard = d.StandardDeduction;
    standard.PersonalCode = 110;
    standard.ChildrenKind = 103;
    standard.Children.SetMonth(2, 2);
    standard.Disabled.SetCount(1);
    standard.MonthlyIncomeMode = 1;
    standard.SetMonthIncome(4, Money::fromRoubles(40000));
    standard.MonthMarks[3] = 1;
    standard.PersonalByMonthOn = 1;
    standard.SetPersonalByMonth(1, 2);
    standard.ChildrenKindByMonthOn = 1;
    standard.SetChildrenKindByMonth(12, 1);
    standard.Third.SetMonth(11, 1);

    mTSocialDeduct& social = d.SocialDeduction;
    social.SocialEnabled = 1;
    social.CharitySum = Money::fromRoubles(1);
    social.AddChildEducation(Money::fromRoubles(10000));
    social.AddChildEducation(Money::fromRoubles(20000));
    social.MedicalSum = Money::fromRoubles(30000);
    social.PensionContribSum = Money::fromRoubles(2);
    for (int c = 1; c <= 2; ++c) {
        mTPens& contract = social.GetPens(social.AddPens());
        contract.ContractKind = c;
        contract.PensOrgName = QStringLiteral("НПФ %1").arg(c);
        contract.PensINN = QStringLiteral("7701234567");
        contract.ContractNumber = QStringLiteral("Д-%1").arg(c);
        contract.ContractDate = DayCount::fromDate(2012, 1, c);
        contract.Contribution = Money::fromRoubles(12000);
    }

    mTConstructionDeduct& property = d.PropertyDeduction;
    property.PropertyEnabled = 1;
    property.ObjectKind = 2;
    property.OwnershipKind = 1;
    property.OwnerSign = 1;
    property.ObjCity = QStringLiteral("Москва");
    property.ObjRegionCode = QStringLiteral("77");
    property.ApplicationDate = DayCount::fromDate(2013, 2, 1);
    property.LandRegDate = DayCount::fromDate(2013, 2, 2);
    property.ObjectCost = Money::fromRoubles(2500000);
    property.InterestPaid = Money::fromRoubles(150000);
    property.Share = Money::fromRoubles(1);
    property.ShareNumerator = 1;
    property.ShareDenominator = 1;
    property.ByInvestment = 1;

    d.SecuritiesDeduction.SecuritiesLoss = Money::fromRoubles(7000);
    d.SecuritiesDeduction.DerivativesLoss = Money::fromRoubles(8000);

    mTNalog& notice = d.NoticePayments.At(d.NoticePayments.Add());
    notice.NoticeKBK = QStringLiteral("18210102030011000110");
    notice.NoticeSum = Money::fromRoubles(1500);
    return d;
}
