#include "calculators/TwoTabCalculator.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

TwoTabCalculator::TwoTabCalculator(const CalculatorDef &def, QWidget *parent) : CalculatorWindow(def, parent)
{
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    txtKb = new QLineEdit(this);
    txtKb->setObjectName(QStringLiteral("txtKb"));
    txtKb->setReadOnly(true); // a result, copied into the coefficient box
}

void TwoTabCalculator::buildTwoTabLayout(const TwoTabLayout &layout)
{
    const auto page = [this](const QString &inputFrame, const std::vector<InputRow> &rows, const QString &resultFrame,
                             const QString &resultLabel, QLineEdit *result, const QString &unit, const QString &echo) {
        auto *w = new QWidget(SSTab1);
        auto *v = new QVBoxLayout(w);
        v->addWidget(buildInputFrame(w, inputFrame, rows));
        v->addWidget(buildResultFrame(w, resultFrame, resultLabel, result, unit, echo));
        v->addStretch();
        SSTab1->addTab(w, QString());
    };
    page(layout.inputFrame0, layout.rows0, layout.resultFrame0, layout.resultLabel, txtFortio, layout.resultUnit,
         layout.resultEcho);
    page(layout.inputFrame1, layout.rows1, layout.resultFrame1, layout.coefficientLabel, txtKb, QString(), QString());

    auto *main = new QVBoxLayout(this);
    main->addWidget(SSTab1);
    main->addWidget(buttonRow());
    resetEchoes();
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
    SSTab1->setCurrentIndex(0);
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
    txtKb->setText(BurdenText(*coefficient));
    if (QLineEdit *box = inputBox(def.coefficientBox))
        box->setText(txtKb->text());
}

void TwoTabCalculator::revealBox(QLineEdit *box)
{
    for (int i = 0; i < SSTab1->count(); ++i)
        if (SSTab1->widget(i)->isAncestorOf(box))
            SSTab1->setCurrentIndex(i);
}
