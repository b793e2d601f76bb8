#include "shell/Korvendo.h"

#include "core/Errors.h"
#include "core/ProgramState.h"
#include "core/Startup.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QPointer>

frmMain *StartProgram(const QStringList &arguments, const QString &workingDir)
{
    StartupBeforeWindow();
    appState().CommandLine = JoinCommandLine(arguments, workingDir);

    auto *w = new frmMain;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->FileNew(kTrue, kTrue);
    w->show();
    w->ApplyMainFont();

    // The most recent file first, then the one named on the command line. A file that
    // cannot be read is reported and the program runs on with the empty project.
    if (settings().LoadLastInputFile == 1 && !recentFiles().LastFileLong[1].isEmpty())
        w->mnuFileArray_Click(1);
    const QString commandFile = appState().CommandLine;
    if (!commandFile.isEmpty()) {
        RunWithErrorTail([w, &commandFile] {
            project().CurrentFile = commandFile;
            w->LoadProjFile();
        });
    }
    return w;
}

bool DeliverUnderErrorTail(const std::function<bool()> &deliver)
{
    try {
        return deliver();
    } catch (...) {
        ErrorHandler(true, CurrentError());
        return false;
    }
}

bool PrimerApplication::notify(QObject *receiver, QEvent *event)
{
    return DeliverUnderErrorTail([&] { return QApplication::notify(receiver, event); });
}

int Main(QApplication &app, const QStringList &arguments)
{
    const QPointer<frmMain> w = StartProgram(arguments, QDir::currentPath());
    // A main window that closed during the start (an end asked for under a message of
    // the start) has ended the program: no loop runs on without a window.
    if (!w || !w->isVisible())
        return 0;
    return app.exec();
}
