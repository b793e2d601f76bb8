#pragma once
// Project defaults (the body of File > New).

#include <cstdint>

// Puts every parameter to its default, as File > New does: ResetNameFlag names the
// project "Untitled", ResetUnits sets the Mixed unit system. Logs
// "File initialized. Use Edit-Project Parameters to enter data".
void ResetProjectDefaults(uint8_t ResetNameFlag, uint8_t ResetUnits);
