#pragma once
// The widgets of the text-file browser.

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class DriveList;
class FileList;
class FolderList;
class frmTextBrow;

struct Ui_frmTextBrow {
    DriveList *Drive1 = nullptr;
    FolderList *Dir1 = nullptr;
    FileList *File1 = nullptr;
    QLineEdit *Text2 = nullptr; // pattern
    QLabel *Label1 = nullptr;   // the file shown
    QPlainTextEdit *RichTextBox1 = nullptr;
    QCheckBox *Check1 = nullptr; // external viewer
    QPushButton *cmdSetFont = nullptr;
    QPushButton *Command1 = nullptr; // OK

    void setupUi(frmTextBrow *w);
};
