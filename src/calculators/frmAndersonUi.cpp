#include "calculators/frmAnderson.h"

void Ui_frmAnderson::setupUi(frmAnderson *w)
{
    w->setObjectName(QStringLiteral("frmAnderson"));
    frmAnderson::StandardLayout layout;
    layout.rows = {{QStringLiteral("Label1"), 0, QStringLiteral("in"), QStringLiteral("Label7")},
                   {QStringLiteral("Label2"), 1, QStringLiteral("ft"), QStringLiteral("Label8")}};
    layout.resultLabel = QStringLiteral("Label3");
    layout.resultUnit = QStringLiteral("ft");
    layout.resultEcho = QStringLiteral("Label9");
    w->form().buildStandardLayout(layout);

    std::vector<frmAnderson::Caption> captions = frmAnderson::frameCaptions(layout.inputFrame, layout.resultFrame);
    captions.insert(captions.end(),
                    {{QStringLiteral("Label1"), QStringLiteral("Blasthole Diameter:"),
                      QStringLiteral("Διάμετρος Διατρήματος:")},
                     {QStringLiteral("Label2"), QStringLiteral("Blasthole Length:"),
                      QStringLiteral("Μήκος Διατρήματος:")},
                     {QStringLiteral("Label3"), QStringLiteral("Burden:"), QStringLiteral("Φορτίο:")},
                     {QString(), QStringLiteral("Empirical Burden Calculations by Anderson"),
                      QStringLiteral("Εμπειρική Εξίσωση του Anderson")}});
    w->setCaptions(std::move(captions));
}
