#pragma once
// The widgets of the print preview window.

class QPushButton;
class QPlainTextEdit;
class frmPreview;

struct Ui_frmPreview {
    QPlainTextEdit *RichTextBox1 = nullptr;
    QPushButton *Command1 = nullptr; // OK
    QPushButton *Command2 = nullptr; // Copy to Clipboard
    QPushButton *Command3 = nullptr; // Print
    QPushButton *Command8 = nullptr; // Help

    void setupUi(frmPreview *w);
};
