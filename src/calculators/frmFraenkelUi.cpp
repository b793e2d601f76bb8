#include "calculators/frmFraenkel.h"

void Ui_frmFraenkel::setupUi(frmFraenkel *w)
{
    w->setObjectName(QStringLiteral("frmFraenkel"));
    frmFraenkel::StandardLayout layout;
    layout.rows = {{QStringLiteral("Label1"), 0, QStringLiteral("mm"), QString()},
                   {QStringLiteral("Label2"), 1, QStringLiteral("m"), QString()},
                   {QStringLiteral("Label3"), 2, QStringLiteral("m"), QString()},
                   {QStringLiteral("Label4"), 3, QString(), QString()}};
    layout.resultLabel = QStringLiteral("Label9");
    layout.resultUnit = QStringLiteral("m");
    w->form().buildStandardLayout(layout);

    std::vector<frmFraenkel::Caption> captions = frmFraenkel::frameCaptions(layout.inputFrame, layout.resultFrame);
    captions.insert(
        captions.end(),
        {{QStringLiteral("Label1"), QStringLiteral("Blasthole Diameter:"), QStringLiteral("Διάμετρος Διατρήματος:")},
         {QStringLiteral("Label2"), QStringLiteral("Blasthole Length:"), QStringLiteral("Μήκος Διατρήματος:")},
         {QStringLiteral("Label3"), QStringLiteral("Charge Height:"), QStringLiteral("Ύψος Εκρηκτικής Στήλης:")},
         {QStringLiteral("Label4"), QStringLiteral("Resistence to Blasting:"), QStringLiteral("Αντίσταση στην Έκρηξη:")},
         {QStringLiteral("Label9"), QStringLiteral("Burden:"), QStringLiteral("Φορτίο:")},
         {QString(), QStringLiteral("Empirical Burden Calculations by Fraenkel"),
          QStringLiteral("Εμπειρική Εξίσωση του Fraenkel")}});
    w->setCaptions(std::move(captions));
}
