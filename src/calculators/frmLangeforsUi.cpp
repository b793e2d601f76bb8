#include "calculators/frmLangefors.h"

#include "calculators/AngleSketch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

void Ui_frmLangefors::setupUi(frmLangefors *w)
{
    w->setObjectName(QStringLiteral("frmLangefors"));
    const QString inputFrame = QStringLiteral("frmEisagogiLangefors");
    const QString resultFrame = QStringLiteral("frmApotelesmataLangefors");
    QGroupBox *input = w->form().buildInputFrame(w, inputFrame,
                                          {{QStringLiteral("lblDiametros"), 0, QStringLiteral("mm"), QString()},
                                           {QStringLiteral("Label2"), 1, QStringLiteral("kg/dm³"), QString()},
                                           {QStringLiteral("Label4"), 2, QString(), QString()},
                                           {QStringLiteral("Label5"), 3, QString(), QString()},
                                           {QStringLiteral("Label7"), 4, QString(), QString()}});
    cmbSyntelestis = new QComboBox(w);
    cmbSyntelestis->setObjectName(QStringLiteral("cmbSyntelestis"));
    lblSyntelestis = w->form().createLabel(QStringLiteral("lblSyntelestis"));
    if (auto *grid = qobject_cast<QGridLayout *>(input->layout())) {
        grid->addWidget(w->form().createLabel(QStringLiteral("Label6")), 5, 0);
        grid->addWidget(cmbSyntelestis, 5, 1);
        grid->addWidget(lblSyntelestis, 5, 2);
    }
    QGroupBox *results =
        w->form().buildResultFrame(w, resultFrame, QStringLiteral("Label8"), w->form().txtFortio, QStringLiteral("m"), QString());

    pic = new AngleSketch(LangeforsSketchBox(), w);
    pic->setObjectName(QStringLiteral("pic"));
    lblSxedio = w->form().createLabel(QStringLiteral("lblSxedio"));
    lblSxedio->setAlignment(Qt::AlignCenter);

    auto *sketch = new QVBoxLayout;
    sketch->addWidget(pic);
    sketch->addWidget(lblSxedio);
    sketch->addStretch();
    auto *frames = new QVBoxLayout;
    frames->addWidget(input);
    frames->addWidget(results);
    auto *top = new QHBoxLayout;
    top->addLayout(frames);
    top->addLayout(sketch);
    auto *main = new QVBoxLayout(w);
    main->addLayout(top);
    main->addWidget(w->form().buttonRow());

    std::vector<frmLangefors::Caption> captions = frmLangefors::frameCaptions(inputFrame, resultFrame);
    captions.insert(
        captions.end(),
        {{QStringLiteral("lblDiametros"), QStringLiteral("Blasthole Diameter:"), QStringLiteral("Διάμετρος Διατρήματος:")},
         {QStringLiteral("Label2"), QStringLiteral("Degree of Compaction:"),
          QStringLiteral("Βαθμός Συμπύκνωσης Εκρηκτικού:")},
         {QStringLiteral("Label4"), QStringLiteral("Strength by Weight:"),
          QStringLiteral("Ισχύς Κατά Βάρος του Εκρηκτικού:")},
         {QStringLiteral("Label5"), QStringLiteral("Rock Constant:"), QStringLiteral("Σταθερά Πετρώματος:")},
         {QStringLiteral("Label6"), QStringLiteral("Drillhole Inclination Coefficient:"),
          QStringLiteral("Συντελεστής Κλίσης Διατρήματος:")},
         {QStringLiteral("Label7"), QStringLiteral("Spacing to Burden Ratio:"),
          QStringLiteral("Λόγος Απόστασης Διατρημάτων προς Φορτίο:")},
         {QStringLiteral("Label8"), QStringLiteral("Maximum Burden:"), QStringLiteral("Μέγιστο Φορτίο:")},
         {QString(), QStringLiteral("Empirical Burden Calculations by Langefors"),
          QStringLiteral("Εμπειρική Εξίσωση του Langefors")}});
    w->setCaptions(std::move(captions));
}
