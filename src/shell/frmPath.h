#pragma once
// The folder picker of the settings dialog: drives, folders and four shortcuts. OK
// puts the folder shown, with a trailing "/", into WorkPath; Cancel leaves it.

#include "platform/ModalWindows.h"

#include <memory>

struct Ui_frmPath;

class frmPath : public GuardedDialog {
    Q_OBJECT
public:
    explicit frmPath(QWidget *parent = nullptr);
    ~frmPath() override;

public slots:
    void Option1_Click(int Index);
    void Drive1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void unloading(int result) override;

private:
    void Form_Load();
    void Form_Unload();
    void showFolder(const QString &folder);

    std::unique_ptr<Ui_frmPath> ui;
    bool OkPressed = false;
    bool m_showing = false; // an option is moving the lists: no drive message
};
