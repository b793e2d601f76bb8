#include "shell/frmMain.h"

#include "calculators/BurdenCalculators.h"
#include "shell/WindowOpeners.h"
#include "shell/frmTextBrow.h"

#include "core/Errors.h"
#include "core/Messages.h"
#include "core/Opening.h"
#include "core/ParameterReport.h"
#include "core/Printing.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/ProjectFile.h"
#include "core/RecentFiles.h"
#include "core/Services.h"
#include "core/Settings.h"
#include "core/Startup.h"
#include "core/Utilities.h"
#include "platform/ModalWindows.h"
#include "platform/Widgets.h"
#include "shell/HelpModule.h"
#include "shell/frmUpdate.h"
#include "shell/MainCaptions.h"
#include "shell/frmMainUi.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>

#include <algorithm>

// Resources of a static library are registered by name, outside any namespace.
static void initShellResources() { Q_INIT_RESOURCE(shell); }

namespace {

// Twips to screen pixels of the widget.
int twipsToPixels(const QWidget *w, double twips) { return qRound(twips * w->logicalDpiY() / 1440.0); }

// A recent-file caption shown literally (a "&" in a path is no access key).
QString literalCaption(const QString &text) { return QString(text).replace(u'&', QStringLiteral("&&")); }

} // namespace

frmMain *mainWindow() { return qobject_cast<frmMain *>(loadedWindows().Main.data()); }

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui_frmMain>()),
      m_files({[this] { RefreshRecentFilesMenu(); }, [this] { SetFormCaption(); }})
{
    initShellResources();
    loadedWindows().Main = this;
    ui->setupUi(this);
    connectHandlers();
    ui->body->installEventFilter(this);

    // The pane mirrors the history log, which keeps lines logged before it existed.
    historyLog().setListener([this](const QString &text) { mirrorLog(text); });
    // Whatever input window marks the project changed, the caption shows the "*".
    SetProjectChangedListener([this] { SetFormCaption(); });
    mirrorLog(historyLog().text());
    ConnectWindows(this);
    Form_Load();
}

frmMain::~frmMain()
{
    historyLog().setListener(nullptr);
    SetProjectChangedListener(nullptr);
}

// ---------------------------------------------------------------------------------
// Menus and toolbar

void frmMain::connectHandlers()
{
    // Each item of a control array runs its array's _Click with its index.
    const auto clicks = [this](const auto &items, void (frmMain::*handler)(int), std::initializer_list<int> only = {}) {
        for (int i = 0; i < int(items.size()); ++i)
            if (items[size_t(i)] && (only.size() == 0 || std::find(only.begin(), only.end(), i) != only.end()))
                connect(items[size_t(i)], &QAction::triggered, this, [this, handler, i] { (this->*handler)(i); });
    };
    clicks(ui->mnuFileItem, &frmMain::mnuFileItem_Click);
    clicks(ui->mnuFileArray, &frmMain::mnuFileArray_Click, {1, 2, 3, 4});
    clicks(ui->mnuEditItem, &frmMain::mnuEditItem_Click, {0, 2});
    clicks(ui->mnuFortioItem, &frmMain::mnuFortioItem_Click);
    clicks(ui->mnuDonisiItem, &frmMain::mnuDonisiItem_Click);
    clicks(ui->mnuVideosItem, &frmMain::mnuVideosItem_Click);
    clicks(ui->mnuUtilItem, &frmMain::mnuUtilItem_Click);
    clicks(ui->mnuHelpItem, &frmMain::mnuHelpItem_Click);
    clicks(ui->Toolbar1Button, &frmMain::Toolbar1_ButtonClick);
}

void frmMain::setWindowOpener(QAction *item, std::function<void()> opener)
{
    if (!item)
        return;
    m_openers.insert(item, std::move(opener));
    item->setEnabled(true);
}

void frmMain::setWindowOpener(const QString &item, std::function<void()> opener)
{
    setWindowOpener(findChild<QAction *>(item), std::move(opener));
}

void frmMain::openWindow(QAction *item)
{
    const auto it = m_openers.constFind(item);
    if (it == m_openers.constEnd() || !*it)
        return;
    const std::function<void()> opener = *it;
    TailStatement(opener);
}

void frmMain::SetMenuLanguage()
{
    const bool english = settings().EnglishMenus == 1;
    for (const MenuCaption &c : MainMenuCaptions()) {
        const QString &text = english ? c.english : c.greek;
        if (auto *menu = findChild<QMenu *>(c.item))
            menu->setTitle(text);
        else if (auto *action = findChild<QAction *>(c.item))
            action->setText(text);
    }
    // The history toggle names what it will do with the pane as it now is.
    if (ui->txtMain->isHidden())
        ui->mnuUtilItem[6]->setText(HistoryToggleCaption(false, english));
}

void frmMain::RefreshRecentFilesMenu()
{
    const RecentFilesState &r = recentFiles();
    ui->mnuFileArray[0]->setVisible(r.MenuItemVisible[0]);
    for (int i = 1; i <= 4; ++i) {
        ui->mnuFileArray[i]->setText(literalCaption(r.MenuCaption[i]));
        ui->mnuFileArray[i]->setVisible(r.MenuItemVisible[i]);
    }
}

// ---------------------------------------------------------------------------------
// Window life

void frmMain::Form_Load()
{
    QDir::setCurrent(paths().AppPath);
    SetHelpFile();
    BuildRecentFilesMenu();
    RefreshRecentFilesMenu();
    ShowMainPanels();
    CenterPicture();
    PlaceVersionLabel();
    if (settings().ShowDisclaim == 1)
        ShowDisclaimer();
    CenterForm(this);
    CheckForUpdates();
    SetMenuLanguage();
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    ActivateOnce(m_activated, [this] { Form_Activate(); });
}

void frmMain::Form_Activate()
{
    if (recentFiles().RecentFilesShown == kTrue) {
        recentFiles().MenuItemVisible[0] = true;
        RefreshRecentFilesMenu();
    }
    LayoutMainForm();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->body && event->type() == QEvent::Resize) {
        LayoutMainForm();
        CenterPicture();
        PlaceVersionLabel();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::LayoutMainForm()
{
    // The history pane docks at the bottom, 1200 twips high, over the full width.
    const int h = twipsToPixels(this, 1200);
    ui->txtMain->setGeometry(0, ui->body->height() - h, ui->body->width(), h);
    ui->txtMain->raise();
}

void frmMain::CenterPicture()
{
    const QSize pic = ui->Picture1->size();
    ui->Picture1->move(ui->body->width() / 2 - pic.width() / 2,
                       (ui->body->height() - pic.height() - twipsToPixels(this, 1000)) / 2);
    ui->Picture1->lower();
}

void frmMain::PlaceVersionLabel()
{
    // The body starts below the toolbar, so the label's top is the toolbar's height.
    ui->lblver->setText(GetVersionString(1) + u' ');
    ui->lblver->adjustSize();
    ui->lblver->move(ui->body->width() - ui->lblver->width(), 0);
    ui->lblver->raise();
    ui->lblver->update();
}

void frmMain::ShowMainPanels()
{
    const SettingsState &s = settings();
    const bool history = s.DisplayHistoryWin == 1;
    ui->txtMain->setVisible(history);
    for (int i : {5, 6, 7})
        ui->mnuUtilItem[i]->setEnabled(history);
    if (s.MaxMainMenu == 1)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() & ~Qt::WindowMaximized);
    ui->Toolbar1->setVisible(s.EnableMainMenuToolbar == 1);
}

void frmMain::SetFormCaption() { setWindowTitle(FormCaptionText()); }

void frmMain::mirrorLog(const QString &text)
{
    // A log that grew by whole lines is appended; anything else is shown anew.
    QString shown;
    const bool grown = !m_mirrored.isEmpty() && text.startsWith(m_mirrored) && m_mirrored.endsWith(QLatin1Char('\n'));
    shown = grown ? text.mid(m_mirrored.size()) : text;
    m_mirrored = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    if (grown)
        ui->txtMain->appendPlainText(shown);
    else
        ui->txtMain->setPlainText(shown);
    ui->txtMain->verticalScrollBar()->setValue(ui->txtMain->verticalScrollBar()->maximum());
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
        ShowMessage(QStringLiteral("Invalid font selection:") + BoundedText(s.DisplayFontName), mb::OkOnly,
                    messageState().TitleError);
        return;
    }
    ui->txtMain->setFont(font);
}

bool frmMain::Form_QueryUnload() { return m_files.OfferToSave(); }

void frmMain::Form_Unload()
{
    // Openers still within their wait report nothing now; they run on.
    AbandonOpenings();
    CloseHelp(0);
    UnloadTextBrowser();
    UnloadAllCalculators();
    SaveDefaultSettings(3);
    RestoreDecimalSeparator();
}

bool frmMain::QueryClose()
{
    if (!Form_QueryUnload())
        return false;
    m_answeredAt = ProjectChangeCount();
    return true;
}

void frmMain::CloseWhenFree()
{
    if (m_closeWaiting)
        return;
    m_closeWaiting = true;
    // Not over a window that holds the user (its work would be lost unasked, and closing
    // under its loop deletes it there): the end waits until it is closed.
    WhenNoModalWindow(this, [this] {
        m_closeWaiting = false;
        // Work changed since the question was answered is asked about again; Cancel
        // keeps the program running.
        m_closeConfirmed = m_answeredAt == ProjectChangeCount();
        if (!close())
            m_closeConfirmed = false;
    });
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Not under a window that holds the user (File > Exit pressed through the
    // accessibility interface, a callback): the close comes once it has closed.
    if (CloseWaitsForModal(this, event))
        return;
    if (!m_closeConfirmed && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

// ---------------------------------------------------------------------------------
// The project file

bool frmMain::FileNew(uint8_t ResetNameFlag, uint8_t ResetUnits)
{
    return m_files.FileNew(ResetNameFlag, ResetUnits);
}

bool frmMain::FileSave() { return m_files.FileSave(); }

bool frmMain::FileOpen() { return m_files.FileOpen(); }

bool frmMain::LoadProjFile() { return m_files.LoadProjFile(); }

bool frmMain::FileMenuSave(bool ForceDialog) { return m_files.FileMenuSave(ForceDialog); }

void frmMain::mnuFileArray_Click(int Index) { m_files.OpenRecent(Index); }

void frmMain::LoadOutBuf0(int mode) { ::LoadOutBuf0(mode); }

void frmMain::CheckForUpdates() { StartUpdateCheck(this, MainWindowCloser(this)); }

// ---------------------------------------------------------------------------------
// Menu commands

bool frmMain::EmptyProjectPrompt()
{
    if (flags().FileEmpty != kTrue)
        return true;
    return ShowMessage(QStringLiteral("Current file is empty. Continue?"), mb::YesNo | mb::Question | mb::DefaultButton2)
           != mb::No;
}

void frmMain::PrinterSetup()
{
    TailStatement([] {
        if (!services().fileDialog->printerSetup())
            throw RuntimeError(err::DialogCancel);
    });
}

void frmMain::PrintParameterReport()
{
    if (!EmptyProjectPrompt())
        return;
    if (!TailStatement([] { ::LoadOutBuf0(0); }))
        return;
    PrintDocument(reportPages().OutBuf[0], [this](const std::function<void()> &printStep) {
        return TailStatement([&] {
            WaitCursor wait;
            printStep();
        });
    });
}

void frmMain::mnuFileItem_Click(int Index)
{
    switch (Index) {
    case 0: m_files.New(); break;
    case 1: m_files.Open(); break;
    case 2:
    case 3: m_files.Save(Index == 3); break;
    case 5: PrinterSetup(); break;
    case 6: PrintParameterReport(); break;
    case 7:
        if (!EmptyProjectPrompt())
            return;
        if (!TailStatement([] { ::LoadOutBuf0(0); }))
            return;
        openWindow(ui->mnuFileItem[7]);
        break;
    case 9: openWindow(ui->mnuFileItem[9]); break;
    case 11: close(); break;
    default: break;
    }
}

void frmMain::mnuEditItem_Click(int Index)
{
    if (Index == 0 || Index == 2)
        openWindow(ui->mnuEditItem[Index]);
}

void frmMain::mnuFortioItem_Click(int Index)
{
    if (Index >= 0 && Index < static_cast<int>(ui->mnuFortioItem.size()))
        openWindow(ui->mnuFortioItem[Index]);
}

void frmMain::mnuDonisiItem_Click(int Index)
{
    if (Index >= 0 && Index < static_cast<int>(ui->mnuDonisiItem.size()))
        openWindow(ui->mnuDonisiItem[Index]);
}

void frmMain::mnuVideosItem_Click(int Index)
{
    if (Index >= 0 && Index < static_cast<int>(ui->mnuVideosItem.size()))
        openWindow(ui->mnuVideosItem[Index]);
}

void frmMain::ToggleHistoryPane()
{
    ui->txtMain->setVisible(ui->txtMain->isHidden());
    const bool visible = !ui->txtMain->isHidden();
    ui->mnuUtilItem[6]->setText(HistoryToggleCaption(visible, settings().EnglishMenus == 1));
    ui->mnuUtilItem[7]->setEnabled(visible);
}

void frmMain::mnuUtilItem_Click(int Index)
{
    switch (Index) {
    case 0:
    case 2: openWindow(ui->mnuUtilItem[Index]); break;
    case 1: {
        const QPointer<frmMain> self(this);
        openWindow(ui->mnuUtilItem[1]);
        if (self)
            SetMenuLanguage();
        break;
    }
    case 3: ShowMessage(QStringLiteral("Option not ready yet"), mb::OkOnly); break;
    case 5: historyLog().setText(QString()); break;
    case 6: ToggleHistoryPane(); break;
    case 7:
        if (!ui->txtMain->isHidden())
            services().clipboard->setText(historyLog().text());
        break;
    default: break;
    }
}

void frmMain::mnuHelpItem_Click(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(ui->mnuHelpItem.size()))
        return;
    if (m_openers.contains(ui->mnuHelpItem[Index]))
        openWindow(ui->mnuHelpItem[Index]);
    else if (Index == 6)
        ShowDisclaimer();
}

void frmMain::Toolbar1_ButtonClick(int Index)
{
    switch (Index) {
    case 1: mnuFileItem_Click(1); break;
    case 2: mnuFileItem_Click(2); break;
    case 3: mnuFileItem_Click(5); break;
    case 4: mnuEditItem_Click(0); break;
    case 5: mnuEditItem_Click(2); break;
    default: break;
    }
}
