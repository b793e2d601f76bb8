// The settings file: first start, version gate, reading rules, the INI layer.

#include "TestSupport.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
QString iniPath() { return fakeFolders().documentsDir + "/MyKorvendo/Korvendo.INI"; }

// Starts once with a fresh file, then rewrites one key and reads everything again.
void startWith(const QString &section, const QString &key, const QString &value)
{
    StartCoreForTest();
    WriteINI(section, key, value, iniPath());
    ReadAllSettings();
}
} // namespace

TEST(SettingsFile, FirstStartWritesEverySectionInOrder)
{
    StartCoreForTest();
    ASSERT_TRUE(QFile::exists(iniPath()));
    const QString text = QString::fromUtf8(readFile(iniPath()));
    const QString expected = QStringLiteral(
        "[Version]\r\nINIFileVersion=080122\r\n"
        "[Settings]\r\nDefaultUnits=1\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=2048\r\n"
        "DisplayFontName=DejaVu Sans\r\nDisplayFontSize=10\r\nDisplayFontBold=0\r\nDisplayFontItalic=0\r\n"
        "KeepFileNames=1\r\nShowDisclaim=1\r\nMaxMainMenu=0\r\nEnableMainMenuToolbar=1\r\n"
        "ShortRecentFiles=0\r\nLoadLastInputFile=0\r\nRemindAnnualUpdates=1\r\nCopyExampleFiles=1\r\n"
        "DataPath=\r\nFileExtension=KVD\r\nExternalEditor=Notepad.exe\r\n"
        "[FileMenu]\r\nMaxLastFiles=0\r\n"
        "[TextBrowse]\r\nBrowseFontName=DejaVu Sans\r\nBrowseFontSize=10\r\nBrowseFontBold=0\r\n"
        "BrowseFontItalic=0\r\nBrowseDefaultFilter=\r\nBrowseUseNotepad=0\r\n"
        "[BlastOptions]\r\nEnglishMenus=1\r\nShowAllBlastDesign=0\r\nPrintModuleHeader=1\r\n"
        "EnableMohrCircles=1\r\nShowInternalPlotCoords=1\r\nShowBurdenCalcWarning=1\r\n");
    EXPECT_EQ(text, expected);
    EXPECT_TRUE(historyLog().text().startsWith("1. Saving default settings to file: " + iniPath() + "\r\n"));
    // The freshly built file reads back: 2048 becomes 4096, the rest as written.
    EXPECT_EQ(settings().MaxDisplaySize, 4096);
    EXPECT_EQ(settings().EnglishMenus, 1);
    EXPECT_EQ(settings().DisplayHistoryWin, 1);
}

TEST(SettingsFile, SecondStartLeavesFileUntouched)
{
    StartCoreForTest();
    WriteINI("Settings", "ShowDisclaim", "0", iniPath());
    const QByteArray before = readFile(iniPath());
    ResetProgramState();
    historyLog().setText(QString());
    StartCoreForTest();
    EXPECT_EQ(readFile(iniPath()), before);
    EXPECT_EQ(settings().ShowDisclaim, 0);
    EXPECT_FALSE(historyLog().text().contains("Saving default settings"));
}

TEST(SettingsFile, OtherVersionIsRebuilt)
{
    for (const char *version : {"080123", "80122", "", "080122 x"}) {
        writeFile(iniPath(), QByteArray("[Version]\r\nINIFileVersion=") + version
                                 + "\r\n[BlastOptions]\r\nEnglishMenus=0\r\n");
        ResetProgramState();
        StartCoreForTest();
        EXPECT_EQ(ReadINI("Version", "INIFileVersion", iniPath()), "080122") << version;
        EXPECT_EQ(settings().EnglishMenus, 1) << version;
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
    EXPECT_EQ(paths().UserTempPath, paths().AppPath);
    EXPECT_EQ(settings().EnglishMenus, 1);
    EXPECT_EQ(settings().EnableMainMenuToolbar, 1);
    EXPECT_EQ(settings().DisplayHistoryWin, 1);
    EXPECT_EQ(settings().KeepFileNames, 1);
}

TEST(SettingsFile, ReadingRules)
{
    struct Case {
        const char *section, *key, *value;
        std::function<double()> read;
        double expected;
    };
    const Case cases[] = {
        {"Settings", "MaxDisplaySize", "2048", [] { return settings().MaxDisplaySize; }, 4096},
        {"Settings", "MaxDisplaySize", "20000", [] { return settings().MaxDisplaySize; }, 4096},
        {"Settings", "MaxDisplaySize", "16384", [] { return settings().MaxDisplaySize; }, 16384},
        {"Settings", "MaxDisplaySize", "99999999", [] { return settings().MaxDisplaySize; }, 4096},
        {"Settings", "DisplayFontSize", "11.5", [] { return settings().DisplayFontSize; }, 12},
        {"Settings", "DisplayFontSize", "10.5", [] { return settings().DisplayFontSize; }, 10},
        {"Settings", "DisplayFontSize", "30", [] { return settings().DisplayFontSize; }, 7},
        {"Settings", "DisplayFontBold", "1", [] { return settings().DisplayFontBold; }, -1},
        {"Settings", "DisplayFontBold", "-1", [] { return settings().DisplayFontBold; }, -1},
        {"Settings", "ShowDisclaim", "abc", [] { return settings().ShowDisclaim; }, 0},
        {"Settings", "CopyExampleFiles", "", [] { return settings().CopyExampleFiles; }, 1},
        {"Settings", "DefaultUnits", "\"1\"", [] { return settings().DefaultUnits; }, 1},
        {"TextBrowse", "BrowseFontSize", "24", [] { return settings().BrowseFontSize; }, 24},
        {"TextBrowse", "BrowseUseNotepad", "2", [] { return settings().BrowseUseNotepad; }, 0},
        {"FileMenu", "MaxLastFiles", "9", [] { return recentFiles().MaxLastFiles; }, 0},
        {"BlastOptions", "EnglishMenus", "0", [] { return settings().EnglishMenus; }, 0},
    };
    for (const Case &c : cases) {
        ResetProgramState();
        startWith(c.section, c.key, c.value);
        EXPECT_EQ(c.read(), c.expected) << c.key << "=" << c.value;
    }
}

TEST(SettingsFile, MissingKeysTakeTheLowEnd)
{
    StartCoreForTest();
    writeFile(iniPath(), "[Version]\r\nINIFileVersion=080122\r\n");
    ReadAllSettings();
    EXPECT_EQ(settings().EnglishMenus, 0); // Greek, not the start-up preset
    EXPECT_EQ(settings().MaxDisplaySize, 4096);
    EXPECT_EQ(settings().DisplayFontSize, 7);
    EXPECT_EQ(settings().CopyExampleFiles, 1);
    EXPECT_EQ(settings().FileExtension, "KVD");
    EXPECT_EQ(settings().DisplayFontName, "DejaVu Sans");
}

TEST(SettingsFile, DataPathAndExtension)
{
    const QString existing = testHome() + "/projects";
    QDir().mkpath(existing);
    struct Case {
        QString value, expected;
    } cases[] = {{"0", ""}, {"", ""}, {existing, existing + "/"}, {"  " + existing + "/  ", existing + "/"},
                 {testHome() + "/missing", ""}};
    for (const Case &c : cases) {
        ResetProgramState();
        startWith("Settings", "DataPath", c.value);
        EXPECT_EQ(settings().DataPath, c.expected) << c.value.toStdString();
    }
    for (const char *ext : {"0", ""}) {
        ResetProgramState();
        startWith("Settings", "FileExtension", ext);
        EXPECT_EQ(settings().FileExtension, "KVD");
    }
}

TEST(SettingsFile, LongValuesAreNotCut)
{
    StartCoreForTest();
    const QString longPath = testHome() + "/" + QString(100, 'a') + "/" + QString(100, 'b') + "/" + QString(100, 'c');
    QDir().mkpath(longPath);
    settings().DataPath = longPath + "/";
    WriteSettings(2);
    ReadSettings(2);
    EXPECT_EQ(settings().DataPath, longPath + "/");
}

TEST(SettingsFile, RecentFilesRoundTrip)
{
    StartCoreForTest();
    RecentFilesState &r = recentFiles();
    r.MaxLastFiles = 2;
    r.LastFile[1] = "a.KVD";
    r.LastFileLong[1] = "/x/a.KVD";
    r.LastFileMode[1] = 1;
    r.LastFile[2] = "β.KVD";
    r.LastFileLong[2] = "/y/β.KVD";
    r.LastFileMode[2] = 1;
    SaveDefaultSettings(3);
    WriteINI("FileMenu", "LastFileMode2", "99999", iniPath());
    r = RecentFilesState();
    ReadSettings(3);
    EXPECT_EQ(r.MaxLastFiles, 2);
    EXPECT_EQ(r.LastFileLong[2], "/y/β.KVD");
    EXPECT_EQ(r.LastFile[1], "a.KVD");
    EXPECT_EQ(r.LastFileMode[2], -32768); // out of 16 bits: limited, no overflow
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
}
