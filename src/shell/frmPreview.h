#pragma once
// The print preview: the parameter report (page 0) in a read-only text area, with
// copying to the clipboard and printing.

#include "platform/ModalWindows.h"

#include <memory>

struct Ui_frmPreview;

class frmPreview : public GuardedDialog {
    Q_OBJECT
public:
    explicit frmPreview(QWidget *parent = nullptr);
    ~frmPreview() override;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command8_Click();

private:
    void Form_Load();
    void PrintPreview();

    std::unique_ptr<Ui_frmPreview> ui;
    int m_page = 0;
    bool m_cancelled = false;
};

// The text area's text as the page printer takes it: CR LF line ends, the last line
// ended too ("" stays "").
QString PrintableText(const QString &areaText);

// File > Print Preview: the window, modal, without owner.
void ShowPrintPreview();
