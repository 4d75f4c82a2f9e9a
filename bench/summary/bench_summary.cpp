// What the result strip computes after a change, for the largest declaration: a copy of it, the
// whole tax computation and the summary of every section.

#include "LargeDeclaration.h"
#include "summary/SummaryText.h"
#include "summary/TaxSummary.h"

#include <benchmark/benchmark.h>

namespace {

void summarize(benchmark::State& state)
{
    const mTDeclaration declaration = largeDeclaration(quint8(state.range(0)));
    for (auto _ : state) {
        const TaxSummary summary = SummarizeDeclaration(declaration);
        benchmark::DoNotOptimize(SummaryText::headline(summary));
    }
}

// The copy alone, which the strip makes so that the computation never changes the document.
void copy(benchmark::State& state)
{
    const mTDeclaration declaration = largeDeclaration(DeclarationForm::Resident);
    for (auto _ : state) {
        mTDeclaration copied = declaration;
        benchmark::DoNotOptimize(copied.Income13.Count());
    }
}

} // namespace

BENCHMARK(summarize)
    ->Arg(DeclarationForm::Resident)
    ->Arg(DeclarationForm::NonResident)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(copy)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
