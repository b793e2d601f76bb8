// The main window, driven through its menus and toolbar: captions, file commands with
// their prompts and dialogs, recent files, printing, the history pane and start-up
// files.

#include "TestSupport.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/ProjectFile.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QString iniPath() { return fakeFolders().documentsDir + "/MyKorvendo/Korvendo.INI"; }
QString projects() { return testHome() + "/projects"; }

// Writes the first settings file with some values changed, before the program starts.
void presetSettings(const QList<std::tuple<QString, QString, QString>> &values)
{
    StartCoreForTest();
    for (const auto &[section, key, value] : values)
        WriteINI(section, key, value, iniPath());
    ResetProgramState();
    historyLog().setText(QString());
}

// A project file with the given title, written without the window.
QString writeProject(const QString &name, const QString &title)
{
    QDir().mkpath(projects());
    const ProjectState before = project();
    const ProjectFlags flagsBefore = flags();
    ResetProjectDefaults(kTrue, kTrue);
    project().ProjectTitle = title;
    project().CurrentFile = projects() + "/" + name;
    SaveProjectFile();
    const QString path = project().CurrentFile;
    project() = before;
    flags() = flagsBefore;
    return path;
}

QStringList boxTexts()
{
    QStringList out;
    for (const RecordedBox &b : fakeMessageBox().boxes)
        out << b.text;
    return out;
}

class MainWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (w) {
            flags().ProjectSaved = kTrue;
            w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmMain *start(const QStringList &args = {})
    {
        w = StartProgram(args, testHome());
        fakeMessageBox().boxes.clear();
        return w;
    }
    QAction *act(const QString &name) const { return w->findChild<QAction *>(name); }
    void click(const QString &name) const
    {
        QAction *a = act(name);
        ASSERT_TRUE(a) << name.toStdString();
        ASSERT_TRUE(a->isEnabled()) << name.toStdString();
        a->trigger();
    }
    // Marks the project changed, as a confirmed input window does.
    void edit(const QString &title) const
    {
        project().ProjectTitle = title;
        MarkProjectChanged();
    }

    QPointer<frmMain> w;
};

} // namespace

TEST_F(MainWindow, MenusToolbarAndPictures)
{
    start();
    const struct {
        const char *name;
        const char *caption;
        const char *shortcut;
        bool enabled;
    } items[] = {
        {"mnuFile", "&File", "", true},
        {"mnuFileItem_0", "&New", "Ctrl+N", true},
        {"mnuFileItem_1", "&Open...", "Ctrl+O", true},
        {"mnuFileItem_2", "&Save", "Ctrl+S", true},
        {"mnuFileItem_3", "&Save As...", "", true},
        {"mnuFileItem_5", "&Printer Setup...", "", true},
        {"mnuFileItem_6", "&Print", "", true},
        {"mnuFileItem_7", "&Print Preview...", "Ctrl+P", false},
        {"mnuFileItem_9", "&Browse...", "Ctrl+B", false},
        {"mnuFileItem_11", "&Exit", "", true},
        {"mnuEdit", "&Input", "", true},
        {"mnuEditItem_0", "Project Description", "", false},
        {"mnuEditItem_1", "Burden Calculations", "", true},
        {"mnuEditItem_2", "Blast Calculations", "", true},
        {"mnuEditItem_3", "Vibrations", "", true},
        {"mnuFortioItem_0", "Empirical Equation by Anderson", "", true},
        {"mnuFortioItem_6", "Empirical Equation by Jimeno", "", false},
        {"mnuDonisiItem_0", "Vibration Control", "", false},
        {"mnuDonisiItem_1", "Vibration Calculations", "", false},
        {"mnuVideos", "Videos", "", true},
        {"mnuVideosItem_2", "Video 3", "", false},
        {"mnuUtil", "&Utilities", "", true},
        {"mnuUtilItem_0", "Settings", "", false},
        {"mnuUtilItem_3", "File Conversion", "", true},
        {"mnuUtilItem_5", "Clear History Window", "", true},
        {"mnuUtilItem_6", "Close History Window", "", true},
        {"mnuUtilItem_7", "Copy History Window", "", true},
        {"mnuHelp", "&Help", "", true},
        {"mnuHelpItem_0", "Contents", "F1", false},
        {"mnuHelpItem_6", "Disclaimer", "", true},
        {"mnuHelpItem_10", "About the Program", "", false},
    };
    for (const auto &i : items) {
        SCOPED_TRACE(i.name);
        QAction *a = act(i.name);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->text(), QString::fromUtf8(i.caption));
        EXPECT_EQ(a->shortcut().toString(), QString::fromLatin1(i.shortcut));
        EXPECT_EQ(a->isEnabled(), i.enabled);
    }
    for (const char *sep : {"mnuFileItem_4", "mnuFileItem_8", "mnuFileItem_10", "mnuUtilItem_4", "mnuHelpItem_3",
                            "mnuHelpItem_5", "mnuHelpItem_7", "mnuHelpItem_9"})
        EXPECT_TRUE(act(sep)->isSeparator()) << sep;
    const QStringList top = {"&File", "&Input", "Videos", "&Utilities", "&Help"};
    QStringList shownTop;
    for (QAction *a : w->menuBar()->actions())
        shownTop << a->text();
    EXPECT_EQ(shownTop, top);

    const char *const tips[] = {"Open Data File", "Save Data File", "Print Data File", "Edit Description",
                                "Blast Calculations"};
    for (int i = 1; i <= 5; ++i) {
        QAction *b = act(QStringLiteral("Toolbar1_%1").arg(i));
        ASSERT_TRUE(b);
        EXPECT_EQ(b->toolTip(), tips[i - 1]);
        EXPECT_FALSE(b->icon().pixmap(24, 24).isNull());
        EXPECT_EQ(b->isEnabled(), i != 4); // the description dialog is not built yet
    }
    EXPECT_FALSE(w->Picture1->pixmap().isNull());
    EXPECT_EQ(w->Picture1->size(), QSize(695, 571));
    EXPECT_EQ(w->lblver->text(), QStringLiteral("%1.%2.%3 ").arg(VersionMajor()).arg(VersionMinor()).arg(VersionRevision(), 2, 10, QLatin1Char('0')));
    EXPECT_EQ(w->txtMain->height(), 80);
    EXPECT_EQ(w->txtMain->y() + w->txtMain->height(), w->centralWidget()->height());
}

TEST_F(MainWindow, GreekCaptions)
{
    presetSettings({{"BlastOptions", "EnglishMenus", "0"}});
    start();
    const struct {
        const char *name;
        const char *caption;
    } items[] = {
        {"mnuFile", "Αρχείο"},
        {"mnuEdit", "Δεδομένα"},
        {"mnuUtil", "Εργαλεία"},
        {"mnuHelp", "Βοήθεια"},
        {"mnuVideos", "Videos"},
        {"mnuVideosItem_0", "Video 1"},
        {"mnuFileItem_5", "Ρύθμιση Εκτύπωτη"},
        {"mnuFileItem_7", "Προεπισκόπιση Εκτύπωσης..."},
        {"mnuEditItem_0", "Περιγραφή "},
        {"mnuEditItem_2", "Υπολογισμός Παραμέτρων Ανατίναξης"},
        {"mnuFortioItem_4", "Εμπειρική Εξίσωση του Langefors"},
        {"mnuDonisiItem_0", "Έλεγχος Δονήσεων"},
        {"mnuUtilItem_6", "Κλείσιμο Ιστορικού"},
        {"mnuHelpItem_8", "Ανανέωση Προγράμματος"},
    };
    for (const auto &i : items)
        EXPECT_EQ(act(i.name)->text(), QString::fromUtf8(i.caption)) << i.name;
    EXPECT_EQ(act("mnuFileItem_0")->shortcut().toString(), "Ctrl+N");

    // The pane toggle uses the language too.
    click("mnuUtilItem_6");
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Επαναφορά Ιστορικού");
}

TEST_F(MainWindow, SaveUntitledAsksForANameThenSavesAtOnce)
{
    presetSettings({{"Settings", "DataPath", projects()}});
    QDir().mkpath(projects());
    start();
    edit("Bench 4");
    const QString path = projects() + "/bench4.KVD";
    fakeFileDialog().script(path);
    click("mnuFileItem_2");

    ASSERT_EQ(fakeFileDialog().requests.size(), 1);
    const FileDialogRequest &r = fakeFileDialog().requests[0];
    EXPECT_TRUE(r.save);
    EXPECT_TRUE(r.confirmOverwrite);
    EXPECT_EQ(r.fileName, "Untitled");
    EXPECT_EQ(r.initialDir, projects());
    EXPECT_EQ(r.filters, (QStringList{"All Files (*)", " Files (*.KVD *.kvd)"}));
    EXPECT_EQ(r.filterIndex, 2);
    EXPECT_EQ(r.defaultSuffix, "KVD");

    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(project().CurrentFile, path);
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + path);
    EXPECT_TRUE(w->txtMain->toPlainText().contains("Saving: " + path));
    EXPECT_EQ(recentFiles().LastFileLong[1], path);
    EXPECT_TRUE(act("mnuFileArray_1")->isVisible());
    EXPECT_TRUE(act("mnuFileArray_0")->isVisible());
    EXPECT_EQ(act("mnuFileArray_1")->text(), path);

    // Named now: Save writes without a dialog; the caption loses its "*".
    edit("Bench 4b");
    w->SetFormCaption();
    EXPECT_TRUE(w->windowTitle().endsWith('*'));
    click("mnuFileItem_2");
    EXPECT_EQ(fakeFileDialog().requests.size(), 1);
    EXPECT_TRUE(QString::fromUtf8(readFile(path)).contains("\r\nBench 4b\r\n"));
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + path);
}

TEST_F(MainWindow, CancelledDialogsKeepTheProjectName)
{
    start();
    const QString path = writeProject("named.kvd", "Named");
    project().CurrentFile = path;
    // Save As cancelled: the name keeps its folder, so the next Save goes to the same file.
    fakeFileDialog().script(std::nullopt);
    click("mnuFileItem_3");
    EXPECT_EQ(fakeFileDialog().requests.at(0).fileName, "named.kvd");
    EXPECT_EQ(project().CurrentFile, path);
    // Open cancelled: nothing is loaded and the name stays.
    fakeFileDialog().script(std::nullopt);
    click("mnuFileItem_1");
    EXPECT_EQ(project().CurrentFile, path);
    EXPECT_FALSE(w->txtMain->toPlainText().contains("Opening:"));
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty()); // a cancel is silent
    EXPECT_FALSE(fakeFileDialog().requests.at(1).save);
    EXPECT_TRUE(fakeFileDialog().requests.at(1).mustExist);
}

TEST_F(MainWindow, OpenLoadsListsAndNamesTheProject)
{
    start();
    const QString path = writeProject("quarry.kvd", "Quarry");
    fakeFileDialog().script(path);
    click("mnuFileItem_1");
    EXPECT_EQ(project().ProjectTitle, "Quarry");
    EXPECT_EQ(project().CurrentFile, path);
    EXPECT_EQ(flags().FileEmpty, kFalse);
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + path);
    EXPECT_TRUE(w->txtMain->toPlainText().contains("Opening: " + path));
    EXPECT_EQ(act("mnuFileArray_1")->text(), path);
    EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", iniPath()), path);

    // The recent-file item opens it again (after New).
    click("mnuFileItem_0");
    EXPECT_EQ(project().ProjectTitle, "");
    EXPECT_EQ(w->windowTitle(), "Korvendo: Untitled");
    click("mnuFileArray_1");
    EXPECT_EQ(project().ProjectTitle, "Quarry");
    EXPECT_EQ(project().PreviousFile, "Untitled");
}

TEST_F(MainWindow, OpenAsksAboutUnsavedWork)
{
    start();
    const QString other = writeProject("other.kvd", "Other");
    const struct {
        const char *name;
        int answer;
        std::optional<QString> saveAs; // the Save As dialog's answer after Yes
        bool opened;
    } cases[] = {
        {"No opens without saving", mb::No, std::nullopt, true},
        {"Yes with the Save As cancelled does not open", mb::Yes, std::nullopt, false},
        {"Yes with a name saves, then opens", mb::Yes, projects() + "/kept.kvd", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        w->FileNew(kTrue, kTrue);
        edit("Work in progress");
        fakeMessageBox().boxes.clear();
        fakeMessageBox().script(c.answer);
        fakeFileDialog().script(other);
        if (c.answer == mb::Yes)
            fakeFileDialog().script(c.saveAs);
        click("mnuFileItem_1");
        ASSERT_GE(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(fakeMessageBox().boxes[0].text, "Save changes to: Untitled?");
        EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::YesNo | mb::Question | mb::DefaultButton2);
        if (c.opened) {
            EXPECT_EQ(project().ProjectTitle, "Other");
            EXPECT_EQ(project().CurrentFile, other);
        } else {
            EXPECT_EQ(project().ProjectTitle, "Work in progress");
            EXPECT_EQ(project().CurrentFile, "Untitled");
            EXPECT_EQ(flags().ProjectSaved, kFalse);
        }
        if (c.saveAs) {
            ASSERT_TRUE(QFile::exists(*c.saveAs));
            EXPECT_TRUE(QString::fromUtf8(readFile(*c.saveAs)).contains("\r\nWork in progress\r\n"));
        }
    }
}

TEST_F(MainWindow, RejectedAndMissingFilesNameNoFile)
{
    start();
    QDir().mkpath(projects());
    const QString bogus = writeFile(projects() + "/notes.kvd", "just some notes\r\n");
    fakeFileDialog().script(bogus);
    click("mnuFileItem_1");
    EXPECT_EQ(boxTexts(), QStringList{"Invalid File Type"});
    EXPECT_EQ(project().CurrentFile, "Untitled");
    EXPECT_EQ(w->windowTitle(), "Korvendo: Untitled");
    EXPECT_EQ(recentFiles().MaxLastFiles, 0);
    // The next Save asks for a name instead of writing over the notes.
    edit("x");
    fakeFileDialog().script(std::nullopt);
    click("mnuFileItem_2");
    EXPECT_TRUE(fakeFileDialog().requests.last().save);
    EXPECT_EQ(readFile(bogus), QByteArray("just some notes\r\n"));

    // A recent file that has gone: the error tail reports it, the program runs on.
    flags().ProjectSaved = kTrue;
    recentFiles().MaxLastFiles = 1;
    recentFiles().LastFile[1] = "gone.kvd";
    recentFiles().LastFileLong[1] = projects() + "/gone.kvd";
    fakeMessageBox().boxes.clear();
    fakeMessageBox().script(mb::Cancel);
    w->mnuFileArray_Click(1);
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, "Error occurred: File not found (53)");
    EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::RetryCancel);
    EXPECT_EQ(project().CurrentFile, "Untitled");
    EXPECT_TRUE(w->isVisible());
    // Retry opens the file named in the list again, not "Untitled".
    fakeMessageBox().boxes.clear();
    fakeMessageBox().script(mb::Retry);
    fakeMessageBox().script(mb::Cancel);
    w->mnuFileArray_Click(1);
    EXPECT_EQ(fakeMessageBox().boxes.size(), 2);
    EXPECT_EQ(w->txtMain->toPlainText().count("Opening: " + projects() + "/gone.kvd"), 3);
}

TEST_F(MainWindow, FailedSaveIsReportedAndNotMarkedSaved)
{
    start();
    edit("Unsaved");
    project().CurrentFile = testHome() + "/removed/site.kvd";
    click("mnuFileItem_2");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, "Error occurred: Path not found (76). Procedure Terminated");
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    EXPECT_EQ(recentFiles().MaxLastFiles, 0);
    EXPECT_NE(w->windowTitle(), "Korvendo: " + project().CurrentFile);
}

TEST_F(MainWindow, NewAsksAboutUnsavedWork)
{
    start();
    const QString path = writeProject("site.kvd", "Site");
    const struct {
        const char *name;
        int answer;
        bool reset;
        bool saved;
    } cases[] = {
        {"Cancel keeps the work", mb::Cancel, false, false},
        {"No discards it", mb::No, true, false},
        {"Yes saves it first", mb::Yes, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        project().CurrentFile = path;
        edit(QString("Changed %1").arg(c.answer));
        fakeMessageBox().boxes.clear();
        fakeMessageBox().script(c.answer);
        click("mnuFileItem_0");
        ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(fakeMessageBox().boxes[0].text, "Save changes to: " + path + "?");
        EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::YesNoCancel | mb::Question);
        EXPECT_EQ(project().CurrentFile, c.reset ? QString("Untitled") : path);
        EXPECT_EQ(QString::fromUtf8(readFile(path)).contains(QString("Changed %1").arg(c.answer)), c.saved);
    }
    // Nothing unsaved: no question.
    fakeMessageBox().boxes.clear();
    click("mnuFileItem_0");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
}

TEST_F(MainWindow, ClosePromptAndShutdown)
{
    start();
    edit("Unsaved");
    // Yes, then the Save As dialog cancelled: the window stays.
    fakeMessageBox().script(mb::Yes);
    fakeFileDialog().script(std::nullopt);
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(fakeMessageBox().boxes.at(0).text, "Save changes to: Untitled?");
    EXPECT_EQ(fakeMessageBox().boxes.at(0).title, "Tessolan Primer");

    // Yes with a name: saved, listed, the list written, and the window closes.
    QDir().mkpath(projects());
    const QString path = projects() + "/last.kvd";
    fakeMessageBox().script(mb::Yes);
    fakeFileDialog().script(path);
    click("mnuFileItem_11");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", iniPath()), path);
    EXPECT_EQ(fakeHelpViewer().closes, 1);
}

TEST_F(MainWindow, HistoryPaneCommands)
{
    start();
    LogMessage("something to copy");
    click("mnuUtilItem_7");
    EXPECT_EQ(fakeClipboard().text(), historyLog().text());
    EXPECT_TRUE(fakeClipboard().text().contains("something to copy\r\n"));

    click("mnuUtilItem_6");
    EXPECT_TRUE(w->txtMain->isHidden());
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Restore History &Window");
    EXPECT_FALSE(act("mnuUtilItem_7")->isEnabled());
    EXPECT_TRUE(act("mnuUtilItem_5")->isEnabled());
    fakeClipboard().setText("before");
    w->mnuUtilItem_Click(7);
    EXPECT_EQ(fakeClipboard().text(), "before");

    click("mnuUtilItem_6");
    EXPECT_FALSE(w->txtMain->isHidden());
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Close History &Window");
    EXPECT_TRUE(act("mnuUtilItem_7")->isEnabled());

    click("mnuUtilItem_5");
    EXPECT_EQ(w->txtMain->toPlainText(), "");
    LogMessage("after clearing");
    EXPECT_TRUE(w->txtMain->toPlainText().endsWith(". after clearing"));

    click("mnuUtilItem_3");
    EXPECT_EQ(boxTexts(), QStringList{"Option not ready yet"});
    EXPECT_TRUE(w->txtMain->toPlainText().endsWith("Message: Option not ready yet"));
}

TEST_F(MainWindow, HiddenHistoryPaneFromTheSettings)
{
    presetSettings({{"Settings", "DisplayHistoryWin", "0"}, {"Settings", "EnableMainMenuToolbar", "0"}});
    start();
    EXPECT_TRUE(w->txtMain->isHidden());
    EXPECT_TRUE(w->Toolbar1->isHidden());
    for (int i : {5, 6, 7})
        EXPECT_FALSE(act(QStringLiteral("mnuUtilItem_%1").arg(i))->isEnabled());
}

TEST_F(MainWindow, PrintSendsPageZero)
{
    start();
    // A new project asks first; No prints nothing.
    fakeMessageBox().script(mb::No);
    click("mnuFileItem_6");
    EXPECT_EQ(boxTexts(), QStringList{"Current file is empty. Continue?"});
    EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::YesNo | mb::Question | mb::DefaultButton2);
    EXPECT_TRUE(fakePrinter().documents.isEmpty());

    fakeMessageBox().script(mb::Yes);
    click("mnuFileItem_6");
    ASSERT_EQ(fakePrinter().documents.size(), 1);
    QStringList printed;
    for (const PrintedText &t : fakePrinter().documents[0].pages[0])
        printed << t.text;
    EXPECT_TRUE(printed.contains("[PROJECT TITLE]"));
    EXPECT_TRUE(printed.contains("[Parameters for equation by Jimeno]"));
    EXPECT_TRUE(printed.contains("Page: 1"));

    // An opened project prints without asking.
    const QString path = writeProject("p.kvd", "P");
    fakeFileDialog().script(path);
    click("mnuFileItem_1");
    fakeMessageBox().boxes.clear();
    click("mnuFileItem_6");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    EXPECT_EQ(fakePrinter().documents.size(), 2);

    // No printer: the error offers Retry and Cancel; Cancel goes on without printing.
    fakePrinter().available = false;
    fakeMessageBox().script(mb::Cancel);
    fakeMessageBox().script(mb::Cancel);
    click("mnuFileItem_6");
    ASSERT_FALSE(fakeMessageBox().boxes.isEmpty());
    EXPECT_EQ(fakeMessageBox().boxes[0].text, "Error occurred: Printer error (482)");
    EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::RetryCancel);
    EXPECT_EQ(fakePrinter().documents.size(), 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindow, ToolbarButtonsAndPrinterSetup)
{
    start();
    click("Toolbar1_3");
    EXPECT_EQ(fakeFileDialog().printerSetups, 1);
    EXPECT_TRUE(fakePrinter().documents.isEmpty());
    fakeFileDialog().printerSetupResult = false;
    click("mnuFileItem_5");
    EXPECT_EQ(fakeFileDialog().printerSetups, 2);
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty()); // cancel is silent

    fakeFileDialog().script(std::nullopt);
    click("Toolbar1_1");
    EXPECT_FALSE(fakeFileDialog().requests.at(0).save);
    edit("t");
    fakeFileDialog().script(std::nullopt);
    click("Toolbar1_2");
    EXPECT_TRUE(fakeFileDialog().requests.at(1).save);
}

TEST_F(MainWindow, LaterWindowsConnectThroughSetWindowOpener)
{
    start();
    QStringList opened;
    w->setWindowOpener(w->mnuEditItem[0], [&] { opened << "description"; });
    w->setWindowOpener(w->mnuEditItem[2], [&] { opened << "design"; });
    w->setWindowOpener(w->mnuFortioItem[3], [&] { opened << "konya"; });
    w->setWindowOpener(w->mnuFileItem[7], [&] { opened << "preview:" + reportPages().OutBuf[0].left(15); });
    w->setWindowOpener(w->mnuUtilItem[1], [&] {
        opened << "options";
        settings().EnglishMenus = 0;
    });
    EXPECT_TRUE(act("Toolbar1_4")->isEnabled());
    EXPECT_TRUE(act("Toolbar1_5")->isEnabled());
    click("Toolbar1_4");
    click("mnuEditItem_2");
    click("Toolbar1_5");
    click("mnuFortioItem_3");
    fakeMessageBox().script(mb::Yes);
    click("mnuFileItem_7");
    click("mnuUtilItem_1");
    EXPECT_EQ(opened, (QStringList{"description", "design", "design", "konya", "preview:Korvendo module", "options"}));
    EXPECT_EQ(boxTexts(), QStringList{"Current file is empty. Continue?"});
    // Options re-applies the captions in the language chosen there.
    EXPECT_EQ(act("mnuFile")->text(), "Αρχείο");

    // An error inside a window reaches the menu's error tail.
    w->setWindowOpener(w->mnuDonisiItem[0], [] { throw RuntimeError(err::Overflow); });
    fakeMessageBox().boxes.clear();
    click("mnuDonisiItem_0");
    EXPECT_EQ(boxTexts(), QStringList{"Error occurred: Overflow (6). Procedure Terminated"});
}

TEST_F(MainWindow, DisclaimerFromTheHelpMenu)
{
    start();
    click("mnuHelpItem_6");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].title, "Disclaimer");
}

TEST_F(MainWindow, StartupOpensTheRecentFileThenTheCommandLineFile)
{
    // Two project files written beforehand.
    StartCoreForTest();
    const QString recent = writeProject("recent.kvd", "Recent");
    const QString named = writeProject("named file.kvd", "Named");
    presetSettings({{"Settings", "LoadLastInputFile", "1"},
                    {"Settings", "ShowDisclaim", "0"},
                    {"FileMenu", "MaxLastFiles", "1"},
                    {"FileMenu", "LastFile1", "recent.kvd"},
                    {"FileMenu", "LastFileMode1", "1"},
                    {"FileMenu", "LastFileLong1", recent}});
    // The command line holds the name with its blank, in quotes, as two arguments.
    start({"\"" + named.left(named.indexOf(" file.kvd")), "file.kvd\""});
    const QString pane = w->txtMain->toPlainText();
    EXPECT_LT(pane.indexOf("Opening: " + recent), pane.indexOf("Opening: " + named));
    EXPECT_EQ(project().ProjectTitle, "Named");
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + named);
    EXPECT_TRUE(act("mnuFileArray_0")->isVisible());
    EXPECT_EQ(act("mnuFileArray_1")->text(), named);
    EXPECT_EQ(act("mnuFileArray_2")->text(), recent);
}

TEST_F(MainWindow, StartupWithAFileThatCannotBeOpenedRunsOn)
{
    presetSettings({{"Settings", "ShowDisclaim", "0"}});
    fakeMessageBox().script(mb::Cancel);
    w = StartProgram({testHome() + "/missing.kvd"}, testHome());
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(boxTexts(), QStringList{"Error occurred: File not found (53)"});
    EXPECT_EQ(project().CurrentFile, "Untitled");
    EXPECT_EQ(project().ProjectTitle, "");
    EXPECT_EQ(flags().ProjectSaved, kTrue);
}
