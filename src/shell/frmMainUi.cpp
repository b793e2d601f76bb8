#include "shell/frmMainUi.h"

#include "shell/frmMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPicture>
#include <QPlainTextEdit>
#include <QSvgRenderer>
#include <QToolBar>

namespace {

QString itemName(const char *array, int index) { return QLatin1String(array) + u'_' + QString::number(index); }

QString imagePath(const QString &name) { return QStringLiteral(":/shell/images/%1.svg").arg(name); }

// The window's images are read from their SVG sources once per run: the next main
// window of the run takes them from here.
template <class Image> const Image &shellImage(const QString &name, Image (*read)(const QString &))
{
    static QHash<QString, Image> images;
    // Released with the application object, as images must be.
    [[maybe_unused]] static const bool released = (qAddPostRoutine([] { images.clear(); }), true);
    auto it = images.find(name);
    if (it == images.end())
        it = images.insert(name, read(imagePath(name)));
    return *it;
}

QIcon readIcon(const QString &path) { return QIcon(path); }

// The background is kept as its drawing commands and drawn from them when the window
// paints: as pixels it would hold 1.5 MB for the whole run.
QPicture readPicture(const QString &path)
{
    QSvgRenderer svg(path);
    const QRect frame(QPoint(0, 0), svg.defaultSize());
    QPicture picture;
    QPainter painter(&picture);
    svg.render(&painter, frame);
    painter.end();
    picture.setBoundingRect(frame);
    return picture;
}

} // namespace

void Ui_frmMain::setupUi(frmMain *w)
{
    w->setObjectName(QStringLiteral("frmMain"));
    w->setWindowTitle(QStringLiteral("Tessolan Primer"));
    w->resize(960, 760);

    body = new QWidget(w);
    body->setObjectName(QStringLiteral("frmMainBody"));
    w->setCentralWidget(body);

    Picture1 = new QLabel(body);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPicture(shellImage(QStringLiteral("background"), readPicture));
    Picture1->adjustSize();

    lblver = new QLabel(body);
    lblver->setObjectName(QStringLiteral("lblver"));

    txtMain = new QPlainTextEdit(body);
    txtMain->setObjectName(QStringLiteral("txtMain"));
    txtMain->setReadOnly(true);
    txtMain->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtMain->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #C0C0C0; }"));

    setupMenus(w);
    setupToolbar(w);
}

void Ui_frmMain::setupMenus(frmMain *w)
{
    QMenuBar *bar = w->menuBar();
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
            }
        }
        const auto &f = fileItems[i];
        mnuFileItem[i] = item(mnuFile, "mnuFileItem", i, QString::fromLatin1(f.caption), f.shortcut, f.help);
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
    for (int i = 0; i < 7; ++i)
        mnuFortioItem[i] = item(fortio, "mnuFortioItem", i, QString::fromLatin1(fortioCaptions[i]));
    mnuEditItem[2] = item(mnuEdit, "mnuEditItem", 2, QStringLiteral("Blast Calculations"));
    QMenu *donisi = mnuEdit->addMenu(QStringLiteral("Vibrations"));
    donisi->setObjectName(QStringLiteral("mnuDonisi"));
    mnuEditItem[3] = donisi->menuAction();
    mnuEditItem[3]->setObjectName(itemName("mnuEditItem", 3));
    mnuDonisiItem[0] = item(donisi, "mnuDonisiItem", 0, QStringLiteral("Vibration Control"));
    mnuDonisiItem[1] = item(donisi, "mnuDonisiItem", 1, QStringLiteral("Vibration Calculations"));

    mnuVideos = topMenu(QStringLiteral("mnuVideos"), QStringLiteral("Videos"));
    for (int i = 0; i < 3; ++i)
        mnuVideosItem[i] = item(mnuVideos, "mnuVideosItem", i, QStringLiteral("Video %1").arg(i + 1));

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
    for (int i = 0; i < 8; ++i)
        mnuUtilItem[i] = item(mnuUtil, "mnuUtilItem", i, QString::fromLatin1(utilItems[i].caption), QKeySequence(),
                              utilItems[i].help);

    mnuHelp = topMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    static const char *const helpCaptions[11] = {
        "Help &Contents", "Help &Index...", "Help in &PDF format", "-", "&Resource Files...", "-",
        "&Disclaimer",    "-",              "Program Updates",     "-", "&About the Program"};
    for (int i = 0; i < 11; ++i) {
        const bool context = i == 0 || i == 1 || i == 6 || i == 8 || i == 10;
        mnuHelpItem[i] = item(mnuHelp, "mnuHelpItem", i, QString::fromLatin1(helpCaptions[i]),
                              i == 0 ? QKeySequence(Qt::Key_F1) : QKeySequence(), context ? 5000 : 0);
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

void Ui_frmMain::setupToolbar(frmMain *w)
{
    Toolbar1 = w->addToolBar(QStringLiteral("Toolbar1"));
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
        QAction *a = Toolbar1->addAction(shellImage(QLatin1String(b.image), readIcon), QString::fromLatin1(b.tip));
        a->setObjectName(itemName("Toolbar1", i));
        a->setToolTip(QString::fromLatin1(b.tip));
        Toolbar1Button[i] = a;
    }
    // "Edit Description" and "Blast Calculations" are usable exactly when their menu items are.
    for (const auto &[button, menuItem] : {std::pair{4, 0}, std::pair{5, 2}}) {
        QAction *b = Toolbar1Button[button];
        QAction *m = mnuEditItem[menuItem];
        b->setEnabled(m->isEnabled());
        QObject::connect(m, &QAction::enabledChanged, b, &QAction::setEnabled);
    }
}
