// Speed of start-up to the main window shown, beside a bare Qt main window with the
// same menu bar and toolbar built here as the reference. Runs on the offscreen
// platform with a temporary HOME, so the user's own settings are never touched.

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "platform/QtServices.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"

#include "BareMainWindow.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <clocale>
#include <memory>

namespace {

// Message boxes answer at once with their default button (the disclaimer at start).
class AnsweringBox : public IMessageBox {
public:
    int show(const QString &, int buttons, const QString &) override { return mb::DefaultAnswer(buttons); }
};

QString g_home;
QString g_iniFile;

void settleEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_StartToMainWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        ResetProgramState();
        historyLog().setText(QString());
        frmMain *w = StartProgram({}, g_home);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w->isVisible());
        state.PauseTiming();
        delete w;
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
        delete w;
        settleEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareMainWindowShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    g_home = home.path();
    qputenv("HOME", g_home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (g_home + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (g_home + QStringLiteral("/.local/share")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    InstallQtServices();
    services().messageBox = std::make_unique<AnsweringBox>();
    // A frmMain first, so the shell's resources (the toolbar images) are registered for both.
    delete StartProgram({}, g_home);
    g_iniFile = paths().IniFile;
    settleEvents();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
