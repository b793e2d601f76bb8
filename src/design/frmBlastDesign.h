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

#include <QDialog>
#include <QList>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QWidget;
class SectionPlot;
struct DesignCheckFailure;

class frmBlastDesign : public QDialog {
    Q_OBJECT
public:
    // Builds the window and runs its load step.
    explicit frmBlastDesign(QWidget *owner = nullptr);
    ~frmBlastDesign() override;

    // Form-level fields.
    bool OkPressed = false;    // OK was accepted: the unload step commits
    bool Loading = false;      // the load step is filling the controls
    int BurdenSource = 0;      // calculator last opened with btnShow
    bool BurdenPending = false; // a calculator was opened: take its burden on return
    bool ScrollLock = false;   // the tab handler is setting the limits of HScroll1
    int CurrentPage = 0;       // report page shown in print mode
    int AlternativeCount = 0;  // layout alternatives of the last design run
    bool PrintAborted = false; // the print dialog was cancelled
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
    // Recomputes txtTaxytita from the four vibration inputs.
    void CalcVibrationVelocity();
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

    // Controls, by their names. Option and button arrays: element i is named name_i.
    QTabWidget *SSTab1 = nullptr;
    QTabWidget *SSTab2 = nullptr;
    QTabWidget *SSTab3 = nullptr;

    // SSTab1 tab 0: burden source, coefficients, explosives, production, initiation, prices.
    QGroupBox *Frame11 = nullptr;
    std::array<QRadioButton *, 8> optFortio{};
    std::array<QPushButton *, 7> btnShow{};
    QLineEdit *txtFortio = nullptr;
    QGroupBox *Frame21 = nullptr, *Frame22 = nullptr, *Frame23 = nullptr;
    QLineEdit *txtEpigomosi = nullptr, *txtYpodiatrisi = nullptr, *txtApostasi = nullptr;
    QLineEdit *txtEpigD = nullptr, *txtYpodD = nullptr, *txtApostasiD = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr;
    QLabel *Label27 = nullptr, *Label33 = nullptr, *Label34 = nullptr; // lengths x burden
    QLabel *Label49 = nullptr, *Label50 = nullptr, *Label51 = nullptr; // lengths x diameter
    QGroupBox *Frame31 = nullptr, *Frame32 = nullptr, *Frame33 = nullptr;
    QLineEdit *txtDiametros = nullptr, *txtEidvarek = nullptr, *txtEnisxysi = nullptr, *txtEidvarEE = nullptr;
    QLineEdit *txtEidvarPe = nullptr, *txtYpsos = nullptr, *txtParagogi = nullptr, *txtDX = nullptr, *txtDY = nullptr;
    std::array<QRadioButton *, 2> optProduction{};
    std::array<QRadioButton *, 4> optEnausi{};
    QLineEdit *txtMaxNperDelay = nullptr;
    QCheckBox *chkMaxNDelay = nullptr;
    QComboBox *cmbNoEpif = nullptr;
    QLineEdit *txtSeires = nullptr;
    QLineEdit *txtCostExpl = nullptr, *txtCostBooster = nullptr, *txtCostDrill = nullptr, *txtCostCap = nullptr,
              *txtCostInit = nullptr;
    QCheckBox *chkRound = nullptr, *chkRound2 = nullptr;

    // SSTab1 tab 1: results.
    std::array<QRadioButton *, 2> optDispMode{};
    QTableWidget *grdOutput = nullptr;
    QLabel *lblSpacingWarning = nullptr; // the search's notice of a changed spacing
    QTextEdit *RichTextBox1 = nullptr;
    QPushButton *cmdPrevPage = nullptr, *cmdNextPage = nullptr, *cmdCopyPage = nullptr, *cmdCopyAll = nullptr,
                *cmdPrintPage = nullptr, *cmdPrintAll = nullptr;
    QCheckBox *chkSort = nullptr;

    // SSTab1 tab 2: ground vibrations.
    QGroupBox *Frame131 = nullptr, *Frame132 = nullptr;
    QLineEdit *txtKatanalosiAnaEpivradynsi = nullptr, *txtDistance = nullptr, *txtStatherak = nullptr,
              *txtStatheran = nullptr, *txtTaxytita = nullptr;
    QLabel *Label29 = nullptr, *Label31 = nullptr, *Label18 = nullptr; // imperial echoes

    // SSTab1 tab 3: drawings.
    QWidget *picPlan = nullptr;
    SectionPlot *picBlast = nullptr;
    QLabel *lblCoord = nullptr, *lblIntCoord = nullptr;

    // On the window itself.
    QScrollBar *HScroll1 = nullptr;
    QPushButton *cmdOK = nullptr, *cmdCancel = nullptr, *cmdHelp = nullptr;

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
    void done(int r) override;

private:
    void buildControls();
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
    void showOutcome(const DesignOutcome &o);
    void fillGrid(const ReportGrid &grid);
    // HScroll1 over the alternatives, at 'value', without selecting anything.
    void setScrollPosition(int value);
    int lastPage() const;
    void updatePageButtons();

    DesignSession m_session;
    int m_shownTab = 0; // the tab of SSTab1 shown before the current change
    bool m_unloaded = false;
};

// Opens the design window modally over 'owner' (Input > Blast Calculations and the
// toolbar button). An error raised while it loads goes to the error handler.
void OpenBlastDesign(QWidget *owner);
