// Input checks with their messages, file names and the caption.

#include "CoreTables.h"
#include "WindowDriver.h"
#include "core/Checks.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/Utilities.h"

#include <gtest/gtest.h>

TEST(Checks, RangeMessagesInBothLanguages)
{
    StartCoreForTest();
    SetModuleTitles(10);
    for (const QStringList &row : coreTable("range-checks.tsv")) {
        SCOPED_TRACE(row[1].toStdString());
        settings().EnglishMenus = static_cast<int16_t>(row[0].toInt());
        fakeMessageBox().boxes.clear();
        QString enLabel = "Diameter", grLabel = "Διάμετρος";
        EXPECT_EQ(CheckRange(row[1], 1, 100, enLabel, grLabel), row[2].isEmpty());
        EXPECT_EQ(MessageTexts(), rowTail(row, 2));
        EXPECT_EQ(enLabel, "Diameter: \r\n\r\n"); // the caller's label keeps what was added
    }
    // Bounds in their general form; the message is logged.
    settings().EnglishMenus = 1;
    EXPECT_FALSE(CheckRange("4000", 0.5, 3000, "", ""));
    EXPECT_EQ(MessageTexts().last(), "Value '4000' is outside input range\r\n\r\nValid range is: 0.5-3000");
    EXPECT_EQ(fakeMessageBox().boxes.last().buttons, mb::Critical);
    EXPECT_EQ(fakeMessageBox().boxes.last().title, "Settings: Range Error");
    EXPECT_TRUE(historyLog().text().contains("Settings: Range Error: Value '4000'"));
}

TEST(Utilities, PathsAndCaption)
{
    StartCoreForTest();
    const struct { QString path; int noExt; QString name; } names[] = {
        {"/a/b/c/name.ext.KVD", 1, "name"}, {"/a/.hidden", 1, ".hidden"}, {"plain", 0, "plain"}, {"/a/b/", 0, "/a/b/"}};
    for (const auto &c : names)
        EXPECT_EQ(StripPath(c.path, c.noExt), c.name) << c.path.toStdString();
    EXPECT_EQ(MessageTexts(), QStringList{"Error in filename: /a/b/"});

    ProjectState &p = project();
    p.CurrentFile = "/" + QString(49, 'x');
    flags().ProjectSaved = kTrue;
    EXPECT_EQ(FormCaptionText(), "Korvendo: " + p.CurrentFile);
    p.CurrentFile = "/home/user/" + QString(40, 'y') + "/p.KVD"; // 57 characters
    flags().ProjectSaved = kFalse;
    EXPECT_EQ(FormCaptionText(), "Korvendo: " + p.CurrentFile.left(10) + "..." + p.CurrentFile.right(37) + "*");
}
