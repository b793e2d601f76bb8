#pragma once
// "View Resource Files": seven buttons, each opening one reference document that lies
// beside the program with the desktop's viewer.

#include "platform/ModalWindows.h"

#include <array>
#include <memory>

struct Ui_frmResource;

// The captions of the seven buttons and the documents' names relative to the program folder.
extern const std::array<QString, 7> ResourceTitles;
extern const std::array<QString, 7> ResourceFiles;

class frmResource : public GuardedDialog {
    Q_OBJECT
public:
    // The tables are the program's own unless a caller supplies others.
    explicit frmResource(QWidget *parent = nullptr, const std::array<QString, 7> &titles = ResourceTitles,
                         const std::array<QString, 7> &files = ResourceFiles);
    ~frmResource() override;

public slots:
    void cmdView_Click(int Index);
    void Command1_Click();

private:
    void Form_Load();
    std::array<QString, 7> m_titles, m_files;
    std::unique_ptr<Ui_frmResource> ui;
};

// Loads the window and shows it modally.
void OpenResourceWindow(QWidget *owner);
