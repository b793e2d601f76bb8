// The main window, driven through its menus and toolbar: captions, file commands with
// their prompts and dialogs, the history pane and start-up files.

#include "ProgramFixture.h"
#include "calculators/BurdenCalculators.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/Project.h"
#include "core/ProjectFile.h"

#include <QDir>
#include <QPlainTextEdit>

#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString iniPath() { return fakeFolders().documentsDir + "/MyKorvendo/Korvendo.INI"; }
QString projects() { return testHome() + "/projects"; }

// A project file titled with its name, written without the window; 'change' changes
// other values first.
QString writeProject(const QString &name, const std::function<void()> &change = {})
{
    QDir().mkpath(projects());
    const ProjectState before = project();
    const ProjectFlags flagsBefore = flags();
    ResetProjectDefaults(kTrue, kTrue);
    project().ProjectTitle = name;
    if (change)
        change();
    project().CurrentFile = projects() + "/" + name;
    SaveProjectFile();
    const QString path = project().CurrentFile;
    project() = before;
    flags() = flagsBefore;
    return path;
}

bool fileHolds(const QString &path, const QString &text) { return QString::fromUtf8(readFile(path)).contains(text); }

class MainWindow : public ProgramTest {
protected:
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
};

} // namespace

// Every item's caption in both languages, its shortcut and the separators; the history
// pane's commands; what the items and buttons that open no window of their own do.
TEST_F(MainWindow, ItemsToolbarAndHistoryPaneInBothLanguages)
{
    start();
    const QList<QStringList> items = testTable("shell/menu-captions.tsv");
    for (const int16_t english : {1, 0}) {
        SCOPED_TRACE(english);
        chooseLanguage(english);
        for (const QStringList &i : items) {
            SCOPED_TRACE(i[0].toStdString());
            QAction *a = Child<QAction>(w, qPrintable(i[0]));
            ASSERT_TRUE(a);
            const QString caption = i[english ? 1 : 2];
            EXPECT_EQ(a->isSeparator(), caption == "---");
            if (caption != "-") {
                EXPECT_EQ(a->text(), caption == "---" ? QString() : caption);
            }
            EXPECT_EQ(a->shortcut().toString(), i[3]);
            EXPECT_TRUE(a->isEnabled() || a->isSeparator());
        }
    }
    // The history pane: nothing to copy while it is hidden; re-applying the captions keeps
    // the toggle's caption true to the hidden pane.
    LogMessage("something to copy");
    Trigger(w, "mnuUtilItem_6");
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Επαναφορά Ιστορικού");
    EXPECT_FALSE(act("mnuUtilItem_7")->isEnabled());
    chooseLanguage(1);
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Restore History &Window");
    EXPECT_TRUE(Child<QPlainTextEdit>(w, "txtMain")->isHidden());
    Trigger(w, "mnuUtilItem_6");
    EXPECT_EQ(act("mnuUtilItem_6")->text(), "Close History &Window");
    EXPECT_FALSE(Child<QPlainTextEdit>(w, "txtMain")->isHidden());
    Trigger(w, "mnuUtilItem_7");
    EXPECT_EQ(fakeClipboard().text(), historyLog().text());
    Trigger(w, "mnuUtilItem_5");
    EXPECT_EQ(pane(), "");

    QStringList effects;
    w->setWindowOpener(act("mnuEditItem_0"), [&] { effects << "description"; });
    w->setWindowOpener(act("mnuEditItem_2"), [&] { effects << "design"; });
    for (const QStringList &i : items) {
        if (i.value(4).isEmpty())
            continue;
        const qsizetype dialogs = fakeFileDialog().requests.size();
        const int setups = fakeFileDialog().printerSetups;
        effects.clear();
        fakeMessageBox().boxes.clear();
        fakeFileDialog().script(std::nullopt);
        Trigger(w, qPrintable(i[0]));
        if (fakeFileDialog().requests.size() > dialogs)
            effects << (fakeFileDialog().requests.last().save ? "save dialog" : "open dialog");
        if (fakeFileDialog().printerSetups > setups)
            effects << "printer setup";
        for (const RecordedBox &b : fakeMessageBox().boxes)
            effects << b.title + ": " + b.text.left(20);
        EXPECT_EQ(effects, QStringList{i[4]}) << i[0].toStdString();
    }
}

TEST_F(MainWindow, HiddenCalculatorsDoNotOutliveTheirProject)
{
    // A second project whose Anderson diameter is 9 inches.
    const QString nine = writeProject("nine.kvd", [] { project().AndersonDiam = 9; });
    start();
    w->FileNew(kTrue, kTrue);
    EXPECT_EQ(CalculatorResultText(0), "10.95"); // loaded hidden, as the design window does
    fakeFileDialog().script(nine);
    Trigger(w, "mnuFileItem_1");
    EXPECT_EQ(LoadedCalculator(0), nullptr); // the opened project unloads it, storing nothing
    EXPECT_EQ(CalculatorResultText(0), "16.43");
    EXPECT_EQ(flags().ProjectSaved, kTrue);
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
    EXPECT_TRUE(fakeFileDialog().requests[2].save && fakeFileDialog().requests[2].confirmOverwrite);
    EXPECT_EQ(fakeFileDialog().requests[2].fileName, "bench4.KVD");
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

// Four opened files are written to the settings file and come back, all four in the
// File menu, at the next start, which opens the last of them and then the file of the
// command line; the menu opens its entries.
TEST_F(MainWindow, RecentFilesSurviveARestartWhichOpensTheLastThenTheCommandLineFile)
{
    start();
    QStringList opened;
    for (int i = 1; i <= 4; ++i) {
        opened.prepend(writeProject(QStringLiteral("recent %1.kvd").arg(i)));
        fakeFileDialog().script(opened.first());
        Trigger(w, "mnuFileItem_1");
    }
    // With no data folder set, the dialogs start in the program's documents folder.
    EXPECT_EQ(fakeFileDialog().requests[0].initialDir, fakeFolders().documentsDir + "/MyKorvendo");
    EXPECT_EQ(fakeFileDialog().requests[0].filterIndex, 2);
    close();
    ASSERT_TRUE(w.isNull());
    EXPECT_EQ(ReadINI("FileMenu", "MaxLastFiles", iniPath()), "4");

    WriteINI("Settings", "LoadLastInputFile", "1", iniPath());
    ResetProgramState();
    // The command line holds the oldest file's name with its blank, in quotes, as two arguments.
    const QString named = opened[3];
    start({"\"" + named.left(named.indexOf(" 1.kvd")), "1.kvd\""});
    EXPECT_EQ(recentFiles().MaxLastFiles, 4);
    EXPECT_LT(pane().indexOf("Opening: " + opened[0]), pane().indexOf("Opening: " + named));
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + named);
    QStringList shown;
    for (int i = 1; i <= 4; ++i) {
        QAction *a = act(qPrintable(QStringLiteral("mnuFileArray_%1").arg(i)));
        ASSERT_TRUE(a);
        ASSERT_TRUE(a->isVisible()) << i; // a hidden entry is not opened below
        shown << a->text();
    }
    // A file opened again changes places with the top entry.
    EXPECT_EQ(shown, QStringList({named, opened[1], opened[2], opened[0]}));
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
    QDir().mkpath(projects() + "/folder.kvd");
    ASSERT_EQ(mkfifo(QFile::encodeName(projects() + "/pipe.kvd"), 0600), 0);
    const QString big = writeFile(projects() + "/big.kvd", "KORV_ENDO_209\r\n");
    ASSERT_EQ(truncate(QFile::encodeName(big), 17 << 20), 0);
    const QString notes = writeFile(projects() + "/notes.kvd", "just some notes\r\n");
    const QString missing = "Error occurred: File not found (53)";
    for (const QStringList &c : testTable("shell/unopenable-files.tsv")) {
        const QString path = c[0].startsWith(u'/') ? c[0] : projects() + "/" + c[0];
        SCOPED_TRACE(path.toStdString());
        for (const bool onCommandLine : {false, true}) {
            close();
            ResetProgramState();
            fakeMessageBox().boxes.clear();
            if (c[1] == missing)
                fakeMessageBox().script(mb::Cancel); // Retry or Cancel: Cancel goes on
            if (onCommandLine) {
                w = StartProgram({path}, testHome());
            } else {
                start();
                fakeFileDialog().script(path);
                Trigger(w, "mnuFileItem_1");
            }
            ASSERT_TRUE(w);
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(MessageTexts().contains(c[1].arg(path))) << MessageTexts().join("|").toStdString();
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
    const QMap<QString, QString> files{{"site", writeProject("site.kvd")},
                                       {"other", writeProject("other.kvd")},
                                       {"kept", projects() + "/kept.kvd"}};
    auto file = [&](const QString &name) { return files.value(name, name); };
    for (const QStringList &c : testTable("shell/unsaved-work.tsv")) {
        SCOPED_TRACE(c[0].toStdString());
        const QString before = file(c[2]), after = file(c[6]), savedTo = file(c[7]);
        if (!w) {
            ResetProgramState();
            start();
        }
        w->FileNew(kTrue, kTrue);
        project().CurrentFile = before;
        edit("Work for " + c[0]);
        fakeMessageBox().boxes.clear();
        fakeMessageBox().script(c[3].toInt());
        if (c[1] == "mnuFileItem_1")
            fakeFileDialog().script(file("other"));
        if (c[3].toInt() == mb::Yes && before == "Untitled")
            fakeFileDialog().script(c[5].isEmpty() ? std::nullopt : std::optional(file(c[5])));
        Trigger(w, qPrintable(c[1]));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_GE(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(fakeMessageBox().boxes[0].text, "Save changes to: " + before + "?");
        EXPECT_EQ(fakeMessageBox().boxes[0].buttons, c[4].toInt());
        EXPECT_EQ(w.isNull(), after.isEmpty());
        if (w) {
            EXPECT_EQ(project().CurrentFile, after);
            EXPECT_EQ(flags().ProjectSaved, after == before ? kFalse : kTrue);
            EXPECT_EQ(w->windowTitle(), "Korvendo: " + after + (after == before ? "*" : ""));
        }
        for (const QString &f : {files["site"], files["kept"]})
            EXPECT_EQ(fileHolds(f, "Work for " + c[0]), f == savedTo) << f.toStdString();
        if (!w && !savedTo.isEmpty()) {
            EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", iniPath()), savedTo); // listed for the next start
        }
    }
    EXPECT_EQ(act("mnuFileArray_1")->text(), file("other"));
    // Nothing unsaved: no question.
    fakeMessageBox().boxes.clear();
    Trigger(w, "mnuFileItem_0");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
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
        EXPECT_FALSE(DeliverUnderErrorTail([&] {
            c.raise();
            return true;
        }));
        EXPECT_EQ(MessageTexts(), QStringList(2, c.message));
    }
    // An error inside a window reaches the error tail of the menu that opened it.
    fakeMessageBox().boxes.clear();
    w->setWindowOpener("mnuDonisiItem_0", [] { throw RuntimeError(err::Overflow); });
    Trigger(w, "mnuDonisiItem_0");
    EXPECT_EQ(MessageTexts(), QStringList{"Error occurred: Overflow (6). Procedure Terminated"});
    EXPECT_TRUE(w->isVisible());
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
