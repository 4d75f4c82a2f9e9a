#pragma once

// Large declarations shared by the benchmarks and the tests that need a file of several megabytes.

#include "model/Declaration.h"

// 999 salary sources of linesPerSource income lines each, nothing else: the file grows by about
// 100 bytes a line.
inline mTDeclaration salaryDeclaration(int linesPerSource)
{
    mTDeclaration d;
    d.SetInteractiveDefaults();
    d.Person.Surname = QStringLiteral("Иванов");
    for (int s = 0; s < RecordList<mTThirteenPercent>::kMaxEntries; ++s) {
        mTThirteenPercent& source = d.Income13.At(d.Income13.Add());
        source.SourceINN = QStringLiteral("7707083893");
        source.SourceKPP = QStringLiteral("773601001");
        source.SourceName = QStringLiteral("ООО «Источник выплаты № %1»").arg(s);
        source.TaxWithheld = Money::fromUnits(1234567890);
        for (int l = 0; l < linesPerSource; ++l) {
            mTSourseIncome line;
            line.IncomeCode = 2000;
            line.IncomeCodeName = QStringLiteral("Заработная плата");
            line.IncomeSum = Money::fromUnits(123456789 + l);
            line.IncomeMonth = quint16(l % 12 + 1);
            source.AddIncome(line);
        }
    }
    return d;
}

// The largest declaration the benchmarks use: 999 sources of 50 income lines in each source list,
// 999 entries in every other list, 50 pension contracts and children's education amounts, every
// deduction granted.
inline mTDeclaration largeDeclaration(quint8 form)
{
    mTDeclaration d;
    d.SetIncomeKinds(IncomeKind::Country | IncomeKind::Abroad | IncomeKind::Business |
                     IncomeKind::Practice);
    d.DeclForm = form;
    d.Person.OKTMO = QStringLiteral("45000000");
    static const qint32 codes[] = {2000, 2010, 2202, 2720, 2791, 1510, 1511, 1520,
                                   1530, 1532, 2740, 2762, 2790, 1536, 4900, 2730};
    static const qint32 deductions[] = {0,   403, 404, 501, 0,   903, 904, 906,
                                        201, 201, 1,   508, 507, 201, 908, 502};
    constexpr int kSources = RecordList<mTThirteenPercent>::kMaxEntries;
    for (auto* list : {&d.Income13, &d.Income13NR}) {
        for (int s = 0; s < kSources; ++s) {
            mTThirteenPercent& source = list->At(list->Add());
            source.SourceOKTMO = QString::number(10000000 + s % 50);
            source.TaxWithheld = Money::fromRoubles(1000 + s);
            source.IsPrimarySource = s % 2;
            for (int l = 0; l < 50; ++l) {
                const int k = (s + l) % 16;
                source.AddIncome({codes[k], QString(), Money::fromKopecks(1234567 + l * 101),
                                  deductions[k], Money::fromKopecks(23456 + l), 13,
                                  quint16(l % 12 + 1)});
            }
        }
    }
    for (int i = 0; i < kSources; ++i) {
        mTThirtyFivePercent& r35 = d.Income35.At(d.Income35.Add());
        r35.IncomeCode35 = i % 3 == 0 ? 2740 : (i % 3 == 1 ? 2620 : 2000);
        r35.DeductCode35 = i % 3 == 0 ? 1 : 0;
        r35.TotalIncome = Money::fromRoubles(5000 + i);
        r35.DeductSum35 = Money::fromRoubles(300);
        mTThirtyPercent& r30 = d.Income30.At(d.Income30.Add());
        r30.TotalIncome = Money::fromKopecks(100000 + i);
        r30.TaxableDividends = r30.TotalIncome;
        mTCurrencyIncome& cur = d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
        cur.IncomeTaxRate = i % 3 == 0 ? 13 : (i % 3 == 1 ? 9 : 35);
        cur.CurIncomeCode = codes[i % 16];
        cur.CurDeductCode = deductions[i % 16];
        cur.IncomeExchangeRate = Money::fromUnits(327292);
        cur.IncomeUnits = 1;
        cur.IncomeInRoubles = Money::fromKopecks(7654321 + i);
        cur.TaxInRoubles = Money::fromKopecks(50000 + i);
        mTBusinessNew& b = d.Businesses.At(d.Businesses.Add());
        b.BusinessIncome = Money::fromRoubles(10000 + i);
        b.ExpensesTotal = Money::fromRoubles(2000);
        mTRepetitNew& p = d.PracticeIncomes.At(d.PracticeIncomes.Add());
        p.PracticeIncome = Money::fromRoubles(9000 + i);
        p.PracticeExpenses = Money::fromRoubles(1000);
        mTNalog& n = d.NoticePayments.At(d.NoticePayments.Add());
        n.NoticeKBK = QStringLiteral("18210102021011000110");
        n.NoticeSum = Money::fromRoubles(10);
    }
    mTSocialDeduct& social = d.SocialDeduction;
    social.SocialEnabled = 1;
    social.CharitySum = Money::fromRoubles(100000);
    for (int i = 0; i < 50; ++i) {
        social.AddChildEducation(Money::fromRoubles(40000 + 1000 * i));
        mTPens& pens = social.GetPens(social.AddPens());
        pens.ContractKind = i % 4 + 1;
        pens.Contribution = Money::fromRoubles(1000);
        pens.AgentDeduction = Money::fromRoubles(100);
    }
    d.StandardDeduction.PersonalCode = PersonalDeduction::Monthly500;
    d.StandardDeduction.Children.SetCount(2);
    d.PropertyDeduction.PropertyEnabled = 1;
    d.PropertyDeduction.ObjectCost = Money::fromRoubles(3000000);
    d.PropertyDeduction.InterestPaid = Money::fromRoubles(500000);
    d.PropertyDeduction.ShareNumerator = 1;
    d.PropertyDeduction.ShareDenominator = 3;
    return d;
}
