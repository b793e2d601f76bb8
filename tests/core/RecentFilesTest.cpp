// The recent-files list: building the menu, moving and adding entries, and the
// [FileMenu] section.

#include "TestSupport.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/RecentFiles.h"
#include "core/Settings.h"

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

QStringList fullPaths()
{
    const RecentFilesState &r = recentFiles();
    QStringList out;
    for (int i = 1; i <= r.MaxLastFiles; ++i)
        out << r.LastFileLong[i];
    return out;
}

QStringList captions()
{
    const RecentFilesState &r = recentFiles();
    QStringList out;
    for (int i = 1; i <= r.MaxLastFiles; ++i)
        out << r.MenuCaption[i];
    return out;
}

bool settingsWritten() { return historyLog().text().contains("Saving default settings to file: "); }

} // namespace

TEST(RecentFiles, BuildShowsTheListInTheChosenForm)
{
    startWithList({"/p/a.kvd", "/q/b.kvd"});
    EXPECT_EQ(captions(), (QStringList{"/p/a.kvd", "/q/b.kvd"}));
    EXPECT_EQ(recentFiles().RecentFilesShown, kTrue);
    EXPECT_TRUE(recentFiles().MenuItemVisible[1] && recentFiles().MenuItemVisible[2]);
    EXPECT_FALSE(recentFiles().MenuItemVisible[3]);
    // The separator waits for the window's first activation.
    EXPECT_FALSE(recentFiles().MenuItemVisible[0]);

    startWithList({"/p/a.kvd", "/q/b.kvd"}, 1);
    EXPECT_EQ(captions(), (QStringList{"a.kvd", "b.kvd"}));

    startWithList({"/p/a.kvd"});
    settings().KeepFileNames = 0;
    BuildRecentFilesMenu();
    EXPECT_EQ(recentFiles().RecentFilesShown, kFalse);
    EXPECT_FALSE(recentFiles().MenuItemVisible[1]);

    startWithList({});
    EXPECT_EQ(recentFiles().RecentFilesShown, kFalse);

    startWithList({"/p/a.kvd", "/q/b.kvd"});
    GetRecentFile(2);
    EXPECT_EQ(project().CurrentFile, "/q/b.kvd");
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
        QStringList shown;
        bool written;
    } cases[] = {
        {"entry 3 moves to the top, entries 2 and 4 stay", four, 0, 1, "/d/3.kvd",
         {"/d/3.kvd", "/d/2.kvd", "/d/1.kvd", "/d/4.kvd"}, {"/d/3.kvd", "/d/2.kvd", "/d/1.kvd", "/d/4.kvd"}, false},
        {"a fifth file drops the oldest", four, 0, 1, "/d/5.kvd",
         {"/d/5.kvd", "/d/1.kvd", "/d/2.kvd", "/d/3.kvd"}, {"/d/5.kvd", "/d/1.kvd", "/d/2.kvd", "/d/3.kvd"}, true},
        {"a new file on a short list is added", {"/d/1.kvd"}, 0, 1, "/e/new.kvd", {"/e/new.kvd", "/d/1.kvd"},
         {"/e/new.kvd", "/d/1.kvd"}, true},
        {"the first file of an empty list", {}, 0, 1, "/e/new.kvd", {"/e/new.kvd"}, {"/e/new.kvd"}, true},
        {"the top entry again changes nothing", four, 0, 1, "/d/1.kvd", four, four, false},
        {"short names: same name elsewhere takes over the entry", {"/a/plan.kvd", "/b/x.kvd"}, 1, 1, "/c/plan.kvd",
         {"/c/plan.kvd", "/b/x.kvd"}, {"plan.kvd", "x.kvd"}, false},
        {"short names: a new name is added by its name", {"/b/x.kvd"}, 1, 1, "/c/plan.kvd",
         {"/c/plan.kvd", "/b/x.kvd"}, {"plan.kvd", "x.kvd"}, true},
        {"list turned off: nothing changes", {"/d/1.kvd", "/d/2.kvd"}, 0, 0, "/d/9.kvd", {"/d/1.kvd", "/d/2.kvd"},
         {"/d/1.kvd", "/d/2.kvd"}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        startWithList(c.list, c.shortNames);
        settings().KeepFileNames = static_cast<int16_t>(c.keep);
        project().CurrentFile = c.current;
        UpdateMRUList();
        EXPECT_EQ(fullPaths(), c.paths);
        EXPECT_EQ(captions(), c.shown);
        EXPECT_EQ(settingsWritten(), c.written);
        const QString ini = paths().IniFile;
        if (c.written) {
            EXPECT_EQ(ReadINI("FileMenu", "MaxLastFiles", ini), QString::number(c.paths.size()));
            EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", ini), c.current);
            EXPECT_EQ(ReadINI("FileMenu", "LastFile1", ini), c.current.mid(c.current.lastIndexOf('/') + 1));
            EXPECT_EQ(ReadINI("FileMenu", "LastFileMode1", ini), "1");
            EXPECT_TRUE(recentFiles().MenuItemVisible[0]);
            for (int i = 1; i <= c.paths.size(); ++i) {
                EXPECT_TRUE(recentFiles().MenuItemVisible[i]);
            }
        } else {
            // The settings file keeps the list it had; the change is written at exit.
            EXPECT_EQ(ReadINI("FileMenu", "MaxLastFiles", ini), QString::number(c.list.size()));
            if (!c.list.isEmpty()) {
                EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", ini), c.list.first());
            }
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
    EXPECT_EQ(recentFiles().LastFile[2], "plan.kvd");
    EXPECT_EQ(recentFiles().LastFileMode[2], 1);
}
