// The settings dialog and its folder picker: the checks of OK, the reading of the
// boxes, the font, file and folder dialogs, Cancel, and the one write of [Settings].

#include "TestSupport.h"
#include "core/CommandLine.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/FileLists.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "shell/frmPath.h"
#include "shell/frmSet.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QString iniPath() { return paths().IniFile; }

// The keys of one section of the settings file on disk, in their order.
QStringList sectionKeys(const QString &section)
{
    QStringList keys;
    bool inside = false;
    for (const QString &line : QString::fromUtf8(readFile(iniPath())).split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'['))
            inside = line == u'[' + section + u']';
        else if (inside && line.contains(u'='))
            keys << line.section(u'=', 0, 0);
    }
    return keys;
}

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        fakeMessageBox().boxes.clear();
        historyLog().setText(QString());
        dlg = std::make_unique<frmSet>();
        dlg->show();
    }
    QLineEdit *box(const char *name) const { return dlg->findChild<QLineEdit *>(QLatin1String(name)); }
    QCheckBox *check(const char *name) const { return dlg->findChild<QCheckBox *>(QLatin1String(name)); }
    void click(const char *name) const { dlg->findChild<QPushButton *>(QLatin1String(name))->click(); }
    QStringList boxTexts() const
    {
        QStringList out;
        for (const RecordedBox &b : fakeMessageBox().boxes)
            out << b.text;
        return out;
    }
    int saves() const { return historyLog().text().count("Saving default settings to file: "); }

    std::unique_ptr<frmSet> dlg;
};

} // namespace

TEST(FileExtension, OnlyCapitalLettersAndDigits)
{
    const struct { const char *text; bool ok; } cases[] = {
        {"KVD", true}, {"K2", true}, {"0", true}, {"", false}, {"K_D", false},
        {"kvd", false}, {"K D", false}, {"ΚΒΔ", false}, {"K.D", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ValidFileExtension(QString::fromUtf8(c.text)), c.ok) << c.text;
}

TEST(CommandLine, SplitsAsAShellWouldAndQuotesBack)
{
    const struct { const char *command; std::optional<QStringList> words; } cases[] = {
        {"xdg-open", QStringList{"xdg-open"}},
        {"  gedit   --new-window ", QStringList{"gedit", "--new-window"}},
        {"\"/opt/my editor/edit\" -r", QStringList{"/opt/my editor/edit", "-r"}},
        {"'/opt/it''s'", QStringList{"/opt/its"}},
        {"a\\ b \"c\\\"d\" 'e\\f'", QStringList{"a b", "c\"d", "e\\f"}},
        {"kate; rm -rf ~", QStringList{"kate;", "rm", "-rf", "~"}},
        {"\"open", std::nullopt},
        {"", QStringList{}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SplitCommandLine(QString::fromUtf8(c.command)), c.words) << c.command;
    for (const char *path : {"/usr/bin/gedit", "/opt/my editor/edit", "/a\"b$c`d\\e", "/it's here"})
        EXPECT_EQ(SplitCommandLine(QuoteArgument(QString::fromUtf8(path))), QStringList{QString::fromUtf8(path)})
            << path;
    EXPECT_EQ(QuoteArgument("/opt/my editor/edit"), "\"/opt/my editor/edit\"");
}

TEST_F(SettingsDialog, ShowsTheSettings)
{
    EXPECT_EQ(dlg->windowTitle(), "Settings");
    EXPECT_TRUE(historyLog().text().contains(". Editing Settings\r\n"));
    EXPECT_EQ(dlg->findChild<QRadioButton *>("optUnits_0")->text(), "ft, in, lbs, psi, pcf");
    EXPECT_EQ(dlg->findChild<QRadioButton *>("optUnits_1")->text(), "m, cm, kN, MPa, kN/m3");
    EXPECT_TRUE(dlg->findChild<QRadioButton *>("optUnits_1")->isChecked());
    EXPECT_EQ(box("Text1")->text(), "KVD");
    EXPECT_EQ(box("Text2")->text(), "");
    EXPECT_EQ(box("Text3")->text(), "4096");
    EXPECT_EQ(box("Text4")->text(), "xdg-open");
    EXPECT_EQ(check("chkShortNames")->text(), "Short names in  file list");
    EXPECT_TRUE(boxTexts().isEmpty()) << "loading shows no message";

    // The history size and font follow "Display command history window".
    check("chkDispHist")->setChecked(false);
    EXPECT_FALSE(box("Text3")->isEnabled());
    EXPECT_FALSE(dlg->findChild<QPushButton *>("Command5")->isEnabled());
    check("chkDispHist")->setChecked(true);
    EXPECT_TRUE(box("Text3")->isEnabled());

    // "Short names" follows "Keep recent filelist"; ticking it says when it acts.
    check("chkKeepRecentFL")->setChecked(false);
    EXPECT_FALSE(check("chkShortNames")->isEnabled());
    check("chkKeepRecentFL")->setChecked(true);
    check("chkShortNames")->setChecked(!check("chkShortNames")->isChecked());
    EXPECT_EQ(boxTexts(), QStringList{"Option will take effect upon restarting this program"});
    check("chkCopyExamples")->setChecked(false);
    check("chkCopyExamples")->setChecked(true);
    ASSERT_EQ(boxTexts().size(), 2);
    EXPECT_TRUE(boxTexts()[1].contains("to the " + UserHomeFolder() + " directory")) << boxTexts()[1].toStdString();

    // The extension is upper case as it is typed.
    box("Text1")->clear();
    for (const char *key : {"k", "v", "d"})
        box("Text1")->insert(key);
    EXPECT_EQ(box("Text1")->text(), "KVD");
    click("cmdSetDefault");
    EXPECT_EQ(box("Text4")->text(), "xdg-open");
}

TEST_F(SettingsDialog, OkChecksTheBoxesInOrder)
{
    const QString folder = testHome() + "/projects";
    QDir().mkpath(folder);
    const struct {
        QString path, size, ext;
        const char *message; // nullptr: accepted
        const char *title, *focus;
    } cases[] = {
        {testHome() + "/missing", "4096", "KVD", "Invalid Path for Data Files", "Settings: Error", "Text2"},
        {folder, "4095", "KVD", "Size of Command History Window: Value '4095' is outside input range", "Settings: Range Error", "Text3"},
        {folder, "16385", "KVD", "Size of Command History Window: Value '16385' is outside input range", "Settings: Range Error", "Text3"},
        {folder, "", "KVD", "Size of Command History Window: Blank field not allowed", "Settings: Range Error", "Text3"},
        {folder, "4096", "K_D", "Invalid character in file extension", "Settings: Invalid Character", "Text1"},
        {folder, "4096", "", "Invalid character in file extension", "Settings: Invalid Character", "Text1"},
        {folder, "4096", "  ", "Invalid character in file extension", "Settings: Invalid Character", "Text1"},
        {folder, "4096", QString(17, 'K'), "File extension too long (at most 16 characters)", "Settings: Error", "Text1"},
        {folder, "16384", "KVD", nullptr, "", ""},
        {folder, "4096", "KVD0123456789ABC", nullptr, "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString() + " " + c.size.toStdString() + " " + c.ext.toStdString());
        auto d = std::make_unique<frmSet>();
        d->show();
        fakeMessageBox().boxes.clear();
        d->findChild<QLineEdit *>("Text2")->setText(c.path);
        d->findChild<QLineEdit *>("Text3")->setText(c.size);
        d->findChild<QLineEdit *>("Text1")->setText(c.ext);
        d->findChild<QPushButton *>("cmdOK")->click();
        if (!c.message) {
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
            EXPECT_TRUE(d->isHidden());
            continue;
        }
        ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
        EXPECT_TRUE(fakeMessageBox().boxes[0].text.startsWith(QString::fromUtf8(c.message)))
            << fakeMessageBox().boxes[0].text.toStdString();
        EXPECT_EQ(fakeMessageBox().boxes[0].title, c.title);
        EXPECT_EQ(fakeMessageBox().boxes[0].buttons & 0x70, mb::Critical);
        EXPECT_TRUE(d->isVisible()) << "the dialog stays open";
        ASSERT_TRUE(d->focusWidget());
        EXPECT_EQ(d->focusWidget()->objectName(), c.focus);
    }
}

TEST_F(SettingsDialog, OkStoresTheBoxesAndWritesSettingsOnce)
{
    const QString folder = testHome() + "/my projects";
    QDir().mkpath(folder);
    const int savesBefore = saves();
    dlg->findChild<QRadioButton *>("optUnits_0")->setChecked(true);
    box("Text2")->setText("  " + folder + " ");
    box("Text3")->setText("8192.4");
    box("Text1")->setText("prj");
    box("Text4")->setText("  kate --new ");
    check("chkDispHist")->setChecked(false);
    check("chkEnableTB")->setChecked(false);
    check("chkLoadLastInputFile")->setChecked(true);
    click("cmdOK");
    EXPECT_TRUE(dlg->isHidden());

    const SettingsState &s = settings();
    EXPECT_EQ(s.DefaultUnits, 0);
    EXPECT_EQ(s.DataPath, folder + "/");
    EXPECT_EQ(s.MaxDisplaySize, 8192);
    EXPECT_EQ(s.FileExtension, "PRJ");
    EXPECT_EQ(s.ExternalEditor, "kate --new");
    EXPECT_EQ(s.DisplayHistoryWin, 0);
    EXPECT_EQ(s.EnableMainMenuToolbar, 0);
    EXPECT_EQ(s.LoadLastInputFile, 1);

    // The history pane is off now, so the log lines go nowhere; the file tells.
    EXPECT_EQ(saves(), savesBefore);
    EXPECT_EQ(sectionKeys("Settings"),
              (QStringList{"DefaultUnits", "DisplayHistoryWin", "MaxDisplaySize", "DisplayFontName", "DisplayFontSize",
                           "DisplayFontBold", "DisplayFontItalic", "KeepFileNames", "ShowDisclaim", "MaxMainMenu",
                           "EnableMainMenuToolbar", "ShortRecentFiles", "LoadLastInputFile", "RemindAnnualUpdates",
                           "CopyExampleFiles", "DataPath", "FileExtension", "ExternalEditor"}));
    const QString file = QString::fromUtf8(readFile(iniPath()));
    EXPECT_TRUE(file.contains("DataPath=" + folder + "/\r\n"));
    EXPECT_TRUE(file.contains("FileExtension=PRJ\r\n"));
    EXPECT_TRUE(file.contains("MaxDisplaySize=8192\r\n"));
    EXPECT_TRUE(file.contains("ExternalEditor=kate --new\r\n"));
}

TEST_F(SettingsDialog, OkOnAnUntouchedDialogKeepsTheEmptyDataPathAndLogs)
{
    click("cmdOK");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    EXPECT_EQ(settings().DataPath, "");
    const QString log = historyLog().text();
    EXPECT_LT(log.indexOf(". Settings Modified\r\n"), log.indexOf(". Saving default settings to file: "));
    EXPECT_EQ(saves(), 1);
    EXPECT_TRUE(QString::fromUtf8(readFile(iniPath())).contains("DataPath=\r\n"));
}

TEST_F(SettingsDialog, CancelAfterChoosingEditorAndFolderChangesNothing)
{
    const QByteArray fileBefore = readFile(iniPath());
    const SettingsState before = settings();
    fakeFileDialog().script(QString("/opt/my editor/edit"));
    click("cmdSelect");
    ASSERT_EQ(fakeFileDialog().requests.size(), 1);
    EXPECT_EQ(fakeFileDialog().requests[0].title, "Select External Editor");
    EXPECT_TRUE(fakeFileDialog().requests[0].mustExist);
    EXPECT_EQ(box("Text4")->text(), "\"/opt/my editor/edit\"");
    // A cancelled file dialog leaves the box alone.
    click("cmdSelect");
    EXPECT_EQ(box("Text4")->text(), "\"/opt/my editor/edit\"");

    paths().UserTempPath = WithSlash(testHome());
    QTimer::singleShot(0, [] {
        auto *picker = qobject_cast<frmPath *>(QApplication::activeModalWidget());
        ASSERT_TRUE(picker);
        picker->findChild<QRadioButton *>("Option1_3")->setChecked(true);
        picker->findChild<QPushButton *>("Command2")->click();
    });
    click("cmdSetPath");
    EXPECT_EQ(box("Text2")->text(), WithSlash(testHome()));
    box("Text1")->setText("ABC");

    click("cmdCancel");
    EXPECT_TRUE(historyLog().text().endsWith(". Settings Not Modified\r\n"));
    EXPECT_EQ(settings().ExternalEditor, before.ExternalEditor);
    EXPECT_EQ(settings().FileExtension, before.FileExtension);
    EXPECT_EQ(settings().DataPath, before.DataPath);
    EXPECT_EQ(readFile(iniPath()), fileBefore);
}

TEST_F(SettingsDialog, FolderPickerReportsADriveItCannotRead)
{
    const struct { int16_t english; const char *text; } cases[] = {
        {1, "The selected drive cannot be read. Make sure the disk is inserted and mounted, and that it is formatted "
            "and free of errors"},
        {0, "Η επιλεγμένη μονάδα δίσκου δεν μπορεί να διαβαστεί. Βεβαιωθείτε ότι ο δίσκος είναι συνδεδεμένος και "
            "προσαρτημένος, διαμορφωμένος και χωρίς σφάλματα"},
    };
    for (const auto &c : cases) {
        settings().EnglishMenus = c.english;
        frmPath picker;
        auto *drives = picker.findChild<DriveList *>("Drive1");
        drives->addItem(testHome() + "/unmounted/"); // a volume gone since the list was made
        fakeMessageBox().boxes.clear();
        drives->setCurrentIndex(drives->count() - 1);
        ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(fakeMessageBox().boxes[0].text, QString::fromUtf8(c.text));
    }
}

TEST_F(SettingsDialog, FolderPickerShortcutsOkAndCancel)
{
    const QString work = testHome() + "/work";
    QDir().mkpath(work + "/inner");
    box("Text2")->setText(work + "/");
    struct Step {
        int option;      // -1: double-click the first subfolder
        bool ok;
        QString expected; // Text2 afterwards
    };
    const Step steps[] = {
        {0, true, UserHomeFolder()},          // "User home" is the home folder
        {2, false, UserHomeFolder()},         // Cancel keeps the text
        {1, true, WithSlash(paths().AppPath)},
        {-1, true, WithSlash(paths().AppPath)}, // AppPath has no subfolder: stays
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.option);
        QString shownAtLoad;
        QTimer::singleShot(0, [&] {
            auto *picker = qobject_cast<frmPath *>(QApplication::activeModalWidget());
            ASSERT_TRUE(picker);
            EXPECT_EQ(picker->windowTitle(), "Select Path");
            auto *dir = picker->findChild<FolderList *>("Dir1");
            shownAtLoad = dir->path();
            EXPECT_TRUE(picker->findChild<QRadioButton *>("Option1_2")->isChecked());
            if (s.option >= 0)
                picker->findChild<QRadioButton *>(QStringLiteral("Option1_%1").arg(s.option))->setChecked(true);
            picker->findChild<QPushButton *>(s.ok ? "Command2" : "Command1")->click();
        });
        const QString before = box("Text2")->text();
        click("cmdSetPath");
        // The picker opened on the folder of the box ("Current").
        EXPECT_EQ(WithSlash(shownAtLoad), WithSlash(before));
        EXPECT_EQ(box("Text2")->text(), s.expected);
    }
}

TEST(FolderPicker, DrivesAndFolders)
{
    StartCoreForTest();
    const QStringList drives = DriveList::availableDrives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives[0], "/");
    for (const QString &d : drives)
        EXPECT_TRUE(d.endsWith('/')) << d.toStdString();
    const struct { QStringList mounts, drives; } lists[] = {
        {{"/", "/proc", "/sys/fs/cgroup", "/dev/shm", "/run", "/run/user/1000"}, {"/"}},
        {{"/media/ana/USB STICK", "/home/"}, {"/", "/home/", "/media/ana/USB STICK/"}},
        {{"/run/media/ana/CARD"}, {"/", "/run/media/ana/CARD/"}},
        {{"/devel", "/system", "/processing", "/runs"}, {"/", "/devel/", "/processing/", "/runs/", "/system/"}},
    };
    for (const auto &l : lists)
        EXPECT_EQ(DriveList::drivesFrom(l.mounts), l.drives) << l.mounts.join(' ').toStdString();

    FolderList list;
    const QString root = testHome() + "/tree";
    QDir().mkpath(root + "/b sub");
    QDir().mkpath(root + "/A");
    ASSERT_TRUE(list.setPath(root));
    EXPECT_EQ(list.path(), root);
    QStringList tail;
    for (int i = list.count() - 3; i < list.count(); ++i)
        tail << list.item(i)->text().trimmed();
    EXPECT_EQ(tail, (QStringList{"tree", "A", "b sub"}));
    emit list.itemActivated(list.item(list.count() - 1));
    EXPECT_EQ(list.path(), root + "/b sub");
    EXPECT_EQ(list.item(0)->text(), "/");
    EXPECT_FALSE(list.setPath(root + "/missing"));
    EXPECT_EQ(list.path(), root + "/b sub");
}

TEST_F(SettingsDialog, HistoryFontFromTheFontDialog)
{
    settings().DisplayFontName = "DejaVu Sans";
    settings().DisplayFontSize = 10;
    fakeFileDialog().scriptFont(FontChoice{"DejaVu Sans Mono", 12, true, false});
    click("Command5");
    ASSERT_EQ(fakeFileDialog().fontRequests.size(), 1);
    EXPECT_EQ(fakeFileDialog().fontRequests[0], (FontChoice{"DejaVu Sans", 10, false, false}));
    EXPECT_EQ(settings().DisplayFontName, "DejaVu Sans Mono");
    EXPECT_EQ(settings().DisplayFontSize, 12.0f);
    EXPECT_EQ(settings().DisplayFontBold, -1);
    EXPECT_EQ(settings().DisplayFontItalic, 0);
    // Cancelled: the preset comes back, nothing changes.
    click("Command5");
    EXPECT_EQ(settings().DisplayFontName, "DejaVu Sans Mono");
    EXPECT_EQ(settings().DisplayFontBold, -1);
    // The size is kept as the settings file reads it back: whole points, 7 to 24.
    const struct { double chosen; float kept; } sizes[] = {{11.5, 12}, {10.4, 10}, {30, 24}, {5, 7}, {24, 24}};
    for (const auto &c : sizes) {
        fakeFileDialog().scriptFont(FontChoice{"DejaVu Sans", c.chosen, false, false});
        click("Command5");
        EXPECT_EQ(settings().DisplayFontSize, c.kept) << c.chosen;
    }
}

TEST(SettingsWindow, UtilitiesMenuOpensItAndOkAppliesThePanels)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    w->show();
    ASSERT_TRUE(w->findChild<QAction *>("mnuUtilItem_0")->isEnabled());
    fakeFileDialog().scriptFont(FontChoice{"DejaVu Sans Mono", 14, false, true});
    QTimer::singleShot(0, [] {
        auto *dlg = qobject_cast<frmSet *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dlg);
        EXPECT_EQ(dlg->parentWidget(), mainWindow());
        dlg->findChild<QPushButton *>("Command5")->click();
        dlg->findChild<QCheckBox *>("chkEnableTB")->setChecked(false);
        dlg->findChild<QCheckBox *>("chkDispHist")->setChecked(false);
        dlg->findChild<QPushButton *>("cmdOK")->click();
    });
    w->findChild<QAction *>("mnuUtilItem_0")->trigger();
    EXPECT_TRUE(w->findChild<QToolBar *>("Toolbar1")->isHidden());
    EXPECT_TRUE(w->findChild<QPlainTextEdit *>("txtMain")->isHidden());
    EXPECT_FALSE(w->findChild<QAction *>("mnuUtilItem_7")->isEnabled());
    EXPECT_EQ(w->findChild<QPlainTextEdit *>("txtMain")->font().family(), "DejaVu Sans Mono");
    EXPECT_TRUE(w->findChild<QPlainTextEdit *>("txtMain")->font().italic());
    w->close();
}
