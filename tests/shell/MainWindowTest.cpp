// The main window, driven through its menus and toolbar: captions, file commands with
// their prompts and dialogs, printing, the history pane and start-up files.

#include "TestSupport.h"
#include "calculators/BurdenCalculators.h"
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
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

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

TEST_F(MainWindow, MenusAndToolbarInBothLanguages)
{
    start();
    const struct { const char *name, *english, *greek /* nullptr: not checked */, *shortcut; bool enabled; } items[] = {
        {"mnuFile", "&File", "Αρχείο", "", true},
        {"mnuFileItem_0", "&New", nullptr, "Ctrl+N", true},
        {"mnuFileItem_5", "&Printer Setup...", "Ρύθμιση Εκτύπωτη", "", true},
        {"mnuFileItem_7", "&Print Preview...", "Προεπισκόπιση Εκτύπωσης...", "Ctrl+P", true},
        {"mnuFileItem_9", "&Browse...", nullptr, "Ctrl+B", true},
        {"mnuEdit", "&Input", "Δεδομένα", "", true},
        {"mnuEditItem_0", "Project Description", "Περιγραφή ", "", true},
        {"mnuEditItem_2", "Blast Calculations", "Υπολογισμός Παραμέτρων Ανατίναξης", "", true},
        {"mnuFortioItem_4", "Empirical Equation by Langefors", "Εμπειρική Εξίσωση του Langefors", "", true},
        {"mnuDonisiItem_0", "Vibration Control", "Έλεγχος Δονήσεων", "", true},
        {"mnuVideosItem_0", "Video 1", "Video 1", "", true},
        {"mnuUtilItem_6", "Close History Window", "Κλείσιμο Ιστορικού", "", true},
        {"mnuHelpItem_0", "Contents", nullptr, "F1", true},
        {"mnuHelpItem_8", "Program Updates", "Ανανέωση Προγράμματος", "", true},
    };
    for (const auto &i : items) {
        SCOPED_TRACE(i.name);
        ASSERT_TRUE(act(i.name));
        EXPECT_EQ(act(i.name)->text(), QString::fromUtf8(i.english));
        EXPECT_EQ(act(i.name)->shortcut().toString(), QString::fromLatin1(i.shortcut));
        EXPECT_EQ(act(i.name)->isEnabled(), i.enabled);
    }
    QStringList top, tips;
    for (QAction *a : w->menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, (QStringList{"&File", "&Input", "Videos", "&Utilities", "&Help"}));
    for (int i = 1; i <= 5; ++i)
        tips << act(QStringLiteral("Toolbar1_%1").arg(i))->toolTip();
    EXPECT_EQ(tips, (QStringList{"Open Data File", "Save Data File", "Print Data File", "Edit Description",
                                 "Blast Calculations"}));

    // Options re-applies the captions in the language chosen there.
    w->setWindowOpener("mnuUtilItem_1", [] { settings().EnglishMenus = 0; });
    click("mnuUtilItem_1");
    for (const auto &i : items) {
        if (i.greek) {
            EXPECT_EQ(act(i.name)->text(), QString::fromUtf8(i.greek)) << i.name;
        }
    }
    EXPECT_EQ(act("mnuFileItem_0")->shortcut().toString(), "Ctrl+N");
    click("mnuUtilItem_6");
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Επαναφορά Ιστορικού");
    // Re-applying the captions keeps the toggle's caption true to the hidden pane.
    w->setWindowOpener("mnuUtilItem_1", [] { settings().EnglishMenus = 1; });
    click("mnuUtilItem_1");
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Restore History &Window");
    EXPECT_EQ(act("mnuFile")->text(), "&File");
}

TEST_F(MainWindow, SeparatorsArePlainLinesInBothLanguages)
{
    start();
    const QStringList expected{"mnuFileItem_4", "mnuFileItem_8", "mnuFileArray_0", "mnuFileItem_10", "mnuUtilItem_4",
                               "mnuHelpItem_3", "mnuHelpItem_5", "mnuHelpItem_7",  "mnuHelpItem_9"};
    for (const int16_t english : {1, 0}) {
        SCOPED_TRACE(english);
        w->setWindowOpener("mnuUtilItem_1", [english] { settings().EnglishMenus = english; });
        click("mnuUtilItem_1");
        QStringList separators;
        for (QMenu *menu :
             {w->findChild<QMenu *>("mnuFile"), w->findChild<QMenu *>("mnuUtil"), w->findChild<QMenu *>("mnuHelp")})
            for (QAction *a : menu->actions())
                if (a->isSeparator()) {
                    separators << a->objectName();
                    EXPECT_EQ(a->text(), "") << a->objectName().toStdString();
                }
        EXPECT_EQ(separators, expected);
    }
}

TEST_F(MainWindow, HiddenCalculatorsDoNotOutliveTheirProject)
{
    // A second project whose Anderson diameter is 9 inches.
    QDir().mkpath(projects());
    ResetProjectDefaults(kTrue, kTrue);
    project().AndersonDiam = 9;
    project().CurrentFile = projects() + "/nine.kvd";
    SaveProjectFile();
    const QString nine = project().CurrentFile;

    start();
    const struct { const char *command; const char *before, *after; } cases[] = {
        {"mnuFileItem_0", "10.95", "10.95"}, // New: loaded again from the new defaults
        {"mnuFileItem_1", "10.95", "16.43"}, // Open: from the opened file
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        w->FileNew(kTrue, kTrue);
        EXPECT_EQ(CalculatorResultText(0), c.before); // loaded hidden, as the design window does
        project().AndersonDiam = 1;                    // a loaded window is not loaded again ...
        EXPECT_EQ(CalculatorResultText(0), c.before);
        if (QString(c.command) == "mnuFileItem_1")
            fakeFileDialog().script(nine);
        click(c.command);
        EXPECT_EQ(LoadedCalculator(0), nullptr); // ... but a new project unloads it, storing nothing
        EXPECT_EQ(CalculatorResultText(0), c.after);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
    }
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
    EXPECT_TRUE(r.save && r.confirmOverwrite);
    EXPECT_EQ(r.fileName, "Untitled");
    EXPECT_EQ(r.initialDir, projects());
    EXPECT_EQ(r.filters, (QStringList{"All Files (*)", " Files (*.KVD *.kvd)"}));
    EXPECT_EQ(r.defaultSuffix, "KVD");
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + path);
    EXPECT_EQ(act("mnuFileArray_1")->text(), path);

    // Named now: Save writes without a dialog.
    edit("Bench 4b");
    click("mnuFileItem_2");
    EXPECT_EQ(fakeFileDialog().requests.size(), 1);
    EXPECT_TRUE(QString::fromUtf8(readFile(path)).contains("\r\nBench 4b\r\n"));
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + path);

    // A failed save is reported and leaves the project unsaved.
    edit("Unsaved");
    project().CurrentFile = testHome() + "/removed/site.kvd";
    click("mnuFileItem_2");
    EXPECT_EQ(boxTexts(), QStringList{"Error occurred: Path not found (76). Procedure Terminated"});
    EXPECT_EQ(flags().ProjectSaved, kFalse);
}

// Save As on a named project: the dialog offers the current name; a cancel changes
// nothing; a new name gets the work, the old file stays as it was.
TEST_F(MainWindow, SaveAsWritesTheNewFileAndLeavesTheOldOne)
{
    start();
    const QString old = writeProject("old.kvd", "Old"), renamed = projects() + "/renamed.kvd";
    const QByteArray oldBytes = readFile(old);
    fakeFileDialog().script(old);
    click("mnuFileItem_1");
    edit("Work after opening");

    // With no data folder set, the dialogs start in the program's documents folder.
    EXPECT_EQ(fakeFileDialog().requests[0].initialDir, fakeFolders().documentsDir + "/MyKorvendo");
    EXPECT_EQ(fakeFileDialog().requests[0].filterIndex, 2);
    fakeFileDialog().script(std::nullopt);
    click("mnuFileItem_3");
    ASSERT_EQ(fakeFileDialog().requests.size(), 2);
    EXPECT_EQ(fakeFileDialog().requests[1].initialDir, fakeFolders().documentsDir + "/MyKorvendo");
    EXPECT_TRUE(fakeFileDialog().requests[1].save && fakeFileDialog().requests[1].confirmOverwrite);
    EXPECT_EQ(fakeFileDialog().requests[1].fileName, "old.kvd");
    EXPECT_TRUE(boxTexts().isEmpty());
    EXPECT_EQ(project().CurrentFile, old);
    EXPECT_EQ(flags().ProjectSaved, kFalse);

    fakeFileDialog().script(renamed);
    click("mnuFileItem_3");
    ASSERT_EQ(fakeFileDialog().requests.size(), 3);
    EXPECT_EQ(fakeFileDialog().requests[2].fileName, "old.kvd");
    EXPECT_EQ(readFile(old), oldBytes);
    EXPECT_TRUE(QString::fromUtf8(readFile(renamed)).contains("\r\nWork after opening\r\n"));
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + renamed);
    EXPECT_EQ(act("mnuFileArray_1")->text(), renamed);
    EXPECT_EQ(act("mnuFileArray_2")->text(), old);
    EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", iniPath()), renamed);
}

// Four opened files are written to the settings file and come back, all four in
// the File menu, at the next start.
TEST_F(MainWindow, FourRecentFilesSurviveARestartAndOpenFromTheMenu)
{
    start();
    QStringList opened;
    for (int i = 1; i <= 4; ++i) {
        opened.prepend(writeProject(QStringLiteral("recent%1.kvd").arg(i), "R"));
        fakeFileDialog().script(opened.first());
        click("mnuFileItem_1");
    }
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(w.isNull());
    EXPECT_EQ(ReadINI("FileMenu", "MaxLastFiles", iniPath()), "4");

    ResetProgramState();
    start();
    EXPECT_EQ(recentFiles().MaxLastFiles, 4);
    QStringList shown;
    for (int i = 1; i <= 4; ++i) {
        QAction *a = act(QStringLiteral("mnuFileArray_%1").arg(i));
        ASSERT_TRUE(a);
        EXPECT_TRUE(a->isVisible()) << i;
        shown << a->text();
    }
    EXPECT_EQ(shown, opened);
    // An entry of the menu opens its file, which moves to the top.
    click("mnuFileArray_3");
    EXPECT_EQ(project().CurrentFile, opened[2]);
    EXPECT_EQ(act("mnuFileArray_1")->text(), opened[2]);
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + opened[2]);
}

TEST_F(MainWindow, FilesThatCannotBeOpenedNameNoFile)
{
    start();
    QDir().mkpath(projects());
    const QString bogus = writeFile(projects() + "/notes.kvd", "just some notes\r\n");
    fakeFileDialog().script(bogus);
    click("mnuFileItem_1");
    EXPECT_EQ(boxTexts(), QStringList{"Invalid File Type"});
    EXPECT_EQ(w->windowTitle(), "Korvendo: Untitled");
    EXPECT_EQ(recentFiles().MaxLastFiles, 0);
    edit("x");
    fakeFileDialog().script(std::nullopt);
    click("mnuFileItem_2");
    EXPECT_TRUE(fakeFileDialog().requests.last().save);
    EXPECT_EQ(readFile(bogus), QByteArray("just some notes\r\n"));

    // A recent file that has gone: Retry opens the file named in the list again, not
    // "Untitled"; Cancel goes on.
    flags().ProjectSaved = kTrue;
    recentFiles().MaxLastFiles = 1;
    recentFiles().LastFileLong[1] = projects() + "/gone.kvd";
    fakeMessageBox().boxes.clear();
    fakeMessageBox().script(mb::Retry);
    fakeMessageBox().script(mb::Cancel);
    w->mnuFileArray_Click(1);
    EXPECT_EQ(boxTexts(), QStringList(2, "Error occurred: File not found (53)"));
    EXPECT_EQ(w->findChild<QPlainTextEdit *>("txtMain")->toPlainText().count("Opening: " + projects() + "/gone.kvd"), 2);
    EXPECT_EQ(project().CurrentFile, "Untitled");
}

TEST_F(MainWindow, NewAndOpenAskAboutUnsavedWork)
{
    start();
    const QString site = writeProject("site.kvd", "Site"), other = writeProject("other.kvd", "Other");
    const QString kept = projects() + "/kept.kvd";
    const int newButtons = mb::YesNoCancel | mb::Question, openButtons = mb::YesNo | mb::Question | mb::DefaultButton2;
    const struct {
        const char *name, *command;
        QString file;                  // the project's name before the command
        int answer, buttons;
        std::optional<QString> saveAs; // the Save As dialog's answer after Yes
        QString after, savedTo;        // the project's name after, the file that got the work ("" none)
    } cases[] = {
        {"New, Cancel keeps the work", "mnuFileItem_0", site, mb::Cancel, newButtons, {}, site, ""},
        {"New, No discards it", "mnuFileItem_0", site, mb::No, newButtons, {}, "Untitled", ""},
        {"New, Yes saves it first", "mnuFileItem_0", site, mb::Yes, newButtons, {}, "Untitled", site},
        {"Open, No opens without saving", "mnuFileItem_1", "Untitled", mb::No, openButtons, {}, other, ""},
        {"Open, Yes with the Save As cancelled does not open", "mnuFileItem_1", "Untitled", mb::Yes, openButtons, {},
         "Untitled", ""},
        {"Open, Yes with a name saves, then opens", "mnuFileItem_1", "Untitled", mb::Yes, openButtons, kept, other, kept},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        w->FileNew(kTrue, kTrue);
        project().CurrentFile = c.file;
        edit(QString("Work for %1").arg(c.name));
        fakeMessageBox().boxes.clear();
        fakeMessageBox().script(c.answer);
        if (QString(c.command) == "mnuFileItem_1")
            fakeFileDialog().script(other);
        if (c.answer == mb::Yes && c.file == "Untitled")
            fakeFileDialog().script(c.saveAs);
        click(c.command);
        ASSERT_GE(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(fakeMessageBox().boxes[0].text, "Save changes to: " + c.file + "?");
        EXPECT_EQ(fakeMessageBox().boxes[0].buttons, c.buttons);
        EXPECT_EQ(project().CurrentFile, c.after);
        EXPECT_EQ(flags().ProjectSaved, c.after == c.file ? kFalse : kTrue);
        if (c.after != c.file) {
            EXPECT_EQ(w->windowTitle(), "Korvendo: " + c.after);
        }
        for (const QString &f : {site, kept}) {
            const bool saved = QString::fromUtf8(readFile(f)).contains(QString("Work for %1").arg(c.name));
            EXPECT_EQ(saved, f == c.savedTo) << f.toStdString();
        }
    }
    EXPECT_EQ(act("mnuFileArray_1")->text(), other);
    // Nothing unsaved: no question.
    fakeMessageBox().boxes.clear();
    click("mnuFileItem_0");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
}

// The close prompt: Cancel, or Yes with the Save As cancelled, keeps the window; No
// closes without saving; Yes with a name saves, lists the file and closes.
TEST_F(MainWindow, ClosePromptAnswers)
{
    QDir().mkpath(projects());
    const QString path = projects() + "/last.kvd";
    const struct {
        const char *what;
        int answer;
        bool named, closes;
    } rows[] = {
        {"Cancel", mb::Cancel, false, false},
        {"Yes, Save As cancelled", mb::Yes, false, false},
        {"No", mb::No, false, true},
        {"Yes with a name", mb::Yes, true, true},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        if (!w) {
            ResetProgramState();
            start();
        }
        edit("Unsaved");
        fakeMessageBox().boxes.clear();
        fakeMessageBox().script(r.answer);
        if (r.answer == mb::Yes)
            fakeFileDialog().script(r.named ? std::optional<QString>(path) : std::nullopt);
        click("mnuFileItem_11");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(boxTexts(), QStringList{"Save changes to: Untitled?"});
        EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::YesNoCancel | mb::Question);
        EXPECT_EQ(w.isNull(), r.closes);
        EXPECT_EQ(QFile::exists(path), r.named);
    }
    EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", iniPath()), path);
}

// Each toolbar button does what its menu item does; the items that only talk.
TEST_F(MainWindow, ToolbarButtonsAndItemsThatOpenNoWindow)
{
    start();
    QStringList opened;
    w->setWindowOpener(act("mnuEditItem_0"), [&] { opened << "description"; });
    w->setWindowOpener(act("mnuEditItem_2"), [&] { opened << "design"; });
    const struct {
        const char *button, *effect;
    } rows[] = {
        {"Toolbar1_1", "open dialog"},
        {"Toolbar1_2", "save dialog"}, // an untitled project: Save asks for a name
        {"Toolbar1_3", "printer setup"},
        {"Toolbar1_4", "description"},
        {"Toolbar1_5", "design"},
        {"mnuFileItem_5", "printer setup"},
        {"mnuUtilItem_3", "Tessolan Primer: Option not ready yet"},
        {"mnuHelpItem_6", "Disclaimer: This software is pro"},
    };
    for (const auto &r : rows) {
        const qsizetype dialogs = fakeFileDialog().requests.size();
        const int setups = fakeFileDialog().printerSetups;
        opened.clear();
        fakeMessageBox().boxes.clear();
        fakeFileDialog().script(std::nullopt); // a file dialog is cancelled
        click(r.button);
        QStringList effects = opened;
        if (fakeFileDialog().requests.size() > dialogs)
            effects << (fakeFileDialog().requests.last().save ? "save dialog" : "open dialog");
        if (fakeFileDialog().printerSetups > setups)
            effects << "printer setup";
        for (const RecordedBox &b : fakeMessageBox().boxes)
            effects << b.title + ": " + b.text.left(20);
        EXPECT_EQ(effects, QStringList{r.effect}) << r.button;
    }
}

TEST_F(MainWindow, HistoryPaneCommands)
{
    start();
    LogMessage("something to copy");
    click("mnuUtilItem_7");
    EXPECT_EQ(fakeClipboard().text(), historyLog().text());

    click("mnuUtilItem_6");
    EXPECT_TRUE(w->findChild<QPlainTextEdit *>("txtMain")->isHidden());
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Restore History &Window");
    EXPECT_FALSE(act("mnuUtilItem_7")->isEnabled());
    click("mnuUtilItem_6");
    EXPECT_FALSE(w->findChild<QPlainTextEdit *>("txtMain")->isHidden());
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Close History &Window");
    EXPECT_TRUE(act("mnuUtilItem_7")->isEnabled());

    click("mnuUtilItem_5");
    EXPECT_EQ(w->findChild<QPlainTextEdit *>("txtMain")->toPlainText(), "");
}

TEST_F(MainWindow, PrintAndPreviewAskAboutAnEmptyProject)
{
    start();
    QStringList previews;
    w->setWindowOpener("mnuFileItem_7", [&] { previews << reportPages().OutBuf[0].left(15); });
    // A new project asks first; No prints nothing.
    fakeMessageBox().script(mb::No);
    click("mnuFileItem_6");
    EXPECT_EQ(boxTexts(), QStringList{"Current file is empty. Continue?"});
    EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::YesNo | mb::Question | mb::DefaultButton2);
    EXPECT_TRUE(fakePrinter().documents.isEmpty());
    fakeMessageBox().script(mb::No);
    click("mnuFileItem_7");
    EXPECT_TRUE(previews.isEmpty());

    fakeMessageBox().script(mb::Yes);
    click("mnuFileItem_6");
    EXPECT_EQ(fakePrinter().documents.size(), 1);
    fakeMessageBox().script(mb::Yes);
    click("mnuFileItem_7");
    EXPECT_EQ(previews, QStringList{"Korvendo module"});

    // No printer: the error offers Retry and Cancel; Cancel goes on without printing.
    fakePrinter().available = false;
    fakeMessageBox().boxes.clear();
    fakeMessageBox().script(mb::Yes);
    fakeMessageBox().script(mb::Cancel);
    fakeMessageBox().script(mb::Cancel);
    click("mnuFileItem_6");
    EXPECT_EQ(boxTexts().value(1), "Error occurred: Printer error (482)");
    EXPECT_EQ(fakePrinter().documents.size(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindow, AnErrorInsideAWindowReachesTheMenusErrorTail)
{
    start();
    w->setWindowOpener("mnuDonisiItem_0", [] { throw RuntimeError(err::Overflow); });
    click("mnuDonisiItem_0");
    EXPECT_EQ(boxTexts(), QStringList{"Error occurred: Overflow (6). Procedure Terminated"});
    EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindow, StartupOpensTheRecentFileThenTheCommandLineFile)
{
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
    const QString pane = w->findChild<QPlainTextEdit *>("txtMain")->toPlainText();
    EXPECT_LT(pane.indexOf("Opening: " + recent), pane.indexOf("Opening: " + named));
    EXPECT_EQ(project().ProjectTitle, "Named");
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + named);
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
    EXPECT_EQ(flags().ProjectSaved, kTrue);
}

TEST_F(MainWindow, FilesThatAreNoProjectFilesLeaveTheProgramRunning)
{
    // A pipe (no blocking open), a folder, a device (no read without end) and a file
    // above the size limit, through Open and on the command line.
    QDir().mkpath(projects());
    const QString pipe = projects() + "/pipe.kvd";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe), 0600), 0);
    const QString folder = projects() + "/folder.kvd";
    QDir().mkpath(folder);
    const QString big = writeFile(projects() + "/big.kvd", "KORV_ENDO_209\r\n");
    ASSERT_EQ(truncate(QFile::encodeName(big), 17 << 20), 0);
    const QString refused = "Error occurred: Path/File access error (75). Procedure Terminated";
    const QString tooLarge = "Error occurred: File too large: " + big + " holds 17825792 bytes, more than the "
                             "16777216 bytes a file may hold (75). Procedure Terminated";
    const struct { QString path, message; } cases[] = {
        {pipe, refused}, {folder, refused}, {"/dev/zero", refused}, {big, tooLarge},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        for (const bool onCommandLine : {false, true}) {
            if (w) {
                w->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            ResetProgramState();
            fakeMessageBox().boxes.clear();
            if (onCommandLine) {
                w = StartProgram({c.path}, testHome());
            } else {
                start();
                fakeFileDialog().script(c.path);
                click("mnuFileItem_1");
            }
            ASSERT_TRUE(w);
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(boxTexts().contains(c.message)) << boxTexts().join("|").toStdString();
            EXPECT_EQ(project().CurrentFile, "Untitled");
            EXPECT_EQ(flags().FileEmpty, kTrue);
            EXPECT_EQ(recentFiles().MaxLastFiles, 0);
        }
    }
}

TEST_F(MainWindow, EveryExceptionReachesTheErrorTail)
{
    start();
    const struct { std::function<void()> raise; QString message; } cases[] = {
        {[] { throw std::bad_alloc(); }, "Error occurred: Out of memory (7). Procedure Terminated"},
        {[] { throw std::length_error("too long"); },
         "Error occurred: Invalid procedure call or argument (5). Procedure Terminated"},
        {[] { throw RuntimeError(err::DiskFull); }, "Error occurred: Disk full (61)"},
        {[] { throw 42; }, "Error occurred: Invalid procedure call or argument (5). Procedure Terminated"},
    };
    for (const auto &c : cases) {
        const bool retryable = c.message.contains("(61)");
        fakeMessageBox().boxes.clear();
        if (retryable)
            fakeMessageBox().script(mb::Cancel);
        EXPECT_EQ(RunWithErrorTail(c.raise), retryable ? errres::Next : errres::Leave);
        EXPECT_EQ(boxTexts(), QStringList{c.message});
        // The same from an event handler: the event is not handled and the program runs on.
        fakeMessageBox().boxes.clear();
        if (retryable)
            fakeMessageBox().script(mb::Cancel);
        EXPECT_FALSE(DeliverUnderErrorTail([&] {
            c.raise();
            return true;
        }));
        EXPECT_EQ(boxTexts(), QStringList{c.message});
    }
    EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindow, LongSettingValuesNeverFillAMessageBox)
{
    // 4096 characters is the longest value read; the box shows a few hundred of them.
    presetSettings({{"Settings", "ShowDisclaim", "0"}, {"Settings", "DisplayFontName", QString(4096, 'Q')}});
    w = StartProgram({}, testHome());
    const QStringList texts = boxTexts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith("Invalid font selection:QQQ"));
    EXPECT_LE(texts[0].size(), 330);
}
