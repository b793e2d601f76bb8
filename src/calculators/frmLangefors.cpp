#include "calculators/frmLangefors.h"

#include "calculators/AngleSketch.h"
#include "core/Messages.h"
#include "core/ProgramState.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
enum Box { Diametros, Vathmos, Isxys, Stathera, Logos };
}

frmLangefors::frmLangefors(QWidget *parent) : CalculatorWindow(LangeforsCalculator(), parent)
{
    ui.setupUi(this);
    connectBoxes<frmLangefors>({
        {Diametros, &frmLangefors::txtDiametros_Change},
        {Vathmos, &frmLangefors::txtVathmos_Change},
        {Isxys, &frmLangefors::txtIsxys_Change},
        {Stathera, &frmLangefors::txtStathera_Change},
        {Logos, &frmLangefors::txtLogos_Change}});
    connect(ui.cmbSyntelestis, &QComboBox::currentIndexChanged, this, &frmLangefors::cmbSyntelestis_Click);
}

void frmLangefors::FillControls()
{
    CalculatorWindow::FillControls();
    FillInclinationList();
    // The item whose factor is the stored one; any other value selects none (undoing the
    // first item the list selects by itself while it is filled).
    ui.cmbSyntelestis->setCurrentIndex(LangeforsItemFor(project().LangeforsFixation));
    ShowInclination();
}

void frmLangefors::FillInclinationList()
{
    ui.cmbSyntelestis->clear();
    for (const Inclination &item : LangeforsInclinations())
        ui.cmbSyntelestis->addItem(settings().EnglishMenus != 0 ? item.english : item.greek);
}

void frmLangefors::ShowInclination()
{
    const int i = ui.cmbSyntelestis->currentIndex();
    if (i < 0 || i >= int(LangeforsInclinations().size())) {
        ui.lblSyntelestis->setText(QStringLiteral("    "));
        return;
    }
    const Inclination &item = LangeforsInclinations()[size_t(i)];
    ui.lblSyntelestis->setText(item.factorLabel);
    ui.pic->setDiagram(DrawAngleDiagram(float(item.angle), 10, 75, item.length));
    ui.lblSxedio->setText(settings().EnglishMenus != 0 ? item.sketchEnglish : item.sketchGreek);
}

void frmLangefors::ApplyLanguage()
{
    CalculatorWindow::ApplyLanguage();
    const int item = ui.cmbSyntelestis->currentIndex();
    {
        // Refilling is no choice of the user: the click handler stays out of it.
        const QSignalBlocker quiet(ui.cmbSyntelestis);
        FillInclinationList();
        ui.cmbSyntelestis->setCurrentIndex(item);
    }
    if (item >= 0)
        ShowInclination();
}

void frmLangefors::cmbSyntelestis_Click()
{
    if (Loading)
        return;
    ShowInclination();
    CalcBurden();
}

std::vector<double> frmLangefors::equationInputs() const
{
    std::vector<double> values = CalculatorWindow::equationInputs();
    const int i = ui.cmbSyntelestis->currentIndex();
    // With no item chosen f is 0: the division fails and nothing is written.
    values.push_back(i >= 0 && i < int(LangeforsInclinations().size()) ? LangeforsInclinations()[size_t(i)].f : 0.0);
    return values;
}

void frmLangefors::StoreControls()
{
    CalculatorWindow::StoreControls();
    const int i = ui.cmbSyntelestis->currentIndex();
    if (i >= 0 && i < int(LangeforsInclinations().size()))
        project().LangeforsFixation = LangeforsInclinations()[size_t(i)].f;
}

void frmLangefors::txtDiametros_Change() { InputChanged(Diametros); }
void frmLangefors::txtVathmos_Change() { InputChanged(Vathmos); }
void frmLangefors::txtIsxys_Change() { InputChanged(Isxys); }
void frmLangefors::txtStathera_Change() { InputChanged(Stathera); }
void frmLangefors::txtLogos_Change() { InputChanged(Logos); }
