// Loading the shipped directory files and looking up exchange rates.

#include "directories/CurrencyDirectory.h"
#include "directories/DirectoryFiles.h"

#include <QDate>
#include <benchmark/benchmark.h>

namespace {

const QString kDataFolder = QStringLiteral(TARVIKA_DATA_DIR);

void LoadAllFour(benchmark::State& state)
{
    for (auto _ : state) {
        DirectoryLoadResult result = LoadDirectories(kDataFolder);
        if (result.fatal || !result.warnings.isEmpty())
            state.SkipWithError("the shipped directory files did not load");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(LoadAllFour)->Unit(benchmark::kMillisecond);

template <const char* name> void LoadOne(benchmark::State& state)
{
    QString error;
    const auto bytes =
        DirectoryFiles::readFile(kDataFolder + QLatin1Char('/') + QLatin1String(name), &error);
    for (auto _ : state) {
        if (QLatin1String(name) == QLatin1String("CurrencyRates.xml"))
            benchmark::DoNotOptimize(CurrencyDirectory::fromXml(*bytes, &error));
        else if (QLatin1String(name) == QLatin1String("Sp_OKVED2.xml"))
            benchmark::DoNotOptimize(ActivityDirectory::fromXml(*bytes, &error));
        else
            benchmark::DoNotOptimize(CodeDirectory::fromXml(*bytes, &error));
    }
}
constexpr char kTaxOffices[] = "InspectionNumbers.xml";
constexpr char kCountries[] = "Oksm.xml";
constexpr char kActivities[] = "Sp_OKVED2.xml";
constexpr char kCurrencies[] = "CurrencyRates.xml";
BENCHMARK(LoadOne<kTaxOffices>)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadOne<kCountries>)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadOne<kActivities>)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadOne<kCurrencies>)->Unit(benchmark::kMillisecond);

// A currency income is entered: the rates of the income date and of the tax date are looked up.
// The worst case is a date after the last rate of the last currency in the file.
void RateLookup(benchmark::State& state)
{
    QString error;
    const auto bytes =
        DirectoryFiles::readFile(kDataFolder + QStringLiteral("/CurrencyRates.xml"), &error);
    const auto directory = CurrencyDirectory::fromXml(*bytes, &error);
    QString lastQuoted;
    for (const Currency& currency : directory->currencies()) {
        if (!currency.rates.isEmpty())
            lastQuoted = currency.code;
    }
    const QDate date(2015, 3, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(directory->rateFor(lastQuoted, date));
}
BENCHMARK(RateLookup)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
