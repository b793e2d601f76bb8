#include "platform/frmHelp.h"

#include "platform/ModalWindows.h"
#include "platform/Widgets.h"
#include "platform/frmHelpUi.h"

#include "core/Messages.h"
#include "core/Opening.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include <algorithm>

// Resources of a static library are registered by name, outside any namespace.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace {
QString readPage(const QString &url) { return ReadHelpPage(url); }

bool pageExists(const QString &url) { return !readPage(QUrl(url).adjusted(QUrl::RemoveFragment).toString()).isEmpty(); }
} // namespace

// A "qrc:" page is read from the resources, a file URL from disk.
QString ReadHelpPage(const QString &url)
{
    static const bool registered = [] {
        initHelpResources();
        return true;
    }();
    Q_UNUSED(registered);
    const QUrl u(url);
    const QString path = u.scheme() == QLatin1String("qrc") ? u':' + u.path() : u.isLocalFile() ? u.toLocalFile() : url;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.read(1 << 20));
}

frmHelp::frmHelp(const QString &contentsPage, QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui_frmHelp>())
{
    ui->setupUi(this);
    CenterForm(this);
    setAttribute(Qt::WA_DeleteOnClose);
    m_base = contentsPage.left(contentsPage.lastIndexOf(u'/') + 1);
    ui->txtPage->setSearchPaths({});
    connect(ui->cmdBack, &QToolButton::clicked, ui->txtPage, &QTextBrowser::backward);
    connect(ui->cmdForward, &QToolButton::clicked, ui->txtPage, &QTextBrowser::forward);
    connect(ui->cmdHome, &QToolButton::clicked, this, [this, contentsPage] {
        ui->txtPage->setSource(QUrl(contentsPage));
        showContentsTab();
    });
    connect(ui->txtPage, &QTextBrowser::backwardAvailable, ui->cmdBack, &QToolButton::setEnabled);
    connect(ui->txtPage, &QTextBrowser::forwardAvailable, ui->cmdForward, &QToolButton::setEnabled);
    connect(ui->txtPage, &QTextBrowser::sourceChanged, this, &frmHelp::txtPage_SourceChanged);
    connect(ui->lstContents, &QListWidget::itemActivated, this, &frmHelp::lstContents_Click);
    connect(ui->lstContents, &QListWidget::itemClicked, this, &frmHelp::lstContents_Click);
    connect(ui->lstIndex, &QListWidget::itemActivated, this, &frmHelp::lstIndex_Click);
    connect(ui->lstIndex, &QListWidget::itemClicked, this, &frmHelp::lstIndex_Click);
    connect(ui->txtIndex, &QLineEdit::textChanged, this, &frmHelp::txtIndex_Change);
    connect(ui->txtIndex, &QLineEdit::returnPressed, this, &frmHelp::lstIndex_Click);
    // Links out of the help go to the desktop's browser, not into this window.
    connect(ui->txtPage, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
            ui->txtPage->setSource(ui->txtPage->source()); // stay on the page
            // Told over whatever window is active then: this one may be gone.
            const QString address = url.toString();
            OpenUrlOnce(address, [address](const OpenOutcome &outcome) {
                if (!outcome.opened())
                    ShowNotOpened(address, outcome);
            });
        }
    });
    ui->cmdBack->setEnabled(false);
    ui->cmdForward->setEnabled(false);
    loadContents();
    ui->txtPage->setSource(QUrl(contentsPage));
}

frmHelp::~frmHelp() = default;

void frmHelp::loadContents()
{
    m_contents = ParseHelpContents(readPage(m_base + QStringLiteral("index.html")));
    QStringList seenPages;
    QStringList terms; // each index term once, at its first page
    for (const HelpEntry &e : m_contents) {
        auto *item = new QListWidgetItem(e.title, ui->lstContents);
        item->setData(Qt::UserRole, e.page);
        const QString file = e.page.section(u'#', 0, 0);
        if (seenPages.contains(file))
            continue;
        seenPages.append(file);
        for (const QString &term : ParseHelpKeywords(readPage(m_base + file))) {
            // A term may point into the page: "term|anchor".
            const QString anchor = term.section(u'|', 1);
            const QString title = term.section(u'|', 0, 0).trimmed();
            if (terms.contains(title, Qt::CaseInsensitive))
                continue;
            terms.append(title);
            m_index.append({anchor.isEmpty() ? file : file + u'#' + anchor, title});
        }
    }
    // The contents pane is as wide as its longest entry, so that every entry shows whole.
    QListWidget *list = ui->lstContents;
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth()
                          + list->verticalScrollBar()->sizeHint().width());
    std::stable_sort(m_index.begin(), m_index.end(), [](const HelpEntry &a, const HelpEntry &b) {
        return QString::compare(a.title, b.title, Qt::CaseInsensitive) < 0;
    });
    txtIndex_Change(QString());
}

bool frmHelp::showPage(const QString &page)
{
    const QString url = m_base + page;
    if (!pageExists(url))
        return false;
    ui->txtPage->setSource(QUrl(url));
    return true;
}

void frmHelp::showContentsTab() { ui->tabNav->setCurrentIndex(0); }

void frmHelp::showIndexTab()
{
    ui->tabNav->setCurrentIndex(1);
    ui->txtIndex->setFocus();
    ui->txtIndex->selectAll();
}

void frmHelp::lstContents_Click()
{
    if (QListWidgetItem *item = ui->lstContents->currentItem())
        showPage(item->data(Qt::UserRole).toString());
}

void frmHelp::txtIndex_Change(const QString &text)
{
    // The list keeps the terms that start with the typed text, then those containing it.
    ui->lstIndex->clear();
    const QString typed = text.trimmed();
    QList<const HelpEntry *> starting, containing;
    for (const HelpEntry &e : m_index) {
        if (typed.isEmpty() || e.title.startsWith(typed, Qt::CaseInsensitive))
            starting.append(&e);
        else if (e.title.contains(typed, Qt::CaseInsensitive))
            containing.append(&e);
    }
    for (const HelpEntry *e : starting + containing) {
        auto *item = new QListWidgetItem(e->title, ui->lstIndex);
        item->setData(Qt::UserRole, e->page);
    }
    if (ui->lstIndex->count() > 0)
        ui->lstIndex->setCurrentRow(0);
}

void frmHelp::closeEvent(QCloseEvent *event)
{
    // Not under a message still waiting for its answer over this window.
    if (CloseWaitsForModal(this, event))
        return;
    QWidget::closeEvent(event);
}

void frmHelp::lstIndex_Click()
{
    if (QListWidgetItem *item = ui->lstIndex->currentItem())
        showPage(item->data(Qt::UserRole).toString());
}

void frmHelp::txtPage_SourceChanged()
{
    const QString title = ui->txtPage->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Tessolan Primer Help")
                                   : QStringLiteral("Tessolan Primer Help - ") + title);
}

// ---------------------------------------------------------------------------------

frmHelp *HelpBrowser::open(const QString &helpFile)
{
    if (helpFile.isEmpty() || !pageExists(helpFile))
        return nullptr;
    // While a modal window runs, the help window belongs to it, or it could not be used.
    QWidget *owner = QApplication::activeModalWidget();
    if (m_window && (m_helpFile != helpFile || m_window->parentWidget() != owner)) {
        // Out of sight at once; it goes once no modal window runs above it.
        m_window->hide();
        m_window->close();
        m_window = nullptr;
    }
    if (!m_window) {
        m_window = new frmHelp(helpFile, owner);
        m_helpFile = helpFile;
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

bool HelpBrowser::showContents(const QString &helpFile)
{
    frmHelp *w = open(helpFile);
    if (!w)
        return false;
    w->showContentsTab();
    return w->showPage(QUrl(helpFile).fileName());
}

bool HelpBrowser::showIndex(const QString &helpFile)
{
    frmHelp *w = open(helpFile);
    if (!w)
        return false;
    w->showIndexTab();
    return true;
}

bool HelpBrowser::showTopic(const QString &helpFile, int context)
{
    const QString page = HelpTopicPage(context);
    if (page.isEmpty())
        return false;
    frmHelp *w = open(helpFile);
    return w && w->showPage(page);
}

void HelpBrowser::closeAll()
{
    if (m_window)
        m_window->close();
    m_window = nullptr;
}
