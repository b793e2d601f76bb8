#include "calculators/frmKonya.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

void Ui_frmKonya::setupUi(frmKonya *w)
{
    w->setObjectName(QStringLiteral("frmKonya"));
    const QString density = QStringLiteral("g/cm³");
    frmKonya::StandardLayout layout;
    layout.rows = {{QStringLiteral("Label1"), 0, QStringLiteral("in"), QStringLiteral("Label11")},
                   {QStringLiteral("Label2"), 1, density, QString()},
                   {QStringLiteral("Label3"), 2, density, QString()},
                   {QStringLiteral("Label14"), 3, QString(), QString()}};
    layout.resultLabel = QStringLiteral("Label4");
    layout.resultUnit = QStringLiteral("ft");
    layout.resultEcho = QStringLiteral("txtFortioM");
    w->form().buildStandardLayout(layout);

    txtStathera = w->inputBox(3);
    txtStathera->setEnabled(false);
    cmdConst = new QPushButton(QStringLiteral("Constant"), w);
    cmdConst->setObjectName(QStringLiteral("cmdConst"));
    cmdConst->setAutoDefault(false);
    if (auto *grid = qobject_cast<QGridLayout *>(w->findChild<QGroupBox *>(layout.inputFrame)->layout()))
        grid->addWidget(cmdConst, 3, 3);

    std::vector<frmKonya::Caption> captions = frmKonya::frameCaptions(layout.inputFrame, layout.resultFrame);
    captions.insert(captions.end(),
                    {{QStringLiteral("Label1"), QStringLiteral("Blasthole Diameter:"),
                      QStringLiteral("Διάμετρος της Εκρηκτικής Στήλης:")},
                     {QStringLiteral("Label2"), QStringLiteral("Density of Explosive:"),
                      QStringLiteral("Πυκνότητα Εκρηκτικού:")},
                     {QStringLiteral("Label3"), QStringLiteral("Density of Rock:"), QStringLiteral("Πυκνότητα Πετρώματος:")},
                     {QStringLiteral("Label14"), QStringLiteral("Constant:"), QStringLiteral("Σταθερά:")},
                     {QStringLiteral("Label4"), QStringLiteral("Burden:"), QStringLiteral("Φορτίο:")},
                     {QString(), QStringLiteral("Empirical Burden Calculations by Konya"),
                      QStringLiteral("Εμπειρική Εξίσωση του Konya")}});
    w->setCaptions(std::move(captions));
}
