#include "calculators/frmAsh.h"

void Ui_frmAsh::setupUi(frmAsh *w)
{
    w->setObjectName(QStringLiteral("frmAsh"));
    const QString density = QStringLiteral("g/cm³");
    const QString velocity = QStringLiteral("m/sec");
    frmAsh::TwoTabLayout layout;
    layout.inputFrame0 = QStringLiteral("frmInput1");
    layout.resultFrame0 = QStringLiteral("frmResults1");
    layout.inputFrame1 = QStringLiteral("frmInput2");
    layout.resultFrame1 = QStringLiteral("frmResults2");
    layout.rows0 = {{QStringLiteral("Label1"), 0, QStringLiteral("in"), QStringLiteral("Label4")},
                    {QStringLiteral("Label2"), 1, QString(), QString()}};
    layout.rows1 = {{QStringLiteral("Label8"), 2, density, QString()},  {QStringLiteral("Label9"), 3, density, QString()},
                    {QStringLiteral("Label10"), 4, density, QString()}, {QStringLiteral("Label11"), 5, density, QString()},
                    {QStringLiteral("Label12"), 6, velocity, QString()}, {QStringLiteral("Label13"), 7, velocity, QString()}};
    layout.resultLabel = QStringLiteral("Label5");
    layout.resultUnit = QStringLiteral("ft");
    layout.resultEcho = QStringLiteral("txtFortioM");
    layout.coefficientLabel = QStringLiteral("Label14");
    w->form().buildTwoTabLayout(layout);

    std::vector<frmAsh::Caption> captions = frmAsh::tabCaptions(
        layout, QStringLiteral("Calculation of Effective Burden"), QStringLiteral("Υπολογισμός Ενεργού Φορτίου"),
        QStringLiteral("Calculation of Burden Coefficient"), QStringLiteral("Υπολογισμός Συντελεστή Φορτίου Κβ"));
    captions.insert(
        captions.end(),
        {{QStringLiteral("Label1"), QStringLiteral("Blasthole Diameter:"), QStringLiteral("Διάμετρος Εκρηκτικής Στήλης:")},
         {QStringLiteral("Label2"), QStringLiteral("Burden Coefficient:"), QStringLiteral("Συντελεστής Φορτίου Κβ:")},
         {QStringLiteral("Label5"), QStringLiteral("Effective Burden:"), QStringLiteral("Ενεργό Φορτίο:")},
         {QStringLiteral("Label8"), QStringLiteral("Reference Rock Density:"),
          QStringLiteral("Πυκνότητα Πετρώματος Αναφοράς:")},
         {QStringLiteral("Label9"), QStringLiteral("Rock Density:"), QStringLiteral("Πυκνότητα Εξορυσσόμενου Πετρώματος:")},
         {QStringLiteral("Label10"), QStringLiteral("Reference Explosive Density:"),
          QStringLiteral("Πυκνότητα Εκρηκτικού Αναφοράς:")},
         {QStringLiteral("Label11"), QStringLiteral("Explosive Density:"),
          QStringLiteral("Πυκνότητα Χρησιμοποιούμενου Εκρηκτικού:")},
         {QStringLiteral("Label12"), QStringLiteral("VOD of Reference Explosive:"),
          QStringLiteral("Ταχύτητα Εκρηκτικού Αναφοράς:")},
         {QStringLiteral("Label13"), QStringLiteral("VOD of Explosive:"),
          QStringLiteral("Ταχύτητα Χρησιμοποιούμενου Εκρηκτικού:")},
         {QStringLiteral("Label14"), QStringLiteral("Burden Coefficient:"), QStringLiteral("Συντελεστής Φορτίου Κβ:")},
         {QString(), QStringLiteral("Empirical Burden Calculations by Ash"), QStringLiteral("Εμπειρική Εξίσωση του Ash")}});
    w->setCaptions(std::move(captions));
}
