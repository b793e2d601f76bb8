#pragma once
// Report pages 1 (the design inputs) and 2 (the selected solution) and the rows of
// the result grid, in English or Greek. Lines end with CR LF.

#include "design/DesignQuantities.h"
#include "design/DesignRunState.h"

#include <QString>
#include <array>
#include <vector>

struct DesignInputs;

// The result grid as plain data; the window copies it into grdOutput.
struct ReportGrid {
    int Cols = 0;
    int FixedRows = 0;
    std::vector<int> ColWidths; // twips, one per column
    std::vector<std::array<QString, 4>> Cells;

    int Rows() const { return int(Cells.size()); }
    // Cell text; "" outside the grid.
    QString TextMatrix(int row, int col) const;
    // Empties the grid and sets its column count (at most 4).
    void Clear(int cols);
    // Appends one row with the three texts in columns 1, 2 and 3.
    void AddGridRow(const QString &Text1, const QString &Text2, const QString &Text3);
    // Column widths 300, 4000, 2200, 2200 and one fixed row.
    void FinishLayout();
};

// Page 1: the inputs as typed, read again from the boxes (unrounded).
QString BuildReportPage1(const DesignInputs &in, bool english);

// Page 2 and the grid rows (header row included) for an evaluated layout.
QString BuildReportPage2(const DesignRunState &s, const ReportValues &v, bool english,
                         ReportGrid &grid);

// Page 2 and the grid for a layout that cannot be evaluated: the page header and the
// reason in place of the numbers; the grid header and one row with the short label.
QString BuildImpossiblePage2(const QString &reason, bool english, ReportGrid &grid);

// The short label shown in the grid for such a layout.
QString ImpossibleLayoutLabel(bool english);
