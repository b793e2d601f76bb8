#include "core/ProgramState.h"

namespace {
struct AllState {
    AppState app;
    PathState paths;
    SettingsState settings;
    RecentFilesState recent;
    MessageState messages;
    ProjectState project;
    ProjectFlags flags;
    ReportPages pages;
    PrintJob printJob;
    HistoryLog log;
    LoadedWindows windows;
    OpenerWaits openerWaits;
    std::function<void()> projectChanged;
    quint64 projectChanges = 0;
};

AllState &all()
{
    static AllState s;
    return s;
}
} // namespace

AppState &appState() { return all().app; }
PathState &paths() { return all().paths; }
SettingsState &settings() { return all().settings; }
RecentFilesState &recentFiles() { return all().recent; }
MessageState &messageState() { return all().messages; }
ProjectState &project() { return all().project; }
ProjectFlags &flags() { return all().flags; }
ReportPages &reportPages() { return all().pages; }
PrintJob &printJob() { return all().printJob; }
HistoryLog &historyLog() { return all().log; }
LoadedWindows &loadedWindows() { return all().windows; }
OpenerWaits &openerWaits() { return all().openerWaits; }

void ResetProgramState() { all() = AllState(); }

void MarkProjectChanged()
{
    flags().ProjectSaved = kFalse;
    flags().FileEmpty = kFalse;
    flags().ParametersLoaded = kTrue;
    ++all().projectChanges;
    if (all().projectChanged)
        all().projectChanged();
}

void SetProjectChangedListener(std::function<void()> listener) { all().projectChanged = std::move(listener); }

quint64 ProjectChangeCount() { return all().projectChanges; }

int VersionMajor() { return PRIMER_VERSION_MAJOR; }
int VersionMinor() { return PRIMER_VERSION_MINOR; }
int VersionRevision() { return PRIMER_VERSION_PATCH; }
