#pragma once
// The main window: menus, toolbar, the history pane and the file commands.

#include <QMainWindow>

class QPlainTextEdit;
class QLabel;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Public members used by other windows and the start routine.
    bool FileNew(uint8_t ResetNameFlag, uint8_t ResetUnits);

    QPlainTextEdit *txtMain = nullptr;
    QLabel *lblver = nullptr;

    // Applies the history-pane font from the settings.
    void ApplyMainFont();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    bool Form_QueryUnload();
    void Form_Unload();
    void mirrorLog(const QString &text);
};

// The one main window while it exists (null before start-up and after it closes).
frmMain *mainWindow();
