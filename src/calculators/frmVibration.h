#pragma once
// The vibration-limit window: the limit line of a regulation (and building category)
// with the project's measured vibration point on one chart. OK stores the point; the
// commit logs nothing and leaves the project's saved state as it was. Built for each
// opening and deleted after it.

#include "calculators/InputDialog.h"

#include <memory>

class QLineEdit;

struct Ui_frmVibration;

class frmVibration : public InputDialog {
    Q_OBJECT
public:
    explicit frmVibration(QWidget *parent = nullptr);
    ~frmVibration() override;

    // The seven limit charts.
    void PlotUSRegulation();
    void PlotGermanCategoryA();
    void PlotGermanCategoryB();
    void PlotGermanCategoryC();
    void PlotSpanishCategoryA();
    void PlotSpanishCategoryB();
    void PlotSpanishCategoryC();
    // The checks of the two boxes; the first failure is shown and gets the focus.
    bool ValidateInput();

public slots:
    void optKanonismos_Click(int Index);
    void optKatigoria_Click(int Index);
    void txtTaxytita_Change();
    void txtSyxnotita_Change();

protected:
    void showEvent(QShowEvent *event) override;
    bool validateForOk() override { return ValidateInput(); }
    void commit() override; // Form_Unload after OK

private:
    void Form_Load();
    void Form_Activate();
    void plot(int regulation, int category);
    // An edit of a box redraws the current chart.
    void redraw(QLineEdit *changed);

    std::unique_ptr<Ui_frmVibration> ui;
    int16_t mRegulation = 0; // 0 US, 1 German, 2 Spanish
    int16_t mCategory = 0;   // 0 A, 1 B, 2 C
    bool m_switching = false;
    bool m_activated = false;
};

// Opens the window modally, owned by 'owner'.
void OpenVibration(QWidget *owner);
