#pragma once
// The Anderson burden calculator: B = square root of (d x L), d in inches, L in feet,
// the burden in feet, with metric echoes of the three values.

#include "calculators/CalculatorWindow.h"

class frmAnderson : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmAnderson(QWidget *parent = nullptr);

    QLineEdit *txtDiametros = nullptr;
    QLineEdit *txtMikos = nullptr;

public slots:
    void txtDiametros_Change();
    void txtMikos_Change();
};
