#pragma once
// The text-file browser: any file of any drive, shown in the window or handed (as a
// private copy) to the external viewer. Modeless, one window at a time.

#include <QWidget>

#include <memory>

struct Ui_frmTextBrow;

class frmTextBrow : public QWidget {
    Q_OBJECT
public:
    explicit frmTextBrow(QWidget *parent = nullptr);
    ~frmTextBrow() override;

public slots:
    void Command1_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_DblClick();
    void Text2_Change();
    void Check1_Click();
    void cmdSetFont_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void ApplyBrowseFont();
    void UpdateFontButton();
    void showInViewer(const QString &file);
    void showInWindow(const QString &file);

    std::unique_ptr<Ui_frmTextBrow> ui;
    bool m_activated = false;
    bool m_loading = false;
};

// File > Browse: the browser, shown modeless (brought to the front when it is open).
void ShowTextBrowser();
// Closes the browser, if open, as its own OK would (the main window's closing).
void UnloadTextBrowser();
// The private copy handed to the external viewer during this run ("" before the first).
QString ViewerCopyPath();
