// Export of a declaration with 999 entries in every list (sources of 13 % with 50 income lines
// each), computation included; the target is under 200 ms per export.

#include "export/ExportDeclaration.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = RecordList<mTThirteenPercent>::kMaxEntries;
constexpr int kLines = 50;

mTThirteenPercent thirteenSource(int index)
{
    mTThirteenPercent source;
    source.SourceName = QStringLiteral("ООО «Источник %1»").arg(index);
    source.SourceINN = QStringLiteral("7707083893");
    source.SourceKPP = QStringLiteral("773601001");
    source.SourceOKTMO = QStringLiteral("45382000");
    for (int l = 0; l < kLines; ++l) {
        mTSourseIncome line;
        line.IncomeCode = l % 5 == 0 ? 2760 : 2000;
        line.DeductCode = l % 5 == 0 ? 503 : 0;
        line.IncomeSum = Money::fromKopecks(1000000 + l);
        line.DeductSum = l % 5 == 0 ? 1000_rub : Money();
        line.IncomeMonth = quint16(l % 12 + 1);
        source.AddIncome(line);
    }
    source.TaxableIncome = source.TotalIncome;
    source.TaxComputed = Money::fromRoubles(source.TotalIncome.wholeRoubles() * 13 / 100);
    source.TaxWithheld = source.TaxComputed;
    return source;
}

mTDeclaration largeDeclaration()
{
    mTDeclaration d;
    d.SetInteractiveDefaults();
    d.SetIncomeKinds(IncomeKind::Country | IncomeKind::Abroad | IncomeKind::Business |
                     IncomeKind::Practice);
    d.InspectionCode = QStringLiteral("7701");
    d.Person.Surname = QStringLiteral("Иванов");
    d.Person.FirstName = QStringLiteral("Иван");
    d.Person.INN = QStringLiteral("500100732259");
    d.Person.OKTMO = QStringLiteral("45382000");
    d.SocialDeduction.SocialEnabled = 1;
    for (int i = 0; i < kEntries; ++i) {
        d.Income13.Replace(d.Income13.Add(), thirteenSource(i));
        d.Income13NR.Replace(d.Income13NR.Add(), thirteenSource(i));
        mTThirtyFivePercent& prize = d.Income35.At(d.Income35.Add());
        prize.IncomeCode35 = 2740;
        prize.DeductCode35 = 501;
        prize.DeductSum35 = 4000_rub;
        prize.TotalIncome = 10000_rub;
        prize.SourceName = QStringLiteral("Лотерея %1").arg(i);
        prize.SourceINN = QStringLiteral("7707083893");
        mTThirtyPercent& dividends = d.Income30.At(d.Income30.Add());
        dividends.SourceName = QStringLiteral("ОАО %1").arg(i);
        dividends.TotalIncome = 1000_rub;
        dividends.TaxableDividends = 1000_rub;
        mTCurrencyIncome& abroad = d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
        abroad.IncomeTaxRate = 13;
        abroad.CurIncomeCode = 1010;
        abroad.CurSourceName = QStringLiteral("Bank %1").arg(i);
        abroad.SourceCountryCode = QStringLiteral("196");
        abroad.CurrencyCode = QStringLiteral("978");
        abroad.IncomeDate = DayCount::fromDate(2013, 5, 20);
        abroad.IncomeExchangeRate = Money::fromUnits(404500);
        abroad.IncomeUnits = 1;
        abroad.SetIncomeInCurrency(100_rub);
        mTBusinessNew& business = d.Businesses.At(d.Businesses.Add());
        business.ActivityKind = QStringLiteral("1");
        business.BusinessIncome = 100000_rub;
        business.ExpensesTotal = 50000_rub;
        mTRepetitNew& practice = d.PracticeIncomes.At(d.PracticeIncomes.Add());
        practice.PracticeIncome = 1000_rub;
        mTNalog& notice = d.NoticePayments.At(d.NoticePayments.Add());
        notice.NoticeKBK = QStringLiteral("18210102021011000110");
        notice.NoticeSum = 10_rub;
        d.SocialDeduction.AddChildEducation(1000_rub);
        mTPens& pens = d.SocialDeduction.GetPens(d.SocialDeduction.AddPens());
        pens.ContractKind = 1 + i % 2;
        pens.PensOrgName = QStringLiteral("НПФ %1").arg(i);
        pens.Contribution = 100_rub;
        pens.ContributionToDeduct = 100_rub;
    }
    return d;
}

const mTDeclaration& declaration()
{
    static const mTDeclaration d = largeDeclaration();
    return d;
}

void BM_BuildExportDocument(benchmark::State& state)
{
    const mTDeclaration& d = declaration();
    qint64 bytes = 0;
    for (auto _ : state) {
        QStringList messages;
        const auto document = BuildExportDocument(d, ExportStamp::now(), messages);
        if (!document)
            state.SkipWithError("export failed");
        else
            bytes = document->xml.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["xml_bytes"] = double(bytes);
}
BENCHMARK(BM_BuildExportDocument)->Unit(benchmark::kMillisecond);

void BM_ExportToFolder(benchmark::State& state)
{
    const mTDeclaration& d = declaration();
    QTemporaryDir folder;
    for (auto _ : state) {
        const QString name = ExportDeclaration(folder.path(), d, ExportMode::File);
        if (name == ExportFailedResult())
            state.SkipWithError("export failed");
        benchmark::DoNotOptimize(name);
    }
}
BENCHMARK(BM_ExportToFolder)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
