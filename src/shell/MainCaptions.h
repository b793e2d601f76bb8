#pragma once
// The main window's menu captions in English and Greek.

#include <QList>
#include <QString>

// One caption of the language switch: the item's objectName and its two texts.
struct MenuCaption {
    QString item;
    QString english;
    QString greek;
};

// Every caption that the language switch writes, in the order it writes them: the
// four top-level menus, the Input items and their submenus, then the File, Utilities
// and Help items. Separators, recent files and the Videos menu are not in it.
const QList<MenuCaption> &MainMenuCaptions();

// The caption of the history-pane toggle (Utilities item 6) for the pane's state.
QString HistoryToggleCaption(bool paneVisible, bool english);
