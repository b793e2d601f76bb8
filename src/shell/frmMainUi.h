#pragma once
// The widgets of the main window, built in code in the shape of a designer form: the
// body with the background picture, the version label and the history pane, the menus
// with their items (control arrays named name_i) and the toolbar.

#include <array>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QWidget;
class frmMain;

struct Ui_frmMain {
    QWidget *body = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *lblver = nullptr;
    QPlainTextEdit *txtMain = nullptr;

    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuVideos = nullptr;
    QMenu *mnuUtil = nullptr;
    QMenu *mnuHelp = nullptr;
    std::array<QAction *, 12> mnuFileItem{};
    std::array<QAction *, 5> mnuFileArray{}; // 0 is the separator above the recent files
    std::array<QAction *, 4> mnuEditItem{};  // 1 and 3 head the submenus
    std::array<QAction *, 7> mnuFortioItem{};
    std::array<QAction *, 2> mnuDonisiItem{};
    std::array<QAction *, 3> mnuVideosItem{};
    std::array<QAction *, 8> mnuUtilItem{};
    std::array<QAction *, 11> mnuHelpItem{};

    QToolBar *Toolbar1 = nullptr;
    std::array<QAction *, 6> Toolbar1Button{}; // buttons 1..5

    // Builds the controls with their English captions; no handler is connected. Items
    // whose windows are connected later (setWindowOpener) start disabled.
    void setupUi(frmMain *w);

private:
    void setupMenus(frmMain *w);
    void setupToolbar(frmMain *w);
};
