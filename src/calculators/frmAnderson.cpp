#include "calculators/frmAnderson.h"

#include <QLineEdit>

namespace {
enum Box { Diametros = 0, Mikos = 1 };
}

frmAnderson::frmAnderson(QWidget *parent) : CalculatorWindow(AndersonCalculator(), parent)
{
    setObjectName(QStringLiteral("frmAnderson"));
    txtDiametros = inputBox(Diametros);
    txtMikos = inputBox(Mikos);
    connect(txtDiametros, &QLineEdit::textChanged, this, &frmAnderson::txtDiametros_Change);
    connect(txtMikos, &QLineEdit::textChanged, this, &frmAnderson::txtMikos_Change);

    StandardLayout layout;
    layout.rows = {{QStringLiteral("Label1"), Diametros, QStringLiteral("in"), QStringLiteral("Label7")},
                   {QStringLiteral("Label2"), Mikos, QStringLiteral("ft"), QStringLiteral("Label8")}};
    layout.resultLabel = QStringLiteral("Label3");
    layout.resultUnit = QStringLiteral("ft");
    layout.resultEcho = QStringLiteral("Label9");
    buildStandardLayout(layout);

    std::vector<Caption> captions = frameCaptions(layout.inputFrame, layout.resultFrame);
    captions.insert(captions.end(),
                    {{QStringLiteral("Label1"), QStringLiteral("Blasthole Diameter:"),
                      QStringLiteral("Διάμετρος Διατρήματος:")},
                     {QStringLiteral("Label2"), QStringLiteral("Blasthole Length:"),
                      QStringLiteral("Μήκος Διατρήματος:")},
                     {QStringLiteral("Label3"), QStringLiteral("Burden:"), QStringLiteral("Φορτίο:")},
                     {QString(), QStringLiteral("Empirical Burden Calculations by Anderson"),
                      QStringLiteral("Εμπειρική Εξίσωση του Anderson")}});
    setCaptions(std::move(captions));
}

void frmAnderson::txtDiametros_Change() { InputChanged(Diametros); }

void frmAnderson::txtMikos_Change() { InputChanged(Mikos); }
