#include "calculators/frmJimeno.h"

#include <QLineEdit>

namespace {
enum Box { Diametros, Syntelestis, Eidvar1a, Eidvar1b, Taxytita1a, Taxytita1b, Eidvar2a, Eidvar2b, Taxytita2a, Taxytita2b };
}

frmJimeno::frmJimeno(QWidget *parent) : TwoTabCalculator(JimenoCalculator(), parent)
{
    ui.setupUi(this);
    connectBoxes<frmJimeno>({
        {Diametros, &frmJimeno::txtDiametros_Change},   {Syntelestis, &frmJimeno::txtSyntelestis_Change},
        {Eidvar1a, &frmJimeno::txtEidvar1a_Change},     {Eidvar1b, &frmJimeno::txtEidvar1b_Change},
        {Taxytita1a, &frmJimeno::txtTaxytita1a_Change}, {Taxytita1b, &frmJimeno::txtTaxytita1b_Change},
        {Eidvar2a, &frmJimeno::txtEidvar2a_Change},     {Eidvar2b, &frmJimeno::txtEidvar2b_Change},
        {Taxytita2a, &frmJimeno::txtTaxytita2a_Change}, {Taxytita2b, &frmJimeno::txtTaxytita2b_Change}});
}

void frmJimeno::txtDiametros_Change() { InputChanged(Diametros); }
void frmJimeno::txtSyntelestis_Change() { InputChanged(Syntelestis); }
void frmJimeno::txtEidvar1a_Change() { InputChanged(Eidvar1a); }
void frmJimeno::txtEidvar1b_Change() { InputChanged(Eidvar1b); }
void frmJimeno::txtTaxytita1a_Change() { InputChanged(Taxytita1a); }
void frmJimeno::txtTaxytita1b_Change() { InputChanged(Taxytita1b); }
void frmJimeno::txtEidvar2a_Change() { InputChanged(Eidvar2a); }
void frmJimeno::txtEidvar2b_Change() { InputChanged(Eidvar2b); }
void frmJimeno::txtTaxytita2a_Change() { InputChanged(Taxytita2a); }
void frmJimeno::txtTaxytita2b_Change() { InputChanged(Taxytita2b); }
