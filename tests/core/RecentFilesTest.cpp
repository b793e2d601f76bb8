// The recent-files list: building the menu, moving and adding entries, and the
// [FileMenu] section.

#include "CoreTables.h"
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
    for (const QStringList &row : coreTable("recent-files.tsv")) {
        SCOPED_TRACE(row[0].toStdString());
        const QStringList before = row[3].split(' ', Qt::SkipEmptyParts), after = row[5].split(' ');
        const bool shortNames = row[1] == "1", keep = row[2] == "1", written = row[7] == "1";
        startWithList(before, shortNames, keep);
        project().CurrentFile = row[4];
        UpdateMRUList();
        EXPECT_EQ(entries(recentFiles().LastFileLong), after);
        QList<int16_t> modes;
        for (const QString &mode : row[6].split(' '))
            modes << static_cast<int16_t>(mode.toInt());
        EXPECT_EQ(entries(recentFiles().LastFileMode), modes);
        QStringList names = after;
        names.replaceInStrings(QRegularExpression("^.*/"), "");
        EXPECT_EQ(entries(recentFiles().LastFile), names);
        if (keep) {
            EXPECT_EQ(entries(recentFiles().MenuCaption), shortNames ? names : after);
        }
        EXPECT_EQ(historyLog().text().contains("Saving default settings to file: "), written);
        const QString ini = paths().IniFile;
        EXPECT_EQ(ReadINI("FileMenu", "MaxLastFiles", ini), QString::number((written ? after : before).size()));
        if (written) {
            EXPECT_EQ(ReadINI("FileMenu", "LastFileLong1", ini), row[4]);
            EXPECT_TRUE(recentFiles().MenuItemVisible[0]);
        }
    }
}
