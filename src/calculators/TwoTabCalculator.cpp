#include "calculators/TwoTabCalculator.h"

#include <QLineEdit>
#include <QTabWidget>

#include <cmath>

TwoTabCalculator::TwoTabCalculator(const CalculatorDef &def, QWidget *parent) : CalculatorWindow(def, parent)
{
    form().setupTabs();
}

std::vector<CalculatorWindow::Caption> TwoTabCalculator::tabCaptions(const TwoTabLayout &layout,
                                                                     const QString &tab0English,
                                                                     const QString &tab0Greek,
                                                                     const QString &tab1English,
                                                                     const QString &tab1Greek)
{
    std::vector<Caption> captions = frameCaptions(layout.inputFrame0, layout.resultFrame0);
    const std::vector<Caption> second = frameCaptions(layout.inputFrame1, layout.resultFrame1);
    captions.insert(captions.end(), second.begin(), second.end());
    captions.push_back({QStringLiteral("SSTab1"), tab0English, tab0Greek, 0});
    captions.push_back({QStringLiteral("SSTab1"), tab1English, tab1Greek, 1});
    return captions;
}

void TwoTabCalculator::FillControls()
{
    form().SSTab1->setCurrentIndex(0);
    CalculatorWindow::FillControls();
}

void TwoTabCalculator::LoadComputations()
{
    // The burden from the stored coefficient, then the coefficient, which replaces it.
    CalcBurden();
    CalcBurdenCoefficient();
}

void TwoTabCalculator::Recalculate(int box)
{
    if (box >= definition().firstCoefficientBox)
        CalcBurdenCoefficient();
    else
        CalcBurden();
}

void TwoTabCalculator::CalcBurdenCoefficient()
{
    if (!ValidateInput())
        return;
    const CalculatorDef &def = definition();
    if (!def.coefficient)
        return;
    // An arithmetic failure ends the computation quietly: txtKb keeps its text.
    const std::optional<float> coefficient = def.coefficient(equationInputs());
    if (!coefficient || !std::isfinite(*coefficient))
        return;
    form().txtKb->setText(BurdenText(*coefficient));
    if (QLineEdit *box = inputBox(def.coefficientBox))
        box->setText(form().txtKb->text());
}

void TwoTabCalculator::revealBox(QLineEdit *box)
{
    QTabWidget *tabs = form().SSTab1;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(box))
            tabs->setCurrentIndex(i);
}
