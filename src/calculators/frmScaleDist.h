#pragma once
// The scaled-distance window: predicted ground vibration or air blast over a list of
// scaled distances, and the square-root and cube-root scaled distance of one distance
// and charge mass. It edits the project's ScaleDist; OK stores it, logs a line and
// marks the project changed. Built for each opening and deleted after it.

#include "calculators/InputDialog.h"

#include <memory>

class QLineEdit;

struct Ui_frmScaleDist;
struct ScaleDistTexts;

class frmScaleDist : public InputDialog {
    Q_OBJECT
public:
    explicit frmScaleDist(QWidget *parent = nullptr);
    ~frmScaleDist() override;

    // Rebuilds the table from the boxes and options.
    void FillPredictionTable();
    // Recomputes txtSD and txtSDair from the distance and the mass.
    void CalcScaledDistance();
    // The ten checks; the first failure is shown and gets the focus.
    bool ValidateScaleDistInputs();

public slots:
    void txtK_Change();
    void txtN_Change();
    void txtD_Change();
    void txtQ_Change();
    void txtMin_Change();
    void txtMax_Change();
    void txtStep_Change();
    void txtDist_Change();
    void txtWeight_Change();
    void optDonisi_Click(int Index);
    void optAuto_Click(int Index);

protected:
    bool validateForOk() override { return ValidateScaleDistInputs(); }
    void commit() override; // Form_Unload after OK

private:
    void Form_Load();
    ScaleDistTexts texts() const;
    // A change of the inputs of the table or of the two scaled distances: checked, then
    // recomputed. 'changed' is the box whose text changed (none for an option).
    void tableChanged(QLineEdit *changed = nullptr);
    void distanceChanged(QLineEdit *changed);

    std::unique_ptr<Ui_frmScaleDist> ui;
};

// Opens the window modally, owned by 'owner'.
void OpenScaleDist(QWidget *owner);
