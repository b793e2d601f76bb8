#pragma once
// The Anderson burden calculator: B = square root of (d x L), d in inches, L in feet,
// the burden in feet, with metric echoes of the three values.

#include "calculators/CalculatorWindow.h"

class frmAnderson;

struct Ui_frmAnderson {
    void setupUi(frmAnderson *w);
};

class frmAnderson : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmAnderson(QWidget *parent = nullptr);

public slots:
    void txtDiametros_Change();
    void txtMikos_Change();

private:
    friend struct Ui_frmAnderson;
    Ui_frmAnderson ui;
};
