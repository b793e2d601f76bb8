// Program updates against a local HTTPS server: the download routine, the update window
// and the check at start-up.

#include "TestSupport.h"
#include "UpdateServer.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/QtDownloader.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "shell/frmUpdate.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
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
    QList<std::pair<int, qint64>> progress;
};

// Runs one download to its end.
Outcome download(DownloadRequest request)
{
    Outcome o;
    auto job = services().downloader->start(
        request, [&](int chunks, qint64 bytes) { o.progress.append({chunks, bytes}); },
        [&](const DownloadResult &r) {
            o.done = true;
            o.result = r;
        });
    EXPECT_TRUE(WaitFor([&] { return o.done; }, 15000));
    return o;
}

QStringList boxTexts()
{
    QStringList out;
    for (const RecordedBox &b : fakeMessageBox().boxes)
        out << b.text;
    return out;
}

QString downloaded(const char *name) { return fakeFolders().downloadsDir + "/" + name; }

template <class T> T *child(QWidget *w, const char *name) { return w->findChild<T *>(QLatin1String(name)); }
} // namespace

TEST(Download, OnlyAWholeVerifiedHttpsBodyIsKept)
{
    UpdateServer server;
    trustTestServer();
    const QByteArray setup = setupBytes();
    server.serve("good.exe", {200, setup});
    server.serve("short.exe", {200, setup.left(20000), 40000});
    server.serve("error.exe", {500, setup});
    server.serve("silent.exe", {200, {}, -1, true});
    const QString dest = downloaded("Setup.exe");
    writeFile(dest, "the previous file");

    const struct {
        const char *name;
        QString url;
        QString sha;
        bool ok;
    } cases[] = {
        {"wrong checksum", server.baseUrl() + "good.exe", Sha256Hex("other"), false},
        {"short body", server.baseUrl() + "short.exe", Sha256Hex(setup), false},
        {"missing", server.baseUrl() + "nothing.exe", Sha256Hex(setup), false},
        {"server error", server.baseUrl() + "error.exe", Sha256Hex(setup), false},
        {"plain http", QStringLiteral("http://127.0.0.1:%1/good.exe").arg(server.port()), Sha256Hex(setup), false},
        {"silent server", server.baseUrl() + "silent.exe", QString(), false},
        {"good", server.baseUrl() + "good.exe", Sha256Hex(setup), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DownloadRequest r;
        r.url = c.url;
        r.localFile = dest;
        r.sha256 = c.sha;
        r.idleTimeoutMs = 500;
        const Outcome o = download(r);
        EXPECT_EQ(o.result.ok, c.ok);
        // A failure keeps the previous file as it was and leaves nothing beside it.
        EXPECT_EQ(readFile(dest), c.ok ? setup : QByteArray("the previous file"));
        EXPECT_EQ(QDir(fakeFolders().downloadsDir).entryList(QDir::Files), QStringList({"Setup.exe"}));
        if (c.ok) {
            ASSERT_FALSE(o.progress.isEmpty());
            EXPECT_EQ(o.progress.last().second, setup.size());
            qint64 before = 0;
            for (int i = 0; i < o.progress.size(); ++i) {
                EXPECT_EQ(o.progress[i].first, i + 1);
                EXPECT_LE(o.progress[i].second - before, 16384);
                before = o.progress[i].second;
            }
            EXPECT_GE(o.progress.size(), 3);
        }
    }
    EXPECT_EQ(server.requests.count("good.exe"), 2); // the http address was never asked
}

TEST(Download, UntrustedCertificateTooLargeMemoryAndCancel)
{
    UpdateServer server;
    server.serve("m.txt", {200, "2208,abc\r\n"});
    server.serve("big.txt", {200, QByteArray(5000, '1')});
    DownloadRequest r;
    r.url = server.baseUrl() + "m.txt";
    r.maxBytes = 1024;

    services().downloader = std::make_unique<QtDownloader>(); // the system's authorities only
    EXPECT_FALSE(download(r).result.ok);

    trustTestServer();
    const Outcome memory = download(r);
    EXPECT_TRUE(memory.result.ok);
    EXPECT_EQ(memory.result.body, "2208,abc\r\n");
    r.url = server.baseUrl() + "big.txt";
    const Outcome big = download(r);
    EXPECT_FALSE(big.result.ok);
    EXPECT_TRUE(big.result.tooLarge);

    // A download dropped before its end reports nothing and keeps nothing.
    server.serve("slow.exe", {200, {}, -1, true});
    DownloadRequest slow;
    slow.url = server.baseUrl() + "slow.exe";
    slow.localFile = downloaded("slow.exe");
    bool called = false;
    auto job = services().downloader->start(slow, nullptr, [&](const DownloadResult &) { called = true; });
    WaitFor([&] { return server.requests.contains("slow.exe"); }, 5000);
    job.reset();
    WaitFor([] { return false; }, 200);
    EXPECT_FALSE(called);
    EXPECT_TRUE(QDir(fakeFolders().downloadsDir).entryList(QDir::Files).isEmpty());
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
    }
    // Clicks a button and waits until the window is idle again.
    void clickAndWait(frmUpdate &w, const char *button)
    {
        bool finished = false;
        auto c = QObject::connect(&w, &frmUpdate::finished, [&] { finished = true; });
        child<QPushButton>(&w, button)->click();
        EXPECT_TRUE(WaitFor([&] { return finished; }, 15000));
        QObject::disconnect(c);
    }
    UpdateServer server;
    QString current, newer;
};

TEST_F(UpdateWindow, ChecksReportVersionsAndFailures)
{
    const struct {
        const char *name;
        Reply manifest;
        const char *label;    // "" : the server line
        const char *message;  // "" : none
        bool logged;          // the message is also in the history
        bool counted;         // lblbytes shows the manifest's length
    } cases[] = {
        {"same version", {200, Manifest(current, "x")}, "", "Program is up to date", false, true},
        {"older", {200, Manifest("0999", "x")}, "", "Program is up to date", false, true},
        {"no checksum", {200, current.toLatin1() + "\r\n"}, "Version Available: ",
         "Invalid information for new version. Check with developer.", true, true},
        {"too large", {200, QByteArray(2000, '2')}, "Version Available: ",
         "Invalid information for new version. Check with developer.", true, false},
        {"not found", {404, "x"}, "Internet Connection Failed", "", false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        server.serve("korvendo_version.txt", c.manifest);
        fakeMessageBox().boxes.clear();
        historyLog().setText(QString());
        frmUpdate w;
        clickAndWait(w, "cmdCheck");
        if (c.counted) {
            EXPECT_EQ(child<QLabel>(&w, "lblbytes")->text(), QString::number(c.manifest.body.size()));
        }
        EXPECT_EQ(historyLog().text().contains("Message: " + QString(c.message)), c.logged)
            << historyLog().text().toStdString();
        const QString label = child<QLabel>(&w, "lblLastVer")->text();
        if (QString(c.label).isEmpty())
            EXPECT_TRUE(label.startsWith("Server Version: ")) << label.toStdString();
        else
            EXPECT_EQ(label, c.label);
        EXPECT_EQ(boxTexts(), QString(c.message).isEmpty() ? QStringList() : QStringList({c.message}));
        EXPECT_FALSE(child<QPushButton>(&w, "cmdDownUpdate")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(&w, "cmdInstall")->isEnabled());
    }
    // Nothing of the manifest is left in the temporary folder.
    EXPECT_FALSE(QFile::exists(fakeFolders().tempDir + "/korvendo_version.txt"));
}

TEST_F(UpdateWindow, NewerVersionDownloadsIntoDownloadsAndInstallsOnlyWhatItVerified)
{
    const QByteArray setup = setupBytes();
    server.serve("korvendo_version.txt", {200, Manifest(newer, setup)});
    server.serve("Korvendo" + newer + ".exe", {200, setup});
    fakeClock().instant = QDateTime(QDate(2022, 10, 20), QTime(9, 0));
    frmUpdate w;
    EXPECT_TRUE(child<QLabel>(&w, "lblUpdate")->text().startsWith("This version was released 0 days ago. "));
    EXPECT_EQ(child<QLabel>(&w, "lblInfo")->text(),
              "Current Program Version: " + GetVersionString(1) + "\nCurrent Revision Date: 20-Oct-2022");

    // Install before any download: the window has no file of its own.
    child<QPushButton>(&w, "cmdInstall")->setEnabled(true);
    child<QPushButton>(&w, "cmdInstall")->click();
    EXPECT_EQ(boxTexts(), QStringList({"Update file: " + fakeFolders().downloadsDir + "/ not found"}));
    fakeMessageBox().boxes.clear();

    fakeMessageBox().script(mb::Yes); // "A new version is available. Download?"
    clickAndWait(w, "cmdCheck");
    const QString path = downloaded(qPrintable("Korvendo" + newer + ".exe"));
    EXPECT_EQ(boxTexts(), QStringList({"A new version is available. Download?", "Download completed. Program at: " + path}));
    EXPECT_EQ(readFile(path), setup);
    EXPECT_TRUE(child<QPushButton>(&w, "cmdInstall")->isEnabled());
    EXPECT_EQ(child<QLabel>(&w, "lblbytes")->text(), QString::number(setup.size()));

    // A file changed after its download is not installed.
    writeFile(path, "tampered");
    fakeMessageBox().boxes.clear();
    child<QPushButton>(&w, "cmdInstall")->click();
    EXPECT_EQ(boxTexts(), QStringList({"Operation Failed"}));
    EXPECT_TRUE(fakeOpener().documents.isEmpty());
    EXPECT_FALSE(child<QPushButton>(&w, "cmdInstall")->isEnabled());

    // Download again by the button, then install: the opener gets the verified file.
    clickAndWait(w, "cmdDownUpdate");
    EXPECT_EQ(readFile(path), setup);
    fakeOpener().result = false;
    fakeMessageBox().boxes.clear();
    child<QPushButton>(&w, "cmdInstall")->click();
    EXPECT_EQ(boxTexts(), QStringList({"Operation Failed"}));
    fakeOpener().result = true;
    child<QPushButton>(&w, "cmdInstall")->click();
    EXPECT_EQ(fakeOpener().documents.last(), path);
}

TEST_F(UpdateWindow, BadDownloadsKeepNothingAndClosingCancels)
{
    const QByteArray setup = setupBytes();
    server.serve("korvendo_version.txt", {200, Manifest(newer, setup)});
    server.serve("Korvendo" + newer + ".exe", {200, setupBytes(39000)});
    frmUpdate w;
    w.show();
    fakeMessageBox().script(mb::Yes);
    clickAndWait(w, "cmdCheck");
    EXPECT_EQ(boxTexts(), QStringList({"A new version is available. Download?"}));
    EXPECT_TRUE(QDir(fakeFolders().downloadsDir).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(child<QPushButton>(&w, "cmdInstall")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(&w, "cmdDownUpdate")->isEnabled());

    // While a download runs nothing else starts; closing the window ends it.
    server.serve("Korvendo" + newer + ".exe", {200, {}, -1, true});
    child<QPushButton>(&w, "cmdDownUpdate")->click();
    EXPECT_TRUE(w.busy());
    for (const char *b : {"cmdCheck", "cmdDownUpdate", "cmdInstall", "Command1"})
        EXPECT_FALSE(child<QPushButton>(&w, b)->isEnabled()) << b;
    child<QCheckBox>(&w, "chkShow")->setChecked(true);
    w.close();
    EXPECT_FALSE(w.busy());
    WaitFor([] { return false; }, 100);
    EXPECT_TRUE(QDir(fakeFolders().downloadsDir).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(settings().RemindAnnualUpdates, 0);
}

TEST_F(UpdateWindow, NoDownloadsFolderDownloadsNothing)
{
    const QByteArray setup = setupBytes();
    server.serve("korvendo_version.txt", {200, Manifest(newer, setup)});
    server.serve("Korvendo" + newer + ".exe", {200, setup});
    fakeFolders().downloadsDir.clear();
    frmUpdate w;
    fakeMessageBox().script(mb::Yes);
    clickAndWait(w, "cmdCheck");
    EXPECT_EQ(boxTexts(), QStringList({"A new version is available. Download?"}));
    EXPECT_FALSE(server.requests.contains("Korvendo" + newer + ".exe"));
    EXPECT_FALSE(QFile::exists("Korvendo" + newer + ".exe"));
    EXPECT_FALSE(child<QPushButton>(&w, "cmdInstall")->isEnabled());
}

TEST_F(UpdateWindow, TheWebAddressOpensOnAClickOverIt)
{
    frmUpdate w;
    w.show();
    QLabel *link = child<QLabel>(&w, "lblURL");
    EXPECT_EQ(link->text(), appState().HomePageURL);
    const struct {
        const char *name;
        QPoint release; // where the button comes up
        bool opened;
    } cases[] = {
        {"click", QPoint(2, 2), true},
        {"dragged off the label", QPoint(-20, link->height() + 20), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fakeOpener().urls.clear();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(link, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(c.release), link->mapToGlobal(QPointF(c.release)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link, &release);
        EXPECT_EQ(fakeOpener().urls, c.opened ? QStringList({appState().HomePageURL}) : QStringList());
    }
    // A desktop that cannot open it says so, naming the address.
    fakeOpener().result = false;
    fakeMessageBox().boxes.clear();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(link, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(link, &release);
    EXPECT_EQ(boxTexts(), QStringList({"Unable to open: " + appState().HomePageURL}));
}

class StartupUpdate : public UpdateWindow {
protected:
    // The server offers a newer version; the program starts with unsaved work.
    QPointer<frmMain> startWithNewerVersion()
    {
        const QByteArray setup = setupBytes();
        server.serve("korvendo_version.txt", {200, Manifest(newer, setup)});
        server.serve("Korvendo" + newer + ".exe", {200, setup});
        ResetProgramState();
        QPointer<frmMain> w = StartProgram({}, testHome());
        appState().DownloadBaseURL = server.baseUrl();
        flags().ProjectSaved = kFalse;
        fakeMessageBox().boxes.clear();
        return w;
    }
};

TEST_F(StartupUpdate, NoServerNothingShownAndMainWindowAtOnce)
{
    // A port with nothing listening.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    ResetProgramState();
    QPointer<frmMain> w = StartProgram({}, testHome());
    appState().DownloadBaseURL = QStringLiteral("https://127.0.0.1:%1/").arg(port);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    WaitFor([] { return false; }, 500);
    EXPECT_FALSE(historyLog().text().contains("Server/Current: "));
    EXPECT_TRUE(w->isVisible());
    w->close();
}

TEST_F(StartupUpdate, DisabledCheckAsksNothing)
{
    server.serve("korvendo_version.txt", {200, Manifest(current, "x")});
    ResetProgramState();
    StartCoreForTest();
    settings().RemindAnnualUpdates = 0;
    SaveDefaultSettings(2);
    ResetProgramState();
    QPointer<frmMain> w = StartProgram({}, testHome());
    appState().DownloadBaseURL = server.baseUrl();
    WaitFor([] { return false; }, 300);
    EXPECT_TRUE(server.requests.isEmpty());
    w->close();
}

TEST_F(StartupUpdate, YesDownloadsSavesHandsOverAndEnds)
{
    QPointer<frmMain> w = startWithNewerVersion();
    ASSERT_TRUE(w);
    project().CurrentFile = testHome() + "/work.KVD";
    fakeMessageBox().script(mb::Yes); // download and install
    fakeMessageBox().script(mb::Ok);  // the close announcement
    fakeMessageBox().script(mb::Yes); // save changes
    ASSERT_TRUE(WaitFor([&] { return !w; }, 15000));
    const QString path = downloaded(qPrintable("Korvendo" + newer + ".exe"));
    EXPECT_TRUE(historyLog().text().contains("Server/Current: " + newer + "/" + current));
    const QStringList texts = boxTexts();
    ASSERT_GE(texts.size(), 4);
    EXPECT_EQ(texts[0], "A new Korvendo version is available. \r\n\r\nNote that the desktop may ask you for permission "
                        "to download and install it. \r\n\r\nProceed with Download and Install?");
    EXPECT_EQ(texts[1], "Download completed. Program at: " + path);
    EXPECT_EQ(texts[2], "Korvendo will now close to install the new update. The desktop may ask you for permission "
                        "to install the new version. ");
    EXPECT_EQ(texts[3], "Save changes to: " + testHome() + "/work.KVD?");
    EXPECT_EQ(fakeOpener().documents, QStringList({path}));
    EXPECT_TRUE(QFile::exists(testHome() + "/work.KVD"));
}

TEST_F(StartupUpdate, TheQuestionWaitsForAnOpenDialog)
{
    QPointer<frmMain> w = startWithNewerVersion();
    ASSERT_TRUE(w);
    settings().EnglishMenus = 0; // asked in Greek
    fakeMessageBox().script(mb::No);
    // A window opened at once, before the server's answer: no question while it is open.
    qsizetype whileOpen = -1;
    {
        QDialog dlg(w);
        // Open until the server has answered, and a while longer.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &dlg, [&] {
            if (!historyLog().text().contains("Server/Current: "))
                return;
            poll.stop();
            QTimer::singleShot(600, &dlg, [&] {
                whileOpen = fakeMessageBox().boxes.size();
                dlg.reject();
            });
        });
        poll.start(20);
        QTimer::singleShot(15000, &dlg, &QDialog::reject);
        dlg.exec();
    }
    EXPECT_EQ(whileOpen, 0);
    EXPECT_TRUE(historyLog().text().contains("Server/Current: " + newer + "/" + current));
    ASSERT_TRUE(WaitFor([] { return !fakeMessageBox().boxes.isEmpty(); }, 5000));
    EXPECT_EQ(fakeMessageBox().boxes[0].text,
              "Υπάρχει νέα έκδοση του Korvendo. \r\n\r\nΣημειώστε ότι το περιβάλλον εργασίας μπορεί να σας ζητήσει "
              "άδεια για τη λήψη και την εγκατάστασή της. \r\n\r\nΝα γίνει λήψη και εγκατάσταση;");
    EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::YesNoCancel | mb::Question);
    w->close();
}

TEST_F(StartupUpdate, TheInstallWaitsForAWindowOpenedDuringTheDownload)
{
    QPointer<frmMain> w = startWithNewerVersion();
    ASSERT_TRUE(w);
    fakeMessageBox().script(mb::Yes); // download and install
    ASSERT_TRUE(WaitFor([] { return !fakeMessageBox().boxes.isEmpty(); }, 5000));
    // The user opens a window while the download runs: the program does not close under it.
    QStringList whileOpen;
    {
        QDialog dlg(w);
        // Open until the download has ended, and a while longer.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &dlg, [&] {
            if (fakeMessageBox().boxes.size() < 2)
                return;
            poll.stop();
            QTimer::singleShot(600, &dlg, [&] {
                whileOpen = boxTexts();
                dlg.reject();
            });
        });
        poll.start(20);
        QTimer::singleShot(15000, &dlg, &QDialog::reject);
        dlg.exec();
    }
    const QString path = downloaded(qPrintable("Korvendo" + newer + ".exe"));
    ASSERT_EQ(whileOpen.size(), 2);
    EXPECT_EQ(whileOpen[1], "Download completed. Program at: " + path);
    EXPECT_TRUE(fakeOpener().documents.isEmpty());
    fakeMessageBox().script(mb::Ok); // the close announcement
    fakeMessageBox().script(mb::No); // save changes: no
    ASSERT_TRUE(WaitFor([&] { return !w; }, 5000));
    EXPECT_EQ(fakeOpener().documents, QStringList({path}));
}

TEST_F(StartupUpdate, CancelAtTheSavePromptKeepsTheProgram)
{
    QPointer<frmMain> w = startWithNewerVersion();
    fakeMessageBox().script(mb::Yes);
    fakeMessageBox().script(mb::Ok);
    fakeMessageBox().script(mb::Cancel);
    ASSERT_TRUE(WaitFor([&] { return fakeMessageBox().boxes.size() >= 4; }, 15000));
    WaitFor([] { return false; }, 200);
    EXPECT_TRUE(w);
    EXPECT_TRUE(fakeOpener().documents.isEmpty());
    w->close(); // the prompt again: No ends it
}
