#pragma once
// The widgets of the program update window.

class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class frmUpdate;

struct Ui_frmUpdate {
    QPushButton *cmdCheck = nullptr;
    QPushButton *cmdDownUpdate = nullptr;
    QPushButton *cmdInstall = nullptr;
    QPushButton *Command1 = nullptr;
    QCheckBox *chkShow = nullptr;
    QLabel *lblLastVer = nullptr;
    QLabel *lblInfo = nullptr;
    QLabel *lblUpdate = nullptr;
    QLabel *Label2 = nullptr;
    QFrame *Picture1 = nullptr;
    QLabel *lblURL = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *lblbytes = nullptr;
    void setupUi(frmUpdate *w);
};
