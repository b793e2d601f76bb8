#pragma once
// The calculators with a second tab that computes their coefficient (Ash, Jimeno): the
// first tab computes the burden from the coefficient box, the second computes the
// coefficient, whose text then replaces the first tab's coefficient box. Both
// computations run every check of the window, so a failing box on the hidden tab brings
// its tab forward.

#include "calculators/CalculatorWindow.h"

class TwoTabCalculator : public CalculatorWindow {
    Q_OBJECT
public:
    // The second tab's computation: checks, the coefficient into txtKb and its text
    // into the coefficient box (which recomputes the burden).
    void CalcBurdenCoefficient();

protected:
    TwoTabCalculator(const CalculatorDef &def, QWidget *parent);

    using TwoTabLayout = CalcTwoTabLayout;
    // The frame, label and tab captions of both tabs; the tab-1 frames take the Greek
    // captions of the tab-0 frames.
    static std::vector<Caption> tabCaptions(const TwoTabLayout &layout, const QString &tab0English,
                                            const QString &tab0Greek, const QString &tab1English,
                                            const QString &tab1Greek);

    void FillControls() override;
    void LoadComputations() override;
    void Recalculate(int box) override;
    void revealBox(QLineEdit *box) override;
};
