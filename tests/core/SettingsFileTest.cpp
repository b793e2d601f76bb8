// The settings file: first start, version gate, reading rules, the INI layer.

#include "TestSupport.h"
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
#include <unistd.h>

namespace {
QString iniPath() { return fakeFolders().documentsDir + "/MyKorvendo/Korvendo.INI"; }
} // namespace

TEST(SettingsFile, FirstStartWritesEverySectionInOrder)
{
    StartCoreForTest();
    const QString text = QString::fromUtf8(readFile(iniPath()));
    EXPECT_EQ(text, testDataText("settings/first-start.ini"));
    EXPECT_TRUE(historyLog().text().startsWith("1. Saving default settings to file: " + iniPath() + "\r\n"));
}

TEST(SettingsFile, OnlyTheSameVersionIsKept)
{
    for (const char *version : {"080122", "080123", "80122", "", "080122 x"}) {
        const bool same = QByteArray(version) == "080122";
        writeFile(iniPath(), QByteArray("[Version]\r\nINIFileVersion=") + version
                                 + "\r\n[BlastOptions]\r\nEnglishMenus=0\r\n");
        ResetProgramState();
        historyLog().setText(QString());
        StartCoreForTest();
        EXPECT_EQ(ReadINI("Version", "INIFileVersion", iniPath()), "080122") << version;
        EXPECT_EQ(settings().EnglishMenus, same ? 0 : 1) << version;
        EXPECT_EQ(historyLog().text().contains("Saving default settings"), !same) << version;
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
    EXPECT_EQ(settings().EnableMainMenuToolbar, 1);
    EXPECT_EQ(settings().DisplayHistoryWin, 1);
}

TEST(SettingsFile, ReadingRules)
{
    const QString folder = testHome() + "/projects";
    const QString longFolder = testHome() + "/" + QString(100, 'a') + "/" + QString(100, 'b') + "/" + QString(100, 'c');
    QDir().mkpath(folder);
    QDir().mkpath(longFolder);
    auto number = [](const auto &v) { return [&v] { return QString::number(v); }; };
    const struct {
        const char *section, *key;
        QString value;
        std::function<QString()> read;
        QString expected;
    } cases[] = {
        {"Settings", "MaxDisplaySize", "2048", number(settings().MaxDisplaySize), "4096"},
        {"Settings", "MaxDisplaySize", "16384", number(settings().MaxDisplaySize), "16384"},
        {"Settings", "MaxDisplaySize", "99999999", number(settings().MaxDisplaySize), "4096"},
        {"Settings", "DisplayFontSize", "11.5", number(settings().DisplayFontSize), "12"},
        {"Settings", "DisplayFontSize", "10.5", number(settings().DisplayFontSize), "10"},
        {"Settings", "DisplayFontSize", "30", number(settings().DisplayFontSize), "7"},
        {"Settings", "DisplayFontBold", "1", number(settings().DisplayFontBold), "-1"},
        {"Settings", "ShowDisclaim", "abc", number(settings().ShowDisclaim), "0"},
        {"Settings", "CopyExampleFiles", "", number(settings().CopyExampleFiles), "1"},
        {"Settings", "DefaultUnits", "\"1\"", number(settings().DefaultUnits), "1"},
        {"Settings", "ExternalEditor", "\"\"", [] { return settings().ExternalEditor; }, ""},
        {"Settings", "ExternalEditor", "''", [] { return settings().ExternalEditor; }, ""},
        {"Settings", "ExternalEditor", "\"", [] { return settings().ExternalEditor; }, "\""},
        {"TextBrowse", "BrowseUseNotepad", "2", number(settings().BrowseUseNotepad), "0"},
        {"FileMenu", "MaxLastFiles", "9", number(recentFiles().MaxLastFiles), "0"},
        {"Settings", "DataPath", "0", [] { return settings().DataPath; }, ""},
        {"Settings", "DataPath", "  " + folder + "/  ", [] { return settings().DataPath; }, folder + "/"},
        {"Settings", "DataPath", testHome() + "/missing", [] { return settings().DataPath; }, ""},
        {"Settings", "DataPath", longFolder, [] { return settings().DataPath; }, longFolder + "/"},
        {"Settings", "FileExtension", "", [] { return settings().FileExtension; }, "KVD"},
        {"Settings", "FileExtension", "0", [] { return settings().FileExtension; }, "KVD"},
    };
    for (const auto &c : cases) {
        ResetProgramState();
        StartCoreForTest();
        WriteINI(c.section, c.key, c.value, iniPath());
        LoadSettingsFile();
        ReadAllSettings();
        EXPECT_EQ(c.read(), c.expected) << c.key << "=" << c.value.toStdString();
    }
}

TEST(SettingsFile, MissingKeysTakeTheLowEnd)
{
    StartCoreForTest();
    writeFile(iniPath(), "[Version]\r\nINIFileVersion=080122\r\n[FileMenu]\r\nMaxLastFiles=1\r\nLastFileMode1=99999\r\n");
    LoadSettingsFile();
    ReadAllSettings();
    EXPECT_EQ(settings().EnglishMenus, 0); // Greek, not the start-up preset
    EXPECT_EQ(settings().MaxDisplaySize, 4096);
    EXPECT_EQ(settings().DisplayFontSize, 7);
    EXPECT_EQ(settings().FileExtension, "KVD");
    EXPECT_EQ(recentFiles().LastFileMode[1], -32768); // out of 16 bits: limited, no overflow
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
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_TRUE(fakeMessageBox().boxes[0].text.startsWith("The settings could not be saved to: " + iniPath()));
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
    writeFile(iniPath(), "[Version]\r\nINIFileVersion=080122\r\n; mine\r\n[BlastOptions]\r\nExtra=1\r\n"
                         "EnglishMenus=0\r\n\r\n[Other]\r\nA=b\r\n[blastoptions]\r\nEnglishMenus=1\r\n");
    LoadSettingsFile();
    ReadAllSettings();
    EXPECT_EQ(settings().EnglishMenus, 0);
    settings().EnglishMenus = 1;
    ASSERT_TRUE(SaveDefaultSettings(10));
    EXPECT_EQ(QString::fromUtf8(readFile(iniPath())),
              "[Version]\r\nINIFileVersion=080122\r\n; mine\r\n[BlastOptions]\r\nExtra=1\r\nEnglishMenus=1\r\n"
              "ShowAllBlastDesign=0\r\nPrintModuleHeader=0\r\nEnableMohrCircles=0\r\nShowInternalPlotCoords=0\r\n"
              "ShowBurdenCalcWarning=0\r\n\r\n[Other]\r\nA=b\r\n[blastoptions]\r\nEnglishMenus=1\r\n");
}

TEST(SettingsFile, AFileThatCannotBeReadIsKeptAsItIs)
{
    const QString big = QString::number(17 * 1024 * 1024);
    const struct {
        const char *name;
        std::function<void()> make;
    } cases[] = {
        {"a named pipe", [] { QDir().mkpath(QFileInfo(iniPath()).absolutePath()); mkfifo(QFile::encodeName(iniPath()), 0600); }},
        {"a folder", [] { QDir().mkpath(iniPath()); }},
        {"a 17 MB file", [] { writeFile(iniPath(), "[Version]\r\nINIFileVersion=080122\r\n"); truncate(QFile::encodeName(iniPath()), 17 << 20); }},
        {"a 100 MB file", [] { writeFile(iniPath(), "[Version]\r\nINIFileVersion=090000\r\n"); truncate(QFile::encodeName(iniPath()), 100 << 20); }},
    };
    for (const auto &c : cases) {
        ResetProgramState();
        historyLog().setText(QString());
        fakeMessageBox().boxes.clear();
        QDir(QFileInfo(iniPath()).absolutePath()).removeRecursively();
        c.make();
        const QFileInfo before(iniPath());
        StartCoreForTest();
        ASSERT_EQ(fakeMessageBox().boxes.size(), 1) << c.name;
        EXPECT_TRUE(fakeMessageBox().boxes[0].text.startsWith("The settings file could not be read: " + iniPath()))
            << c.name;
        EXPECT_TRUE(SettingsFileHeldBack());
        // Built-in values, and no write during the run.
        EXPECT_EQ(settings().EnglishMenus, 1) << c.name;
        EXPECT_EQ(settings().MaxDisplaySize, 2048) << c.name;
        EXPECT_FALSE(SaveDefaultSettings(1)) << c.name;
        EXPECT_FALSE(SaveDefaultSettings(3)) << c.name;
        EXPECT_EQ(fakeMessageBox().boxes.size(), 1) << c.name;
        const QFileInfo after(iniPath());
        EXPECT_EQ(after.size(), before.size()) << c.name;
        EXPECT_EQ(after.lastModified(), before.lastModified()) << c.name;
        EXPECT_EQ(after.isFile(), before.isFile()) << c.name;
        EXPECT_EQ(QDir(QFileInfo(iniPath()).absolutePath()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                  QStringList({"Korvendo.INI", "Temp"}))
            << c.name;
    }
    // The size is named in the message.
    EXPECT_TRUE(fakeMessageBox().boxes[0].text.contains(QString::number(100 << 20)));
}

TEST(SettingsFile, OverlongValuesCountAsMissing)
{
    StartCoreForTest();
    const QString longName(kMaxIniValueLength + 1, 'F');
    const QString longest(kMaxIniValueLength, 'G');
    writeFile(iniPath(), ("[Version]\r\nINIFileVersion=080122\r\n[Settings]\r\nDisplayFontName=" + longName
                          + "\r\nExternalEditor=" + longest + "\r\nCopyExampleFiles=" + QString(5000, '0')
                          + "\r\n[TextBrowse]\r\nBrowseFontName=" + longest + "\r\n")
                             .toUtf8());
    LoadSettingsFile();
    ReadAllSettings();
    EXPECT_EQ(settings().DisplayFontName, GetScreenFont());
    EXPECT_EQ(settings().ExternalEditor, longest);
    EXPECT_EQ(settings().CopyExampleFiles, 1); // missing: its default 1
    EXPECT_EQ(settings().BrowseFontName, longest);
}

TEST(SettingsFile, PermissionsDecideWithoutLosingTheFile)
{
    StartCoreForTest();
    const QString folder = QFileInfo(iniPath()).absolutePath();
    ScopedOwnerPermissions asOwner;
    if (!asOwner.ok())
        GTEST_SKIP() << "file permissions cannot be made to bind here";

    // A read-only folder with a writable file: the file is written in place.
    ASSERT_EQ(chmod(QFile::encodeName(folder), 0555), 0);
    settings().EnglishMenus = 0;
    EXPECT_TRUE(SaveDefaultSettings(10));
    EXPECT_EQ(ReadINI("BlastOptions", "EnglishMenus", iniPath()), "0");
    ASSERT_EQ(chmod(QFile::encodeName(folder), 0755), 0);

    // A file the program may not read is neither deleted nor rebuilt nor written.
    ASSERT_EQ(chmod(QFile::encodeName(iniPath()), 0), 0);
    const QFileInfo before(iniPath());
    ResetProgramState();
    fakeMessageBox().boxes.clear();
    StartCoreForTest();
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_TRUE(fakeMessageBox().boxes[0].text.contains("(Permission denied)"));
    EXPECT_EQ(settings().EnglishMenus, 1);
    EXPECT_FALSE(SaveDefaultSettings(1));
    const QFileInfo after(iniPath());
    EXPECT_EQ(after.lastModified(), before.lastModified());
    EXPECT_EQ(after.size(), before.size());
    chmod(QFile::encodeName(iniPath()), 0644);
}
