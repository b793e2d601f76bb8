#pragma once
// The widgets of the settings dialog.

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frmSet;

struct Ui_frmSet {
    std::array<QRadioButton *, 2> optUnits{};
    QLineEdit *Text2 = nullptr; // data path
    QPushButton *cmdSetPath = nullptr;
    QLineEdit *Text1 = nullptr; // extension
    QCheckBox *chkDispHist = nullptr;
    QLineEdit *Text3 = nullptr; // history size
    QPushButton *Command5 = nullptr; // history font
    QCheckBox *chkKeepRecentFL = nullptr;
    QCheckBox *chkShortNames = nullptr;
    QCheckBox *chkShowDiscl = nullptr;
    QCheckBox *chkMaxMenu = nullptr;
    QCheckBox *chkEnableTB = nullptr;
    QCheckBox *chkLoadLastInputFile = nullptr;
    QCheckBox *chkUpdate = nullptr;
    QCheckBox *chkCopyExamples = nullptr;
    QLineEdit *Text4 = nullptr; // viewer
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdSetDefault = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;

    void setupUi(frmSet *w);
};
