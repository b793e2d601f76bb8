// The recent-files list: building the menu, moving and adding entries, and the
// [FileMenu] section.

#include "TestSupport.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/RecentFiles.h"
#include "core/Settings.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Starts with the given full paths as the list (newest first) and builds the menu.
void startWithList(const QStringList &paths, int shortNames = 0)
{
    StartCoreForTest();
    settings().ShortRecentFiles = static_cast<int16_t>(shortNames);
    project().FileMode = 1; // as File > New leaves it
    RecentFilesState &r = recentFiles();
    r.MaxLastFiles = static_cast<int16_t>(paths.size());
    for (int i = 0; i < paths.size(); ++i) {
        r.LastFileLong[i + 1] = paths[i];
        r.LastFile[i + 1] = paths[i].mid(paths[i].lastIndexOf('/') + 1);
        r.LastFileMode[i + 1] = 1;
    }
    SaveDefaultSettings(3);
    BuildRecentFilesMenu();
    historyLog().setText(QString());
}

// Entries 1..MaxLastFiles of one column of the list.
QStringList entries(const std::array<QString, 5> &column)
{
    return QList<QString>(column.begin() + 1, column.begin() + 1 + recentFiles().MaxLastFiles);
}

bool settingsWritten() { return historyLog().text().contains("Saving default settings to file: "); }

} // namespace

TEST(RecentFiles, BuildShowsTheListInTheChosenForm)
{
    startWithList({"/p/a.kvd", "/q/b.kvd"});
    EXPECT_EQ(entries(recentFiles().MenuCaption), (QStringList{"/p/a.kvd", "/q/b.kvd"}));
    EXPECT_FALSE(recentFiles().MenuItemVisible[3]);
    EXPECT_FALSE(recentFiles().MenuItemVisible[0]); // the separator waits for the first activation
    GetRecentFile(2);
    EXPECT_EQ(project().CurrentFile, "/q/b.kvd");

    settings().KeepFileNames = 0;
    BuildRecentFilesMenu();
    EXPECT_EQ(recentFiles().RecentFilesShown, kFalse);
    EXPECT_FALSE(recentFiles().MenuItemVisible[1]);
}

TEST(RecentFiles, UpdateCases)
{
    const QStringList four = {"/d/1.kvd", "/d/2.kvd", "/d/3.kvd", "/d/4.kvd"};
    const struct {
        const char *name;
        QStringList list;
        int shortNames;
        int keep;
        QString current;
        QStringList paths;
        bool written; // written at once; otherwise at exit
    } cases[] = {
        {"entry 3 moves to the top, entries 2 and 4 stay", four, 0, 1, "/d/3.kvd",
         {"/d/3.kvd", "/d/2.kvd", "/d/1.kvd", "/d/4.kvd"}, false},
        {"a fifth file drops the oldest", four, 0, 1, "/d/5.kvd", {"/d/5.kvd", "/d/1.kvd", "/d/2.kvd", "/d/3.kvd"}, true},
        {"the first file of an empty list", {}, 0, 1, "/e/new.kvd", {"/e/new.kvd"}, true},
        {"the top entry again changes nothing", four, 0, 1, "/d/1.kvd", four, false},
        {"short names: same name elsewhere takes over the entry", {"/a/plan.kvd", "/b/x.kvd"}, 1, 1, "/c/plan.kvd",
         {"/c/plan.kvd", "/b/x.kvd"}, false},
        {"short names: a new name is added", {"/b/x.kvd"}, 1, 1, "/c/plan.kvd", {"/c/plan.kvd", "/b/x.kvd"}, true},
        {"list turned off: nothing changes", {"/d/1.kvd", "/d/2.kvd"}, 0, 0, "/d/9.kvd", {"/d/1.kvd", "/d/2.kvd"}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        startWithList(c.list, c.shortNames);
        settings().KeepFileNames = static_cast<int16_t>(c.keep);
        project().CurrentFile = c.current;
        UpdateMRUList();
        EXPECT_EQ(entries(recentFiles().LastFileLong), c.paths);
        QStringList shown = c.paths;
        if (c.shortNames)
            shown.replaceInStrings(QRegularExpression("^.*/"), "");
        EXPECT_EQ(entries(recentFiles().MenuCaption), shown);
        EXPECT_EQ(settingsWritten(), c.written);
        const QString ini = paths().IniFile;
        EXPECT_EQ(ReadINI("FileMenu", "MaxLastFiles", ini), QString::number((c.written ? c.paths : c.list).size()));
        if (c.written) {
            EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", ini), c.current);
            EXPECT_TRUE(recentFiles().MenuItemVisible[0]);
        }
    }
}

TEST(RecentFiles, MovedEntryKeepsItsDisplayNameAndMode)
{
    startWithList({"/a/plan.kvd", "/b/x.kvd"}, 1);
    recentFiles().LastFileMode[2] = 7;
    project().CurrentFile = "/b/x.kvd";
    UpdateMRUList();
    EXPECT_EQ(recentFiles().LastFile[1], "x.kvd");
    EXPECT_EQ(recentFiles().LastFileMode[1], 7);
    EXPECT_EQ(recentFiles().LastFileMode[2], 1);
}
