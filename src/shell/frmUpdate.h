#pragma once
// "Program Update": checks the web server for a newer version, downloads its setup file
// into the Downloads folder, verifies it and hands it to the desktop to install.

#include "core/Services.h"

#include "platform/ModalWindows.h"

#include <functional>

#include <memory>

struct Ui_frmUpdate;

// How the window ends the program to install an update, given by the main window:
// 'queryClose' offers unsaved work for saving (false: Cancel or a failed save, the
// program keeps running); 'close', called once the setup runs, ends the program through
// its normal close as soon as no modal window is open, asking again only about work
// changed since. Without them (no main window) nothing is closed.
struct ProgramCloser {
    std::function<bool()> queryClose;
    std::function<void()> close;
};

class frmUpdate : public GuardedDialog {
    Q_OBJECT
public:
    explicit frmUpdate(QWidget *parent = nullptr, ProgramCloser closer = {});
    ~frmUpdate() override;

    // The start-up path after the user agreed: check, download without asking, install.
    void RunAutoUpdate();
    // True while a check or a download runs.
    bool busy() const { return m_download != nullptr; }

public slots:
    void cmdCheck_Click();
    void cmdDownUpdate_Click();
    void cmdInstall_Click();
    void Command1_Click();

signals:
    // A check or a download has ended (and its messages were shown).
    void finished();

protected:
    void unloading(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void evaluateManifest(const DownloadResult &result);
    void downloadSetup();
    void setupDownloaded(const DownloadResult &result, const QString &path);
    // The start-up path's install, once no other modal window is open.
    void autoInstall();
    void setBusy(bool busy);
    // Clears the progress display and returns what fills it while a download runs.
    IDownloader::Progress showProgress();
    void endStep();
    QString setupPath() const;

    std::unique_ptr<Ui_frmUpdate> ui;
    ProgramCloser m_closer;
    std::unique_ptr<IDownload> m_download;
    QString SetupFile;        // setup file of the last valid manifest
    QString m_setupSha;       // its published checksum
    QString m_verifiedPath;   // the setup file this window downloaded and verified
    bool m_newer = false;     // the server has a newer version
    bool AutoUpdate = false;  // driven by the start-up check: no questions
    bool m_unloaded = false;
};

// Loads the window and shows it modally (Help > Program Updates).
void OpenUpdateWindow(QWidget *owner, const ProgramCloser &closer);
// The check at every start while RemindAnnualUpdates is 1: after the main window is
// shown, in the background, giving up after five seconds, silent on any failure.
void StartUpdateCheck(QWidget *mainWindow, const ProgramCloser &closer);
