#include "calculators/frmFraenkel.h"

#include <QLineEdit>

namespace {
enum Box { Diametros, Mikos, Ypsos, Antistasi };
}

frmFraenkel::frmFraenkel(QWidget *parent) : CalculatorWindow(FraenkelCalculator(), parent)
{
    ui.setupUi(this);
    connectBoxes<frmFraenkel>({
        {Diametros, &frmFraenkel::txtDiametros_Change},
        {Mikos, &frmFraenkel::txtMikos_Change},
        {Ypsos, &frmFraenkel::txtYpsos_Change},
        {Antistasi, &frmFraenkel::txtAntistasi_Change}});
}

void frmFraenkel::txtDiametros_Change() { InputChanged(Diametros); }
void frmFraenkel::txtMikos_Change() { InputChanged(Mikos); }
void frmFraenkel::txtYpsos_Change() { InputChanged(Ypsos); }
void frmFraenkel::txtAntistasi_Change() { InputChanged(Antistasi); }
