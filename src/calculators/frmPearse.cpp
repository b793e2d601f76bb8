#include "calculators/frmPearse.h"

#include <QLineEdit>
#include <QToolButton>

namespace {
enum Box { Diametros, Syntelestis, Piesi, Antoxi };
}

frmPearse::frmPearse(QWidget *parent) : CalculatorWindow(PearseCalculator(), parent)
{
    ui.setupUi(this);
    connectBoxes<frmPearse>({
        {Diametros, &frmPearse::txtDiametros_Change},
        {Syntelestis, &frmPearse::txtSyntelestis_Change},
        {Piesi, &frmPearse::txtPiesi_Change},
        {Antoxi, &frmPearse::txtAntoxi_Change}});
    connect(ui.spnUp, &QToolButton::clicked, this, &frmPearse::spnSyntelestis_UpClick);
    connect(ui.spnDown, &QToolButton::clicked, this, &frmPearse::spnSyntelestis_DownClick);
}

// The buttons set the box, whose change recomputes the burden.
void frmPearse::spnSyntelestis_UpClick() { ui.txtSyntelestis->setText(PearseStep(ui.txtSyntelestis->text(), true)); }

void frmPearse::spnSyntelestis_DownClick()
{
    ui.txtSyntelestis->setText(PearseStep(ui.txtSyntelestis->text(), false));
}

void frmPearse::txtDiametros_Change() { InputChanged(Diametros); }
void frmPearse::txtSyntelestis_Change() { InputChanged(Syntelestis); }
void frmPearse::txtPiesi_Change() { InputChanged(Piesi); }
void frmPearse::txtAntoxi_Change() { InputChanged(Antoxi); }
