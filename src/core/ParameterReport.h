#pragma once
// Report page 0: the project title and description and the parameters of the seven
// burden equations, in English or Greek.

// Rebuilds reportPages().OutBuf[0] from the project of the moment. The argument is
// not used (callers pass 0). Re-wraps the project description on the way.
void LoadOutBuf0(int mode);
