#pragma once
// The settings dialog: the [Settings] section of the settings file, written once on OK.

#include "platform/ModalWindows.h"

#include <memory>

struct Ui_frmSet;

class frmSet : public GuardedDialog {
    Q_OBJECT
public:
    explicit frmSet(QWidget *parent = nullptr);
    ~frmSet() override;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();
    void cmdSetPath_Click();
    void Command5_Click();
    void cmdSetDefault_Click();
    void cmdSelect_Click();
    void chkDispHist_Click();
    void chkKeepRecentFL_Click();
    void chkShortNames_Click();
    void chkCopyExamples_Click();
    void Text1_Change();

protected:
    void unloading(int result) override;

private:
    void Form_Load();
    void Form_Unload();
    bool ValidateSettings();
    void SyncShortNamesOption();
    void refuse(class QLineEdit *box);

    std::unique_ptr<Ui_frmSet> ui;
    bool OkPressed = false;
    bool Loading = false;
};

// The extension test of the settings dialog: letters A-Z and digits only, at least one.
bool ValidFileExtension(const QString &extension);

// Utilities > Settings: the dialog, modal, owned by the main window.
void ShowSettingsDialog(QWidget *owner);
