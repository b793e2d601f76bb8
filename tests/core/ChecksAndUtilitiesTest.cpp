// Input checks with their messages, file names, the caption and the font choice.

#include "TestSupport.h"
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
    const QString en = "Diameter: \r\n\r\n", gr = "Διάμετρος: \r\n\r\n", range = "\r\n\r\nValid range is: 1-100";
    const struct { int english; QString text, message; /* "" = accepted */ } cases[] = {
        {1, "", en + "Blank field not allowed"},
        {1, "  ", en + "Please enter numeric values only"},
        {1, "1,5", en + "Please enter numeric values only"},
        {1, "1e400", en + "Please enter numeric values only"}, // beyond a double
        {1, "1", ""},
        {1, "100", ""},
        {1, " 100.01 ", en + "Value '100.01' is outside input range" + range},
        {0, "", gr + "Δεν επιτρέπεται το πεδίο να είναι κενό"},
        {0, "x", gr + "Δεν έχετε δώσει αριθμητική τιμή"},
        {0, "0.5", gr + "Η Τιμή '0.5' είναι εκτός ορίων.\r\n\r\nΑποδεκτά όρια είναι: 1-100"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        settings().EnglishMenus = static_cast<int16_t>(c.english);
        fakeMessageBox().boxes.clear();
        QString enLabel = "Diameter", grLabel = "Διάμετρος";
        EXPECT_EQ(CheckRange(c.text, 1, 100, enLabel, grLabel), c.message.isEmpty());
        EXPECT_EQ(MessageTexts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(enLabel, en); // the caller's label keeps what was added
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

TEST(Utilities, FontChoiceNeverTakesTheFirstOfTheList)
{
    StartCoreForTest();
    fakeFonts().general = "Noto Sans";
    const struct { QStringList screen; QString chosen; } screens[] = {
        {{"C059", "Symbol", "DejaVu Sans"}, "DejaVu Sans"}, {{"C059", "Symbol"}, "Noto Sans"}, {{"C059", "arial"}, "arial"},
    };
    for (const auto &c : screens) {
        fakeFonts().screen = c.screen;
        EXPECT_EQ(GetScreenFont(), c.chosen);
    }
    fakeFonts().printer = {"C059", "Symbol"};
    EXPECT_EQ(GetPrinterFont(), "DejaVu Sans Mono");
}
