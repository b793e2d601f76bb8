#pragma once
// The widgets of the scaled-distance window, built in code in the shape of a designer
// form, with the Greek captions it is laid out with.

#include <QList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class frmScaleDist;

struct Ui_frmScaleDist {
    QGroupBox *frsGroundVib = nullptr, *frsAirVib = nullptr, *frsVibrType = nullptr, *frsScaleDistCalc = nullptr,
              *frsScaledDist = nullptr, *frsScaledDistRange = nullptr;
    QLineEdit *txtK = nullptr, *txtN = nullptr, *txtD = nullptr, *txtQ = nullptr;
    QLineEdit *txtDist = nullptr, *txtWeight = nullptr, *txtSD = nullptr, *txtSDair = nullptr;
    QLineEdit *txtMin = nullptr, *txtMax = nullptr, *txtStep = nullptr;
    QLabel *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr; // step, maximum, minimum
    QList<QRadioButton *> optDonisi; // 0 ground vibration, 1 air blast
    QList<QRadioButton *> optAuto;   // 0 automatic list, 1 user range
    QTableWidget *MSHFlexGrid1 = nullptr;
    QPushButton *btnOk = nullptr, *btnCancel = nullptr, *btnHelp = nullptr;

    void setupUi(frmScaleDist *w);
};
