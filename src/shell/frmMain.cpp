#include "shell/frmMain.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/Services.h"
#include "core/Settings.h"
#include "core/Startup.h"
#include "core/Utilities.h"
#include "platform/Widgets.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {
frmMain *g_main = nullptr;
}

frmMain *mainWindow() { return g_main; }

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    g_main = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tessolan Primer"));
    resize(900, 640);

    txtMain = new QPlainTextEdit(this);
    txtMain->setObjectName(QStringLiteral("txtMain"));
    txtMain->setReadOnly(true);
    txtMain->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtMain->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #C0C0C0; }"));
    setCentralWidget(txtMain);

    lblver = new QLabel(this);
    lblver->setObjectName(QStringLiteral("lblver"));

    // The pane mirrors the history log, which keeps lines logged before it existed.
    historyLog().setListener([this](const QString &text) { mirrorLog(text); });
    mirrorLog(historyLog().text());
    Form_Load();
}

frmMain::~frmMain()
{
    historyLog().setListener(nullptr);
    if (g_main == this)
        g_main = nullptr;
}

void frmMain::mirrorLog(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    txtMain->setPlainText(shown);
    txtMain->verticalScrollBar()->setValue(txtMain->verticalScrollBar()->maximum());
}

void frmMain::Form_Load()
{
    lblver->setText(GetVersionString(1) + QLatin1Char(' '));
    lblver->adjustSize();
    txtMain->setVisible(settings().DisplayHistoryWin == 1);
    if (settings().ShowDisclaim == 1)
        ShowDisclaimer();
    CenterForm(this);
}

bool frmMain::FileNew(uint8_t ResetNameFlag, uint8_t ResetUnits)
{
    ResetProjectDefaults(ResetNameFlag, ResetUnits);
    return false;
}

void frmMain::ApplyMainFont()
{
    const SettingsState &s = settings();
    QFont font(s.DisplayFontName);
    if (s.DisplayFontSize > 0)
        font.setPointSizeF(s.DisplayFontSize);
    font.setBold(s.DisplayFontBold != 0);
    font.setItalic(s.DisplayFontItalic != 0);
    if (!QFontDatabase::families().contains(s.DisplayFontName, Qt::CaseInsensitive)
        && !QFontDatabase::families().isEmpty()) {
        ShowMessage(QStringLiteral("Invalid font selection:") + s.DisplayFontName, mb::OkOnly, messageState().TitleError);
        return;
    }
    txtMain->setFont(font);
}

bool frmMain::Form_QueryUnload()
{
    if (flags().ProjectSaved != kFalse)
        return true;
    const int answer = MsgBox(QStringLiteral("Save changes to: ") + project().CurrentFile + QLatin1Char('?'),
                              mb::YesNoCancel | mb::Question, QStringLiteral("Tessolan Primer"));
    // Saving arrives with the project file; until then Yes keeps the window open.
    return answer == mb::No;
}

void frmMain::Form_Unload()
{
    if (IHelpViewer *help = services().helpViewer.get())
        help->closeAll();
    SaveDefaultSettings(3);
    RestoreDecimalSeparator();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}
