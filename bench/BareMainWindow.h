#pragma once
// A plain QMainWindow with the main window's menus, toolbar and history pane: the
// reference that the start-up benchmarks compare the program with.

class QMainWindow;

// The same menus (items, separators, submenus, shortcuts), toolbar and history pane
// on a plain QMainWindow, with no program state, settings or project behind them.
QMainWindow *bareMainWindow();
