// Speed of the project file: saving a project (through the temporary file and the
// rename) and opening it again, and the text alone without the disk.

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/ProjectFile.h"
#include "core/Startup.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A project as a user leaves it: a title, a description of a few wrapped lines and
// every block at its defaults.
void prepareProject(const QString &file)
{
    ResetProgramState();
    SetStartupPresets();
    settings().DisplayHistoryWin = 1;
    settings().MaxDisplaySize = 4096;
    ResetProjectDefaults(kTrue, kTrue);
    ProjectState &p = project();
    p.ProjectTitle = QStringLiteral("Λατομείο Β, north face, bench 4");
    p.ProjectDescription = QStringLiteral(
        "Limestone bench, 12 m face, two free faces on the east side. Charges per delay limited by the "
        "village at 600 m.\r\nΈλεγχος δονήσεων με δύο σεισμογράφους.\r\nDrilling 80 mm, ANFO with boosters.");
    p.CurrentFile = file;
}

void BM_SaveProjectFile(benchmark::State &state)
{
    QTemporaryDir dir;
    prepareProject(dir.filePath(QStringLiteral("bench.kvd")));
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveProjectFile());
}
BENCHMARK(BM_SaveProjectFile);

void BM_OpenProjectFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.kvd"));
    prepareProject(file);
    SaveProjectFile();
    for (auto _ : state) {
        project().CurrentFile = file;
        benchmark::DoNotOptimize(OpenProjectFile());
    }
}
BENCHMARK(BM_OpenProjectFile);

void BM_OpenThenSaveProjectFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.kvd"));
    prepareProject(file);
    SaveProjectFile();
    for (auto _ : state) {
        project().CurrentFile = file;
        OpenProjectFile();
        benchmark::DoNotOptimize(SaveProjectFile());
    }
}
BENCHMARK(BM_OpenThenSaveProjectFile);

// A description of one line of words, state.range(0) MB long: the save wraps it into
// pieces of at most 60 characters once, in one pass over the text, so the time grows
// with the size and no faster.
void BM_SaveLongDescription(benchmark::State &state)
{
    QTemporaryDir dir;
    prepareProject(dir.filePath(QStringLiteral("long.kvd")));
    QString line;
    const QString words = QStringLiteral("limestone bench charge delay burden spacing stemming subdrill ");
    while (line.size() < state.range(0) * 1024 * 1024)
        line += words;
    for (auto _ : state) {
        state.PauseTiming();
        project().ProjectDescription = line;
        state.ResumeTiming();
        benchmark::DoNotOptimize(SaveProjectFile());
    }
}
BENCHMARK(BM_SaveLongDescription)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(5)->Arg(10);

// The file's text alone: building it, and reading it back, without the disk.
void BM_ProjectTextInMemory(benchmark::State &state)
{
    prepareProject(QStringLiteral("memory.kvd"));
    const QString text = ProjectFileText(project());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ProjectFileText(project()));
        benchmark::DoNotOptimize(ReadProjectText(text));
    }
}
BENCHMARK(BM_ProjectTextInMemory);

} // namespace

BENCHMARK_MAIN();
