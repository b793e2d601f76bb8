// Speed of the design run: the default design from inputs to report, and the
// largest layout search the data model holds, with and without the sort and its trace.

#include "core/ProgramState.h"
#include "core/Project.h"
#include "design/DesignRecord.h"
#include "design/DesignRun.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The default project's design, as the design window shows it.
DesignInputs DefaultInputs()
{
    ResetProjectDefaults(255, 255);
    return DesignRecordTexts(project().BlastDesign).inputs;
}

// 7 rows x 4681 holes per row = 32767 layouts, the most the data model holds.
DesignInputs LargestSearch()
{
    DesignInputs in = DefaultInputs();
    in.txtEidvarPe = QStringLiteral("1");
    in.txtSeires = QStringLiteral("7");
    in.txtParagogi = QStringLiteral("758160"); // 4680.0 holes of 162 m3
    return in;
}

void BM_DefaultDesignRun(benchmark::State &state)
{
    settings().EnglishMenus = 1;
    const DesignInputs in = DefaultInputs();
    DesignSession session;
    for (auto _ : state) {
        DesignOutcome o = session.RunDesign(in);
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_DefaultDesignRun);

void BM_SelectAlternative(benchmark::State &state)
{
    settings().EnglishMenus = 0;
    const DesignInputs in = DefaultInputs();
    DesignSession session;
    session.RunDesign(in);
    int k = 0;
    for (auto _ : state) {
        DesignOutcome o = session.SelectAlternative(k % 20 + 1, in);
        benchmark::DoNotOptimize(o);
        ++k;
    }
}
BENCHMARK(BM_SelectAlternative);

void BM_LargestSearch(benchmark::State &state)
{
    const DesignInputs in = LargestSearch();
    DesignSession session;
    for (auto _ : state) {
        DesignOutcome o = session.RunDesign(in);
        benchmark::DoNotOptimize(o);
    }
    state.counters["layouts"] = session.AlternativeCount();
}
BENCHMARK(BM_LargestSearch)->Unit(benchmark::kMillisecond);

void BM_LargestSearchSortWithTrace(benchmark::State &state)
{
    QTemporaryDir temp;
    paths().UserTempPath = temp.path() + QStringLiteral("/");
    DesignInputs in = LargestSearch();
    DesignSession session;
    for (auto _ : state) {
        state.PauseTiming();
        session.RunDesign(in);
        in.chkSort = 1;
        state.ResumeTiming();
        DesignOutcome o = session.SortAlternatives(in);
        benchmark::DoNotOptimize(o);
        in.chkSort = 0;
    }
    state.counters["layouts"] = session.AlternativeCount();
}
BENCHMARK(BM_LargestSearchSortWithTrace)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
