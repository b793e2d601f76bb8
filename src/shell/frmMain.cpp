#include "shell/frmMain.h"

#include "calculators/BurdenCalculators.h"
#include "shell/WindowOpeners.h"
#include "shell/frmTextBrow.h"

#include "core/Errors.h"
#include "core/Messages.h"
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
#include "platform/Widgets.h"
#include "shell/HelpModule.h"
#include "shell/frmUpdate.h"
#include "shell/MainCaptions.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>

// Resources of a static library are registered by name, outside any namespace.
static void initShellResources() { Q_INIT_RESOURCE(shell); }

namespace {

// The hourglass while a file or the printer is busy; the default pointer again when
// the work ends, also by an error.
// Twips to screen pixels of the widget.
int twipsToPixels(const QWidget *w, double twips) { return qRound(twips * w->logicalDpiY() / 1440.0); }

QString itemName(const char *array, int index) { return QLatin1String(array) + u'_' + QString::number(index); }

// A recent-file caption shown literally (a "&" in a path is no access key).
QString literalCaption(const QString &text) { return QString(text).replace(u'&', QStringLiteral("&&")); }

// The window's images are drawn from their SVG sources once per run: the next main
// window of the run takes them from here.
template <class Image> const Image &shellImage(const QString &name)
{
    static QHash<QString, Image> images;
    // Released with the application object, as images must be.
    [[maybe_unused]] static const bool released = (qAddPostRoutine([] { images.clear(); }), true);
    auto it = images.find(name);
    if (it == images.end())
        it = images.insert(name, Image(QStringLiteral(":/shell/images/%1.svg").arg(name)));
    return *it;
}

} // namespace

frmMain *mainWindow() { return qobject_cast<frmMain *>(loadedWindows().Main.data()); }

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent),
      m_files({[this] { RefreshRecentFilesMenu(); }, [this] { SetFormCaption(); }})
{
    initShellResources();
    loadedWindows().Main = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tessolan Primer"));
    resize(960, 760);

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("frmMainBody"));
    setCentralWidget(m_body);

    Picture1 = new QLabel(m_body);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(shellImage<QPixmap>(QStringLiteral("background")));
    Picture1->adjustSize();

    lblver = new QLabel(m_body);
    lblver->setObjectName(QStringLiteral("lblver"));

    txtMain = new QPlainTextEdit(m_body);
    txtMain->setObjectName(QStringLiteral("txtMain"));
    txtMain->setReadOnly(true);
    txtMain->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtMain->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #C0C0C0; }"));

    buildMenus();
    buildToolbar();
    m_body->installEventFilter(this);

    // The pane mirrors the history log, which keeps lines logged before it existed.
    historyLog().setListener([this](const QString &text) { mirrorLog(text); });
    mirrorLog(historyLog().text());
    ConnectWindows(this);
    Form_Load();
}

frmMain::~frmMain()
{
    historyLog().setListener(nullptr);
}

// ---------------------------------------------------------------------------------
// Menus and toolbar

void frmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto topMenu = [bar](const QString &name, const QString &caption) {
        QMenu *m = bar->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        return m;
    };
    // One item of a control array: caption "-" makes a separator.
    auto item = [](QMenu *menu, const char *array, int index, const QString &caption,
                   const QKeySequence &shortcut = QKeySequence(), int helpContext = 0) {
        // A separator is a plain line: it carries no text, which some styles would draw.
        const bool separator = caption == QLatin1String("-");
        QAction *a = menu->addAction(separator ? QString() : caption);
        a->setObjectName(itemName(array, index));
        if (separator)
            a->setSeparator(true);
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        if (helpContext != 0)
            a->setProperty("HelpContextID", helpContext);
        return a;
    };

    mnuFile = topMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    const struct {
        const char *caption;
        QKeySequence shortcut;
        int help;
    } fileItems[12] = {
        {"&New", QKeySequence(QStringLiteral("Ctrl+N")), 1100},
        {"&Open...", QKeySequence(QStringLiteral("Ctrl+O")), 1200},
        {"&Save", QKeySequence(QStringLiteral("Ctrl+S")), 1300},
        {"&Save As...", QKeySequence(), 1400},
        {"-", QKeySequence(), 0},
        {"&Printer Setup...", QKeySequence(), 1500},
        {"&Print", QKeySequence(), 1550},
        {"&Print Preview...", QKeySequence(QStringLiteral("Ctrl+P")), 1600},
        {"-", QKeySequence(), 0},
        {"&Browse...", QKeySequence(QStringLiteral("Ctrl+B")), 1700},
        {"-", QKeySequence(), 0},
        {"&Exit", QKeySequence(), 1800},
    };
    for (int i = 0; i < 12; ++i) {
        if (i == 10) {
            // The recent files stand between Browse and the separator above Exit.
            for (int k = 0; k <= 4; ++k) {
                QAction *a = item(mnuFile, "mnuFileArray", k, k == 0 ? QStringLiteral("-") : QString());
                a->setVisible(false);
                mnuFileArray[k] = a;
                if (k > 0)
                    connect(a, &QAction::triggered, this, [this, k] { mnuFileArray_Click(k); });
            }
        }
        const auto &f = fileItems[i];
        mnuFileItem[i] = item(mnuFile, "mnuFileItem", i, QString::fromLatin1(f.caption), f.shortcut, f.help);
        connect(mnuFileItem[i], &QAction::triggered, this, [this, i] { mnuFileItem_Click(i); });
    }

    mnuEdit = topMenu(QStringLiteral("mnuEdit"), QStringLiteral("&Input"));
    mnuEditItem[0] = item(mnuEdit, "mnuEditItem", 0, QStringLiteral("Project Description"));
    QMenu *fortio = mnuEdit->addMenu(QStringLiteral("Burden Calculations"));
    fortio->setObjectName(QStringLiteral("mnuFortio"));
    mnuEditItem[1] = fortio->menuAction();
    mnuEditItem[1]->setObjectName(itemName("mnuEditItem", 1));
    static const char *const fortioCaptions[7] = {
        "Empirical Equation by Anderson", "Empirical Equation by Ash",       "Empirical Equation by Fraenkel",
        "Empirical Equation by Konya",    "Empirical Equation by Langefors", "Empirical Equation by Pearse",
        "Empirical Equation by Jimeno"};
    for (int i = 0; i < 7; ++i) {
        mnuFortioItem[i] = item(fortio, "mnuFortioItem", i, QString::fromLatin1(fortioCaptions[i]));
        connect(mnuFortioItem[i], &QAction::triggered, this, [this, i] { mnuFortioItem_Click(i); });
    }
    mnuEditItem[2] = item(mnuEdit, "mnuEditItem", 2, QStringLiteral("Blast Calculations"));
    QMenu *donisi = mnuEdit->addMenu(QStringLiteral("Vibrations"));
    donisi->setObjectName(QStringLiteral("mnuDonisi"));
    mnuEditItem[3] = donisi->menuAction();
    mnuEditItem[3]->setObjectName(itemName("mnuEditItem", 3));
    mnuDonisiItem[0] = item(donisi, "mnuDonisiItem", 0, QStringLiteral("Vibration Control"));
    mnuDonisiItem[1] = item(donisi, "mnuDonisiItem", 1, QStringLiteral("Vibration Calculations"));
    for (int i = 0; i < 2; ++i)
        connect(mnuDonisiItem[i], &QAction::triggered, this, [this, i] { mnuDonisiItem_Click(i); });
    for (int i : {0, 2})
        connect(mnuEditItem[i], &QAction::triggered, this, [this, i] { mnuEditItem_Click(i); });

    mnuVideos = topMenu(QStringLiteral("mnuVideos"), QStringLiteral("Videos"));
    for (int i = 0; i < 3; ++i) {
        mnuVideosItem[i] = item(mnuVideos, "mnuVideosItem", i, QStringLiteral("Video %1").arg(i + 1));
        connect(mnuVideosItem[i], &QAction::triggered, this, [this, i] { mnuVideosItem_Click(i); });
    }

    mnuUtil = topMenu(QStringLiteral("mnuUtil"), QStringLiteral("&Utilities"));
    const struct {
        const char *caption;
        int help;
    } utilItems[8] = {{"Settings", 4100},
                      {"Options", 4200},
                      {"Unit Conversion", 4300},
                      {"File Conversion", 4400},
                      {"-", 0},
                      {"Clear History Window", 4000},
                      {"Close History Window", 4000},
                      {"Copy History Window", 4000}};
    for (int i = 0; i < 8; ++i) {
        mnuUtilItem[i] = item(mnuUtil, "mnuUtilItem", i, QString::fromLatin1(utilItems[i].caption), QKeySequence(),
                              utilItems[i].help);
        connect(mnuUtilItem[i], &QAction::triggered, this, [this, i] { mnuUtilItem_Click(i); });
    }

    mnuHelp = topMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    static const char *const helpCaptions[11] = {
        "Help &Contents", "Help &Index...", "Help in &PDF format", "-", "&Resource Files...", "-",
        "&Disclaimer",    "-",              "Program Updates",     "-", "&About the Program"};
    for (int i = 0; i < 11; ++i) {
        const bool context = i == 0 || i == 1 || i == 6 || i == 8 || i == 10;
        mnuHelpItem[i] = item(mnuHelp, "mnuHelpItem", i, QString::fromLatin1(helpCaptions[i]),
                              i == 0 ? QKeySequence(Qt::Key_F1) : QKeySequence(), context ? 5000 : 0);
        connect(mnuHelpItem[i], &QAction::triggered, this, [this, i] { mnuHelpItem_Click(i); });
    }

    // Items whose windows are not part of the program yet wait for setWindowOpener.
    for (QAction *a : {mnuFileItem[7], mnuFileItem[9], mnuEditItem[0], mnuEditItem[2], mnuUtilItem[0],
                       mnuUtilItem[1], mnuUtilItem[2], mnuHelpItem[0], mnuHelpItem[1], mnuHelpItem[2],
                       mnuHelpItem[4], mnuHelpItem[8], mnuHelpItem[10]})
        a->setEnabled(false);
    for (QAction *a : mnuFortioItem)
        a->setEnabled(false);
    for (QAction *a : mnuDonisiItem)
        a->setEnabled(false);
    for (QAction *a : mnuVideosItem)
        a->setEnabled(false);
}

void frmMain::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->setMovable(false);
    const struct {
        const char *image;
        const char *tip;
    } buttons[5] = {{"open", "Open Data File"},
                    {"save", "Save Data File"},
                    {"print", "Print Data File"},
                    {"description", "Edit Description"},
                    {"blast", "Blast Calculations"}};
    for (int i = 1; i <= 5; ++i) {
        const auto &b = buttons[i - 1];
        QAction *a = Toolbar1->addAction(shellImage<QIcon>(QLatin1String(b.image)), QString::fromLatin1(b.tip));
        a->setObjectName(itemName("Toolbar1", i));
        a->setToolTip(QString::fromLatin1(b.tip));
        connect(a, &QAction::triggered, this, [this, i] { Toolbar1_ButtonClick(i); });
        Toolbar1Button[i] = a;
    }
    // "Edit Description" and "Blast Calculations" are usable exactly when their menu items are.
    for (const auto &[button, menuItem] : {std::pair{4, 0}, std::pair{5, 2}}) {
        QAction *b = Toolbar1Button[button];
        QAction *m = mnuEditItem[menuItem];
        b->setEnabled(m->isEnabled());
        connect(m, &QAction::enabledChanged, b, &QAction::setEnabled);
    }
}

void frmMain::setWindowOpener(QAction *item, std::function<void()> opener)
{
    if (!item)
        return;
    m_openers.insert(item, std::move(opener));
    item->setEnabled(true);
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
    if (txtMain->isHidden())
        mnuUtilItem[6]->setText(HistoryToggleCaption(false, english));
}

void frmMain::RefreshRecentFilesMenu()
{
    const RecentFilesState &r = recentFiles();
    mnuFileArray[0]->setVisible(r.MenuItemVisible[0]);
    for (int i = 1; i <= 4; ++i) {
        mnuFileArray[i]->setText(literalCaption(r.MenuCaption[i]));
        mnuFileArray[i]->setVisible(r.MenuItemVisible[i]);
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
    if (watched == m_body && event->type() == QEvent::Resize) {
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
    txtMain->setGeometry(0, m_body->height() - h, m_body->width(), h);
    txtMain->raise();
}

void frmMain::CenterPicture()
{
    const QSize pic = Picture1->size();
    Picture1->move(m_body->width() / 2 - pic.width() / 2,
                   (m_body->height() - pic.height() - twipsToPixels(this, 1000)) / 2);
    Picture1->lower();
}

void frmMain::PlaceVersionLabel()
{
    // The body starts below the toolbar, so the label's top is the toolbar's height.
    lblver->setText(GetVersionString(1) + u' ');
    lblver->adjustSize();
    lblver->move(m_body->width() - lblver->width(), 0);
    lblver->raise();
    lblver->update();
}

void frmMain::ShowMainPanels()
{
    const SettingsState &s = settings();
    const bool history = s.DisplayHistoryWin == 1;
    txtMain->setVisible(history);
    for (int i : {5, 6, 7})
        mnuUtilItem[i]->setEnabled(history);
    if (s.MaxMainMenu == 1)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() & ~Qt::WindowMaximized);
    Toolbar1->setVisible(s.EnableMainMenuToolbar == 1);
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
        txtMain->appendPlainText(shown);
    else
        txtMain->setPlainText(shown);
    txtMain->verticalScrollBar()->setValue(txtMain->verticalScrollBar()->maximum());
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
    txtMain->setFont(font);
}

bool frmMain::Form_QueryUnload() { return m_files.OfferToSave(); }

void frmMain::Form_Unload()
{
    CloseHelp(0);
    UnloadTextBrowser();
    UnloadAllCalculators();
    SaveDefaultSettings(3);
    RestoreDecimalSeparator();
}

bool frmMain::QueryClose() { return Form_QueryUnload(); }

void frmMain::CloseWithoutPrompt()
{
    m_closeConfirmed = true;
    close();
}

void frmMain::closeEvent(QCloseEvent *event)
{
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

void frmMain::CheckForUpdates() { StartUpdateCheck(this); }

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
        openWindow(mnuFileItem[7]);
        break;
    case 9: openWindow(mnuFileItem[9]); break;
    case 11: close(); break;
    default: break;
    }
}

void frmMain::mnuEditItem_Click(int Index)
{
    if (Index == 0 || Index == 2)
        openWindow(mnuEditItem[Index]);
}

void frmMain::mnuFortioItem_Click(int Index)
{
    if (Index >= 0 && Index < static_cast<int>(mnuFortioItem.size()))
        openWindow(mnuFortioItem[Index]);
}

void frmMain::mnuDonisiItem_Click(int Index)
{
    if (Index >= 0 && Index < static_cast<int>(mnuDonisiItem.size()))
        openWindow(mnuDonisiItem[Index]);
}

void frmMain::mnuVideosItem_Click(int Index)
{
    if (Index >= 0 && Index < static_cast<int>(mnuVideosItem.size()))
        openWindow(mnuVideosItem[Index]);
}

void frmMain::ToggleHistoryPane()
{
    txtMain->setVisible(txtMain->isHidden());
    const bool visible = !txtMain->isHidden();
    mnuUtilItem[6]->setText(HistoryToggleCaption(visible, settings().EnglishMenus == 1));
    mnuUtilItem[7]->setEnabled(visible);
}

void frmMain::mnuUtilItem_Click(int Index)
{
    switch (Index) {
    case 0:
    case 2: openWindow(mnuUtilItem[Index]); break;
    case 1:
        openWindow(mnuUtilItem[1]);
        SetMenuLanguage();
        break;
    case 3: ShowMessage(QStringLiteral("Option not ready yet"), mb::OkOnly); break;
    case 5: historyLog().setText(QString()); break;
    case 6: ToggleHistoryPane(); break;
    case 7:
        if (!txtMain->isHidden())
            services().clipboard->setText(historyLog().text());
        break;
    default: break;
    }
}

void frmMain::mnuHelpItem_Click(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(mnuHelpItem.size()))
        return;
    if (m_openers.contains(mnuHelpItem[Index]))
        openWindow(mnuHelpItem[Index]);
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
