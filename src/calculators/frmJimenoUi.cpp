#include "calculators/frmJimeno.h"

void Ui_frmJimeno::setupUi(frmJimeno *w)
{
    w->setObjectName(QStringLiteral("frmJimeno"));
    const QString density = QStringLiteral("g/cm³");
    const QString velocity = QStringLiteral("m/sec");
    frmJimeno::TwoTabLayout layout;
    layout.inputFrame0 = QStringLiteral("frsEisagogiAsh");
    layout.resultFrame0 = QStringLiteral("frsApotelesmataAsh");
    layout.inputFrame1 = QStringLiteral("frsEisagogiKb");
    layout.resultFrame1 = QStringLiteral("frsApotelesmataKb");
    layout.rows0 = {{QStringLiteral("Label1"), 0, QStringLiteral("in"), QStringLiteral("Label4")},
                    {QStringLiteral("Label2"), 1, QString(), QString()}};
    layout.rows1 = {{QStringLiteral("Label8"), 2, density, QString()},   {QStringLiteral("Label9"), 3, density, QString()},
                    {QStringLiteral("Label28"), 4, velocity, QString()}, {QStringLiteral("Label27"), 5, velocity, QString()},
                    {QStringLiteral("Label10"), 6, density, QString()},  {QStringLiteral("Label11"), 7, density, QString()},
                    {QStringLiteral("Label12"), 8, velocity, QString()}, {QStringLiteral("Label13"), 9, velocity, QString()}};
    layout.resultLabel = QStringLiteral("Label5");
    layout.resultUnit = QStringLiteral("m");
    layout.resultEcho = QStringLiteral("Label7");
    layout.coefficientLabel = QStringLiteral("Label14");
    w->form().buildTwoTabLayout(layout);

    // The window keeps its Greek caption in both languages.
    const QString title = QStringLiteral("Εμπειρική Εξίσωση του Jimeno");
    std::vector<frmJimeno::Caption> captions = frmJimeno::tabCaptions(
        layout, QStringLiteral("Calculation of Effective Burden"), QStringLiteral("Υπολογισμός Ενεργού Φορτίου"),
        QStringLiteral("Calculation of Burden Coefficient"), QStringLiteral("Υπολογισμός Συντελεστή F"));
    captions.insert(
        captions.end(),
        {{QStringLiteral("Label1"), QStringLiteral("Blasthole Diameter:"), QStringLiteral("Διάμετρος Εκρηκτικής Στήλης:")},
         {QStringLiteral("Label2"), QStringLiteral("Burden Coefficient:"), QStringLiteral("Συντελεστής F:")},
         {QStringLiteral("Label5"), QStringLiteral("Effective Burden:"), QStringLiteral("Ενεργό Φορτίο:")},
         {QStringLiteral("Label8"), QStringLiteral("Reference Rock Density:"),
          QStringLiteral("Πυκνότητα Πετρώματος Αναφοράς:")},
         {QStringLiteral("Label9"), QStringLiteral("Rock Density:"), QStringLiteral("Πυκνότητα Εξορυσσόμενου Πετρώματος:")},
         {QStringLiteral("Label28"), QStringLiteral("Reference Rock Seismic Velocity:"),
          QStringLiteral("Σεισμική Ταχύτητα Πετρώματος Αναφοράς:")},
         {QStringLiteral("Label27"), QStringLiteral("Rock Seismic Velocity:"),
          QStringLiteral("Σεισμική Ταχύτητα Εξορυσσομένου Πετρώματος:")},
         {QStringLiteral("Label10"), QStringLiteral("Reference Explosive Density:"),
          QStringLiteral("Πυκνότητα Εκρηκτικού Αναφοράς:")},
         {QStringLiteral("Label11"), QStringLiteral("Explosive Density:"),
          QStringLiteral("Πυκνότητα Χρησιμοποιούμενου Εκρηκτικού:")},
         {QStringLiteral("Label12"), QStringLiteral("VOD of Reference Explosive:"),
          QStringLiteral("Ταχύτητα Εκρηκτικού Αναφοράς:")},
         {QStringLiteral("Label13"), QStringLiteral("VOD of Explosive:"),
          QStringLiteral("Ταχύτητα Χρησιμοποιούμενου Εκρηκτικού:")},
         {QStringLiteral("Label14"), QStringLiteral("Burden Coefficient:"), QStringLiteral("Συντελεστής F:")},
         {QString(), title, title}});
    w->setCaptions(std::move(captions));
}
