// A bare Qt program that shows the reference main window and closes it again: the
// yardstick for the program's own start in startup-memory.sh. It links Qt Widgets
// and nothing of the program but the menu captions and the toolbar images.

#include "BareMainWindow.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <clocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QMainWindow *w = bareMainWindow();
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    // Painted once before it closes, as the program's window is.
    QCoreApplication::processEvents();
    QTimer::singleShot(0, w, &QWidget::close);
    return app.exec();
}
