#pragma once
// The project-file commands: New, Open, Save, Save As, opening a recent file and the
// "Save changes to: " prompt. The main window's menus and toolbar, its close prompt
// and the project description dialog all go through here; the window only hears when
// its recent-file menu or its caption must be brought up to date.

#include <QString>

#include <cstdint>
#include <functional>

class FileCommands {
public:
    // What the commands tell the window that shows the project.
    struct View {
        std::function<void()> recentFilesChanged; // the recent-file list changed
        std::function<void()> captionChanged;     // the project's name or saved state changed
    };

    explicit FileCommands(View view);

    // File > New: offers to save unsaved work (OfferToSave), then starts an empty
    // project and rebuilds the caption. Nothing happens when the offer is cancelled.
    void New();
    // File > Open: the Open dialog, then LoadProjFile; Cancel loads nothing.
    void Open();
    // File > Save (forceDialog false) and Save As (true): on success the file heads the
    // recent-file list and the caption is rebuilt.
    void Save(bool forceDialog);
    // A recent-file item (1..4): opens the file it names.
    void OpenRecent(int index);

    // While the project has unsaved changes, asks "Save changes to: " & CurrentFile & "?"
    // (Yes, No, Cancel). True when the caller may go on: nothing to save, No, or Yes and
    // the project was saved. False on Cancel or when the save was cancelled or failed.
    bool OfferToSave();

    // The main window's public members of the same names.
    bool FileNew(uint8_t ResetNameFlag, uint8_t ResetUnits);
    // FileSave, FileOpen and LoadProjFile throw RuntimeError to the caller's error tail.
    bool FileSave();
    bool FileOpen();
    bool LoadProjFile();
    // Asks for a name when the project has none (or always, when forced), then saves
    // under its own error tail. True only when the project was saved.
    bool FileMenuSave(bool ForceDialog);

    // Tells the window that the project's name or saved state changed.
    void RefreshCaption() const;

private:
    // The Open (Mode 1) or Save As (Mode 2) dialog. A cancel throws the dialog's cancel
    // error; otherwise CurrentFile and FileName hold the chosen path.
    void ShowFileDialog(int Mode, QString &FileName);
    void recentFilesChanged() const;

    View m_view;
    bool m_projectReplaced = false; // the last open got as far as resetting the project
};
