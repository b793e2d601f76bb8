#pragma once
// The Ash burden calculator: B = d x Kb / 12, d in inches, the burden in feet (echoed in
// metres); its second tab computes Kb from the rock and explosive against a reference.

#include "calculators/TwoTabCalculator.h"

class frmAsh;

struct Ui_frmAsh {
    void setupUi(frmAsh *w);
};

class frmAsh : public TwoTabCalculator {
    Q_OBJECT
public:
    explicit frmAsh(QWidget *parent = nullptr);

public slots:
    void txtDiametros_Change();
    void txtSyntelestis_Change();
    void txtEidvar0_Change();
    void txtEidvar1_Change();
    void txtPyknotita0_Change();
    void txtPyknotita1_Change();
    void txtTaxytita0_Change();
    void txtTaxytita1_Change();

private:
    friend struct Ui_frmAsh;
    Ui_frmAsh ui;
};
