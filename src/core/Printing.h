#pragma once
// The one page printer of the program: plain text lines at a fixed left margin, an
// italic header with the page number on every page, and automatic page breaks.

#include "core/ProgramState.h"
#include "core/Services.h"

#include <QString>
#include <functional>

// Page geometry, twips.
namespace printgeom {
constexpr double LeftMargin = 1152;
constexpr double HeaderTop = 576;
constexpr double TextTop = 1152;
constexpr double BottomReserve = 1872;
constexpr double PageNoRightMargin = 1152;
} // namespace printgeom

// Modes of PrintText.
namespace printmode {
constexpr int Line = 0;        // one line at the left margin, then the page-break rule
constexpr int StartJob = 1;    // printer font, date and time, page 1, header
constexpr int NewPage = 2;     // new page with header
constexpr int Text = 3;        // every CR LF-terminated line of the text, as Line
constexpr int EndJob = 4;      // the printer starts printing
constexpr int BlankPage = 8;   // new page without header
} // namespace printmode

// Prints through the installed printer service. Printer failures are thrown as
// RuntimeError (482 when there is no printer) to the caller's error tail.
void PrintText(int Mode, const QString &Text);

// Prints a whole text as one job: start, every line, end. Each of the three steps is
// handed to 'step', which runs it under the caller's error tail and answers whether to
// go on; false ends the job there, as does a start that left no document open.
void PrintDocument(const QString &text, const std::function<bool(const std::function<void()> &)> &step);

// The printer font: GetPrinterFont, size 9, not bold, italic, struck out or underlined.
PrinterFont DefaultPrinterFont();
void SetPrinterFont(IPrinter &Obj);

// The header line without the page number: ProgramName & " Version: " & version &
// ", " & date & ", " & time.
QString PrintHeaderText();
