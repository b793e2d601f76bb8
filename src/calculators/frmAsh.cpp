#include "calculators/frmAsh.h"

#include <QLineEdit>

namespace {
enum Box { Diametros, Syntelestis, Eidvar0, Eidvar1, Pyknotita0, Pyknotita1, Taxytita0, Taxytita1 };
}

frmAsh::frmAsh(QWidget *parent) : TwoTabCalculator(AshCalculator(), parent)
{
    ui.setupUi(this);
    connectBoxes<frmAsh>({
        {Diametros, &frmAsh::txtDiametros_Change},   {Syntelestis, &frmAsh::txtSyntelestis_Change},
        {Eidvar0, &frmAsh::txtEidvar0_Change},       {Eidvar1, &frmAsh::txtEidvar1_Change},
        {Pyknotita0, &frmAsh::txtPyknotita0_Change}, {Pyknotita1, &frmAsh::txtPyknotita1_Change},
        {Taxytita0, &frmAsh::txtTaxytita0_Change},   {Taxytita1, &frmAsh::txtTaxytita1_Change}});
}

void frmAsh::txtDiametros_Change() { InputChanged(Diametros); }
void frmAsh::txtSyntelestis_Change() { InputChanged(Syntelestis); }
void frmAsh::txtEidvar0_Change() { InputChanged(Eidvar0); }
void frmAsh::txtEidvar1_Change() { InputChanged(Eidvar1); }
void frmAsh::txtPyknotita0_Change() { InputChanged(Pyknotita0); }
void frmAsh::txtPyknotita1_Change() { InputChanged(Pyknotita1); }
void frmAsh::txtTaxytita0_Change() { InputChanged(Taxytita0); }
void frmAsh::txtTaxytita1_Change() { InputChanged(Taxytita1); }
