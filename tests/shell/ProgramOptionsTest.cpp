// The program options dialog, opened from Utilities > Options: the options it edits
// and writes to the settings file, the language switch it drives, and the file
// association it creates for real in the test's private XDG folders.

#include "ProgramFixture.h"
#include "platform/XdgFileAssociation.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QMimeDatabase>

namespace {

QString dataHome() { return testHome() + "/.local/share"; }

class ProgramOptions : public ProgramTest {
protected:
    void SetUp() override
    {
        start();
        // The program as installed: its own file name, the association done for real.
        appState().ExeName = QStringLiteral("tessolan-primer");
        services().fileAssociation = std::make_unique<XdgFileAssociation>();
    }
    DialogOutcome options(const std::function<void(QDialog *)> &steps)
    {
        return DriveDialog(act("mnuUtilItem_1"), steps);
    }
    // Creates the association from the dialog, then leaves it with Cancel.
    void associate()
    {
        options([](QDialog *d) {
            Click(d, "cmdFileAssoc");
            Click(d, "Command1");
        });
    }
    QString program() const { return paths().AppPath + "tessolan-primer"; }
};

} // namespace

// Each option is shown in its own box and stored back from it, one by one: the options
// alternate between 0 and 1 and every box is turned over before OK. English menus
// off switches the menus to Greek at once. A settings file that cannot be written is
// reported, and the options chosen hold.
TEST_F(ProgramOptions, OkStoresEachBoxAndSwitchesTheMenus)
{
    const struct { const char *box; int16_t SettingsState::*value; int16_t loaded; } boxes[] = {
        {"Check1", &SettingsState::EnglishMenus, 1},
        {"Check2", &SettingsState::ShowAllBlastDesign, 0},
        {"Check6", &SettingsState::PrintModuleHeader, 1},
        {"Check3", &SettingsState::ShowInternalPlotCoords, 0},
        {"chkBurdenCalc", &SettingsState::ShowBurdenCalcWarning, 1},
    };
    for (const auto &b : boxes)
        settings().*b.value = b.loaded;
    settings().EnableMohrCircles = 0;
    // Cancel after turning a box over stores nothing.
    const QByteArray fileBefore = readFile(paths().IniFile);
    options([](QDialog *d) {
        Child<QCheckBox>(d, "Check1")->click();
        Click(d, "Command1");
    });
    EXPECT_EQ(settings().EnglishMenus, 1);
    EXPECT_EQ(readFile(paths().IniFile), fileBefore);
    EXPECT_TRUE(historyLog().text().endsWith(". Korvendo options Not modified\r\n"));
    const DialogOutcome out = options([&](QDialog *d) {
        for (const auto &b : boxes) {
            auto *box = Child<QCheckBox>(d, b.box);
            ASSERT_TRUE(box) << b.box;
            EXPECT_EQ(box->isChecked(), b.loaded == 1) << b.box;
            box->click();
        }
        Click(d, "Command2");
    });
    EXPECT_FALSE(out.stayedOpen);
    EXPECT_TRUE(historyLog().text().endsWith(". Korvendo options modified\r\n"));
    EXPECT_EQ(iniSection(paths().IniFile, "BlastOptions"), (QStringList{"EnglishMenus=0", "ShowAllBlastDesign=1", "PrintModuleHeader=0",
                                                  "EnableMohrCircles=0", "ShowInternalPlotCoords=1",
                                                  "ShowBurdenCalcWarning=0"}));
    EXPECT_EQ(Child<QMenu>(w, "mnuFile")->title(), "Αρχείο"); // at once

    ASSERT_TRUE(QDir(fakeFolders().documentsDir + "/MyKorvendo").removeRecursively());
    fakeMessageBox().boxes.clear();
    options([](QDialog *d) {
        Child<QCheckBox>(d, "Check1")->click();
        Click(d, "Command2");
    });
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    const RecordedBox &box = fakeMessageBox().boxes[0];
    EXPECT_EQ(box.title, "Program Options: Error");
    EXPECT_TRUE(box.text.contains("could not be saved")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(paths().IniFile)) << box.text.toStdString();
    EXPECT_EQ(settings().EnglishMenus, 1);
    EXPECT_EQ(Child<QMenu>(w, "mnuFile")->title(), "&File");
}

TEST_F(ProgramOptions, FileAssociationForRealInThePrivateFolders)
{
    associate();
    EXPECT_EQ(MessageTexts(), QStringList{"The KVD file extensions has been associated to " + program()
                                          + "\r\n\r\nNote: the association holds for the current user only"});

    const QString type = "application/x-tessolan-primer-kvd";
    EXPECT_EQ(runTool("xdg-mime", {"query", "default", type}), "tessolan-primer.desktop");
    const QString desktop = dataHome() + "/applications/tessolan-primer.desktop";
    EXPECT_EQ(runTool("desktop-file-validate", {desktop}), "");
    const QString entry = QString::fromUtf8(readFile(desktop));
    EXPECT_TRUE(entry.contains("\nExec=\"" + program() + "\" %f\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nMimeType=" + type + ";\n"));
    EXPECT_TRUE(QFile::exists(dataHome() + "/icons/hicolor/scalable/apps/tessolan-primer.svg"));

    // The MIME database, read for the first time in this process, knows the type in both cases.
    QMimeDatabase db;
    for (const char *name : {"bench.KVD", "bench.kvd"})
        EXPECT_EQ(db.mimeTypeForFile(QString::fromLatin1(name), QMimeDatabase::MatchExtension).name(), type) << name;

    // Twice leaves the same files; another extension adds its type beside the first.
    const QByteArray firstEntry = readFile(desktop);
    associate();
    EXPECT_EQ(readFile(desktop), firstEntry);
    settings().FileExtension = "BLS";
    associate();
    EXPECT_TRUE(QString::fromUtf8(readFile(desktop)).contains("\nMimeType=" + type + ";application/x-tessolan-primer-bls;\n"));
    EXPECT_EQ(runTool("xdg-mime", {"query", "default", type}), "tessolan-primer.desktop");
    EXPECT_EQ(runTool("xdg-mime", {"query", "default", "application/x-tessolan-primer-bls"}), "tessolan-primer.desktop");
}

TEST_F(ProgramOptions, AFailedAssociationNamesItsStepLeavesTheFoldersAsTheyWereAndNeverClaimsSuccess)
{
    // A stand-in for the desktop's xdg-mime that fails, found first on the PATH.
    const QString failing = testHome() + "/failing-bin";
    QFile::setPermissions(writeFile(failing + "/xdg-mime", "#!/bin/sh\nexit 1\n"), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    // Every file and folder under the XDG data and config folders, with its bytes.
    const auto xdgFolders = [] {
        QStringList out;
        for (const char *root : {"/.local/share", "/.config"})
            for (QDirIterator it(testHome() + root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                 QDirIterator::Subdirectories);
                 it.hasNext();)
                out << it.next() + ' ' + QString::number(qHash(readFile(it.filePath())));
        out.sort();
        return out;
    };
    const struct {
        const char *name;
        std::function<void()> arrange;
        const char *expected; // part of the message
    } cases[] = {
        {"data folder is a file", [] { writeFile(dataHome(), "x"); }, "could not be created"},
        {"programs missing", [&] { qputenv("PATH", testHome().toUtf8()); }, "update-mime-database could not be started"},
        // Beside an association made before, which stays as it was.
        {"default application fails beside an earlier association",
         [&] {
             settings().FileExtension = "BLS";
             associate();
             settings().FileExtension = "KVD";
             qputenv("PATH", (failing + ":").toUtf8() + path);
         },
         "xdg-mime failed"},
        {"empty extension", [] { settings().FileExtension = ""; }, "The file extension \"\" cannot be associated"},
        {"wildcard extension", [] { settings().FileExtension = "*"; }, "The file extension \"*\" cannot be associated"},
        {"digits of another script", [] { settings().FileExtension = QStringLiteral("K\u0663D"); }, "cannot be associated"},
        {"longer than a desktop pattern takes", [] { settings().FileExtension = QString(300, 'K'); },
         "cannot be associated"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dataHome()).removeRecursively();
        QDir(testHome() + "/.config").removeRecursively();
        QFile::remove(dataHome());
        settings().FileExtension = "KVD";
        c.arrange();
        const QStringList before = xdgFolders();
        fakeMessageBox().boxes.clear();
        associate();
        qputenv("PATH", path);
        ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
        const RecordedBox &box = fakeMessageBox().boxes[0];
        EXPECT_TRUE(box.text.contains(QString::fromUtf8(c.expected))) << box.text.toStdString();
        EXPECT_FALSE(box.text.contains("has been associated"));
        EXPECT_EQ(box.title, "Program Options: Error");
        EXPECT_EQ(xdgFolders(), before);
    }
}
