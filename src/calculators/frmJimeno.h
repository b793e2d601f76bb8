#pragma once
// The Jimeno burden calculator: B = 0.76 x d x F, d in inches, the burden in metres
// (echoed in feet); its second tab computes F from the rock and explosive against a
// reference.

#include "calculators/TwoTabCalculator.h"

class frmJimeno;

struct Ui_frmJimeno {
    void setupUi(frmJimeno *w);
};

class frmJimeno : public TwoTabCalculator {
    Q_OBJECT
public:
    explicit frmJimeno(QWidget *parent = nullptr);

public slots:
    void txtDiametros_Change();
    void txtSyntelestis_Change();
    void txtEidvar1a_Change();
    void txtEidvar1b_Change();
    void txtTaxytita1a_Change();
    void txtTaxytita1b_Change();
    void txtEidvar2a_Change();
    void txtEidvar2b_Change();
    void txtTaxytita2a_Change();
    void txtTaxytita2b_Change();

private:
    friend struct Ui_frmJimeno;
    Ui_frmJimeno ui;
};
