#pragma once
// The program options dialog: the options of the [BlastOptions] section of the settings
// file, and the command that associates project files with the program.

#include "calculators/InputDialog.h"

#include <memory>

struct Ui_frmBlastOpts;

class frmBlastOpts : public InputDialog {
    Q_OBJECT
public:
    explicit frmBlastOpts(QWidget *parent = nullptr);
    ~frmBlastOpts() override;

public slots:
    void Command2_Click() { btnOk_Click(); }
    void Command1_Click() { btnCancel_Click(); }
    void Command3_Click() { btnHelp_Click(); }
    void cmdFileAssoc_Click();

protected:
    bool validateForOk() override { return true; }
    void commit() override;
    void discard() override;

private:
    void Form_Load();

    std::unique_ptr<Ui_frmBlastOpts> ui;
};

// Opens the dialog modally, owned by 'owner'.
void OpenBlastOpts(QWidget *owner);
