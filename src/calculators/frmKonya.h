#pragma once
// The Konya burden calculator: B = K x d x (SGe / SGr)^(1/3), d in inches, the burden in
// feet (echoed in metres). The constant K is locked until "Constant" is pressed.

#include "calculators/CalculatorWindow.h"

class frmKonya;

struct Ui_frmKonya {
    QLineEdit *txtStathera = nullptr;
    QPushButton *cmdConst = nullptr;
    void setupUi(frmKonya *w);
};

class frmKonya : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmKonya(QWidget *parent = nullptr);

public slots:
    void cmdConst_Click();
    void txtDiametros_Change();
    void txtEidvarek_Change();
    void txtEidvarPe_Change();
    void txtStathera_Change();

private:
    friend struct Ui_frmKonya;
    Ui_frmKonya ui;
};
