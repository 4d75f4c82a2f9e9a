// The whole tax computation of the largest declaration (LargeDeclaration.h).

#include "LargeDeclaration.h"
#include "calc/SvodSum.h"

#include <benchmark/benchmark.h>

namespace {

void calculate(benchmark::State& state)
{
    mTDeclaration declaration = largeDeclaration(quint8(state.range(0)));
    for (auto _ : state) {
        kTSvodSum sum;
        benchmark::DoNotOptimize(sum.Calculate(declaration));
        benchmark::DoNotOptimize(sum.List6.Count);
    }
}

} // namespace

BENCHMARK(calculate)
    ->Arg(DeclarationForm::Resident)
    ->Arg(DeclarationForm::NonResident)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
