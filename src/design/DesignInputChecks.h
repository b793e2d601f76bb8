#pragma once
// The input checks of the design window, over a snapshot of its control texts. They
// run in a fixed order and stop at the first failure, which the window shows (Greek
// only, whatever the language option), then brings its tab forward and focuses it.

#include "design/DesignRun.h"
#include "design/Vibration.h"

#include <QString>

#include <optional>

struct DesignCheckFailure {
    // 0 the numeric test (no tab change, no focus); 1..19 the range checks in their
    // order; 20 a stored value that a single cannot hold.
    int check = 0;
    QString control;    // objectName of the field that gets the focus ("" for check 0)
    QString message;    // Greek
    // Where the field lives: "SSTab2" or "SSTab3" (a tab of either, on tab 0 of
    // SSTab1), "SSTab1" (a tab of SSTab1 itself), or "" (tab 0 of SSTab1 only).
    QString tabControl;
    int tab = -1;
};

// Numeric test, then checks 1 to 19. A value no single can hold fails its field's
// check, and so does a count that a 16-bit field cannot hold or that rounds to no
// hole or row at all.
std::optional<DesignCheckFailure> ValidateDesignInputs(const DesignInputs &in);

// The boxes the record stores without a check of their own (charge per delay,
// distance, K, n and the five prices): a value no single can hold fails with the
// numeric message on its field. Run on OK after ValidateDesignInputs.
std::optional<DesignCheckFailure> ValidateStoredValues(const DesignInputs &in, const VibrationTexts &vib);
