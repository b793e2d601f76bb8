#pragma once
// The widgets of the project description dialog, built in code in the shape of a
// designer form.

#include <QList>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class frmBlastDesc;

struct Ui_frmBlastDesc {
    QPlainTextEdit *Text1 = nullptr;   // the description, in a fixed-pitch font
    QGroupBox *Frame1 = nullptr;       // "Current Units"
    QList<QRadioButton *> Option1;     // 0 English, 1 Metric, 2 Mixed
    QPushButton *Command2 = nullptr;   // OK
    QPushButton *Command1 = nullptr;   // Cancel
    QPushButton *Command3 = nullptr;   // Help

    void setupUi(frmBlastDesc *w);
};
