#pragma once
// Connects the main window's menu items to the windows that exist in this build.

class frmMain;
struct ProgramCloser;

void ConnectWindows(frmMain *w);
// How the updates window closes the program through the main window: its close prompt,
// then its close once the prompt was answered.
ProgramCloser MainWindowCloser(frmMain *w);
