#pragma once
// The start routine.

#include <QApplication>
#include <QStringList>

#include <functional>

// The program's application object: an exception that escapes an event handler
// reaches the error tail instead of ending the program.
class PrimerApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};
// Runs one event delivery; an exception from it goes to ErrorHandler (out of memory
// as error 7, others as 5) and the event counts as not handled.
bool DeliverUnderErrorTail(const std::function<bool()> &deliver);

// Starts the program (constants, settings, the main window with an empty project,
// the recent or command-line file) and runs it until the main window closes.
int Main(QApplication &app, const QStringList &arguments);
// Everything of Main before the event loop; returns the main window (tests).
class frmMain;
frmMain *StartProgram(const QStringList &arguments, const QString &workingDir);
