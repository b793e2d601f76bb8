#pragma once
// The design run of the blast-design window as plain code: the snapshot of the
// window's inputs, the run record, the layout search with its alternatives, the
// selection and sorting of the alternatives, and the report that belongs to the
// selected layout.
//
// How the window uses it (frmBlastDesign is a thin adapter):
//   - leaving the input tab: ValidateDesignInputs(); when it passes,
//     DesignOutcome o = session.RunDesign(snapshot);
//     then HScroll1: Min 1, Max AlternativeCount(), Value o.scrollValue (set under
//     ScrollLock: the run has already selected that alternative and written its report);
//   - HScroll1_Change: session.SelectAlternative(HScroll1.Value, snapshot);
//   - chkSort_Click: session.SortAlternatives(snapshot); when o.scrollValue is 1 the
//     scroll bar goes to 1 (again under ScrollLock: alternative 1 is already selected).
// After each call the window stores ReportPage(1)/(2) in reportPages().OutBuf[1]/[2],
// where the page commands read them, copies grid() into grdOutput, o.delayChargeText into txtKatanalosiAnaEpivradynsi when
// o.hasDelayCharge, and shows o.message(english) when o.showMessage is set.

#include "design/DesignQuantities.h"
#include "design/DesignReport.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// One evaluated layout of rows and holes per row.
struct LayoutAlternative {
    int16_t Index = 0;       // running number in the order of enumeration (1-based)
    int16_t HolesPerRow = 0; // n
    int16_t Rows = 0;        // r
    float Width = 0;         // m, along the rows
    float Depth = 0;         // m, across the rows
    float Volume = 0;        // m3; -1 marks an impossible layout
    float VolumeDiff = 0;    // target volume - Volume; 0 in grid mode; 999999 when impossible
    int16_t TotalHoles = 0;  // n x r; -1 when impossible
    int16_t HolesPerDelay = 0;
    float Burden = 0;
    float RowDistance = 0;
    float OffsetA = 0;
    float Spacing = 0;
    float OffsetB = 0;
};

// Markers of an impossible layout.
constexpr float kImpossibleVolume = -1.0f;
constexpr float kImpossibleVolumeDiff = 999999.0f;
constexpr int16_t kImpossibleTotalHoles = -1;

// The largest number of layouts, holes, rows or holes per delay the data model holds.
constexpr int kMaxLayoutCount = 32767;

// The sort trace holds at most this many exchange lines; a longer sort writes one
// closing line with the number of exchanges left out.
constexpr int kMaxSortTraceLines = 100000;

enum class DesignStatus {
    Ok,                 // a report of the selected layout is on the pages
    NoQualifyingLayout, // the search found no layout within the target volume
    ImpossibleLayout,   // the selected layout has no holes or no volume
    ImpossibleDesign,   // zero/negative charge length, negative explosive mass
    NotComputable,      // a quantity of the layout is not a finite number
    ZeroHoleVolume,     // H x B x S is zero: the search cannot estimate the holes
    TooManyLayouts,     // MaxRows x hole estimate above 32767, or no finite estimate
    CountOutOfRange,    // a row, hole or holes-per-delay count beyond 16 bits
    ValueOutOfRange,    // a length, density or mass of the run is not a finite number
    InvalidAlternative, // SelectAlternative with an index outside 1..AlternativeCount
    NotSorted,          // SortAlternatives with chkSort unchecked: order unchanged
};

// What a call hands back to the window.
struct DesignOutcome {
    DesignStatus status = DesignStatus::Ok;
    QString messageEnglish; // empty when there is nothing to tell
    QString messageGreek;
    // True when the window should show the message in a box: a refused or fruitless
    // run. An impossible alternative met while paging says so on the pages instead.
    bool showMessage = false;
    // The text for txtKatanalosiAnaEpivradynsi ("0.00"), when the box is to be written.
    bool hasDelayCharge = false;
    QString delayChargeText;
    // The alternative the scroll bar is to show (0: leave it alone).
    int scrollValue = 0;

    bool ok() const { return status == DesignStatus::Ok; }
    QString message(bool english) const { return english ? messageEnglish : messageGreek; }
};

// The window's inputs as the design run reads them: control texts by control name,
// tab and option indexes, check-box values (1 checked, 0 unchecked).
struct DesignInputs {
    QString txtFortio;      // burden, m
    QString txtDiametros;   // hole diameter, mm
    QString txtEpigomosi;   // stemming coefficient x burden
    QString txtYpodiatrisi; // sub-drilling coefficient x burden
    QString txtApostasi;    // spacing coefficient x burden
    QString txtEpigD;       // stemming coefficient x diameter
    QString txtYpodD;       // sub-drilling coefficient x diameter
    QString txtApostasiD;   // spacing coefficient x diameter
    QString txtEidvarek;    // explosive density, g/cm3
    QString txtEnisxysi;    // booster per hole, kg
    QString txtEidvarEE;    // booster density, g/cm3
    QString txtEidvarPe;    // rock density, g/cm3
    QString txtYpsos;       // bench height, m
    QString txtParagogi;    // production target, t
    QString txtDX;          // holes per row (grid mode)
    QString txtDY;          // rows (grid mode)
    QString txtMaxNperDelay;
    QString cmbNoEpif;      // free faces (the combo's editable text)
    QString txtSeires;      // maximum rows
    QString txtCostExpl;    // per kg of explosive
    QString txtCostCap;     // per blasthole
    QString txtCostInit;    // per metre of hole
    QString txtCostBooster; // per kg of booster
    QString txtCostDrill;   // per metre of hole
    int SSTab2 = 0;         // tab shown: 0 burden coefficients, otherwise diameter ones
    int optEnausi = 0;      // 0 row, 1 modified row, 2 diagonal, 3 V
    int optProduction = 0;  // 0 production target, 1 rows x holes
    int chkRound = 1;       // round the lengths to 2 decimals
    int chkRound2 = 1;      // round the actual production to whole m3 and t
    int chkMaxNDelay = 1;   // "Auto" holes per delay
    int chkSort = 0;        // "Sort Optimum"
};

// The design window's run state: alternatives, the selected layout, the report.
// The report is on pages 1 and 2 (ReportPage) and in grid().
// The report language is English when settings().EnglishMenus is not 0.
class DesignSession {
public:
    // Steps 2 to 10 of the run, for inputs that have passed ValidateDesignInputs:
    // reads the inputs into the run state, derives the lengths, searches or evaluates
    // the layout, selects BestAlternative (the first alternative in grid mode) and
    // writes the report for it. A refused search leaves no alternatives; a search
    // without a qualifying layout keeps its alternatives but selects none. Either way
    // pages 1 and 2 and the grid are emptied and the outcome carries the message.
    DesignOutcome RunDesign(const DesignInputs &in);

    // The two searches, on the run state filled by RunDesign (steps 4 to 8). They
    // refuse a search the data model cannot hold before allocating anything.
    DesignOutcome DesignByProduction(const DesignInputs &in);
    DesignOutcome DesignByHoleCount(const DesignInputs &in);

    // Fills alternative Index (1-based) of the array sized by the search.
    void StoreAlternative(int16_t Index, int32_t HolesPerRow, int32_t Rows, float Volume,
                          float Width, float Depth, float HolesPerDelay, float Burden,
                          float RowDistance, float OffsetA, float Spacing, float OffsetB);

    // Copies alternative Index into the run state and writes its report. An index
    // outside 1..AlternativeCount() changes nothing (status InvalidAlternative).
    DesignOutcome SelectAlternative(int Index, const DesignInputs &in);

    // chkSort_Click: empties the trace file "~tmpout.txt" in UserTempPath; with chkSort
    // checked, exchange-sorts the alternatives by |VolumeDiff| (one trace line per
    // exchange, up to kMaxSortTraceLines) and selects alternative 1.
    DesignOutcome SortAlternatives(const DesignInputs &in);

    // Quantities, costs, report pages and grid for the layout in the run state.
    DesignOutcome ReportSolution(const DesignInputs &in);

    const DesignRunState &runState() const { return m_state; }
    DesignRunState &runState() { return m_state; }
    int16_t AlternativeCount() const { return m_alternativeCount; }
    int32_t BestAlternative() const { return m_bestAlternative; }
    // Alternative k, 1-based (k in 1..AlternativeCount()).
    const LayoutAlternative &Alternative(int k) const { return m_alternatives[size_t(k - 1)]; }
    const std::vector<LayoutAlternative> &Alternatives() const { return m_alternatives; }
    // The alternative whose report is on the pages (0 when none is).
    int SelectedAlternative() const { return m_selected; }
    const QString &SpacingWarning() const { return m_spacingWarning; }
    const ReportGrid &grid() const { return m_grid; }
    // Report page 1 or 2 of the selected layout ("" when none is selected).
    const QString &ReportPage(int page) const { return m_pages[page == 2 ? 1 : 0]; }
    const ReportValues &reportValues() const { return m_values; }

    // The path of the sort trace ("" when UserTempPath is not known).
    static QString SortTraceFile();

private:
    void clearReport();
    void clearLayoutFields();
    void discardAlternatives();

    DesignRunState m_state;
    std::vector<LayoutAlternative> m_alternatives;
    int16_t m_alternativeCount = 0;
    int32_t m_bestAlternative = 0;
    int m_selected = 0;
    QString m_spacingWarning;
    ReportGrid m_grid;
    std::array<QString, 2> m_pages;
    ReportValues m_values;
    double m_storeTargetVolume = 0; // target read again from the texts, for VolumeDiff
};

// Messages of the design run, English and Greek.
DesignOutcome MakeOutcome(DesignStatus status);
