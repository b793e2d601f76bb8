// Program updates against a local HTTPS server: the download routine, the update window
// and the check at start-up.

#include "UpdateServer.h"
#include "WindowDriver.h"
#include "calculators/BurdenCalculators.h"
#include "core/Messages.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/QtDownloader.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "shell/frmUpdate.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QByteArray setupBytes(int size = 40000)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char(i * 7 + i / 13);
    return b;
}

void trustTestServer() { services().downloader = std::make_unique<QtDownloader>(QList{UpdateServer::certificate()}); }

struct Outcome {
    bool done = false;
    DownloadResult result;
};

// Runs one download to its end.
Outcome download(const DownloadRequest &request)
{
    Outcome o;
    auto job = services().downloader->start(request, nullptr, [&](const DownloadResult &r) {
        o.done = true;
        o.result = r;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return o.done; }, 15000));
    return o;
}

QStringList downloads() { return QDir(fakeFolders().downloadsDir).entryList(QDir::Files); }
} // namespace

TEST(Download, OnlyAWholeVerifiedHttpsBodyIsKept)
{
    UpdateServer server;
    const QByteArray setup = setupBytes();
    server.serve("good.exe", {200, setup});
    server.serve("short.exe", {200, setup.left(20000), 40000});
    server.serve("error.exe", {500, setup});
    server.serve("accepted.exe", {202, setup});
    server.serve("silent.exe", {200, {}, -1, true});
    const QString dest = fakeFolders().downloadsDir + "/Setup.exe";
    writeFile(dest, "the previous file");

    for (const QStringList &c : testTable("shell/downloads.tsv")) {
        SCOPED_TRACE(c[0].toStdString());
        if (c[3] == "1")
            trustTestServer();
        else
            services().downloader = std::make_unique<QtDownloader>(); // the system's authorities only
        QString sha = c[2].isEmpty() ? QString() : Sha256Hex(c[2].toLower() == "setup" ? setup : c[2].toLatin1());
        if (c[2] == "SETUP")
            sha = sha.toUpper();
        const Outcome o = download({c[1].arg(server.port()), dest, -1, sha, 500});
        EXPECT_EQ(o.result.ok, c[4] == "1");
        // A failure keeps the previous file as it was and leaves nothing beside it.
        EXPECT_EQ(readFile(dest), c[4] == "1" ? setup : QByteArray("the previous file"));
        EXPECT_EQ(downloads(), QStringList({"Setup.exe"}));
    }
    EXPECT_EQ(server.requests.count("good.exe"), 3); // the http address was never asked (nor the untrusted one)
}

// A body kept in memory may reach its limit, not pass it.
TEST(Download, MemoryLimit)
{
    UpdateServer server;
    trustTestServer();
    server.serve("m.txt", {200, "2208,abc\r\n"});
    server.serve("big.txt", {200, QByteArray(5000, '1')});
    const Outcome memory = download({server.baseUrl() + "m.txt", {}, 10, {}});
    EXPECT_TRUE(memory.result.ok);
    EXPECT_EQ(memory.result.body, "2208,abc\r\n");
    const Outcome big = download({server.baseUrl() + "big.txt", {}, 4999, {}});
    EXPECT_FALSE(big.result.ok);
    EXPECT_TRUE(big.result.tooLarge);
}

class UpdateWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        trustTestServer();
        appState().DownloadBaseURL = server.baseUrl();
        current = GetVersionString(0);
        newer = QString::number(current.toInt() + 1);
        setupFile = "Korvendo" + newer + ".exe";
    }
    // The server offers the newer version, whose setup is 'served' bytes; the manifest
    // holds the checksum of the true setup.
    void serveNewer(const QByteArray &served = setupBytes())
    {
        server.serve("korvendo_version.txt", {200, Manifest(newer, setupBytes())});
        server.serve(setupFile, {200, served});
    }
    // Clicks a button and waits until the window is idle again.
    void clickAndWait(frmUpdate &w, const char *button)
    {
        bool finished = false;
        auto c = QObject::connect(&w, &frmUpdate::finished, [&] { finished = true; });
        Click(&w, button);
        EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 15000));
        QObject::disconnect(c);
    }
    static bool enabled(frmUpdate &w, const char *button) { return Child<QPushButton>(&w, button)->isEnabled(); }

    UpdateServer server;
    QString current, newer, setupFile;
};

TEST_F(UpdateWindow, ChecksReportVersionsAndFailures)
{
    for (const QStringList &c : testTable("shell/update-checks.tsv")) {
        SCOPED_TRACE(c[0].toStdString());
        QString manifest = c[2];
        manifest.replace("%1", current).replace("%2", Sha256Hex("x")).replace("%3", QString(2000, u'2'));
        server.serve("korvendo_version.txt", {c[1].toInt(), manifest.replace("\\r\\n", "\r\n").toLatin1()});
        fakeMessageBox().boxes.clear();
        historyLog().setText(QString());
        frmUpdate w;
        clickAndWait(w, "cmdCheck");
        EXPECT_EQ(historyLog().text().contains("Message: " + c[4]), c[5] == "1");
        const QString label = Child<QLabel>(&w, "lblLastVer")->text();
        if (c[3].isEmpty())
            EXPECT_TRUE(label.startsWith("Server Version: ")) << label.toStdString();
        else
            EXPECT_EQ(label, c[3]);
        EXPECT_EQ(MessageTexts(), c[4].isEmpty() ? QStringList() : QStringList({c[4]}));
        EXPECT_FALSE(enabled(w, "cmdDownUpdate"));
        EXPECT_FALSE(enabled(w, "cmdInstall"));
    }
    // Nothing of the manifest is left in the temporary folder.
    EXPECT_FALSE(QFile::exists(fakeFolders().tempDir + "/korvendo_version.txt"));
}

TEST_F(UpdateWindow, NewerVersionDownloadsIntoDownloadsAndInstallsOnlyWhatItVerified)
{
    serveNewer();
    fakeClock().instant = QDateTime(QDate(2022, 10, 20), QTime(9, 0));
    int saves = 0, closes = 0; // the program's offers to save its work, and its closings
    frmUpdate w(nullptr, {[&] { return ++saves > 0; }, [&] { ++closes; }});
    EXPECT_TRUE(Child<QLabel>(&w, "lblUpdate")->text().startsWith("This version was released 0 days ago. "));
    EXPECT_EQ(Child<QLabel>(&w, "lblInfo")->text(),
              "Current Program Version: " + GetVersionString(1) + "\nCurrent Revision Date: 20-Oct-2022");

    fakeMessageBox().script(mb::Yes); // "A new version is available. Download?"
    clickAndWait(w, "cmdCheck");
    const QString path = fakeFolders().downloadsDir + "/" + setupFile;
    EXPECT_EQ(MessageTexts(), QStringList({"A new version is available. Download?", "Download completed. Program at: " + path}));
    EXPECT_EQ(readFile(path), setupBytes());
    EXPECT_TRUE(enabled(w, "cmdInstall"));
    EXPECT_EQ(Child<QLabel>(&w, "lblbytes")->text(), "40000");

    // A file changed after its download is not installed.
    writeFile(path, "tampered");
    fakeMessageBox().boxes.clear();
    Click(&w, "cmdInstall");
    EXPECT_EQ(MessageTexts(), QStringList({"Operation Failed"}));
    EXPECT_TRUE(fakeOpener().documents.isEmpty());
    EXPECT_FALSE(enabled(w, "cmdInstall"));

    // Download again by the button, then install: the opener gets the verified file.
    clickAndWait(w, "cmdDownUpdate");
    EXPECT_EQ(readFile(path), setupBytes());
    // A setup that cannot be opened keeps the program, naming the file and the reason.
    w.show();
    fakeOpener().outcome.result = OpenOutcome::FileMissing;
    fakeMessageBox().boxes.clear();
    Click(&w, "cmdInstall");
    EXPECT_EQ(MessageTexts(), QStringList({"Operation Failed\r\n\r\n" + path + "\r\nThe file was not found."}));
    EXPECT_TRUE(w.isVisible());
    // While the opener waits the window stays and a second click asks nothing and starts
    // nothing; once the setup runs the window and the program close.
    fakeOpener().outcome = {};
    fakeOpener().hold = true;
    Click(&w, "cmdInstall");
    Click(&w, "cmdInstall");
    EXPECT_EQ(fakeOpener().documents, QStringList({path, path}));
    EXPECT_EQ(saves, 2);
    EXPECT_TRUE(w.isVisible());
    fakeOpener().deliverHeld();
    EXPECT_TRUE(QTest::qWaitFor([&] { return closes == 1; }, 1000));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(MessageTexts().size(), 1);
}

// The web page's link opens in the desktop's browser; a failure names the address and
// the reason, in the menus' language.
TEST_F(UpdateWindow, TheWebLinkOpensThePageOrSaysWhyNot)
{
    frmUpdate w;
    w.show();
    auto *link = Child<QLabel>(&w, "lblURL");
    ClickAt(link, {2, 2});
    EXPECT_EQ(fakeOpener().urls, QStringList({appState().HomePageURL}));
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    fakeOpener().outcome.result = OpenOutcome::NoViewer;
    settings().EnglishMenus = 0;
    ClickAt(link, {2, 2});
    EXPECT_EQ(MessageTexts(), QStringList({"Δεν ήταν δυνατό να ανοιχτεί: " + appState().HomePageURL
                                           + "\r\n\r\nΔεν έχει οριστεί πρόγραμμα για το άνοιγμα αυτού του είδους αρχείων."}));
}

// A setup that fails its checksum, or has no downloads folder to go to, is not kept.
TEST_F(UpdateWindow, BadDownloadsKeepNothingAndClosingCancels)
{
    const QString folder = fakeFolders().downloadsDir;
    for (const bool noFolder : {true, false}) {
        SCOPED_TRACE(noFolder ? "no downloads folder" : "wrong checksum");
        serveNewer(noFolder ? setupBytes() : setupBytes(39000));
        fakeFolders().downloadsDir = noFolder ? QString() : folder;
        fakeMessageBox().boxes.clear();
        fakeMessageBox().script(mb::Yes);
        frmUpdate w;
        w.show();
        clickAndWait(w, "cmdCheck");
        EXPECT_EQ(MessageTexts(), QStringList({"A new version is available. Download?"}));
        EXPECT_EQ(server.requests.count(setupFile), noFolder ? 0 : 1);
        EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
        EXPECT_FALSE(enabled(w, "cmdInstall"));
        if (noFolder)
            continue;
        EXPECT_TRUE(enabled(w, "cmdDownUpdate"));

        // While a download runs nothing else starts; closing the window ends it.
        server.serve(setupFile, {200, {}, -1, true});
        Click(&w, "cmdDownUpdate");
        EXPECT_TRUE(w.busy());
        for (const char *b : {"cmdCheck", "cmdDownUpdate", "cmdInstall", "Command1"})
            EXPECT_FALSE(enabled(w, b)) << b;
        Child<QCheckBox>(&w, "chkShow")->setChecked(true);
        w.close();
        EXPECT_FALSE(w.busy());
        QTest::qWait(100);
        EXPECT_TRUE(downloads().isEmpty());
        EXPECT_EQ(settings().RemindAnnualUpdates, 0);
    }
}

class StartupUpdate : public UpdateWindow {
protected:
    // The program starts with unsaved work and checks the server given.
    QPointer<frmMain> startChecking(const QString &url)
    {
        ResetProgramState();
        QPointer<frmMain> w = StartProgram({}, testHome());
        appState().DownloadBaseURL = url;
        flags().ProjectSaved = kFalse;
        fakeMessageBox().boxes.clear();
        return w;
    }
    // Holds a dialog of the main window open until 'until' holds and a while longer;
    // 'atEnd' runs just before it closes.
    static void holdDialogOpen(QWidget *parent, const std::function<bool()> &until, const std::function<void()> &atEnd)
    {
        QDialog dlg(parent);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &dlg, [&] {
            if (!until())
                return;
            poll.stop();
            QTimer::singleShot(600, &dlg, [&] {
                atEnd();
                dlg.reject();
            });
        });
        poll.start(20);
        QTimer::singleShot(15000, &dlg, &QDialog::reject);
        dlg.exec();
    }
    QString path() const { return fakeFolders().downloadsDir + "/" + setupFile; }
    // Help > Program Updates downloads the setup and installs it, the work answered as
    // given, the desktop's opener holding its answer back; then 'whileWaiting' runs in the
    // window (by default it is closed, and goes, while the opener waits).
    void installFromTheHelpMenu(
        frmMain *w, int saveAnswer,
        const std::function<void(QDialog *)> &whileWaiting = [](QDialog *dlg) { Click(dlg, "Command1"); })
    {
        fakeOpener().hold = true;
        fakeMessageBox().script(mb::Yes); // download
        fakeMessageBox().script(mb::Ok);  // its end
        fakeMessageBox().script(saveAnswer);
        QPointer<frmUpdate> update;
        DriveDialog(Child<QAction>(w, "mnuHelpItem_8"), [&](QDialog *dlg) {
            update = qobject_cast<frmUpdate *>(dlg);
            clickAndWait(*update, "cmdCheck");
            Click(dlg, "cmdInstall");
            whileWaiting(dlg);
        });
        EXPECT_FALSE(update);
        EXPECT_EQ(fakeOpener().documents.value(fakeOpener().documents.size() - 1), path());
    }
    // The program with unsaved work in a named file, and no check at start.
    QPointer<frmMain> startWithoutCheck()
    {
        serveNewer();
        settings().RemindAnnualUpdates = 0;
        SaveDefaultSettings(2);
        QPointer<frmMain> w = startChecking(server.baseUrl());
        project().CurrentFile = testHome() + "/work.KVD";
        return w;
    }
};

// With no server answering, the start asks nothing and runs on.
TEST_F(StartupUpdate, NoServerAsksNothing)
{
    QTcpServer probe; // a port with nothing listening
    probe.listen(QHostAddress::LocalHost, 0);
    const QString nobody = QStringLiteral("https://127.0.0.1:%1/").arg(probe.serverPort());
    probe.close();
    QPointer<frmMain> w = startChecking(nobody);
    ASSERT_TRUE(w);
    QTest::qWait(500);
    EXPECT_FALSE(historyLog().text().contains("Server/Current: "));
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    EXPECT_TRUE(w->isVisible());
    flags().ProjectSaved = kTrue;
    w->close();
}

// The question waits for a window opened before the server's answer; Yes downloads the
// setup; the install waits for a window the user opened during the download, then the
// program saves the work, hands the setup over and ends.
TEST_F(StartupUpdate, YesDownloadsWaitsForOpenWindowsSavesHandsOverAndEnds)
{
    serveNewer();
    QPointer<frmMain> w = startChecking(server.baseUrl());
    ASSERT_TRUE(w);
    project().CurrentFile = testHome() + "/work.KVD";
    fakeMessageBox().script(mb::Yes); // download and install
    // A window opened as the download starts (once the question is answered).
    QStringList whileOpen;
    fakeMessageBox().onShow = [&](const RecordedBox &) {
        if (fakeMessageBox().boxes.size() == 1)
            QTimer::singleShot(0, w, [&] {
                holdDialogOpen(
                    w, [] { return fakeMessageBox().boxes.size() >= 2; },
                    [&] {
                        whileOpen = MessageTexts() + fakeOpener().documents;
                        fakeMessageBox().script(mb::Ok);  // the close announcement
                        fakeMessageBox().script(mb::Yes); // save changes
                    });
            });
    };
    // A window opened at once, before the server's answer.
    qsizetype beforeAnswer = -1;
    holdDialogOpen(
        w, [] { return historyLog().text().contains("Server/Current: "); },
        [&] { beforeAnswer = fakeMessageBox().boxes.size(); });
    EXPECT_EQ(beforeAnswer, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w; }, 15000));
    EXPECT_EQ(whileOpen.size(), 2); // the question and the download's end; nothing handed over
    EXPECT_TRUE(historyLog().text().contains("Server/Current: " + newer + "/" + current));
    EXPECT_EQ(MessageTexts(), QStringList({testDataText("shell/update-question-en.txt"),
                                           "Download completed. Program at: " + path(),
                                           testDataText("shell/update-closes-en.txt"),
                                           "Save changes to: " + testHome() + "/work.KVD?"}));
    EXPECT_EQ(fakeOpener().documents, QStringList({path()}));
    EXPECT_TRUE(QFile::exists(testHome() + "/work.KVD"));
}

// Asked in Greek; Cancel at the save prompt keeps the program and installs nothing.
TEST_F(StartupUpdate, CancelAtTheSavePromptKeepsTheProgram)
{
    serveNewer();
    QPointer<frmMain> w = startChecking(server.baseUrl());
    ASSERT_TRUE(w);
    settings().EnglishMenus = 0;
    fakeMessageBox().script(mb::Yes);
    fakeMessageBox().script(mb::Ok);
    fakeMessageBox().script(mb::Cancel);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fakeMessageBox().boxes.size() >= 4; }, 15000));
    QTest::qWait(200);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, testDataText("shell/update-question-el.txt"));
    EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::YesNoCancel | mb::Question);
    EXPECT_TRUE(w);
    EXPECT_TRUE(fakeOpener().documents.isEmpty());
    w->close(); // the prompt again: No ends it
}

// Work discarded at Install, then changed while the desktop starts the setup: the change
// is asked about before the end, and Cancel keeps the program (the setup runs on). A
// second install, the desktop answering while the window is open: the window closes and
// the program ends, the work discarded at the question.
TEST_F(StartupUpdate, AChangeWhileTheSetupStartsIsAskedAboutAgain)
{
    QPointer<frmMain> w = startWithoutCheck();
    ASSERT_TRUE(w);
    installFromTheHelpMenu(w, mb::No); // unsaved work at Install: discarded
    EXPECT_EQ(MessageTexts().last(), "Save changes to: " + testHome() + "/work.KVD?");
    DriveDialog(Child<QAction>(w, "mnuFortioItem_0"), [](QDialog *dlg) { Click(dlg, "btnOk"); });
    fakeMessageBox().boxes.clear();
    fakeMessageBox().script(mb::Cancel);
    fakeOpener().deliverHeld();
    ASSERT_TRUE(QTest::qWaitFor([] { return !fakeMessageBox().boxes.isEmpty(); }, 2000));
    QTest::qWait(300);
    EXPECT_EQ(MessageTexts(), QStringList({"Save changes to: " + testHome() + "/work.KVD?"}));
    ASSERT_TRUE(w && w->isVisible());

    bool closed = false;
    installFromTheHelpMenu(w, mb::No, [&](QDialog *dlg) {
        fakeOpener().deliverHeld();
        // The window closes at once; the program ends once the window's loop is through.
        QTest::qWait(300);
        closed = !dlg->isVisible() && w;
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w; }, 2000));
    EXPECT_EQ(fakeOpener().documents.size(), 2);
    EXPECT_EQ(MessageTexts().size(), 4); // the Cancel, then download, its end, save
    EXPECT_FALSE(QFile::exists(testHome() + "/work.KVD"));
}

// The desktop answers while a calculator's check message is open: the end waits for the
// message and the calculator, and deletes nothing under them; nothing changed since the
// question at Install, so nothing is asked again.
TEST_F(StartupUpdate, TheEndWaitsForAMessageOpenInACalculator)
{
    QPointer<frmMain> w = startWithoutCheck();
    ASSERT_TRUE(w);
    installFromTheHelpMenu(w, mb::Yes); // unsaved work at Install: saved
    bool outlived = false;
    static QPointer<QObject> held; // what the hook holds stays while it runs, though it clears itself
    auto holder = std::make_shared<QObject>();
    held = holder.get();
    fakeMessageBox().onShow = [&, holder = std::move(holder)](const RecordedBox &) {
        fakeMessageBox().onShow = nullptr;
        EXPECT_TRUE(held);
        // The message's own loop, a window of the calculator, while the desktop answers.
        QDialog message(QApplication::activeModalWidget());
        QTimer::singleShot(0, &message, [] { fakeOpener().deliverHeld(); });
        QTimer::singleShot(500, &message, [&] {
            outlived = w && LoadedCalculator(5);
            message.reject();
        });
        message.exec();
    };
    fakeMessageBox().boxes.clear();
    DriveDialog(Child<QAction>(w, "mnuFortioItem_5"), [&](QDialog *dlg) {
        retype(Child<QLineEdit>(dlg, "txtSyntelestis"), "0");
        EXPECT_TRUE(outlived);
        QTest::qWait(300);
        EXPECT_TRUE(w && LoadedCalculator(5));
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w; }, 2000));
    EXPECT_EQ(MessageTexts().size(), 1); // the check's
    EXPECT_TRUE(QFile::exists(testHome() + "/work.KVD"));
}
