#pragma once
// The main window: menus, toolbar, the history pane, the background picture and the
// file commands.

#include "shell/FileCommands.h"

#include <QHash>
#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QAction;
struct Ui_frmMain;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Public members used by other windows and the start routine; the file commands
    // (FileCommands.h) do the work. FileSave, FileOpen and LoadProjFile have no error
    // tail of their own: a failure is thrown as RuntimeError to the caller's (the menu
    // commands run them under theirs).
    bool FileNew(uint8_t ResetNameFlag, uint8_t ResetUnits);
    bool FileSave();
    bool FileOpen();
    void CheckForUpdates();
    void mnuEditItem_Click(int Index);
    void mnuFileArray_Click(int Index);
    bool FileMenuSave(bool ForceDialog);
    void LoadOutBuf0(int mode);
    bool LoadProjFile();

    // The close prompt for unsaved work, on its own (false: Cancel or a failed save), as
    // installing an update asks it before the setup is handed over; and the end once the
    // setup runs (from a callback): the normal close, once no modal window is open, asking
    // again only about work changed since that answer.
    bool QueryClose();
    void CloseWhenFree();

    // Connects a menu item to the window it opens and enables it. Items whose window
    // is not part of the program yet stay disabled until this is called; the toolbar's
    // "Edit Description" and "Blast Calculations" buttons follow Input items 0 and 2.
    // The item's handler keeps its own work around the call (Print Preview asks about
    // an empty project and builds page 0 first, Options re-applies the menu captions).
    void setWindowOpener(QAction *item, std::function<void()> opener);
    // The same for the item of this objectName ("mnuUtilItem_2").
    void setWindowOpener(const QString &item, std::function<void()> opener);

    // The file commands of this window (New, Open, Save, the save prompt).
    FileCommands &fileCommands() { return m_files; }

    // History-pane font, panels and caption (also used after the settings window).
    void ApplyMainFont();
    void ShowMainPanels();
    void SetFormCaption();

public slots:
    void mnuFileItem_Click(int Index);
    void mnuFortioItem_Click(int Index);
    void mnuDonisiItem_Click(int Index);
    void mnuVideosItem_Click(int Index);
    void mnuUtilItem_Click(int Index);
    void mnuHelpItem_Click(int Index);
    void Toolbar1_ButtonClick(int Index);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectHandlers();
    void Form_Load();
    void Form_Activate();
    bool Form_QueryUnload();
    void Form_Unload();
    void SetMenuLanguage();
    void LayoutMainForm();
    void CenterPicture();
    void PlaceVersionLabel();
    void PrinterSetup();
    bool EmptyProjectPrompt();
    void PrintParameterReport();
    void ToggleHistoryPane();
    void RefreshRecentFilesMenu();
    // Runs the window opener connected to the item, if any, under the error tail.
    void openWindow(QAction *item);
    void mirrorLog(const QString &text);

    std::unique_ptr<Ui_frmMain> ui;
    QString m_mirrored; // the history text the pane shows
    QHash<QAction *, std::function<void()>> m_openers;
    FileCommands m_files;
    bool m_activated = false;    // Form_Activate ran for this opening
    bool m_closeConfirmed = false; // the close prompt was already answered
    bool m_closeWaiting = false;   // CloseWhenFree waits for modal windows
    std::optional<quint64> m_answeredAt; // the project's changes when QueryClose was answered
};

// The one main window while it exists (null before start-up and after it closes).
frmMain *mainWindow();
