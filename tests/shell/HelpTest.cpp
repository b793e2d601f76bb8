// Help window, Help menu, manual, videos, About box and the resource documents window.

#include "TestSupport.h"
#include "core/HelpTopics.h"
#include "core/ProgramState.h"
#include "core/Utilities.h"
#include "platform/QtServices.h"
#include "platform/frmHelp.h"
#include "shell/HelpModule.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "shell/frmResource.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QString page(const QString &file) { return ReadHelpPage(QStringLiteral("qrc:/help/") + file); }

QStringList boxTexts()
{
    QStringList out;
    for (const RecordedBox &b : fakeMessageBox().boxes)
        out << b.text;
    return out;
}

// Runs 'inside' while the next modal window is open, then closes it.
void whileModal(const std::function<void(QDialog *)> &inside, const std::function<void()> &open)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            poll.stop();
            inside(dlg);
            dlg->reject();
        }
    });
    poll.start(5);
    open();
}
} // namespace

TEST(HelpPages, EveryContextNumberAndWindowHasItsTopic)
{
    QStringList windows = {"frmBlastDesc", "frmBlastDesign", "frmAnderson", "frmAsh", "frmFraenkel",
                           "frmKonya", "frmLangefors", "frmPearse", "frmJimeno", "frmScaleDist",
                           "frmVibration", "frmSet", "frmPath", "frmBlastOpts", "frmUnits",
                           "frmTextBrow", "frmPreview", "frmResource", "frmUpdate"};
    QList<int> numbers = HelpContextNumbers();
    // The numbers the main window's menus and the About box carry.
    for (int n : {1000, 1100, 1200, 1300, 1400, 1500, 1550, 1600, 1700, 1800, 4000, 4100, 4200, 4300, 4400, 5000})
        EXPECT_TRUE(numbers.contains(n)) << n;
    for (const QString &w : windows) {
        const int n = WindowHelpContext(w);
        EXPECT_TRUE(numbers.contains(n)) << w.toStdString();
    }
    for (int n : numbers) {
        const QString topic = HelpTopicPage(n);
        const QString file = topic.section(u'#', 0, 0);
        const QString anchor = topic.section(u'#', 1);
        const QString html = page(file);
        ASSERT_FALSE(html.isEmpty()) << n << " " << topic.toStdString();
        if (!anchor.isEmpty()) {
            EXPECT_TRUE(html.contains("<a name=\"" + anchor + "\">")) << topic.toStdString();
        }
        EXPECT_FALSE(ParseHelpTitle(html).isEmpty()) << file.toStdString();
        EXPECT_FALSE(ParseHelpKeywords(html).isEmpty()) << file.toStdString();
    }
    EXPECT_EQ(HelpTopicPage(4), "");
    EXPECT_EQ(WindowHelpContext("frmNothing"), 0);
}

TEST(HelpPages, ContentsListsEveryPageAndLinksResolve)
{
    const QList<HelpEntry> contents = ParseHelpContents(page("index.html"));
    ASSERT_GE(contents.size(), 10);
    QStringList files;
    for (const HelpEntry &e : contents) {
        EXPECT_FALSE(e.title.isEmpty());
        files << e.page;
    }
    for (int n : HelpContextNumbers())
        EXPECT_TRUE(files.contains(HelpTopicPage(n).section(u'#', 0, 0))) << n;
    // Each index term is listed by one page only.
    QStringList terms;
    files.removeDuplicates();
    for (const QString &f : files)
        for (const QString &term : ParseHelpKeywords(page(f.section(u'#', 0, 0)))) {
            const QString title = term.section(u'|', 0, 0).trimmed().toLower();
            EXPECT_FALSE(terms.contains(title)) << title.toStdString() << " again in " << f.toStdString();
            terms << title;
        }
    // Every link between pages leads to a page that exists.
    for (const QString &f : files)
        for (const HelpEntry &link : ParseHelpContents(page(f)))
            EXPECT_FALSE(page(link.page.section(u'#', 0, 0)).isEmpty()) << f.toStdString() << " -> "
                                                                         << link.page.toStdString();
}

TEST(HelpPages, ParsersReadLinksKeywordsAndTitles)
{
    const QString html = "<html><head><title> A &amp; B </title><meta name=\"keywords\" content=\"one; two|x;; \">"
                         "</head><body><a href=\"p.html#q\">The <b>P</b></a> <a href=\"https://e.org\">out</a></body></html>";
    EXPECT_EQ(ParseHelpTitle(html), "A & B");
    EXPECT_EQ(ParseHelpKeywords(html), QStringList({"one", "two|x"}));
    const QList<HelpEntry> links = ParseHelpContents(html);
    ASSERT_EQ(links.size(), 1);
    EXPECT_EQ(links[0].page, "p.html#q");
    EXPECT_EQ(links[0].title, "The P");
    EXPECT_TRUE(ParseHelpKeywords("<html></html>").isEmpty());
}

TEST(HelpWindow, ContentsIndexTopicsBackAndForward)
{
    HelpBrowser help;
    const QString file = "qrc:/help/index.html";
    EXPECT_FALSE(help.showContents("qrc:/help/missing.html"));
    ASSERT_TRUE(help.showContents(file));
    QPointer<frmHelp> w = help.window();
    ASSERT_TRUE(w);
    auto *tabs = w->findChild<QTabWidget *>("tabNav");
    auto *contents = w->findChild<QListWidget *>("lstContents");
    auto *browser = w->findChild<QTextBrowser *>("txtPage");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(contents->count(), ParseHelpContents(page("index.html")).size());
    // Every entry shows whole.
    for (int i = 0; i < contents->count(); ++i)
        EXPECT_LT(contents->fontMetrics().horizontalAdvance(contents->item(i)->text()), contents->viewport()->width())
            << contents->item(i)->text().toStdString();
    EXPECT_TRUE(browser->source().toString().endsWith("index.html"));

    ASSERT_TRUE(help.showTopic(file, 3010));
    EXPECT_EQ(browser->source().toString(), "qrc:/help/burden.html#anderson");
    EXPECT_TRUE(browser->toPlainText().contains("Anderson"));
    EXPECT_FALSE(help.showTopic(file, 12345));

    ASSERT_TRUE(help.showIndex(file));
    EXPECT_EQ(help.window(), w.data()); // one window
    EXPECT_EQ(tabs->currentIndex(), 1);
    auto *filter = w->findChild<QLineEdit *>("txtIndex");
    auto *index = w->findChild<QListWidget *>("lstIndex");
    const int all = index->count();
    QStringList terms; // each term once
    for (int i = 0; i < all; ++i) {
        EXPECT_FALSE(terms.contains(index->item(i)->text(), Qt::CaseInsensitive)) << index->item(i)->text().toStdString();
        terms << index->item(i)->text();
    }
    filter->setText("scaled dist");
    ASSERT_GT(index->count(), 0);
    EXPECT_LT(index->count(), all);
    for (int i = 0; i < index->count(); ++i)
        EXPECT_TRUE(index->item(i)->text().contains("scaled dist", Qt::CaseInsensitive));
    index->setCurrentRow(0);
    emit index->itemActivated(index->item(0));
    EXPECT_EQ(browser->source().toString(), "qrc:/help/vibration.html#scaled");

    browser->backward();
    EXPECT_EQ(browser->source().toString(), "qrc:/help/burden.html#anderson");
    browser->forward();
    EXPECT_EQ(browser->source().toString(), "qrc:/help/vibration.html#scaled");

    help.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
}

TEST(HelpMenu, ItemsReachTheViewerManualVideosAndAbout)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    const QString helpFile = appState().HelpFile;
    EXPECT_EQ(helpFile, "qrc:/help/index.html");
    EXPECT_EQ(GetHelpFile(2), helpFile);
    EXPECT_EQ(GetHelpFile(3), "");
    for (int i : {0, 1, 2, 4, 6, 10})
        EXPECT_TRUE(w->findChild<QAction *>(QStringLiteral("mnuHelpItem_%1").arg(i))->isEnabled()) << i;
    fakeMessageBox().boxes.clear(); // the disclaimer of the start

    w->findChild<QAction *>("mnuHelpItem_0")->trigger();
    w->findChild<QAction *>("mnuHelpItem_1")->trigger();
    EXPECT_EQ(fakeHelpViewer().topics, QStringList({"contents:" + helpFile, "index:" + helpFile}));
    w->mnuHelpItem_Click(3); // a separator does nothing
    w->mnuHelpItem_Click(11);
    EXPECT_EQ(fakeHelpViewer().topics.size(), 2);
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());

    // The manual and the videos lie in the program folder, whatever the current folder.
    QDir::setCurrent(testHome());
    w->findChild<QAction *>("mnuHelpItem_2")->trigger();
    w->findChild<QAction *>("mnuVideosItem_1")->trigger();
    EXPECT_EQ(boxTexts(), QStringList({"Help file (Korvendo.PDF) not available", "File not available: DuzIro2.mpeg"}));
    const QString manual = writeFile(paths().AppPath + "Korvendo.PDF", "%PDF");
    const QString video = writeFile(paths().AppPath + "DuzIro3.mpeg", "x");
    fakeMessageBox().boxes.clear();
    w->findChild<QAction *>("mnuHelpItem_2")->trigger();
    w->findChild<QAction *>("mnuVideosItem_2")->trigger();
    EXPECT_EQ(fakeOpener().documents, QStringList({manual, video}));
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    fakeOpener().result = false;
    w->findChild<QAction *>("mnuHelpItem_2")->trigger();
    w->findChild<QAction *>("mnuVideosItem_2")->trigger();
    EXPECT_EQ(boxTexts(), QStringList({"Operation Failed", "Operation Failed"}));

    fakeMessageBox().boxes.clear();
    w->findChild<QAction *>("mnuHelpItem_10")->trigger();
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    const RecordedBox about = fakeMessageBox().boxes[0];
    EXPECT_EQ(about.buttons, 64);
    EXPECT_EQ(about.title, "About the  Program");
    EXPECT_TRUE(about.text.startsWith("Tessolan Primer\r\n\nVersion: " + GetVersionString(1) + "\r\n\n"));
    EXPECT_TRUE(about.text.contains("Revision Date: 20-Oct-2022\r\n\n"));
    EXPECT_TRUE(about.text.contains("This program was originally created by:\r\n   "));
    EXPECT_TRUE(about.text.endsWith("\r\n") && about.text.contains("Development of Tessolan Primer:\r\n   "));
    EXPECT_FALSE(about.text.contains("Windows"));

    // The help window closes with the program.
    w->close();
    EXPECT_EQ(fakeHelpViewer().closes, 1);
}

TEST(HelpMenu, TheDesktopOpenerReportsWhetherTheManualOpened)
{
    // The real opener runs an xdg-open stand-in found first on PATH: exit 3 is the
    // desktop's "no method available", exit 0 an opened file.
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    services().opener = std::make_unique<DesktopOpener>();
    const QString manual = writeFile(paths().AppPath + "Korvendo.PDF", "%PDF");
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ':' + path);
    const QString opener = bin.path() + "/xdg-open", asked = bin.path() + "/asked";
    const struct { int exitCode; QStringList boxes; } cases[] = {{3, {"Operation Failed"}}, {0, {}}};
    for (const auto &c : cases) {
        writeFile(opener, QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n").arg(asked).arg(c.exitCode).toUtf8());
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        fakeMessageBox().boxes.clear();
        w->findChild<QAction *>("mnuHelpItem_2")->trigger();
        EXPECT_EQ(boxTexts(), c.boxes) << c.exitCode;
        EXPECT_EQ(readFile(asked), manual.toUtf8());
    }
    qputenv("PATH", path);
    w->close();
}

TEST(HelpMenu, F1InTheDesignWindowOpensItsTopic)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    whileModal(
        [](QDialog *dlg) {
            EXPECT_EQ(dlg->objectName(), "frmBlastDesign");
            QWidget *target = dlg->focusWidget() ? dlg->focusWidget() : dlg;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
            QApplication::sendEvent(target, &press);
        },
        [&] { w->findChild<QAction *>("mnuEditItem_2")->trigger(); });
    EXPECT_EQ(fakeHelpViewer().topics, QStringList({"qrc:/help/index.html#2100"}));
    w->close();
}

TEST(HelpMenu, F1OnAMenuItemOpensItsTopic)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    const struct {
        QAction *item;
        const char *topic; // "" : none
    } cases[] = {
        {w->findChild<QAction *>("mnuFileItem_2"), "qrc:/help/index.html#1300"},
        {w->findChild<QAction *>("mnuUtilItem_3"), "qrc:/help/index.html#4400"},
        {w->findChild<QAction *>("mnuHelpItem_8"), "qrc:/help/index.html#5000"},
        {w->findChild<QAction *>("mnuEditItem_0"), ""}, // an item without a topic
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.item->objectName().toStdString());
        fakeHelpViewer().topics.clear();
        QMenu *menu = qobject_cast<QMenu *>(c.item->parent());
        ASSERT_TRUE(menu);
        menu->popup(QPoint(10, 10));
        menu->setActiveAction(c.item);
        // The menu takes F1 for itself (no shortcut fires) only where it has a topic.
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier);
        override.ignore();
        QApplication::sendEvent(menu, &override);
        EXPECT_EQ(override.isAccepted(), !QString(c.topic).isEmpty());
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(menu, &press);
        EXPECT_EQ(fakeHelpViewer().topics, QString(c.topic).isEmpty() ? QStringList() : QStringList({c.topic}));
        menu->close();
    }
    w->close();
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
        EXPECT_TRUE(text.contains(ParseHelpTitle(page(e.page.section(u'#', 0, 0))))) << e.page.toStdString();
    EXPECT_TRUE(text.contains("B = d × Kb / 12"));
}

TEST(ResourceWindow, ButtonsOpenTheirDocumentsOrReportThem)
{
    StartCoreForTest();
    // Every document the window names ships with the program.
    for (const QString &f : ResourceFiles)
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(PRIMER_SOURCE_DIR "/packaging/") + f)) << f.toStdString();

    frmResource dlg;
    std::array<QPushButton *, 7> buttons{};
    for (int i = 0; i < 7; ++i) {
        buttons[i] = dlg.findChild<QPushButton *>(QStringLiteral("cmdView_%1").arg(i));
        ASSERT_TRUE(buttons[i]);
        EXPECT_EQ(buttons[i]->text(), ResourceTitles[i]);
        EXPECT_TRUE(buttons[i]->isEnabled());
    }
    buttons[3]->click();
    const QString missing = paths().AppPath + ResourceFiles[3];
    EXPECT_EQ(boxTexts(), QStringList({"Resource file (" + missing + ") not available"}));
    EXPECT_TRUE(fakeOpener().documents.isEmpty());

    for (int i = 0; i < 7; ++i)
        writeFile(paths().AppPath + ResourceFiles[i], "<html></html>");
    fakeMessageBox().boxes.clear();
    for (QPushButton *b : buttons)
        b->click();
    ASSERT_EQ(fakeOpener().documents.size(), 7);
    EXPECT_EQ(fakeOpener().documents[6], paths().AppPath + ResourceFiles[6]);
    fakeOpener().result = false;
    buttons[0]->click();
    EXPECT_EQ(boxTexts(), QStringList({"Operation Failed"}));

    // An entry without a file name cannot be clicked.
    std::array<QString, 7> files = ResourceFiles;
    files[2].clear();
    frmResource partial(nullptr, ResourceTitles, files);
    EXPECT_FALSE(partial.findChild<QPushButton *>("cmdView_2")->isEnabled());
    EXPECT_TRUE(partial.findChild<QPushButton *>("cmdView_1")->isEnabled());
}

TEST(ResourceWindow, HelpMenuOpensIt)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    QString seen;
    whileModal([&](QDialog *dlg) { seen = dlg->objectName() + "|" + dlg->windowTitle(); },
               [&] { w->findChild<QAction *>("mnuHelpItem_4")->trigger(); });
    EXPECT_EQ(seen, "frmResource|View Resource Files");
    w->close();
}
