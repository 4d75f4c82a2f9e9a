// Opening and saving large declarations: 999 resident sources with N income lines each (about
// 1000 * N streams). The targets: 50 lines open and save in under 0.3 s each; 500 lines (ten
// times the streams) cost no more than about twelve times as long.
//
// openDeclaration repeats the open in one process, where the allocator may hand back memory it
// already holds; firstOpen opens the file in a fresh child process each time, as a user does
// after starting the program, so every page the document needs is new to the process.

#include "LargeDeclaration.h"
#include "model/Declaration.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void saveDeclaration(benchmark::State& state)
{
    const mTDeclaration d = salaryDeclaration(int(state.range(0)));
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
    salaryDeclaration(int(state.range(0))).SaveToFile(name);
    for (auto _ : state) {
        mTDeclaration d;
        d.LoadFromFile(name);
        benchmark::DoNotOptimize(d.Income13.Count());
    }
}

// Seconds the child process took to open the file, or a negative number when it failed.
double openInChild(const QString& name)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        double seconds = -1;
        try {
            QElapsedTimer timer;
            timer.start();
            {
                mTDeclaration d;
                d.LoadFromFile(name);
            }
            seconds = double(timer.nsecsElapsed()) / 1e9;
        } catch (...) {
        }
        const bool sent = ::write(channel[1], &seconds, sizeof seconds) == sizeof seconds;
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    double seconds = -1;
    if (child < 0 || ::read(channel[0], &seconds, sizeof seconds) != sizeof seconds)
        seconds = -1;
    ::close(channel[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return seconds;
}

void firstOpen(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("large.tv3"));
    salaryDeclaration(int(state.range(0))).SaveToFile(name);
    // The child starts with no freed memory to reuse, like a newly started program.
    ::malloc_trim(0);
    for (auto _ : state) {
        const double seconds = openInChild(name);
        if (seconds < 0) {
            state.SkipWithError("the child process could not open the file");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

} // namespace

BENCHMARK(saveDeclaration)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(openDeclaration)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(firstOpen)
    ->Arg(50)
    ->Arg(500)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(5.0);

BENCHMARK_MAIN();
