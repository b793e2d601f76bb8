#pragma once
// Test harness: every test starts with a fresh HOME and XDG folders, the zero-filled
// program state, an empty history log and fresh recording fakes.

#include "platform/fakes/FakePrinter.h"
#include "platform/fakes/Fakes.h"

#include <QString>

FakeMessageBox &fakeMessageBox();
FakeClipboard &fakeClipboard();
FakeFolders &fakeFolders();
FakeFonts &fakeFonts();
FakeClock &fakeClock();
FakeOpener &fakeOpener();
FakeFileDialog &fakeFileDialog();
FakeHelpViewer &fakeHelpViewer();
FakePrinter &fakePrinter();

// The fresh HOME of the running test.
QString testHome();

// Runs the program's start-up steps that need no window (constants, defaults, the
// settings file, reading it), as the program does before the main window.
void StartCoreForTest();

// Writes a file with exact bytes (creating folders); returns its path.
QString writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

#include <ostream>
// Readable QString values in test failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
