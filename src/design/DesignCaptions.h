#pragma once
// The captions of the design window in Greek and English. The window is built with the
// Greek column; ApplyLanguage puts the English column in place when EnglishMenus is 1,
// and otherwise sets again only the captions marked greekSet.

#include <QString>

#include <vector>

struct DesignCaption {
    QString control; // objectName ("optFortio_3"); "" is the window's own caption
    int tab;         // for SSTab1, SSTab2, SSTab3: the tab whose caption this is; else -1
    QString greek;
    QString english;
    bool greekSet; // set by the Greek branch as well
};

// The captions that change with the language, in the order they are set.
const std::vector<DesignCaption> &DesignCaptions();

// The captions ApplyLanguage sets for this value of EnglishMenus, in their order:
// control, tab and text.
struct CaptionText {
    QString control;
    int tab;
    QString text;
};
std::vector<CaptionText> DesignCaptionsFor(int EnglishMenus);
