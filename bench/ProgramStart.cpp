// The program's own start (as app/main.cpp) that closes the main window once it has
// been shown and painted: what startup-memory.sh measures against BareWindowStart.

#include "platform/QtServices.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QTimer>

#include <clocale>

int main(int argc, char *argv[])
{
    PrimerApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    app.setApplicationName(QStringLiteral("Tessolan Primer"));
    InstallQtServices();
    frmMain *w = StartProgram(app.arguments().mid(1), QDir::currentPath());
    QCoreApplication::processEvents();
    QTimer::singleShot(0, w, &QWidget::close);
    return app.exec();
}
