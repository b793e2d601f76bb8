// The main window, driven through its menus and toolbar: captions, file commands with
// their prompts and dialogs, printing, the history pane and start-up files.

#include "WindowDriver.h"
#include "calculators/BurdenCalculators.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/Project.h"
#include "core/ProjectFile.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"

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

bool fileHolds(const QString &path, const QString &text) { return QString::fromUtf8(readFile(path)).contains(text); }

class MainWindow : public ::testing::Test {
protected:
    void TearDown() override { close(); }

    frmMain *start(const QStringList &args = {})
    {
        w = StartProgram(args, testHome());
        fakeMessageBox().boxes.clear();
        return w;
    }
    void close()
    {
        if (w) {
            flags().ProjectSaved = kTrue;
            w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QAction *act(const char *name) const { return Child<QAction>(w, name); }
    QString pane() const { return Child<QPlainTextEdit>(w, "txtMain")->toPlainText(); }
    // Marks the project changed, as a confirmed input window does.
    void edit(const QString &title) const
    {
        project().ProjectTitle = title;
        MarkProjectChanged();
    }
    // Options re-applies the captions in the language chosen there.
    void chooseLanguage(int16_t english)
    {
        w->setWindowOpener("mnuUtilItem_1", [english] { settings().EnglishMenus = english; });
        Trigger(w, "mnuUtilItem_1");
    }

    QPointer<frmMain> w;
};

} // namespace

TEST_F(MainWindow, MenusToolbarAndSeparatorsInBothLanguages)
{
    start();
    // Each line: item, English caption, Greek caption ("-" not checked), shortcut.
    QList<QStringList> items;
    for (const QString &line : testDataText("shell/menu-captions.tsv").split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u'#'))
            items << line.split(u'\t');
    const QStringList separators{"mnuFileItem_4", "mnuFileItem_8", "mnuFileArray_0", "mnuFileItem_10", "mnuUtilItem_4",
                                 "mnuHelpItem_3", "mnuHelpItem_5", "mnuHelpItem_7",  "mnuHelpItem_9"};
    for (const int16_t english : {1, 0}) {
        SCOPED_TRACE(english);
        chooseLanguage(english);
        for (const QStringList &i : items) {
            QAction *a = Child<QAction>(w, qPrintable(i[0]));
            ASSERT_TRUE(a) << i[0].toStdString();
            if (english || i[2] != "-") {
                EXPECT_EQ(a->text(), i[english ? 1 : 2]);
            }
            EXPECT_EQ(a->shortcut().toString(), i[3]);
            EXPECT_TRUE(a->isEnabled()) << i[0].toStdString();
        }
        // Separators are plain lines without a caption.
        QStringList seen;
        for (const char *menu : {"mnuFile", "mnuUtil", "mnuHelp"})
            for (QAction *a : Child<QMenu>(w, menu)->actions())
                if (a->isSeparator() && a->text().isEmpty())
                    seen << a->objectName();
        EXPECT_EQ(seen, separators);
    }
    Trigger(w, "mnuUtilItem_6");
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Επαναφορά Ιστορικού");
    // Re-applying the captions keeps the toggle's caption true to the hidden pane.
    chooseLanguage(1);
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Restore History &Window");
    QStringList top, tips;
    for (QAction *a : w->menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, (QStringList{"&File", "&Input", "Videos", "&Utilities", "&Help"}));
    for (int i = 1; i <= 5; ++i)
        tips << act(qPrintable(QStringLiteral("Toolbar1_%1").arg(i)))->toolTip();
    EXPECT_EQ(tips, (QStringList{"Open Data File", "Save Data File", "Print Data File", "Edit Description",
                                 "Blast Calculations"}));
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
        Trigger(w, c.command);
        EXPECT_EQ(LoadedCalculator(0), nullptr); // ... but a new project unloads it, storing nothing
        EXPECT_EQ(CalculatorResultText(0), c.after);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
    }
}

// Save on an untitled project asks for a name, then saves at once; Save As offers the
// current name, a cancel changes nothing, a new name gets the work and the old file
// stays as it was; a failed save is reported and leaves the project unsaved.
TEST_F(MainWindow, SaveAndSaveAs)
{
    presetSettings({{"Settings", "DataPath", projects()}});
    QDir().mkpath(projects());
    start();
    edit("Bench 4");
    const QString path = projects() + "/bench4.KVD", renamed = projects() + "/renamed.kvd";
    fakeFileDialog().script(path);
    Trigger(w, "mnuFileItem_2");
    ASSERT_EQ(fakeFileDialog().requests.size(), 1);
    const FileDialogRequest &r = fakeFileDialog().requests[0];
    EXPECT_TRUE(r.save && r.confirmOverwrite);
    EXPECT_EQ(r.fileName, "Untitled");
    EXPECT_EQ(r.initialDir, projects());
    EXPECT_EQ(r.filters, (QStringList{"All Files (*)", " Files (*.KVD *.kvd)"}));
    EXPECT_EQ(r.defaultSuffix, "KVD");
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + path);

    edit("Bench 4b");
    Trigger(w, "mnuFileItem_2");
    EXPECT_EQ(fakeFileDialog().requests.size(), 1);
    EXPECT_TRUE(fileHolds(path, "\r\nBench 4b\r\n"));
    const QByteArray saved = readFile(path);

    edit("Work after saving");
    fakeFileDialog().script(std::nullopt);
    Trigger(w, "mnuFileItem_3");
    EXPECT_EQ(project().CurrentFile, path);
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    fakeFileDialog().script(renamed);
    Trigger(w, "mnuFileItem_3");
    ASSERT_EQ(fakeFileDialog().requests.size(), 3);
    for (int i : {1, 2}) {
        EXPECT_TRUE(fakeFileDialog().requests[i].save && fakeFileDialog().requests[i].confirmOverwrite);
        EXPECT_EQ(fakeFileDialog().requests[i].fileName, "bench4.KVD");
    }
    EXPECT_EQ(readFile(path), saved);
    EXPECT_TRUE(fileHolds(renamed, "\r\nWork after saving\r\n"));
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + renamed);
    EXPECT_EQ(act("mnuFileArray_1")->text(), renamed);
    EXPECT_EQ(act("mnuFileArray_2")->text(), path);
    EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", iniPath()), renamed);

    edit("Unsaved");
    project().CurrentFile = testHome() + "/removed/site.kvd";
    Trigger(w, "mnuFileItem_2");
    EXPECT_EQ(MessageTexts(), QStringList{"Error occurred: Path not found (76). Procedure Terminated"});
    EXPECT_EQ(flags().ProjectSaved, kFalse);
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
        Trigger(w, "mnuFileItem_1");
    }
    // With no data folder set, the dialogs start in the program's documents folder.
    EXPECT_EQ(fakeFileDialog().requests[0].initialDir, fakeFolders().documentsDir + "/MyKorvendo");
    EXPECT_EQ(fakeFileDialog().requests[0].filterIndex, 2);
    close();
    ASSERT_TRUE(w.isNull());
    EXPECT_EQ(ReadINI("FileMenu", "MaxLastFiles", iniPath()), "4");

    ResetProgramState();
    start();
    EXPECT_EQ(recentFiles().MaxLastFiles, 4);
    QStringList shown;
    for (int i = 1; i <= 4; ++i) {
        QAction *a = act(qPrintable(QStringLiteral("mnuFileArray_%1").arg(i)));
        ASSERT_TRUE(a);
        ASSERT_TRUE(a->isVisible()) << i; // a hidden entry is not opened below
        shown << a->text();
    }
    EXPECT_EQ(shown, opened);
    // An entry of the menu opens its file, which moves to the top.
    Trigger(w, "mnuFileArray_3");
    EXPECT_EQ(project().CurrentFile, opened[2]);
    EXPECT_EQ(act("mnuFileArray_1")->text(), opened[2]);
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + opened[2]);
}

TEST_F(MainWindow, FilesThatCannotBeOpenedLeaveTheProgramRunningWithNoFile)
{
    // A pipe (no blocking open), a folder, a device (no read without end), a file above
    // the size limit, a missing file and one that is no project file, through Open and
    // on the command line.
    presetSettings({{"Settings", "ShowDisclaim", "0"}});
    QDir().mkpath(projects());
    const QString pipe = projects() + "/pipe.kvd";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe), 0600), 0);
    const QString folder = projects() + "/folder.kvd";
    QDir().mkpath(folder);
    const QString big = writeFile(projects() + "/big.kvd", "KORV_ENDO_209\r\n");
    ASSERT_EQ(truncate(QFile::encodeName(big), 17 << 20), 0);
    const QString notes = writeFile(projects() + "/notes.kvd", "just some notes\r\n");
    const QString refused = "Error occurred: Path/File access error (75). Procedure Terminated";
    const QString missing = "Error occurred: File not found (53)";
    const QString tooLarge = "Error occurred: File too large: " + big + " holds 17825792 bytes, more than the "
                             "16777216 bytes a file may hold (75). Procedure Terminated";
    const struct { QString path, message; } cases[] = {
        {pipe, refused}, {folder, refused}, {"/dev/zero", refused}, {big, tooLarge},
        {testHome() + "/missing.kvd", missing}, {notes, "Invalid File Type"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        for (const bool onCommandLine : {false, true}) {
            close();
            ResetProgramState();
            fakeMessageBox().boxes.clear();
            if (c.message == missing)
                fakeMessageBox().script(mb::Cancel); // Retry or Cancel: Cancel goes on
            if (onCommandLine) {
                w = StartProgram({c.path}, testHome());
            } else {
                start();
                fakeFileDialog().script(c.path);
                Trigger(w, "mnuFileItem_1");
            }
            ASSERT_TRUE(w);
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(MessageTexts().contains(c.message)) << MessageTexts().join("|").toStdString();
            EXPECT_EQ(w->windowTitle(), "Korvendo: Untitled");
            EXPECT_EQ(flags().FileEmpty, kTrue);
            EXPECT_EQ(flags().ProjectSaved, kTrue);
            EXPECT_EQ(recentFiles().MaxLastFiles, 0);
        }
    }
    // The file that was no project file is not written over by the next Save.
    edit("x");
    fakeFileDialog().script(std::nullopt);
    Trigger(w, "mnuFileItem_2");
    EXPECT_TRUE(fakeFileDialog().requests.last().save);
    EXPECT_EQ(readFile(notes), QByteArray("just some notes\r\n"));

    // A recent file that has gone: Retry opens the file named in the list again, not
    // "Untitled"; Cancel goes on.
    flags().ProjectSaved = kTrue;
    recentFiles().MaxLastFiles = 1;
    recentFiles().LastFileLong[1] = projects() + "/gone.kvd";
    fakeMessageBox().boxes.clear();
    fakeMessageBox().script(mb::Retry);
    fakeMessageBox().script(mb::Cancel);
    w->mnuFileArray_Click(1);
    EXPECT_EQ(MessageTexts(), QStringList(2, missing));
    EXPECT_EQ(pane().count("Opening: " + projects() + "/gone.kvd"), 2);
    EXPECT_EQ(project().CurrentFile, "Untitled");
}

// New, Open and Close ask about unsaved work. Cancel keeps it; No goes on without saving;
// Yes saves first, asking for a name when there is none, and a cancelled Save As stops
// the command.
TEST_F(MainWindow, NewOpenAndCloseAskAboutUnsavedWork)
{
    start();
    const QString site = writeProject("site.kvd", "Site"), other = writeProject("other.kvd", "Other");
    const QString kept = projects() + "/kept.kvd";
    const int yesNoCancel = mb::YesNoCancel | mb::Question, yesNo = mb::YesNo | mb::Question | mb::DefaultButton2;
    const struct {
        const char *name, *command;
        QString file;                  // the project's name before the command
        int answer, buttons;
        std::optional<QString> saveAs; // the Save As dialog's answer after Yes
        QString after, savedTo;        // the project's name after ("" the window closed), the file that got the work
    } cases[] = {
        {"Close, Cancel keeps the window", "mnuFileItem_11", "Untitled", mb::Cancel, yesNoCancel, {}, "Untitled", ""},
        {"Close, Yes with the Save As cancelled keeps it", "mnuFileItem_11", "Untitled", mb::Yes, yesNoCancel, {},
         "Untitled", ""},
        {"Close, No closes without saving", "mnuFileItem_11", "Untitled", mb::No, yesNoCancel, {}, "", ""},
        {"Close, Yes with a name saves and closes", "mnuFileItem_11", "Untitled", mb::Yes, yesNoCancel, site, "", site},
        {"New, Cancel keeps the work", "mnuFileItem_0", site, mb::Cancel, yesNoCancel, {}, site, ""},
        {"New, No discards it", "mnuFileItem_0", site, mb::No, yesNoCancel, {}, "Untitled", ""},
        {"New, Yes saves it first", "mnuFileItem_0", site, mb::Yes, yesNoCancel, {}, "Untitled", site},
        {"Open, No opens without saving", "mnuFileItem_1", "Untitled", mb::No, yesNo, {}, other, ""},
        {"Open, Yes with the Save As cancelled does not open", "mnuFileItem_1", "Untitled", mb::Yes, yesNo, {},
         "Untitled", ""},
        {"Open, Yes with a name saves, then opens", "mnuFileItem_1", "Untitled", mb::Yes, yesNo, kept, other, kept},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (!w) {
            ResetProgramState();
            start();
        }
        w->FileNew(kTrue, kTrue);
        project().CurrentFile = c.file;
        edit(QString("Work for %1").arg(c.name));
        fakeMessageBox().boxes.clear();
        fakeMessageBox().script(c.answer);
        if (QString(c.command) == "mnuFileItem_1")
            fakeFileDialog().script(other); // Open asks for the file first
        if (c.answer == mb::Yes && c.file == "Untitled")
            fakeFileDialog().script(c.saveAs);
        Trigger(w, c.command);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_GE(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(fakeMessageBox().boxes[0].text, "Save changes to: " + c.file + "?");
        EXPECT_EQ(fakeMessageBox().boxes[0].buttons, c.buttons);
        EXPECT_EQ(w.isNull(), c.after.isEmpty());
        if (w) {
            EXPECT_EQ(project().CurrentFile, c.after);
            EXPECT_EQ(flags().ProjectSaved, c.after == c.file ? kFalse : kTrue);
            EXPECT_EQ(w->windowTitle(), "Korvendo: " + c.after + (c.after == c.file ? "*" : ""));
        }
        for (const QString &f : {site, kept})
            EXPECT_EQ(fileHolds(f, QString("Work for %1").arg(c.name)), f == c.savedTo) << f.toStdString();
        if (!w && !c.savedTo.isEmpty()) {
            EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", iniPath()), c.savedTo); // listed for the next start
        }
    }
    EXPECT_EQ(act("mnuFileArray_1")->text(), other);
    // Nothing unsaved: no question.
    fakeMessageBox().boxes.clear();
    Trigger(w, "mnuFileItem_0");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
}

// Each toolbar button does what its menu item does; the items that only talk.
TEST_F(MainWindow, ToolbarButtonsAndItemsThatOpenNoWindow)
{
    start();
    QStringList effects;
    w->setWindowOpener(act("mnuEditItem_0"), [&] { effects << "description"; });
    w->setWindowOpener(act("mnuEditItem_2"), [&] { effects << "design"; });
    const struct { const char *button, *effect; } rows[] = {
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
        effects.clear();
        fakeMessageBox().boxes.clear();
        fakeFileDialog().script(std::nullopt); // a file dialog is cancelled
        Trigger(w, r.button);
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
    Trigger(w, "mnuUtilItem_7");
    EXPECT_EQ(fakeClipboard().text(), historyLog().text());
    for (const bool hidden : {true, false}) {
        Trigger(w, "mnuUtilItem_6");
        EXPECT_EQ(Child<QPlainTextEdit>(w, "txtMain")->isHidden(), hidden);
        EXPECT_EQ(act("mnuUtilItem_6")->text(), hidden ? "Restore History &Window" : "Close History &Window");
        EXPECT_EQ(act("mnuUtilItem_7")->isEnabled(), !hidden); // nothing to copy from a hidden pane
    }
    Trigger(w, "mnuUtilItem_5");
    EXPECT_EQ(pane(), "");
}

TEST_F(MainWindow, PrintAndPreviewAskAboutAnEmptyProject)
{
    start();
    QStringList previews;
    w->setWindowOpener("mnuFileItem_7", [&] { previews << reportPages().OutBuf[0].left(15); });
    // A new project asks first; No prints nothing.
    fakeMessageBox().script(mb::No);
    Trigger(w, "mnuFileItem_6");
    EXPECT_EQ(MessageTexts(), QStringList{"Current file is empty. Continue?"});
    EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::YesNo | mb::Question | mb::DefaultButton2);
    EXPECT_TRUE(fakePrinter().documents.isEmpty());
    fakeMessageBox().script(mb::No);
    Trigger(w, "mnuFileItem_7");
    EXPECT_TRUE(previews.isEmpty());

    fakeMessageBox().script(mb::Yes);
    Trigger(w, "mnuFileItem_6");
    EXPECT_EQ(fakePrinter().documents.size(), 1);
    fakeMessageBox().script(mb::Yes);
    Trigger(w, "mnuFileItem_7");
    EXPECT_EQ(previews, QStringList{"Korvendo module"});

    // No printer: the error offers Retry and Cancel; Cancel goes on without printing.
    fakePrinter().available = false;
    fakeMessageBox().boxes.clear();
    fakeMessageBox().script(mb::Yes);
    fakeMessageBox().script(mb::Cancel);
    fakeMessageBox().script(mb::Cancel);
    Trigger(w, "mnuFileItem_6");
    EXPECT_EQ(MessageTexts().value(1), "Error occurred: Printer error (482)");
    EXPECT_EQ(fakePrinter().documents.size(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Whatever a command or an event handler throws is reported and the program runs on.
TEST_F(MainWindow, EveryExceptionReachesTheErrorTail)
{
    start();
    const QString invalid = "Error occurred: Invalid procedure call or argument (5). Procedure Terminated";
    const struct { std::function<void()> raise; QString message; } cases[] = {
        {[] { throw std::bad_alloc(); }, "Error occurred: Out of memory (7). Procedure Terminated"},
        {[] { throw std::length_error("too long"); }, invalid},
        {[] { throw 42; }, invalid},
    };
    for (const auto &c : cases) {
        fakeMessageBox().boxes.clear();
        EXPECT_EQ(RunWithErrorTail(c.raise), errres::Leave);
        EXPECT_EQ(MessageTexts(), QStringList{c.message});
        fakeMessageBox().boxes.clear();
        EXPECT_FALSE(DeliverUnderErrorTail([&] {
            c.raise();
            return true;
        }));
        EXPECT_EQ(MessageTexts(), QStringList{c.message});
    }
    // An error inside a window reaches the error tail of the menu that opened it.
    fakeMessageBox().boxes.clear();
    w->setWindowOpener("mnuDonisiItem_0", [] { throw RuntimeError(err::Overflow); });
    Trigger(w, "mnuDonisiItem_0");
    EXPECT_EQ(MessageTexts(), QStringList{"Error occurred: Overflow (6). Procedure Terminated"});
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
    EXPECT_LT(pane().indexOf("Opening: " + recent), pane().indexOf("Opening: " + named));
    EXPECT_EQ(project().ProjectTitle, "Named");
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + named);
    EXPECT_EQ(act("mnuFileArray_1")->text(), named);
    EXPECT_EQ(act("mnuFileArray_2")->text(), recent);
}

TEST_F(MainWindow, LongSettingValuesNeverFillAMessageBox)
{
    // 4096 characters is the longest value read; the box shows a few hundred of them.
    presetSettings({{"Settings", "ShowDisclaim", "0"}, {"Settings", "DisplayFontName", QString(4096, 'Q')}});
    w = StartProgram({}, testHome());
    const QStringList texts = MessageTexts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith("Invalid font selection:QQQ"));
    EXPECT_LE(texts[0].size(), 330);
}
