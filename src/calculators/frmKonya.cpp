#include "calculators/frmKonya.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
enum Box { Diametros, Eidvarek, EidvarPe, Stathera };
}

frmKonya::frmKonya(QWidget *parent) : CalculatorWindow(KonyaCalculator(), parent)
{
    ui.setupUi(this);
    connectBoxes<frmKonya>({
        {Diametros, &frmKonya::txtDiametros_Change},
        {Eidvarek, &frmKonya::txtEidvarek_Change},
        {EidvarPe, &frmKonya::txtEidvarPe_Change},
        {Stathera, &frmKonya::txtStathera_Change}});
    connect(ui.cmdConst, &QPushButton::clicked, this, &frmKonya::cmdConst_Click);
}

// The constant is shown but editable only after "Constant"; a second press locks it
// again, keeping its text.
void frmKonya::cmdConst_Click() { ui.txtStathera->setEnabled(!ui.txtStathera->isEnabled()); }

void frmKonya::txtDiametros_Change() { InputChanged(Diametros); }
void frmKonya::txtEidvarek_Change() { InputChanged(Eidvarek); }
void frmKonya::txtEidvarPe_Change() { InputChanged(EidvarPe); }
void frmKonya::txtStathera_Change() { InputChanged(Stathera); }
