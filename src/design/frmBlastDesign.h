#pragma once
// The blast design window: the design inputs of a bench blast on four tabs, the burden
// sources, the ground-vibration estimate and the result and drawing tabs. It edits
// project().BlastDesign and writes it back only when it closes after an accepted OK.
//
// The window is a thin adapter: it copies its control texts into DesignInputs /
// VibrationTexts and calls the plain functions of DesignInputChecks, DesignRecord,
// Vibration and DesignCaptions; the design run, the alternatives and the report live
// in a DesignSession, the section drawing in SectionDrawing.

#include "design/DesignRun.h"
#include "design/SectionDrawing.h"
#include "design/Vibration.h"

#include "platform/ModalWindows.h"

#include <memory>
#include <optional>

class QLineEdit;

struct DesignCheckFailure;
struct Ui_frmBlastDesign;

class frmBlastDesign : public GuardedDialog {
    Q_OBJECT
public:
    // Builds the window and runs its load step.
    explicit frmBlastDesign(QWidget *owner = nullptr);
    ~frmBlastDesign() override;

    // Form-level fields.
    int CurrentPage = 0;      // report page shown in print mode
    int AlternativeCount = 0; // layout alternatives of the last design run
    // The section drawing's view: extent, window, axes crossing, dragging.
    SectionView PlotView;

    // Fills the controls from project().BlastDesign.
    void LoadDesignControls();
    // Copies the controls (all but the prices) into project().CurDesign.
    void ReadDesignControls();
    void EnableProductionInputs(int Index);
    // The input checks: on failure shows the message, brings the field's tab forward,
    // focuses the field and returns false.
    bool ValidateDesignInputs();
    bool ValidateVibrationInputs();
    // Recomputes txtTaxytita from the four vibration inputs; 'changed' is the box whose
    // text changed (its check then leaves the focus with the user's typing).
    void CalcVibrationVelocity(QLineEdit *changed = nullptr);
    void UpdateCoefficientLabels();
    void ApplyLanguage();
    // The design run of the input tab: the input checks, then the run, its report and
    // grid. True when the run left a selected layout (the scroll bar then goes to it);
    // false when a check failed, or the run was refused or found no layout.
    bool PrepareDesignCalc();
    // Shows OutBuf(CurrentPage) in RichTextBox1.
    void Loadbuffer();
    // Prints report pages FromPage to ToPage as one text, after the print dialog.
    void PrintPages(int FromPage, int ToPage);
    // Recomputes the view for the current axes crossing and redraws the section. Every
    // caller passes true: the view always fits the layout.
    void RescalePlot(bool Fit);

    // The design run, its alternatives and the report of the selected one.
    const DesignSession &session() const { return m_session; }

    // The control texts as the checks and the design run read them.
    DesignInputs designInputs() const;
    VibrationTexts vibrationTexts() const;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();
    void cmdCopyPage_Click();
    void cmdCopyAll_Click();
    void cmdNextPage_Click();
    void cmdPrevPage_Click();
    void cmdPrintPage_Click();
    void cmdPrintAll_Click();
    // Selects the alternative at the scroll bar's position.
    void HScroll1_Change();
    // Sorts the alternatives by closeness to the target when checked.
    void chkSort_Click();
    void picBlast_MouseDown(int Button, int Shift, float X, float Y);
    void picBlast_MouseMove(int Button, int Shift, float X, float Y);
    void picBlast_MouseUp(int Button, int Shift, float X, float Y);
    void btnShow_Click(int Index);
    void optFortio_Click(int Index);
    void optEnausi_Click(int Index);
    void optProduction_Click(int Index);
    void optDispMode_Click(int Index);
    // Runs after SSTab1 has shown its new tab; PreviousTab is the tab left.
    void SSTab1_Click(int PreviousTab);

    void txtFortio_Change();
    void txtDiametros_Change();
    void txtEpigomosi_Change();
    void txtYpodiatrisi_Change();
    void txtApostasi_Change();
    void txtEpigD_Change();
    void txtYpodD_Change();
    void txtApostasiD_Change();
    void txtKatanalosiAnaEpivradynsi_Change();
    void txtDistance_Change();
    void txtStatherak_Change();
    void txtStatheran_Change();
    void txtTaxytita_Change();

protected:
    // Every way of closing (OK, Cancel, Escape, the close box) ends here.
    void unloading(int result) override;

private:
    void connectHandlers();
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    // Shows a failed check: its tab, its message, then the focus on its field.
    bool reportFailure(const std::optional<DesignCheckFailure> &failure);
    void focusField(const QString &control);
    void applyCaption(const QString &control, int tab, const QString &text);
    // Writes what a run, a selection or a sort produced into the controls: the grid,
    // the charge per delay, the page on view, and the message when there is one.
    // The session's report pages 1 and 2 where the page commands read them.
    void storeReportPages();
    void showOutcome(const DesignOutcome &o);
    void fillGrid(const ReportGrid &grid);
    // HScroll1 over the alternatives, at 'value', without selecting anything.
    void setScrollPosition(int value);
    int lastPage() const;
    void updatePageButtons();

    std::unique_ptr<Ui_frmBlastDesign> ui;
    bool OkPressed = false;     // OK was accepted: the unload step commits
    bool Loading = false;       // the load step is filling the controls
    int BurdenSource = 0;       // calculator last opened with btnShow
    bool BurdenPending = false; // a calculator was opened: take its burden on return
    bool ScrollLock = false;    // the tab handler is setting the limits of HScroll1
    bool PrintAborted = false;  // the print dialog was cancelled
    DesignSession m_session;
    int m_shownTab = 0; // the tab of SSTab1 shown before the current change
    bool m_unloaded = false;
};

// Opens the design window modally over 'owner' (Input > Blast Calculations and the
// toolbar button). An error raised while it loads goes to the error handler.
void OpenBlastDesign(QWidget *owner);
