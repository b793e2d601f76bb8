#include "shell/FileCommands.h"

#include "calculators/BurdenCalculators.h"

#include "core/Errors.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/ProjectFile.h"
#include "core/RecentFiles.h"
#include "core/Services.h"
#include "core/Utilities.h"
#include "platform/Widgets.h"

namespace {

int AskSaveChanges(const QString &file, int buttons, const QString &title = QString())
{
    return MsgBox(QStringLiteral("Save changes to: ") + BoundedText(file) + u'?', buttons, title);
}

} // namespace

FileCommands::FileCommands(View view) : m_view(std::move(view)) {}

void FileCommands::recentFilesChanged() const
{
    if (m_view.recentFilesChanged)
        m_view.recentFilesChanged();
}

void FileCommands::RefreshCaption() const
{
    if (m_view.captionChanged)
        m_view.captionChanged();
}

bool FileCommands::OfferToSave()
{
    if (flags().ProjectSaved != kFalse)
        return true;
    const int answer = AskSaveChanges(project().CurrentFile, mb::YesNoCancel | mb::Question,
                                      QStringLiteral("Tessolan Primer"));
    if (answer == mb::No)
        return true;
    if (answer != mb::Yes || !FileMenuSave(false))
        return false;
    UpdateMRUList();
    recentFilesChanged();
    return true;
}

void FileCommands::New()
{
    if (!OfferToSave())
        return;
    FileNew(kTrue, kTrue);
    RefreshCaption();
}

void FileCommands::Open()
{
    ProjectState &p = project();
    p.PreviousFile = p.CurrentFile;
    QString opening;
    bool cancelled = false;
    if (!TailStatement([&] { ShowFileDialog(1, opening); }, &cancelled) || cancelled)
        return;
    TailStatement([&] {
        p.CurrentFile = opening;
        LoadProjFile();
    });
}

void FileCommands::Save(bool forceDialog)
{
    if (!FileMenuSave(forceDialog))
        return;
    UpdateMRUList();
    recentFilesChanged();
    RefreshCaption();
}

void FileCommands::OpenRecent(int index)
{
    if (index < 0)
        return;
    ProjectState &p = project();
    p.PreviousFile = p.CurrentFile;
    GetRecentFile(index);
    const QString opening = p.CurrentFile;
    TailStatement([&] {
        p.CurrentFile = opening;
        LoadProjFile();
    });
}

bool FileCommands::FileNew(uint8_t ResetNameFlag, uint8_t ResetUnits)
{
    // Calculators loaded hidden for their result belong to the old project.
    UnloadHiddenCalculators();
    ResetProjectDefaults(ResetNameFlag, ResetUnits);
    return false;
}

bool FileCommands::FileSave()
{
    WaitCursor wait;
    return SaveProjectFile();
}

bool FileCommands::FileOpen()
{
    ProjectState &p = project();
    if (flags().ProjectSaved == kFalse) {
        const int answer = AskSaveChanges(p.PreviousFile, mb::YesNo | mb::Question | mb::DefaultButton2);
        if (answer == mb::Yes) {
            const QString opening = p.CurrentFile;
            p.CurrentFile = p.PreviousFile;
            // A save that was cancelled or failed keeps the project as it is.
            if (!FileMenuSave(false))
                return false;
            p.CurrentFile = opening;
        }
    }
    WaitCursor wait;
    m_projectReplaced = true;
    // The open resets the project as File > New does: the same calculators go.
    UnloadHiddenCalculators();
    return OpenProjectFile();
}

bool FileCommands::LoadProjFile()
{
    m_projectReplaced = false;
    bool opened = false;
    try {
        opened = FileOpen();
    } catch (...) {
        // The project was reset and no longer belongs to a file: the caption says so.
        if (m_projectReplaced)
            RefreshCaption();
        throw;
    }
    if (opened) {
        UpdateMRUList();
        recentFilesChanged();
        RefreshCaption();
    } else if (m_projectReplaced) {
        RefreshCaption();
    }
    return false;
}

void FileCommands::ShowFileDialog(int Mode, QString &FileName)
{
    const SettingsState &s = settings();
    FileDialogRequest request;
    request.save = Mode == 2;
    // The dialog gets the bare name; CurrentFile keeps its folder until a file is chosen.
    const QString current = project().CurrentFile.trimmed();
    if (!current.isEmpty())
        request.fileName = StripPath(current, 0);
    const QString start = DataFolder();
    if (!FileName.isEmpty())
        request.initialDir = FileName;
    else if (start.endsWith(u'/') && start.size() > 1)
        request.initialDir = start.chopped(1);
    else
        request.initialDir = start;
    QString patterns = QStringLiteral("*.") + s.FileExtension;
    if (s.FileExtension.toLower() != s.FileExtension)
        patterns += QStringLiteral(" *.") + s.FileExtension.toLower();
    request.filters = {QStringLiteral("All Files (*)"),
                       appState().ProgramName + QStringLiteral(" Files (") + patterns + u')'};
    request.filterIndex = 2;
    request.defaultSuffix = s.FileExtension;
    request.mustExist = Mode == 1;
    request.confirmOverwrite = Mode == 2;

    const std::optional<QString> chosen = services().fileDialog->run(request);
    if (!chosen)
        throw RuntimeError(err::DialogCancel);
    project().CurrentFile = *chosen;
    FileName = *chosen;
}

bool FileCommands::FileMenuSave(bool ForceDialog)
{
    bool result = false;
    const QString &current = project().CurrentFile;
    if (current.isEmpty() || current.toUpper() == QLatin1String("UNTITLED") || ForceDialog) {
        QString name;
        bool cancelled = false;
        if (!TailStatement([&] { ShowFileDialog(2, name); }, &cancelled))
            return false;
        if (!cancelled)
            TailStatement([&] { result = FileSave(); });
    } else {
        TailStatement([&] { result = FileSave(); });
    }
    return result;
}
