#include "calculators/frmAnderson.h"

#include <QLineEdit>

namespace {
enum Box { Diametros = 0, Mikos = 1 };
}

frmAnderson::frmAnderson(QWidget *parent) : CalculatorWindow(AndersonCalculator(), parent)
{
    connectBoxes<frmAnderson>({
        {Diametros, &frmAnderson::txtDiametros_Change},
        {Mikos, &frmAnderson::txtMikos_Change}});
    ui.setupUi(this);
}

void frmAnderson::txtDiametros_Change() { InputChanged(Diametros); }

void frmAnderson::txtMikos_Change() { InputChanged(Mikos); }
