#pragma once
// The widgets of the vibration-limit window, built in code in the shape of a designer
// form, with the Greek captions it is laid out with.

#include <QList>

class QChartView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frmVibration;

struct Ui_frmVibration {
    QGroupBox *frsRegulation = nullptr, *frsBuilding = nullptr, *frsInputData = nullptr, *frsDiagram = nullptr;
    QList<QRadioButton *> optKanonismos; // 0 US, 1 German, 2 Spanish
    QList<QRadioButton *> optKatigoria;  // 0 A, 1 B, 2 C
    QLabel *lblFrequency = nullptr, *Label4 = nullptr, *lblVelocity = nullptr, *Label2 = nullptr;
    QLineEdit *txtSyxnotita = nullptr; // frequency, Hz
    QLineEdit *txtTaxytita = nullptr;  // velocity, mm/s
    QChartView *MSChart1 = nullptr;
    QPushButton *btnHelp = nullptr, *btnCancel = nullptr, *btnOk = nullptr;

    void setupUi(frmVibration *w);
};
