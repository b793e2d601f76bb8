#pragma once
// The start routine.

#include <QStringList>

class QApplication;

// Starts the program (constants, settings, the main window with an empty project,
// the recent or command-line file) and runs it until the main window closes.
int Main(QApplication &app, const QStringList &arguments);
// Everything of Main before the event loop; returns the main window (tests).
class frmMain;
frmMain *StartProgram(const QStringList &arguments, const QString &workingDir);
