#pragma once
// The project description dialog: the free-text description of the project and its
// unit system. Choosing another unit system starts a new project in that system,
// after unsaved work has been offered for saving.

#include "calculators/InputDialog.h"

#include <memory>

class FileCommands;
struct Ui_frmBlastDesc;

class frmBlastDesc : public InputDialog {
    Q_OBJECT
public:
    frmBlastDesc(FileCommands &files, QWidget *parent = nullptr);
    ~frmBlastDesc() override;

public slots:
    void Command2_Click() { btnOk_Click(); }
    void Command1_Click() { btnCancel_Click(); }
    void Command3_Click() { btnHelp_Click(); }

protected:
    bool validateForOk() override;
    void commit() override;
    void discard() override;

private:
    void Form_Load();
    // The unit system chosen in the dialog, or -1 when none is.
    int chosenUnits() const;

    std::unique_ptr<Ui_frmBlastDesc> ui;
    FileCommands &m_files;
};

// Opens the dialog modally, owned by 'owner'.
void OpenBlastDesc(FileCommands &files, QWidget *owner);
