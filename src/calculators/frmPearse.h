#pragma once
// The Pearse burden calculator: B = 10^-3 x K x d x square root of (P / T), d in mm, the
// pressure and strength in MPa (echoed in psi), the burden in m. K is stepped with
// up-down buttons in tenths between 0.7 and 1.2.

#include "calculators/CalculatorWindow.h"

class frmPearse;
class QToolButton;

struct Ui_frmPearse {
    QLineEdit *txtSyntelestis = nullptr;
    QWidget *spnSyntelestis = nullptr; // the up-down buttons beside the coefficient
    QToolButton *spnUp = nullptr;
    QToolButton *spnDown = nullptr;
    void setupUi(frmPearse *w);
};

class frmPearse : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmPearse(QWidget *parent = nullptr);

public slots:
    void spnSyntelestis_UpClick();
    void spnSyntelestis_DownClick();
    void txtDiametros_Change();
    void txtSyntelestis_Change();
    void txtPiesi_Change();
    void txtAntoxi_Change();

private:
    friend struct Ui_frmPearse;
    Ui_frmPearse ui;
};
