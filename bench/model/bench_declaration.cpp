// Opening and saving large declarations: 999 resident sources with N income lines each (about
// 1000 * N streams). The targets: 50 lines open and save in under 0.3 s each; 500 lines (ten
// times the streams) cost no more than about twelve times as long.

#include "Declaration.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

mTDeclaration largeDeclaration(int linesPerSource)
{
    mTDeclaration d;
    d.SetInteractiveDefaults();
    d.Person.Surname = QStringLiteral("Иванов");
    for (int s = 0; s < 999; ++s) {
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

void saveDeclaration(benchmark::State& state)
{
    const mTDeclaration d = largeDeclaration(int(state.range(0)));
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("large.tv3"));
    for (auto _ : state)
        d.SaveToFile(name);
    state.counters["bytes"] = double(d.ImageSize());
}

void openDeclaration(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("large.tv3"));
    largeDeclaration(int(state.range(0))).SaveToFile(name);
    for (auto _ : state) {
        mTDeclaration d;
        d.LoadFromFile(name);
        benchmark::DoNotOptimize(d.Income13.Count());
    }
}

} // namespace

BENCHMARK(saveDeclaration)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(openDeclaration)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->MinTime(5.0);

BENCHMARK_MAIN();
