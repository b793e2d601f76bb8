#pragma once
// The Langefors burden calculator: V = (d / 33) x square root of (P x s / (c x f x E/V)),
// d in mm, the maximum burden in m; the hole inclination is chosen from a list that
// shows its factor and a sketch.

#include "calculators/CalculatorWindow.h"

class frmLangefors;
class AngleSketch;
class QComboBox;

struct Ui_frmLangefors {
    QComboBox *cmbSyntelestis = nullptr;
    QLabel *lblSyntelestis = nullptr;
    AngleSketch *pic = nullptr;
    QLabel *lblSxedio = nullptr;
    void setupUi(frmLangefors *w);
};

class frmLangefors : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmLangefors(QWidget *parent = nullptr);

    void FillInclinationList();
    void ShowInclination();
    // The captions, and the list and sketch caption refilled in the language now
    // chosen, keeping the item selected.
    void ApplyLanguage() override;

public slots:
    void cmbSyntelestis_Click();
    void txtDiametros_Change();
    void txtVathmos_Change();
    void txtIsxys_Change();
    void txtStathera_Change();
    void txtLogos_Change();

protected:
    void FillControls() override;
    std::vector<double> equationInputs() const override;
    void StoreControls() override;

private:
    friend struct Ui_frmLangefors;
    Ui_frmLangefors ui;
};
