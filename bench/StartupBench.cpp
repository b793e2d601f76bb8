// Speed of start-up to the main window shown, beside a bare Qt main window with the
// same menu bar and toolbar built here as the reference. Runs on the offscreen
// platform with a temporary HOME, so the user's own settings are never touched.

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "platform/QtServices.h"
#include "shell/Korvendo.h"
#include "shell/MainCaptions.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolBar>
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

// The same menus (items, separators, submenus, shortcuts), toolbar and history pane
// on a plain QMainWindow, with no program state, settings or project behind them.
QMainWindow *bareMainWindow()
{
    auto *w = new QMainWindow;
    w->resize(960, 760);
    QMenuBar *bar = w->menuBar();
    auto fill = [](QMenu *menu, int count, const QString &prefix) {
        for (int i = 0; i < count; ++i) {
            QAction *a = menu->addAction(QStringLiteral("%1 %2").arg(prefix).arg(i));
            a->setObjectName(QStringLiteral("%1_%2").arg(prefix).arg(i));
        }
    };
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    fill(file, 17, QStringLiteral("mnuFileItem"));
    file->actions().at(0)->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    file->actions().at(1)->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    file->actions().at(2)->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    file->actions().at(7)->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    file->actions().at(9)->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    for (int i : {4, 8, 10, 15})
        file->actions().at(i)->setSeparator(true);
    QMenu *input = bar->addMenu(QStringLiteral("&Input"));
    fill(input, 1, QStringLiteral("mnuEditItem"));
    fill(input->addMenu(QStringLiteral("Burden Calculations")), 7, QStringLiteral("mnuFortioItem"));
    fill(input, 1, QStringLiteral("mnuEditItem2"));
    fill(input->addMenu(QStringLiteral("Vibrations")), 2, QStringLiteral("mnuDonisiItem"));
    fill(bar->addMenu(QStringLiteral("Videos")), 3, QStringLiteral("mnuVideosItem"));
    fill(bar->addMenu(QStringLiteral("&Utilities")), 8, QStringLiteral("mnuUtilItem"));
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    fill(help, 11, QStringLiteral("mnuHelpItem"));
    help->actions().at(0)->setShortcut(QKeySequence(Qt::Key_F1));
    // The captions of the language switch, written once as the program does.
    for (const MenuCaption &c : MainMenuCaptions())
        if (QAction *a = w->findChild<QAction *>(c.item))
            a->setText(c.english);
    QToolBar *tools = w->addToolBar(QStringLiteral("Toolbar1"));
    for (int i = 1; i <= 5; ++i)
        tools->addAction(QIcon(QStringLiteral(":/shell/images/open.svg")), QString::number(i));
    w->setCentralWidget(new QPlainTextEdit);
    return w;
}

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
