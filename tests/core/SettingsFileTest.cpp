// The settings file: first start, version gate, reading rules, the INI layer.

#include "CoreTables.h"
#include "WindowDriver.h"
#include "core/FileAccess.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/Startup.h"
#include "core/Utilities.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
QString iniPath() { return fakeFolders().documentsDir + "/MyKorvendo/Korvendo.INI"; }

// Reads the settings file again as the program does at its start.
void reloadSettings()
{
    LoadSettingsFile();
    ReadAllSettings();
}
} // namespace

TEST(SettingsFile, FirstStartWritesEverySectionInOrder)
{
    StartCoreForTest();
    EXPECT_EQ(QString::fromUtf8(readFile(iniPath())), testDataText("settings/first-start.ini"));
    EXPECT_TRUE(historyLog().text().startsWith("1. Saving default settings to file: " + iniPath() + "\r\n"));
}

TEST(SettingsFile, OnlyTheSameVersionIsKept)
{
    for (const char *version : {"080122", "080123", "80122", "", "080122 x"}) {
        SCOPED_TRACE(version);
        const bool same = QByteArray(version) == "080122";
        writeFile(iniPath(), QByteArray("[Version]\r\nINIFileVersion=") + version
                                 + "\r\n[BlastOptions]\r\nEnglishMenus=0\r\n");
        ResetProgramState();
        historyLog().setText(QString());
        StartCoreForTest();
        EXPECT_EQ(ReadINI("Version", "INIFileVersion", iniPath()), "080122");
        EXPECT_EQ(settings().EnglishMenus, same ? 0 : 1);
        EXPECT_EQ(historyLog().text().contains("Saving default settings"), !same);
    }
}

TEST(SettingsFile, UnusableFileRunsOnBuiltInValues)
{
    // The per-user folder is a file, so the program folder takes its place; there the
    // settings "file" is a folder that can be neither read, deleted nor written.
    writeFile(fakeFolders().documentsDir + "/MyKorvendo", "not a folder");
    QDir().mkpath(fakeFolders().appDir + "/Korvendo.INI");
    StartCoreForTest();
    EXPECT_EQ(paths().UserPath, paths().AppPath);
    EXPECT_EQ(settings().EnglishMenus, 1);
}

TEST(SettingsFile, ReadingRules)
{
    for (QStringList row : coreTable("settings-reading.tsv")) {
        row.replaceInStrings(QRegularExpression("^( *)~"), "\\1" + testHome());
        SCOPED_TRACE((row[1] + "=" + row[2]).toStdString());
        if (row[1] == "DataPath" && !row.value(3).isEmpty())
            QDir().mkpath(row[3]);
        ResetProgramState();
        StartCoreForTest();
        WriteINI(row[0], row[1], row[2], iniPath());
        reloadSettings();
        ASSERT_TRUE(SaveDefaultSettings(1));
        EXPECT_EQ(ReadINI(row[0], row[1], iniPath()), row.value(3));
    }
}

TEST(SettingsFile, MissingAndOverlongKeysTakeTheLowEnd)
{
    StartCoreForTest();
    writeFile(iniPath(), "[Version]\r\nINIFileVersion=080122\r\n[FileMenu]\r\nMaxLastFiles=1\r\nLastFileMode1=99999\r\n");
    reloadSettings();
    EXPECT_EQ(settings().EnglishMenus, 0); // Greek, not the start-up preset
    EXPECT_EQ(settings().MaxDisplaySize, 4096);
    EXPECT_EQ(settings().DisplayFontSize, 7);
    EXPECT_EQ(settings().FileExtension, "KVD");
    EXPECT_EQ(recentFiles().LastFileMode[1], -32768); // out of 16 bits: limited, no overflow

    // A value longer than an INI value may be counts as missing (c{n}: n times c).
    const QString longest(kMaxIniValueLength, 'G');
    writeFile(iniPath(), cellText(testDataText("core/overlong.ini")).toUtf8());
    reloadSettings();
    EXPECT_EQ(settings().DisplayFontName, GetScreenFont());
    EXPECT_EQ(settings().ExternalEditor, longest);
    EXPECT_EQ(settings().CopyExampleFiles, 1); // missing: its default 1
    EXPECT_EQ(settings().BrowseFontName, longest);
}

TEST(IniFile, ProfileBehaviour)
{
    const QString f = testHome() + "/t.ini";
    writeFile(f, "; comment\r\n[One]\r\nA = 1 \r\nB='quoted'\r\n\r\n[two]\r\nC=\"x\"\r\n");
    EXPECT_EQ(ReadINI("one", "a", f), "1");
    EXPECT_EQ(ReadINI("ONE", "B", f), "quoted");
    EXPECT_EQ(ReadINI("Two", "c", f), "x");
    EXPECT_EQ(ReadINI("Two", "missing", f), "");
    EXPECT_EQ(ReadINI("Two", "missing", f, "7"), "7");
    EXPECT_EQ(ReadINI("Nope", "A", QString(f + ".none")), "");

    EXPECT_NE(WriteINI("one", "a", "2", f), 0);     // in place
    EXPECT_NE(WriteINI("One", "New", "", f), 0);    // appended to its section
    EXPECT_NE(WriteINI("Three", "D", "4", f), 0);   // new section at the end
    EXPECT_NE(WriteINI("two", "E", "a\r\nb", f), 0); // a value never breaks the file
    EXPECT_EQ(QString::fromUtf8(readFile(f)),
              "; comment\r\n[One]\r\na=2\r\nB='quoted'\r\nNew=\r\n\r\n[two]\r\nC=\"x\"\r\nE=a  b\r\n[Three]\r\nD=4\r\n");
    EXPECT_EQ(WriteINI("S", "K", "V", testHome() + "/no/such/folder/x.ini"), 0);

    // A file of exactly 16 MiB is read; one byte more is neither read nor replaced.
    for (const qint64 size : {kMaxFileBytes, kMaxFileBytes + 1}) {
        writeFile(f, "[S]\r\nK=v\r\n");
        ASSERT_TRUE(QFile::resize(f, size));
        EXPECT_EQ(ReadINI("S", "K", f), size == kMaxFileBytes ? "v" : "") << size;
    }
    EXPECT_EQ(WriteINI("S", "K", "w", f), 0);
    EXPECT_EQ(QFileInfo(f).size(), kMaxFileBytes + 1);
}

TEST(SettingsFile, AFailedSaveKeepsTheFileAndTellsTheUserOnce)
{
    StartCoreForTest();
    const QByteArray before = readFile(iniPath());
    fakeMessageBox().boxes.clear();
    settings().EnglishMenus = 0;
    recentFiles().MaxLastFiles = 1;
    recentFiles().LastFileLong[1] = "/projects/a.kvd";
    {
        ScopedFileSizeLimit full(before.size() / 2);
        EXPECT_FALSE(SaveDefaultSettings(1));
    }
    EXPECT_EQ(readFile(iniPath()), before);
    EXPECT_EQ(QDir(QFileInfo(iniPath()).absolutePath()).entryList(QDir::Files), QStringList{"Korvendo.INI"});
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts()[0].startsWith("The settings could not be saved to: " + iniPath()));
    EXPECT_EQ(fakeMessageBox().boxes[0].title, messageState().TitleError);
    EXPECT_TRUE(historyLog().text().contains("The settings could not be saved to: " + iniPath()));
    // The values hold for the run, and the next save that can complete writes them all.
    EXPECT_EQ(settings().EnglishMenus, 0);
    EXPECT_TRUE(SaveDefaultSettings(3));
    EXPECT_EQ(ReadINI("BlastOptions", "EnglishMenus", iniPath()), "0");
    EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", iniPath()), "/projects/a.kvd");
    EXPECT_EQ(fakeMessageBox().boxes.size(), 1);
}

TEST(SettingsFile, OneSaveIsOneWriteInTheSameLayout)
{
    // Unknown keys, comments and a second section of the same name stay as they were;
    // the values are updated in place and the file is replaced once.
    StartCoreForTest();
    writeFile(iniPath(), testData("settings/own-layout.ini"));
    reloadSettings();
    EXPECT_EQ(settings().EnglishMenus, 0);
    settings().EnglishMenus = 1;
    ASSERT_TRUE(SaveDefaultSettings(10));
    EXPECT_EQ(readFile(iniPath()), testData("settings/own-layout-saved.ini"));
}

// A settings file that cannot be read (a pipe, too large, not readable) is
// neither deleted nor rebuilt nor written: the run goes on with the built-in values.
TEST(SettingsFile, AFileThatCannotBeReadIsKeptAsItIs)
{
    const struct {
        const char *name;
        std::function<void()> make;
        QString reason;
        bool permissions = false; // needs file permissions that bind
    } cases[] = {
        {"a named pipe", [] { mkfifo(QFile::encodeName(iniPath()), 0600); }, ""},
        {"one byte over the size limit",
         [] {
             writeFile(iniPath(), "[Version]\r\nINIFileVersion=090000\r\n");
             QFile::resize(iniPath(), kMaxFileBytes + 1);
         },
         QString::number(kMaxFileBytes + 1)},
        {"a file the program may not read",
         [] {
             writeFile(iniPath(), "[Version]\r\n");
             chmod(QFile::encodeName(iniPath()), 0);
         },
         "(Permission denied)", true},
    };
    ScopedOwnerPermissions asOwner;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.permissions && !asOwner.ok()) // the last case
            GTEST_SKIP() << "file permissions cannot be made to bind here";
        ResetProgramState();
        historyLog().setText(QString());
        fakeMessageBox().boxes.clear();
        QDir(QFileInfo(iniPath()).absolutePath()).removeRecursively();
        QDir().mkpath(QFileInfo(iniPath()).absolutePath());
        c.make();
        const qint64 size = QFileInfo(iniPath()).size();
        const QDateTime modified = QFileInfo(iniPath()).lastModified();
        StartCoreForTest();
        ASSERT_EQ(MessageTexts().size(), 1);
        EXPECT_TRUE(MessageTexts()[0].startsWith("The settings file could not be read: " + iniPath()));
        EXPECT_TRUE(MessageTexts()[0].contains(c.reason));
        EXPECT_TRUE(SettingsFileHeldBack());
        EXPECT_EQ(settings().EnglishMenus, 1);
        EXPECT_EQ(settings().MaxDisplaySize, 2048);
        EXPECT_FALSE(SaveDefaultSettings(1));
        EXPECT_FALSE(SaveDefaultSettings(3));
        EXPECT_EQ(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(QFileInfo(iniPath()).size(), size);
        EXPECT_EQ(QFileInfo(iniPath()).lastModified(), modified);
        EXPECT_EQ(QDir(QFileInfo(iniPath()).absolutePath()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                  QStringList({"Korvendo.INI", "Temp"}));
        chmod(QFile::encodeName(iniPath()), 0644);
    }
}
