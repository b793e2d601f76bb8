#include "core/RecentFiles.h"

#include "core/Checks.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/Utilities.h"

namespace {
// The caption an item gets under the ShortRecentFiles setting.
QString captionFor(const QString &shortName, const QString &fullPath)
{
    return settings().ShortRecentFiles == 1 ? shortName : fullPath;
}
} // namespace

void BuildRecentFilesMenu()
{
    RecentFilesState &r = recentFiles();
    r.RecentFilesShown = kFalse;
    r.MenuCaption = {};
    r.MenuItemVisible = {};
    if (settings().KeepFileNames != 1)
        return;
    for (int i = 1; i <= r.MaxLastFiles && i <= 4; ++i) {
        if (r.LastFile[i].isEmpty())
            continue;
        r.MenuCaption[i] = captionFor(r.LastFile[i], r.LastFileLong[i]);
        r.MenuItemVisible[i] = true;
        r.RecentFilesShown = kTrue;
    }
}

void GetRecentFile(int Index)
{
    if (Index >= 1 && Index <= 4)
        project().CurrentFile = recentFiles().LastFileLong[Index];
}

void UpdateMRUList()
{
    RecentFilesState &r = recentFiles();
    const QString &current = project().CurrentFile;
    const QString fileName = StripPath(current, 0);
    const QString shown = captionFor(fileName, current);
    if (settings().KeepFileNames == 0)
        return;

    const int count = qBound(0, static_cast<int>(r.MaxLastFiles), 4);
    for (int i = 1; i <= count; ++i) {
        if (r.MenuCaption[i] != shown)
            continue;
        SwapValues(r.MenuCaption[i], r.MenuCaption[1]);
        SwapValues(r.LastFile[i], r.LastFile[1]);
        SwapValues(r.LastFileLong[i], r.LastFileLong[1]);
        SwapValues(r.LastFileMode[i], r.LastFileMode[1]);
        r.LastFileLong[1] = current;
        return;
    }

    if (r.MaxLastFiles < 4)
        r.MaxLastFiles = static_cast<int16_t>(qMax(0, static_cast<int>(r.MaxLastFiles)) + 1);
    for (int k = r.MaxLastFiles - 1; k >= 1; --k) {
        r.MenuCaption[k + 1] = r.MenuCaption[k];
        r.LastFile[k + 1] = r.LastFile[k];
        r.LastFileLong[k + 1] = r.LastFileLong[k];
        r.LastFileMode[k + 1] = r.LastFileMode[k];
    }
    r.MenuCaption[1] = shown;
    r.LastFile[1] = fileName;
    r.LastFileLong[1] = current;
    r.LastFileMode[1] = project().FileMode;
    r.MenuItemVisible[0] = true;
    for (int k = 1; k <= r.MaxLastFiles; ++k)
        r.MenuItemVisible[k] = true;
    SaveDefaultSettings(3);
}
