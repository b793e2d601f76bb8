// Speed of the design run: the default design from inputs to report, and the
// largest layout search the data model holds, with and without the sort and its trace.

#include "core/ProgramState.h"
#include "design/DesignRun.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

DesignInputs DefaultInputs()
{
    DesignInputs in;
    in.txtFortio = QStringLiteral("3.00");
    in.txtEpigomosi = QStringLiteral("1.00");
    in.txtYpodiatrisi = QStringLiteral("0.30");
    in.txtApostasi = QStringLiteral("1.50");
    in.txtEpigD = QStringLiteral("20");
    in.txtYpodD = QStringLiteral("10");
    in.txtApostasiD = QStringLiteral("40");
    in.txtDiametros = QStringLiteral("80");
    in.txtEidvarek = QStringLiteral("0.90");
    in.txtEnisxysi = QStringLiteral("1");
    in.txtEidvarEE = QStringLiteral("1.2");
    in.txtEidvarPe = QStringLiteral("2.60");
    in.txtYpsos = QStringLiteral("12.00");
    in.txtParagogi = QStringLiteral("4000");
    in.txtDX = QStringLiteral("0");
    in.txtDY = QStringLiteral("0");
    in.txtMaxNperDelay = QStringLiteral("2");
    in.cmbNoEpif = QStringLiteral("1");
    in.txtSeires = QStringLiteral("2");
    in.txtCostExpl = QStringLiteral("1");
    in.txtCostCap = QStringLiteral("1");
    in.txtCostInit = QStringLiteral("0");
    in.txtCostBooster = QStringLiteral("1.5");
    in.txtCostDrill = QStringLiteral("5");
    return in;
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
