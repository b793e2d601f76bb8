// The settings dialog and its folder picker: the settings it shows and stores, the
// checks of OK, the font, file and folder dialogs, Cancel, and the [Settings] section OK writes.

#include "ProgramFixture.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/FileLists.h"
#include "shell/frmPath.h"
#include "shell/frmSet.h"

#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolBar>

namespace {

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        open();
    }
    void open()
    {
        fakeMessageBox().boxes.clear();
        dlg = std::make_unique<frmSet>();
        dlg->show();
    }
    QLineEdit *box(const char *name) const { return Child<QLineEdit>(dlg.get(), name); }

    std::unique_ptr<frmSet> dlg;
};

using SettingsWindow = ProgramTest;

} // namespace

// Every stored value is shown in its own box and OK stores each box back. Over four
// openings each check box is read from the settings file with its own pattern of 0 and
// 1 (tests/data/shell/settings-boxes.tsv) and given the next opening's value before OK;
// the last opening shows and stores the other boxes too.
TEST_F(SettingsDialog, ShowsEachSettingAndOkStoresEachBox)
{
    const QList<QStringList> boxes = testTable("shell/settings-boxes.tsv");
    const QString folder = testHome() + "/my projects";
    QDir().mkpath(folder);
    SettingsState &s = settings();
    // The history size follows "Display command history window".
    const auto historySizeFollows = [this] {
        EXPECT_EQ(box("Text3")->isEnabled(), Child<QCheckBox>(dlg.get(), "chkDispHist")->isChecked());
    };
    for (int opening = 0; opening < 4; ++opening) {
        SCOPED_TRACE(opening);
        const int next = (opening + 1) % 4;
        for (const QStringList &b : boxes)
            WriteINI("Settings", b[1], b[2].mid(opening, 1), paths().IniFile);
        LoadSettingsFile();
        ReadAllSettings();
        if (next == 0) {
            s.DefaultUnits = 0;
            s.DataPath = testHome() + "/";
            s.MaxDisplaySize = 5000;
            s.FileExtension = "BLS";
            s.ExternalEditor = "gedit";
        }
        open();
        historySizeFollows();
        for (const QStringList &b : boxes) {
            auto *check = Child<QCheckBox>(dlg.get(), qPrintable(b[0]));
            ASSERT_TRUE(check) << b[0].toStdString();
            EXPECT_EQ(check->isChecked(), b[2][opening] == u'1') << b[0].toStdString();
            check->setChecked(b[2][next] == u'1');
        }
        historySizeFollows();
        if (next == 0)
            break;
        Click(dlg.get(), "cmdOK");
        for (const QStringList &b : boxes)
            EXPECT_EQ(ReadINI("Settings", b[1], paths().IniFile), b[2].mid(next, 1)) << b[0].toStdString();
    }
    EXPECT_EQ((QStringList{box("Text2")->text(), box("Text3")->text(), box("Text1")->text(), box("Text4")->text()}),
              (QStringList{testHome() + "/", "5000", "BLS", "gedit"}));
    EXPECT_TRUE(Child<QAbstractButton>(dlg.get(), "optUnits_0")->isChecked());
    Click(dlg.get(), "optUnits_1");
    box("Text2")->setText("  " + folder + " ");
    box("Text3")->setText("8192.4");
    retype(box("Text1"), "prj"); // upper case as it is typed
    Click(dlg.get(), "cmdSetDefault");
    EXPECT_EQ(box("Text4")->text(), "xdg-open");
    box("Text4")->setText("  kate --new ");
    Click(dlg.get(), "cmdOK");
    EXPECT_TRUE(dlg->isHidden());

    const QString section = testDataText("shell/settings-section.txt")
                                .arg(s.DisplayFontName, QString::number(s.DisplayFontSize), folder);
    EXPECT_EQ(iniSection(paths().IniFile, "Settings"), section.split(u'\n', Qt::SkipEmptyParts));
}

// OK checks the folder, the history size and the extension in that order; a refusal
// names the box, keeps the dialog open and puts the focus in the box.
TEST_F(SettingsDialog, OkChecksTheBoxesInOrder)
{
    QDir().mkpath(testHome() + "/projects");
    for (const QStringList &c : testTable("shell/settings-ok-checks.tsv")) {
        SCOPED_TRACE(c.mid(0, 3).join(" | ").toStdString());
        const QString path = c[0].isEmpty() ? QString() : testHome() + "/" + c[0];
        open();
        box("Text2")->setText(path);
        box("Text3")->setText(c[1]);
        box("Text1")->setText(c[2]);
        Click(dlg.get(), "cmdOK");
        const auto &shown = fakeMessageBox().boxes;
        const bool accepted = c[3] == "accepted";
        EXPECT_EQ(dlg->isVisible(), !accepted);
        if (accepted) {
            EXPECT_TRUE(shown.isEmpty());
            EXPECT_EQ(settings().DataPath, path.isEmpty() ? path : path + "/");
            continue;
        }
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].text.startsWith(c[3])) << shown[0].text.toStdString();
        EXPECT_EQ(shown[0].title, c[4]);
        ASSERT_TRUE(dlg->focusWidget());
        EXPECT_EQ(dlg->focusWidget()->objectName(), c[5]);
    }
}

// The folder picker's shortcuts left by OK or Cancel, and the editor picked from a file
// dialog, fill their boxes; Cancel of the dialog then changes nothing.
TEST_F(SettingsDialog, FolderAndEditorPickersThenCancelChangesNothing)
{
    const QByteArray fileBefore = readFile(paths().IniFile);
    const SettingsState before = settings();
    const QString work = testHome() + "/work";
    QDir().mkpath(work);
    box("Text2")->setText(work + "/");
    paths().UserTempPath = WithSlash(testHome());
    // A shortcut, left by OK or Cancel, and the folder box afterwards.
    const struct { int option; bool ok; QString expected; } steps[] = {
        {0, true, UserHomeFolder()},      // "User home" is the home folder
        {3, false, UserHomeFolder()},     // Cancel keeps the text
        {3, true, WithSlash(testHome())}, // the temporary folder
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.option);
        QString shownAtLoad;
        const QString before = box("Text2")->text();
        DriveDialog([&] { Click(dlg.get(), "cmdSetPath"); }, [&](QDialog *picker) {
            ASSERT_TRUE(qobject_cast<frmPath *>(picker));
            shownAtLoad = Child<FolderList>(picker, "Dir1")->path();
            EXPECT_TRUE(Child<QRadioButton>(picker, "Option1_2")->isChecked());
            Child<QRadioButton>(picker, QStringLiteral("Option1_%1").arg(s.option).toLatin1())->setChecked(true);
            Click(picker, s.ok ? "Command2" : "Command1");
        });
        // The picker opened on the folder of the box ("Current").
        EXPECT_EQ(WithSlash(shownAtLoad), WithSlash(before));
        EXPECT_EQ(box("Text2")->text(), s.expected);
    }

    fakeFileDialog().script(QString("/opt/my editor/edit"));
    Click(dlg.get(), "cmdSelect");
    ASSERT_EQ(fakeFileDialog().requests.size(), 1);
    EXPECT_TRUE(fakeFileDialog().requests[0].mustExist);
    EXPECT_EQ(box("Text4")->text(), "\"/opt/my editor/edit\"");
    // A cancelled file dialog leaves the box alone.
    Click(dlg.get(), "cmdSelect");
    EXPECT_EQ(box("Text4")->text(), "\"/opt/my editor/edit\"");
    box("Text1")->setText("ABC");

    Click(dlg.get(), "cmdCancel");
    EXPECT_TRUE(historyLog().text().endsWith(". Settings Not Modified\r\n"));
    EXPECT_EQ(settings().ExternalEditor, before.ExternalEditor);
    EXPECT_EQ(settings().FileExtension, before.FileExtension);
    EXPECT_EQ(settings().DataPath, before.DataPath);
    EXPECT_EQ(readFile(paths().IniFile), fileBefore);
}

// The drives are "/" and the mounted volumes that can hold the user's files, each once;
// one that cannot be read when it is chosen is reported.
TEST(FolderPicker, Drives)
{
    StartCoreForTest();
    EXPECT_EQ(DriveList::availableDrives().value(0), "/");
    for (const QStringList &l : testTable("shell/drives.tsv"))
        EXPECT_EQ(DriveList::drivesFrom(l[0].split('|')), l[1].split('|')) << l[0].toStdString();
    frmPath picker;
    auto *drives = Child<DriveList>(&picker, "Drive1");
    drives->addItem(testHome() + "/unmounted/"); // a volume gone since the list was made
    drives->setCurrentIndex(drives->count() - 1);
    EXPECT_EQ(MessageTexts(), QStringList{"The selected drive cannot be read. Make sure the disk is inserted and "
                                          "mounted, and that it is formatted and free of errors"});
}

TEST_F(SettingsWindow, UtilitiesMenuOpensItAndOkAppliesThePanels)
{
    start();
    settings().DisplayFontName = "DejaVu Sans";
    settings().DisplayFontSize = 10;
    // The font dialog opens on the history font; a second one is cancelled and changes
    // nothing. The size is kept as the settings file reads it back: whole points, 7 to 24.
    fakeFileDialog().scriptFont(FontChoice{"DejaVu Sans Mono", 30, false, true});
    const DialogOutcome out = DriveDialog(act("mnuUtilItem_0"), [](QDialog *d) {
        EXPECT_EQ(d->parentWidget(), mainWindow());
        Click(d, "Command5");
        Click(d, "Command5");
        Child<QCheckBox>(d, "chkEnableTB")->setChecked(false);
        Child<QCheckBox>(d, "chkDispHist")->setChecked(false);
        Click(d, "cmdOK");
    });
    EXPECT_FALSE(out.stayedOpen);
    auto *history = Child<QPlainTextEdit>(w, "txtMain");
    EXPECT_TRUE(Child<QToolBar>(w, "Toolbar1")->isHidden());
    EXPECT_TRUE(history->isHidden());
    ASSERT_EQ(fakeFileDialog().fontRequests.size(), 2);
    EXPECT_EQ(fakeFileDialog().fontRequests[0], (FontChoice{"DejaVu Sans", 10, false, false}));
    EXPECT_EQ(settings().DisplayFontSize, 24.0f);
    EXPECT_EQ(history->font().family(), "DejaVu Sans Mono");
    EXPECT_TRUE(history->font().italic());
}
