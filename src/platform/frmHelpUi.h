#pragma once
// The widgets of the help window, as a form builder would declare them.

class frmHelp;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;

struct Ui_frmHelp {
    QToolButton *cmdBack = nullptr;
    QToolButton *cmdForward = nullptr;
    QToolButton *cmdHome = nullptr;
    QTabWidget *tabNav = nullptr;
    QListWidget *lstContents = nullptr;
    QLineEdit *txtIndex = nullptr;
    QListWidget *lstIndex = nullptr;
    QTextBrowser *txtPage = nullptr;
    void setupUi(frmHelp *w);
};
