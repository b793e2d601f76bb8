#include "calculators/frmFraenkel.h"

#include <QLineEdit>

namespace {
enum Box { Diametros, Mikos, Ypsos, Antistasi };
}

frmFraenkel::frmFraenkel(QWidget *parent) : CalculatorWindow(FraenkelCalculator(), parent)
{
    ui.setupUi(this);
    connect(inputBox(Diametros), &QLineEdit::textChanged, this, &frmFraenkel::txtDiametros_Change);
    connect(inputBox(Mikos), &QLineEdit::textChanged, this, &frmFraenkel::txtMikos_Change);
    connect(inputBox(Ypsos), &QLineEdit::textChanged, this, &frmFraenkel::txtYpsos_Change);
    connect(inputBox(Antistasi), &QLineEdit::textChanged, this, &frmFraenkel::txtAntistasi_Change);
}

void frmFraenkel::txtDiametros_Change() { InputChanged(Diametros); }
void frmFraenkel::txtMikos_Change() { InputChanged(Mikos); }
void frmFraenkel::txtYpsos_Change() { InputChanged(Ypsos); }
void frmFraenkel::txtAntistasi_Change() { InputChanged(Antistasi); }
