#pragma once
// The design record and the design window's box texts, both ways, and the burden the
// window takes from a burden calculator.

#include "core/ProgramState.h"
#include "design/DesignRun.h"
#include "design/Vibration.h"

#include <QString>

#include <optional>

// Every box text of the design window that carries a field of the record.
struct DesignTexts {
    DesignInputs inputs;     // tab and option indexes included; check boxes as at opening
    VibrationTexts vibration;
};

// The texts the window shows for a record: burden, burden coefficients, explosive and
// rock density and bench height "0.00"; diameter coefficients "0"; the rest in the
// general number form.
DesignTexts DesignRecordTexts(const BlastDesignRec &d);

// Reads the texts into the record by the leading-number rule: singles, HolesX, HolesY
// and MaxRows rounded halves to even, CoefBasis, Pattern and ProductionMode from the
// tab and option indexes. The five prices only with 'withPrices'. When any value
// cannot be held (not a finite single, a count beyond 16 bits) nothing is written
// and the result is false.
bool ReadDesignRecord(const DesignInputs &in, const VibrationTexts &vib, BlastDesignRec &rec, bool withPrices);

// What a burden source writes into the design window.
struct BurdenSourceTexts {
    QString burden;   // txtFortio
    QString diameter; // txtDiametros
    std::optional<QString> explosiveDensity; // txtEidvarek
    std::optional<QString> rockDensity;      // txtEidvarPe
};

// The burden source of calculator 'index' (0 Anderson ... 6 Jimeno) given the text of
// its result box: calculators 0, 1 and 3 work in feet, their burden is converted to
// metres; diameters in inches (0, 1, 3, 6) go to millimetres. Nothing for any other
// index, or when a conversion is not finite.
std::optional<BurdenSourceTexts> BurdenFromCalculator(int index, const QString &resultText, const ProjectState &p);
