#include "shell/Korvendo.h"

#include "core/ProgramState.h"
#include "core/Startup.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>

frmMain *StartProgram(const QStringList &arguments, const QString &workingDir)
{
    StartupBeforeWindow();
    appState().CommandLine = JoinCommandLine(arguments, workingDir);

    auto *w = new frmMain;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->FileNew(kTrue, kTrue);
    w->show();
    w->ApplyMainFont();
    return w;
}

int Main(QApplication &app, const QStringList &arguments)
{
    StartProgram(arguments, QDir::currentPath());
    return app.exec();
}
