#pragma once
// The widgets of the program options dialog, built in code in the shape of a designer
// form.

class QCheckBox;
class QPushButton;
class QTabWidget;
class frmBlastOpts;

struct Ui_frmBlastOpts {
    QTabWidget *SSTab1 = nullptr;
    QCheckBox *Check1 = nullptr;        // English Menus
    QCheckBox *Check2 = nullptr;        // Show All Blast Design Solutions
    QCheckBox *Check6 = nullptr;        // Print Module Version Information
    QCheckBox *Check3 = nullptr;        // Show Internal Coordinates in Graphs
    QCheckBox *chkBurdenCalc = nullptr; // Warning about Burden Calculation Parameters
    QPushButton *cmdFileAssoc = nullptr;
    QPushButton *Command2 = nullptr; // OK
    QPushButton *Command1 = nullptr; // Cancel
    QPushButton *Command3 = nullptr; // Help

    void setupUi(frmBlastOpts *w);
};
