// Speed of the windows on the longest inputs they accept: the text browser showing a
// 16 MB file (one line, or many short ones) and opening on a folder of many files, the
// project description dialog opening on a 10 MB description of one line and taking such
// a line, or 10 MB of short lines, pasted into it, and the print preview of such a
// project. Runs on the offscreen platform with a temporary HOME.

#include "core/Messages.h"
#include "core/ParameterReport.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/Startup.h"
#include "platform/FileLists.h"
#include "shell/FileCommands.h"
#include "shell/frmBlastDesc.h"
#include "shell/frmPreview.h"
#include "shell/frmTextBrow.h"

#include "BenchHarness.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {


frmTextBrow *openBrowser(const QString &folder)
{
    appState().BrowseLastFolder = folder;
    settings().BrowseDefaultFilter = QStringLiteral("*");
    ShowTextBrowser();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<frmTextBrow *>(w))
            return b;
    return nullptr;
}

void closeBrowser()
{
    UnloadTextBrowser();
    settleEvents();
}

// 16,000,000 bytes of words: one line, or lines of 'lineLength' characters.
QString writeBigFile(const QString &folder, int lineLength)
{
    const QByteArray words = "limestone bench charge delay burden spacing stemming subdrill ";
    QByteArray bytes;
    bytes.reserve(16'000'000);
    int column = 0;
    while (bytes.size() < 16'000'000) {
        for (char c : words) {
            if (lineLength > 0 && column == lineLength) {
                bytes += '\n';
                column = 0;
            } else {
                bytes += c;
                ++column;
            }
        }
    }
    bytes.truncate(16'000'000);
    const QString path = folder + QStringLiteral("/big.txt");
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

// From the double-click on the file to its text in the view.
void showBigFile(benchmark::State &state, int lineLength)
{
    QTemporaryDir dir;
    writeBigFile(dir.path(), lineLength);
    frmTextBrow *w = openBrowser(dir.path());
    auto *files = w->findChild<FileList *>(QStringLiteral("File1"));
    auto *view = w->findChild<QPlainTextEdit *>(QStringLiteral("RichTextBox1"));
    for (auto _ : state) {
        state.PauseTiming();
        view->clear();
        files->selectFile(QStringLiteral("big.txt"));
        state.ResumeTiming();
        emit files->itemActivated(files->currentItem());
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(view->blockCount());
    }
    closeBrowser();
}

void BM_BrowserShows16MBOneLine(benchmark::State &state) { showBigFile(state, 0); }
BENCHMARK(BM_BrowserShows16MBOneLine)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BrowserShows16MBShortLines(benchmark::State &state) { showBigFile(state, 40); }
BENCHMARK(BM_BrowserShows16MBShortLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// The most lines 16 MB can hold: eight million of one character each.
void BM_BrowserShows16MBOneCharacterLines(benchmark::State &state) { showBigFile(state, 1); }
BENCHMARK(BM_BrowserShows16MBOneCharacterLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// From File > Browse to the window shown on a folder of state.range(0) files.
void BM_BrowserOpensOnFolder(benchmark::State &state)
{
    QTemporaryDir dir;
    for (int i = 0; i < state.range(0); ++i) {
        QFile f(dir.filePath(QStringLiteral("file%1.txt").arg(i, 6, 10, QLatin1Char('0'))));
        f.open(QIODevice::WriteOnly);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(openBrowser(dir.path()));
        QCoreApplication::processEvents();
        state.PauseTiming();
        closeBrowser();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BrowserOpensOnFolder)->Unit(benchmark::kMillisecond)->Arg(10'000)->Arg(50'000);

// One line of 10 MB of words.
QString tenMBLine()
{
    QString line;
    const QString words = QStringLiteral("limestone bench charge delay burden spacing stemming subdrill ");
    while (line.size() < 10 * 1024 * 1024)
        line += words;
    return line;
}

// From Input > Description to the dialog shown, on a description of one 10 MB line.
void BM_DescriptionOpensOn10MBLine(benchmark::State &state)
{
    project().ProjectDescription = tenMBLine();
    FileCommands files(FileCommands::View{});
    for (auto _ : state) {
        auto w = std::make_unique<frmBlastDesc>(files);
        w->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        w.reset();
        settleEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DescriptionOpensOn10MBLine)->Unit(benchmark::kMillisecond)->Iterations(3);

// From Paste in the description box to the text shown: 'pasted' put into the middle of
// a short description's first line.
void pasteIntoDescription(benchmark::State &state, const QString &pasted)
{
    project().ProjectDescription = QStringLiteral("North bench, upper level\r\nSecond line");
    QGuiApplication::clipboard()->setText(pasted);
    FileCommands files(FileCommands::View{});
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<frmBlastDesc>(files);
        w->show();
        QCoreApplication::processEvents();
        auto *box = w->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
        QTextCursor at = box->textCursor();
        at.setPosition(12);
        box->setTextCursor(at);
        state.ResumeTiming();
        box->paste();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(box->blockCount());
        state.PauseTiming();
        w.reset();
        settleEvents();
        state.ResumeTiming();
    }
}

// One 10 MB line: broken as a save breaks it.
void BM_DescriptionTakes10MBLinePasted(benchmark::State &state) { pasteIntoDescription(state, tenMBLine()); }
BENCHMARK(BM_DescriptionTakes10MBLinePasted)->Unit(benchmark::kMillisecond)->Iterations(3);

// 10 MB of short lines (59 characters each): as fast as the one line.
void BM_DescriptionTakes10MBShortLinesPasted(benchmark::State &state)
{
    const QString line = QStringLiteral("limestone bench charge delay burden spacing stemming subdri\n");
    pasteIntoDescription(state, line.repeated(10 * 1024 * 1024 / line.size()));
}
BENCHMARK(BM_DescriptionTakes10MBShortLinesPasted)->Unit(benchmark::kMillisecond)->Iterations(3);

// From File > Print Preview to the window shown, on a project whose description is one
// 10 MB line (the report breaks it into lines of 60 characters): as fast as the browser
// shows a file of that size.
void BM_PreviewShows10MBDescription(benchmark::State &state)
{
    project().ProjectDescription = tenMBLine();
    LoadOutBuf0(0);
    for (auto _ : state) {
        auto w = std::make_unique<frmPreview>();
        w->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w->findChild<QPlainTextEdit *>(QStringLiteral("RichTextBox1"))->blockCount());
        state.PauseTiming();
        w.reset();
        settleEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PreviewShows10MBDescription)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv, [] {
        // The program's start-up state (settings, fonts, captions), without its main window.
        StartupBeforeWindow();
    });
}
