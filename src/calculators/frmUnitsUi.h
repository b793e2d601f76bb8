#pragma once
// The widgets of the unit converter, built in code in the shape of a designer form.

#include <QList>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class frmUnits;

struct Ui_frmUnits {
    QTabWidget *SSTab1 = nullptr;
    // Input boxes, one per tab.
    QLineEdit *txtLength = nullptr;
    QLineEdit *txtLoad = nullptr;
    QLineEdit *txtLoadGrad = nullptr;
    QLineEdit *txtStress = nullptr;
    QLineEdit *txtStressGrad = nullptr;
    // Input-unit options: stress, length, stress gradient, load gradient, load.
    QList<QRadioButton *> Option1, Option2, Option3, Option4, Option5;
    // Output boxes, in unit order: length Text7..Text10, load Text21..Text25, load
    // gradient Text17..Text20, stress Text2..Text6, stress gradient Text12..Text15.
    QList<QLineEdit *> lengthOut, loadOut, loadGradOut, stressOut, stressGradOut;
    QPushButton *Command1 = nullptr; // OK
    QPushButton *Command3 = nullptr; // Help

    void setupUi(frmUnits *w);
};
