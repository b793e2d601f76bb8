// Speed of start-up to the main window shown, beside a bare Qt main window with the
// same menu bar and toolbar built here as the reference. Runs on the offscreen
// platform with a temporary HOME, so the user's own settings are never touched.

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"

#include "BareMainWindow.h"

#include "BenchHarness.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString g_iniFile;

void BM_StartToMainWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        ResetProgramState();
        historyLog().setText(QString());
        frmMain *w = StartProgram({}, benchHome());
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w->isVisible());
        state.PauseTiming();
        w->deleteLater();
        settleEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToMainWindowShown)->Unit(benchmark::kMillisecond);

// Start-up on a settings file the user (or a hostile hand) made unusual: the time
// should stay that of a normal start.
void startWithSettingsFile(benchmark::State &state, const QByteArray &contents)
{
    QFile f(g_iniFile);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(contents) != contents.size()) {
        state.SkipWithError("settings file not written");
        return;
    }
    f.close();
    BM_StartToMainWindowShown(state);
    QFile::remove(g_iniFile);
}

QByteArray settingsHead() { return "[Version]\r\nINIFileVersion=080122\r\n[BlastOptions]\r\nEnglishMenus=1\r\n"; }

void BM_StartWith5000CharacterFontName(benchmark::State &state)
{
    startWithSettingsFile(state, settingsHead() + "[Settings]\r\nShowDisclaim=0\r\nDisplayFontName="
                                     + QByteArray(5000, 'F') + "\r\n");
}
BENCHMARK(BM_StartWith5000CharacterFontName)->Unit(benchmark::kMillisecond);

void BM_StartWith10MBSettingsFile(benchmark::State &state)
{
    QByteArray contents = settingsHead() + "[Settings]\r\nShowDisclaim=0\r\n[Notes]\r\n";
    for (int i = 0; contents.size() < 10 * 1024 * 1024; ++i)
        contents += "Note" + QByteArray::number(i) + "=" + QByteArray(80, 'n') + "\r\n";
    startWithSettingsFile(state, contents);
}
BENCHMARK(BM_StartWith10MBSettingsFile)->Unit(benchmark::kMillisecond);

// Above the size limit: refused by its size, never read.
void BM_StartWith100MBSettingsFile(benchmark::State &state)
{
    QByteArray contents = settingsHead();
    contents += QByteArray(100 * 1024 * 1024 - contents.size(), ' ');
    startWithSettingsFile(state, contents);
}
BENCHMARK(BM_StartWith100MBSettingsFile)->Unit(benchmark::kMillisecond);

void BM_BareMainWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow *w = bareMainWindow();
        w->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w->isVisible());
        state.PauseTiming();
        w->deleteLater();
        settleEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareMainWindowShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv, [] {
        // A frmMain first, so the shell's resources (the toolbar images) are registered for both.
        StartProgram({}, benchHome())->deleteLater();
        settleEvents();
        g_iniFile = paths().IniFile;
    });
}
