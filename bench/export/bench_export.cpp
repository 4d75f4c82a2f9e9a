// Export of the largest declaration (999 entries in every list, sources of 13 % with 50 income
// lines each), computation included; the target is under 200 ms per export.

#include "LargeDeclaration.h"
#include "ValidDeclaration.h"
#include "export/ExportDeclaration.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The largest declaration with a taxpayer for the header of the file.
const mTDeclaration& declaration()
{
    static const mTDeclaration d = [] {
        mTDeclaration large = largeDeclaration(DeclarationForm::Resident);
        const mTDeclaration valid = ValidDeclaration();
        large.InspectionCode = valid.InspectionCode;
        large.Person = valid.Person;
        return large;
    }();
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
