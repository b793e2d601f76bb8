#pragma once
// The Fraenkel burden calculator: B = d^0.8 x L^0.3 x H^0.3 x R / 50, d in mm, the hole
// length and charge height in m, the burden in m.

#include "calculators/CalculatorWindow.h"

class frmFraenkel;

struct Ui_frmFraenkel {
    void setupUi(frmFraenkel *w);
};

class frmFraenkel : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmFraenkel(QWidget *parent = nullptr);

public slots:
    void txtDiametros_Change();
    void txtMikos_Change();
    void txtYpsos_Change();
    void txtAntistasi_Change();

private:
    friend struct Ui_frmFraenkel;
    Ui_frmFraenkel ui;
};
