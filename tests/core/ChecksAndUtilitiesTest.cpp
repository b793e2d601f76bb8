// Input checks with their messages, shared routines, start-up pieces.

#include "TestSupport.h"
#include "WindowDriver.h"
#include "core/Checks.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/Startup.h"
#include "core/Utilities.h"

#include <QDir>
#include <QLocale>
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

    fakeMessageBox().boxes.clear();
    EXPECT_FALSE(ValidateRange("", 7, 24, "Font Size"));
    EXPECT_FALSE(ValidateRange("30", 7, 24, "Font Size"));
    EXPECT_FALSE(ValidateRange("abc", 7, 24, "")); // counts as 0
    EXPECT_TRUE(ValidateRange("24", 7, 24, "x"));
    EXPECT_EQ(MessageTexts(), QStringList({"Font Size: Blank field not allowed",
                                                  "Font Size: Value '30' is outside input range\r\nValid range is: 7-24",
                                                  "Value 'abc' is outside input range\r\nValid range is: 7-24"}));
}

TEST(Checks, InvalidValueMessage)
{
    StartCoreForTest();
    settings().EnglishMenus = 1;
    InvalidValueMsg("Απόσταση", "Distance", true);
    InvalidValueMsg("Απόσταση", "", false);
    EXPECT_EQ(fakeMessageBox().boxes.last().title, "Tessolan Primer");
    settings().EnglishMenus = 0;
    InvalidValueMsg("Απόσταση", "Distance", true);
    EXPECT_EQ(MessageTexts(), QStringList({"Invalid value for Distance", "Απόσταση", "Εσφαλμένη τιμή για το Απόσταση"}));
}

TEST(Checks, AngleDiagram)
{
    const AngleDiagram up = DrawAngleDiagram(90, 10, 100, 40);
    ASSERT_EQ(up.lines.size(), 2); // base and the vertical line, no closing line
    EXPECT_EQ(up.lines[1], QLineF(10, 100, 10, 20));
    // At 45 degrees the inclined line rises as far as it reaches out; the closing line drops to the base.
    const AngleDiagram tilted = DrawAngleDiagram(45, 0, 100, 40);
    ASSERT_EQ(tilted.lines.size(), 3);
    EXPECT_NEAR(tilted.lines[1].p2().x(), 40, 1e-9);
    EXPECT_NEAR(tilted.lines[1].p2().y(), 60, 1e-2); // pi is taken as 3.1415
    EXPECT_EQ(tilted.lines[2].p2(), QPointF(40, 100));
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

TEST(Startup, FoldersDecimalPointAndCommandLine)
{
    StartCoreForTest(); // the settings file's place is pinned by its first-start test
    EXPECT_EQ(paths().UserTempPath, fakeFolders().documentsDir + "/MyKorvendo/Temp/");
    EXPECT_TRUE(QDir(paths().UserTempPath).exists());
    // The decimal point is "." inside the process only.
    EXPECT_EQ(GetDecimalSeparator(), ".");
    EXPECT_EQ(QLocale().toString(2.5), "2.5");
    RestoreDecimalSeparator();
    EXPECT_EQ(JoinCommandLine({}, "/w"), "");
    EXPECT_EQ(JoinCommandLine({"a.KVD", "b.KVD"}, "/w"), "/w/a.KVD b.KVD");
}

// File > New resets the file name and the units only when asked; the other fields it
// keeps are pinned through the older project layouts.
TEST(ProjectDefaults, FileNewResetsNameAndUnitsOnlyWhenAsked)
{
    StartCoreForTest();
    ProjectState &p = project();
    p.CurrentFile = "/x/p.KVD";
    p.CurrentUnits = 0;
    ResetProjectDefaults(0, 255);
    EXPECT_EQ(p.CurrentFile, "/x/p.KVD");
    EXPECT_EQ(p.CurrentUnits, 2);
    p.CurrentUnits = 1;
    ResetProjectDefaults(255, 0);
    EXPECT_EQ(p.CurrentFile, "Untitled");
    EXPECT_EQ(p.CurrentUnits, 1);
}
