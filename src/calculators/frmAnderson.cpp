#include "calculators/frmAnderson.h"

#include <QLineEdit>

namespace {
enum Box { Diametros = 0, Mikos = 1 };
}

frmAnderson::frmAnderson(QWidget *parent) : CalculatorWindow(AndersonCalculator(), parent)
{
    connect(inputBox(Diametros), &QLineEdit::textChanged, this, &frmAnderson::txtDiametros_Change);
    connect(inputBox(Mikos), &QLineEdit::textChanged, this, &frmAnderson::txtMikos_Change);
    ui.setupUi(this);
}

void frmAnderson::txtDiametros_Change() { InputChanged(Diametros); }

void frmAnderson::txtMikos_Change() { InputChanged(Mikos); }
