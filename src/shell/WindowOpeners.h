#pragma once
// Connects the main window's menu items to the windows that exist in this build.

class frmMain;

void ConnectWindows(frmMain *w);
