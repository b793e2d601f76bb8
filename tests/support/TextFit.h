#pragma once
// Whether a window shows its texts whole: its title in a title bar, and every plain-text
// label, button, tab, frame title, grid cell (the grids show no headers) and chart title,
// measured in the font its widget draws it with and compared with the room the widget
// has inside its window (its ancestors clip it too).
// The tabs of every tab widget are shown in turn and put back.

#include <QStringList>

class QWidget;

// One line per text that does not fit ("lblTitle 'Some text': needs 212x17, has 180x17").
QStringList CutTexts(QWidget *window);
