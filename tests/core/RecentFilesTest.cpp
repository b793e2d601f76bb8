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

// Starts with the given full paths as the list (newest first, modes 10, 20, ...) and
// builds the menu.
void startWithList(const QStringList &paths, int shortNames = 0, int keep = 1)
{
    StartCoreForTest();
    settings().ShortRecentFiles = static_cast<int16_t>(shortNames);
    settings().KeepFileNames = static_cast<int16_t>(keep);
    project().FileMode = 1; // as File > New leaves it
    RecentFilesState &r = recentFiles();
    r.MaxLastFiles = static_cast<int16_t>(paths.size());
    for (int i = 0; i < paths.size(); ++i) {
        r.LastFileLong[i + 1] = paths[i];
        r.LastFile[i + 1] = paths[i].mid(paths[i].lastIndexOf('/') + 1);
        r.LastFileMode[i + 1] = static_cast<int16_t>(10 * (i + 1));
    }
    SaveDefaultSettings(3);
    BuildRecentFilesMenu();
    historyLog().setText(QString());
}

// Entries 1..MaxLastFiles of one column of the list.
template <class T> QList<T> entries(const std::array<T, 5> &column)
{
    return QList<T>(column.begin() + 1, column.begin() + 1 + recentFiles().MaxLastFiles);
}

} // namespace

TEST(RecentFiles, UpdateCases)
{
    const QStringList four = {"/d/1.kvd", "/d/2.kvd", "/d/3.kvd", "/d/4.kvd"};
    const struct {
        const char *name;
        QStringList list;
        int shortNames, keep;
        QString current;
        QStringList paths;
        QList<int16_t> modes; // each entry's mode moves with it; a new entry takes the project's
        bool written;         // written at once; otherwise at exit
    } cases[] = {
        {"entry 3 moves to the top, entries 2 and 4 stay", four, 0, 1, "/d/3.kvd",
         {"/d/3.kvd", "/d/2.kvd", "/d/1.kvd", "/d/4.kvd"}, {30, 20, 10, 40}, false},
        {"a fifth file drops the oldest", four, 0, 1, "/d/5.kvd", {"/d/5.kvd", "/d/1.kvd", "/d/2.kvd", "/d/3.kvd"},
         {1, 10, 20, 30}, true},
        {"the first file of an empty list", {}, 0, 1, "/e/new.kvd", {"/e/new.kvd"}, {1}, true},
        {"the top entry again changes nothing", four, 0, 1, "/d/1.kvd", four, {10, 20, 30, 40}, false},
        {"short names: same name elsewhere takes over the entry", {"/a/plan.kvd", "/b/x.kvd"}, 1, 1, "/c/plan.kvd",
         {"/c/plan.kvd", "/b/x.kvd"}, {10, 20}, false},
        {"short names: an entry moves with its name", {"/a/plan.kvd", "/b/x.kvd"}, 1, 1, "/b/x.kvd",
         {"/b/x.kvd", "/a/plan.kvd"}, {20, 10}, false},
        {"short names: a new name is added", {"/b/x.kvd"}, 1, 1, "/c/plan.kvd", {"/c/plan.kvd", "/b/x.kvd"}, {1, 10}, true},
        {"list turned off: nothing changes", {"/d/1.kvd", "/d/2.kvd"}, 0, 0, "/d/9.kvd", {"/d/1.kvd", "/d/2.kvd"},
         {10, 20}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        startWithList(c.list, c.shortNames, c.keep);
        project().CurrentFile = c.current;
        UpdateMRUList();
        EXPECT_EQ(entries(recentFiles().LastFileLong), c.paths);
        EXPECT_EQ(entries(recentFiles().LastFileMode), c.modes);
        QStringList names = c.paths;
        names.replaceInStrings(QRegularExpression("^.*/"), "");
        EXPECT_EQ(entries(recentFiles().LastFile), names);
        if (c.keep) {
            EXPECT_EQ(entries(recentFiles().MenuCaption), c.shortNames ? names : c.paths);
        }
        EXPECT_EQ(historyLog().text().contains("Saving default settings to file: "), c.written);
        const QString ini = paths().IniFile;
        EXPECT_EQ(ReadINI("FileMenu", "MaxLastFiles", ini), QString::number((c.written ? c.paths : c.list).size()));
        if (c.written) {
            EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", ini), c.current);
            EXPECT_TRUE(recentFiles().MenuItemVisible[0]);
        }
    }
}
