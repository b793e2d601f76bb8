#pragma once
// The seven burden calculator windows, reached by their calculator index:
// 0 Anderson, 1 Ash, 2 Fraenkel, 3 Konya, 4 Langefors, 5 Pearse, 6 Jimeno.

#include <QString>

class QWidget;

constexpr int kCalculatorCount = 7;

// True when the calculator of this index exists in this build.
bool CalculatorAvailable(int index);
// Loads (when needed) and shows the calculator modally, owned by 'owner'.
void OpenCalculator(int index, QWidget *owner);
// The text of the calculator's result box txtFortio. A calculator that is not loaded
// is loaded hidden first, so its result is computed from the stored parameters.
// "" for an index without a calculator.
QString CalculatorResultText(int index);
// Loads the calculator hidden when it is not loaded (its load step runs) and returns
// its window; nullptr for an index without a calculator. The window stays loaded until
// OK, Cancel or its close box unloads it.
QWidget *LoadCalculator(int index);
// The calculator window of this index if it is loaded, else nullptr (tests).
QWidget *LoadedCalculator(int index);
// Unloads, storing nothing, every loaded calculator window that is not shown: a new
// project must not take the burden its predecessor loaded them with.
void UnloadHiddenCalculators();
// Destroys every loaded calculator window (tests, program end).
void UnloadAllCalculators();
