#include "calculators/frmPearse.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

void Ui_frmPearse::setupUi(frmPearse *w)
{
    w->setObjectName(QStringLiteral("frmPearse"));
    frmPearse::StandardLayout layout;
    layout.rows = {{QStringLiteral("Label1"), 0, QStringLiteral("mm"), QString()},
                   {QStringLiteral("Label2"), 1, QString(), QString()},
                   {QStringLiteral("Label3"), 2, QStringLiteral("MPa"), QStringLiteral("Label12")},
                   {QStringLiteral("Label4"), 3, QStringLiteral("MPa"), QStringLiteral("Label13")}};
    layout.resultLabel = QStringLiteral("Label9");
    layout.resultUnit = QStringLiteral("m");
    w->form().buildStandardLayout(layout);

    txtSyntelestis = w->inputBox(1);
    spnSyntelestis = new QWidget(w);
    spnSyntelestis->setObjectName(QStringLiteral("spnSyntelestis"));
    auto *v = new QVBoxLayout(spnSyntelestis);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    const auto arrow = [this](Qt::ArrowType type) {
        auto *b = new QToolButton(spnSyntelestis);
        b->setArrowType(type);
        b->setFixedSize(18, 11);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    spnUp = arrow(Qt::UpArrow);
    spnDown = arrow(Qt::DownArrow);
    v->addWidget(spnUp);
    v->addWidget(spnDown);
    if (auto *grid = qobject_cast<QGridLayout *>(w->findChild<QGroupBox *>(layout.inputFrame)->layout()))
        grid->addWidget(spnSyntelestis, 1, 2);

    std::vector<frmPearse::Caption> captions = frmPearse::frameCaptions(layout.inputFrame, layout.resultFrame);
    captions.insert(
        captions.end(),
        {{QStringLiteral("Label1"), QStringLiteral("Blasthole Diameter:"), QStringLiteral("Διάμετρος Διατρήματος:")},
         {QStringLiteral("Label2"), QStringLiteral("Blasting Coefficient:"), QStringLiteral("Συντελεστής Ανατίναξης:")},
         {QStringLiteral("Label3"), QStringLiteral("Blast Pressure:"), QStringLiteral("Πίεση Έκρηξης:")},
         {QStringLiteral("Label4"), QStringLiteral("Tensile Strength of Rock:"),
          QStringLiteral("Αντοχή Πετρώματος σε Εφελκυσμό:")},
         {QStringLiteral("Label9"), QStringLiteral("Burden:"), QStringLiteral("Φορτίο:")},
         {QString(), QStringLiteral("Empirical Burden Calculations by Pearse"),
          QStringLiteral("Εμπειρική Εξίσωση του Pearse")}});
    w->setCaptions(std::move(captions));
}
