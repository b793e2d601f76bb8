// Help window, Help menu, manual, videos, About box and the resource documents window.

#include "ProgramFixture.h"
#include "core/HelpTopics.h"
#include "core/Opening.h"
#include "core/Utilities.h"
#include "platform/QtServices.h"
#include "platform/frmHelp.h"
#include "shell/HelpModule.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "shell/frmResource.h"

#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// An xdg-open stand-in first on PATH, run by the desktop's opener: it notes the file it
// is given as it starts and again as it ends, after the seconds given, with the exit
// code given (or killed by SIGSEGV). It talks on its standard output and error, which
// the opener must keep out of this program's own.
class OpenerStandIn {
public:
    OpenerStandIn() { services().opener = std::make_unique<DesktopOpener>(); }
    ~OpenerStandIn() { qputenv("PATH", m_path); }
    void script(int exitCode, int seconds = 0, bool killed = false)
    {
        const QString dir = m_bin.path();
        const QString end = killed ? QStringLiteral("kill -SEGV $$") : QStringLiteral("exit %1").arg(exitCode);
        writeFile(dir + "/xdg-open", QStringLiteral("#!/bin/sh\necho 'stand-in talks'; echo 'stand-in complains' >&2\n"
                                                    "printf '%s\\n' \"$1\" >> '%1/asked'\n"
                                                    "printf '%s\\n' \"$(readlink /proc/$$/fd/1)\" \"$(readlink /proc/$$/fd/2)\""
                                                    " >> '%1/outputs'\n"
                                                    "sleep %2\nprintf '%s\\n' \"$1\" >> '%1/ended'\n%3\n")
                                         .arg(dir).arg(seconds).arg(end).toUtf8());
        QFile::setPermissions(dir + "/xdg-open", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(dir + "/asked");
        QFile::remove(dir + "/ended");
        qputenv("PATH", dir.toUtf8() + ':' + m_path);
    }
    // No opener on PATH at all.
    void remove()
    {
        QFile::remove(m_bin.path() + "/xdg-open");
        qputenv("PATH", m_bin.path().toUtf8());
    }
    QStringList asked() const { return lines("asked"); }
    QStringList ended() const { return lines("ended"); }
    // Where the runs' standard output and error went, two lines a run.
    QStringList outputs() const { return lines("outputs"); }

private:
    QStringList lines(const char *name) const
    {
        return QString::fromUtf8(readFile(m_bin.path() + '/' + name)).split(u'\n', Qt::SkipEmptyParts);
    }
    const QByteArray m_path = qgetenv("PATH");
    QTemporaryDir m_bin;
};

// A help window on a page of the test's own, with a link to a web address.
const QString kLink = "https://example.invalid/blasting";
frmHelp *openHelpWithLink(HelpBrowser &viewer)
{
    const QString page = writeFile(testHome() + "/help/index.html",
                                   "<html><body><p><a href=\"" + kLink.toUtf8() + "\">The maker's page</a></p></body></html>");
    viewer.showContents(QUrl::fromLocalFile(page).toString());
    return viewer.window();
}

// Clicks the link with the mouse.
void clickLink(frmHelp *w)
{
    auto *browser = Child<QTextBrowser>(w, "txtPage");
    QPoint at;
    for (int y = 0; y < 80 && at.isNull(); ++y)
        for (int x = 0; x < 200 && at.isNull(); ++x)
            if (browser->anchorAt({x, y}) == kLink)
                at = {x, y};
    ASSERT_FALSE(at.isNull());
    ClickAt(browser->viewport(), at);
}

// Waits until no opener waits for its outcome.
bool openersSettled() { return QTest::qWaitFor([] { return openerWaits().Keys.isEmpty(); }, 8000); }

QString page(const QString &link) { return ReadHelpPage(QStringLiteral("qrc:/help/") + link.section(u'#', 0, 0)); }

class HelpMenu : public ProgramTest {
protected:
    void SetUp() override { start(); }
};
} // namespace

// Every context number the program uses leads to a page with a title and index terms
// (and to its anchor), every page is in the contents, each index term is listed by one
// page only, and every link between pages leads to a page that exists.
TEST(HelpPages, EveryTopicPageAndLinkExists)
{
    const QList<int> numbers = HelpContextNumbers();
    // The numbers the main window's menus and the About box carry, and the windows'.
    for (int n : {1000, 1100, 1200, 1300, 1400, 1500, 1550, 1600, 1700, 1800, 4000, 4100, 4200, 4300, 4400, 5000})
        EXPECT_TRUE(numbers.contains(n)) << n;
    for (const QStringList &w : testTable("shell/windows.tsv"))
        EXPECT_TRUE(w[0] == "frmMain" || w[0] == "frmHelp" || numbers.contains(WindowHelpContext(w[0])))
            << w[0].toStdString();

    const QList<HelpEntry> contents = ParseHelpContents(page("index.html"));
    ASSERT_GE(contents.size(), 10);
    QStringList files;
    for (const HelpEntry &e : contents) {
        EXPECT_FALSE(e.title.isEmpty());
        files << e.page.section(u'#', 0, 0);
    }
    for (int n : numbers) {
        const QString topic = HelpTopicPage(n), anchor = topic.section(u'#', 1);
        EXPECT_TRUE(files.contains(topic.section(u'#', 0, 0))) << n;
        if (!anchor.isEmpty()) {
            EXPECT_TRUE(page(topic).contains("<a name=\"" + anchor + "\">")) << topic.toStdString();
        }
    }
    QStringList terms;
    files.removeDuplicates();
    for (const QString &f : files) {
        const QString html = page(f);
        EXPECT_FALSE(ParseHelpTitle(html).isEmpty()) << f.toStdString();
        EXPECT_FALSE(ParseHelpKeywords(html).isEmpty()) << f.toStdString();
        for (const QString &term : ParseHelpKeywords(html)) {
            const QString title = term.section(u'|', 0, 0).trimmed().toLower();
            EXPECT_FALSE(terms.contains(title)) << title.toStdString() << " again in " << f.toStdString();
            terms << title;
        }
        for (const HelpEntry &link : ParseHelpContents(html))
            EXPECT_FALSE(page(link.page).isEmpty()) << f.toStdString() << " -> " << link.page.toStdString();
    }
}

// One help window shows the contents, a topic by its number, and the index filtered by
// what is typed; closing it leaves nothing behind.
TEST(HelpWindow, ContentsTopicsAndTheFilteredIndex)
{
    HelpBrowser help;
    const QString file = "qrc:/help/index.html";
    EXPECT_FALSE(help.showContents("qrc:/help/missing.html"));
    ASSERT_TRUE(help.showContents(file));
    QPointer<frmHelp> w = help.window();
    ASSERT_TRUE(w);
    auto *tabs = Child<QTabWidget>(w, "tabNav");
    auto *browser = Child<QTextBrowser>(w, "txtPage");
    EXPECT_EQ(tabs->currentIndex(), 0);
    auto *contents = Child<QListWidget>(w, "lstContents");
    EXPECT_EQ(contents->count(), ParseHelpContents(page("index.html")).size());
    // Every entry shows whole in the pane, in the pane's own font.
    for (int i = 0; i < contents->count(); ++i)
        EXPECT_LE(contents->visualItemRect(contents->item(i)).left() + contents->fontMetrics().horizontalAdvance(contents->item(i)->text()),
                  contents->viewport()->width()) << contents->item(i)->text().toStdString();
    EXPECT_TRUE(browser->source().toString().endsWith("index.html"));

    ASSERT_TRUE(help.showTopic(file, 3010));
    EXPECT_EQ(browser->source().toString(), "qrc:/help/burden.html#anderson");
    EXPECT_FALSE(help.showTopic(file, 12345));

    ASSERT_TRUE(help.showIndex(file));
    EXPECT_EQ(help.window(), w.data());
    EXPECT_EQ(tabs->currentIndex(), 1);
    auto *index = Child<QListWidget>(w, "lstIndex");
    const int all = index->count();
    Child<QLineEdit>(w, "txtIndex")->setText("scaled dist");
    ASSERT_GT(index->count(), 0);
    EXPECT_LT(index->count(), all);
    for (int i = 0; i < index->count(); ++i)
        EXPECT_TRUE(index->item(i)->text().contains("scaled dist", Qt::CaseInsensitive));
    emit index->itemActivated(index->item(0));
    EXPECT_EQ(browser->source().toString(), "qrc:/help/vibration.html#scaled");

    help.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
}

TEST_F(HelpMenu, ItemsReachTheViewerManualVideosAndAbout)
{
    const QString helpFile = appState().HelpFile;
    Trigger(w, "mnuHelpItem_0");
    Trigger(w, "mnuHelpItem_1");
    w->mnuHelpItem_Click(3); // a separator does nothing
    w->mnuHelpItem_Click(11);
    EXPECT_EQ(fakeHelpViewer().topics, QStringList({"contents:" + helpFile, "index:" + helpFile}));

    // The manual and the videos lie in the program folder, whatever the current folder.
    // The desktop's opener runs an xdg-open stand-in: exit 3 is the desktop's "no method
    // available", exit 0 an opened file. The two outcomes may come in either order.
    QDir::setCurrent(testHome());
    OpenerStandIn opener;
    const QString manual = paths().AppPath + "Korvendo.PDF", video = paths().AppPath + "DuzIro3.mpeg";
    const QString noViewer = "\r\nNo program is set to open this kind of file.";
    const struct { bool present; int exitCode; QStringList boxes; } cases[] = {
        {false, 0, {"File not available: DuzIro3.mpeg", "Help file (Korvendo.PDF) not available"}},
        {true, 0, {}},
        {true, 3, {"Operation Failed\r\n\r\n" + video + noViewer, "Operation Failed\r\n\r\n" + manual + noViewer}},
    };
    for (const auto &c : cases) {
        if (c.present) {
            writeFile(manual, "%PDF");
            writeFile(video, "x");
        }
        opener.script(c.exitCode);
        fakeMessageBox().boxes.clear();
        Trigger(w, "mnuHelpItem_2");
        Trigger(w, "mnuVideosItem_2");
        EXPECT_TRUE(openersSettled());
        QStringList texts = MessageTexts(), asked = opener.asked();
        texts.sort();
        asked.sort();
        EXPECT_EQ(texts, c.boxes);
        EXPECT_EQ(asked, c.present ? QStringList({video, manual}) : QStringList());
    }

    fakeMessageBox().boxes.clear();
    Trigger(w, "mnuHelpItem_10");
    EXPECT_EQ(MessageTexts(), QStringList({testDataText("shell/about.txt").arg(GetVersionString(1))}));
    EXPECT_EQ(fakeMessageBox().boxes.value(0).title, "About the  Program");

    // The help window closes with the program.
    w->close();
    EXPECT_EQ(fakeHelpViewer().closes, 1);
}

// F1 opens the topic of the window that has it, or of the menu item under the cursor.
TEST_F(HelpMenu, F1OpensTheTopicOfTheWindowOrMenuItem)
{
    DriveDialog(Child<QAction>(w, "mnuEditItem_2"), [](QDialog *dlg) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(dlg->focusWidget() ? dlg->focusWidget() : dlg, &press);
    });
    EXPECT_EQ(fakeHelpViewer().topics, QStringList({"qrc:/help/index.html#2100"}));

    for (const QStringList &c : testTable("shell/help-topics.tsv")) {
        SCOPED_TRACE(c[0].toStdString());
        fakeHelpViewer().topics.clear();
        QAction *item = Child<QAction>(w, qPrintable(c[0]));
        QMenu *menu = qobject_cast<QMenu *>(item->parent());
        ASSERT_TRUE(menu);
        menu->popup(QPoint(10, 10));
        menu->setActiveAction(item);
        // The menu takes F1 for itself (no shortcut fires) only where it has a topic.
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier);
        override.ignore();
        QApplication::sendEvent(menu, &override);
        EXPECT_EQ(override.isAccepted(), !c.value(1).isEmpty());
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(menu, &press);
        EXPECT_EQ(fakeHelpViewer().topics, c.value(1).isEmpty() ? QStringList() : QStringList({c[1]}));
        menu->close();
    }
}

TEST(Manual, ThePdfBesideTheProgramHoldsEveryPage)
{
    QProcess p;
    p.start("pdftotext", {"-layout", PRIMER_MANUAL_PDF, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    text.replace(QChar(0xFB01), "fi").replace(QChar(0xFB02), "fl");
    text = text.simplified();
    for (const HelpEntry &e : ParseHelpContents(page("index.html")))
        EXPECT_TRUE(text.contains(ParseHelpTitle(page(e.page)))) << e.page.toStdString();
    EXPECT_TRUE(text.contains("B = d × Kb / 12"));
}

// Each button opens its document, or says it is not there; a failed opening is reported.
TEST(ResourceWindow, ButtonsOpenTheirDocumentsOrReportThem)
{
    StartCoreForTest();
    frmResource dlg;
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        // Every document the window names ships with the program.
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(PRIMER_SOURCE_DIR "/packaging/") + ResourceFiles[i]));
        auto *button = Child<QPushButton>(&dlg, qPrintable(QStringLiteral("cmdView_%1").arg(i)));
        ASSERT_TRUE(button);
        const QString file = paths().AppPath + ResourceFiles[i];
        fakeMessageBox().boxes.clear();
        button->click();
        EXPECT_EQ(MessageTexts(), QStringList({"Resource file (" + file + ") not available"}));
        writeFile(file, "<html></html>");
        fakeOpener().documents.clear();
        button->click();
        EXPECT_EQ(fakeOpener().documents, QStringList({file}));
    }
    const QString first = paths().AppPath + ResourceFiles[0];
    fakeOpener().outcome.result = OpenOutcome::NoViewer;
    fakeMessageBox().boxes.clear();
    Click(&dlg, "cmdView_0");
    EXPECT_EQ(MessageTexts(), QStringList({"Operation Failed\r\n\r\n" + first + "\r\nNo program is set to open this kind of file."}));

    // While the opener waits, a second click starts nothing; a window closed meanwhile
    // still hears of the failure, once; then the document opens again.
    fakeOpener().hold = true;
    fakeOpener().documents.clear();
    fakeMessageBox().boxes.clear();
    QPointer<frmResource> closing = new frmResource;
    closing->setAttribute(Qt::WA_DeleteOnClose);
    closing->show();
    Click(closing, "cmdView_0");
    Click(closing, "cmdView_0");
    Click(&dlg, "cmdView_0");
    EXPECT_EQ(fakeOpener().documents, QStringList({first}));
    closing->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(closing);
    fakeOpener().deliverHeld();
    EXPECT_EQ(MessageTexts().size(), 1);
    Click(&dlg, "cmdView_0");
    EXPECT_EQ(fakeOpener().documents, QStringList({first, first}));
}

// The help window closed while its web link's opener waits: the failure is still told,
// once, and nothing touches the closed window.
TEST(OpenerWait, HelpWindowClosedDuringTheWaitStillHearsTheFailureOnce)
{
    OpenerStandIn opener;
    opener.script(3, 2);
    settings().EnglishMenus = 1;
    HelpBrowser help;
    QPointer<frmHelp> w = openHelpWithLink(help);
    ASSERT_TRUE(w);
    QTimer::singleShot(300, w, &QWidget::close);
    clickLink(w);
    clickLink(w);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w; }, 1000));
    EXPECT_TRUE(openersSettled());
    QTest::qWait(200);
    EXPECT_EQ(opener.asked(), QStringList({kLink}));
    EXPECT_EQ(MessageTexts(),
              QStringList({"Unable to open: " + kLink + "\r\n\r\nNo program is set to open this kind of file."}));
}

// A second request while the opener waits starts nothing. Once the outcome is known (a
// failure; or a viewer still running after four seconds, which has opened the file), a
// request opens the file again.
TEST_F(HelpMenu, ASecondRequestDuringTheWaitStartsNothing)
{
    writeFile(paths().AppPath + "Korvendo.PDF", "%PDF");
    OpenerStandIn opener;
    for (const int exitCode : {3, 0}) {
        SCOPED_TRACE(exitCode);
        opener.script(exitCode, exitCode ? 1 : 6);
        fakeMessageBox().boxes.clear();
        Trigger(w, "mnuHelpItem_2");
        Trigger(w, "mnuHelpItem_2");
        EXPECT_TRUE(openersSettled());
        EXPECT_EQ(MessageTexts().size(), exitCode ? 1 : 0);
        Trigger(w, "mnuHelpItem_2");
        EXPECT_TRUE(QTest::qWaitFor([&] { return opener.asked().size() == 2; }, 1000));
        EXPECT_EQ(opener.ended().size(), exitCode ? 1 : 0); // the viewer runs on
        // The failing run's second opener is waited for; the viewer of the other runs on.
        EXPECT_TRUE(!exitCode || openersSettled());
    }
}

// A failed opening names the file and the reason, in the menus' language; nothing the
// opener says reaches this program's output.
TEST_F(HelpMenu, AFailedOpeningNamesTheFileAndTheReason)
{
    const QString manual = writeFile(paths().AppPath + "Korvendo.PDF", "%PDF");
    OpenerStandIn opener;
    for (const QStringList &row : testTable("shell/opener-failures.tsv")) {
        SCOPED_TRACE(row.join(" | ").toStdString());
        if (row[0] == "missing")
            opener.remove();
        else
            opener.script(row[0].toInt(), 0, row[0] == "signal");
        for (const int english : {1, 0}) {
            settings().EnglishMenus = int16_t(english);
            fakeMessageBox().boxes.clear();
            Trigger(w, "mnuHelpItem_2");
            EXPECT_TRUE(openersSettled());
            EXPECT_EQ(MessageTexts(), QStringList({"Operation Failed\r\n\r\n" + manual + "\r\n" + row[english ? 1 : 2]}));
        }
    }
    EXPECT_EQ(opener.outputs(), QStringList(16, "/dev/null")); // eight runs, two lines each
}

// Quitting while openers wait tells nothing, no closed window hears of them, and the
// openers run to their own end.
TEST(OpenerWait, QuitDuringTheWaitTellsNothingAndLeavesTheOpenersRunning)
{
    OpenerStandIn opener;
    opener.script(3, 2);
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    writeFile(paths().AppPath + "Korvendo.PDF", "%PDF");
    services().helpViewer = std::make_unique<HelpBrowser>();
    QPointer<frmHelp> help = openHelpWithLink(static_cast<HelpBrowser &>(*services().helpViewer));
    ASSERT_TRUE(help);
    fakeMessageBox().boxes.clear();
    clickLink(help);
    Trigger(w, "mnuHelpItem_2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return opener.asked().size() == 2; }, 1500));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
    EXPECT_FALSE(help);
    EXPECT_TRUE(QTest::qWaitFor([&] { return opener.ended().size() == 2; }, 5000));
    QTest::qWait(300);
    EXPECT_TRUE(MessageTexts().isEmpty()) << MessageTexts().join('\n').toStdString();
}
