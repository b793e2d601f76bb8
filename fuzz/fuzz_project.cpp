// Feeds arbitrary bytes to the project-file reader; whatever it accepts must be
// written again as a file that the reader accepts in full.

#include "core/Errors.h"
#include "core/ProgramState.h"
#include "core/ProjectFile.h"
#include "core/Startup.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool ready = [] {
        SetStartupPresets();
        settings().DisplayHistoryWin = 0;
        return true;
    }();
    (void)ready;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    bool accepted = false;
    try {
        accepted = ReadProjectText(DecodeProjectBytes(bytes));
    } catch (const RuntimeError &) {
        return 0; // a short or malformed file is an error for the caller to report
    }
    if (!accepted)
        return 0;
    const QString written = ProjectFileText(project());
    try {
        if (!ReadProjectText(written))
            __builtin_trap();
    } catch (const RuntimeError &) {
        __builtin_trap();
    }
    return 0;
}
