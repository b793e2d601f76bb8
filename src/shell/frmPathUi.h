#pragma once
// The widgets of the folder picker.

#include <array>

class QPushButton;
class QRadioButton;
class DriveList;
class FolderList;
class frmPath;

struct Ui_frmPath {
    DriveList *Drive1 = nullptr;
    FolderList *Dir1 = nullptr;
    std::array<QRadioButton *, 4> Option1{};
    QPushButton *Command2 = nullptr; // OK
    QPushButton *Command1 = nullptr; // Cancel
    QPushButton *Command3 = nullptr; // Help

    void setupUi(frmPath *w);
};
