// Input checks with their messages, shared routines, start-up pieces.

#include "TestSupport.h"
#include "core/Checks.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/Startup.h"
#include "core/Utilities.h"

#include <QDir>
#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

namespace {
const QString CRLF2 = "\r\n\r\n";
}

TEST(Checks, CheckRangeMessagesInBothLanguages)
{
    StartCoreForTest();
    SetModuleTitles(10);
    struct Case {
        int english;
        QString text;
        bool ok;
        QString message;
    } cases[] = {
        {1, "", false, "Diameter: " + CRLF2 + "Blank field not allowed"},
        {1, "  ", false, "Diameter: " + CRLF2 + "Please enter numeric values only"},
        {1, "abc", false, "Diameter: " + CRLF2 + "Please enter numeric values only"},
        {1, "1,5", false, "Diameter: " + CRLF2 + "Please enter numeric values only"},
        {1, "100", true, ""},
        {1, "1", true, ""},
        {1, " 100.01 ", false,
         "Diameter: " + CRLF2 + "Value '100.01' is outside input range" + CRLF2 + "Valid range is: 1-100"},
        {0, "", false, "Διάμετρος: " + CRLF2 + "Δεν επιτρέπεται το πεδίο να είναι κενό"},
        {0, "x", false, "Διάμετρος: " + CRLF2 + "Δεν έχετε δώσει αριθμητική τιμή"},
        {0, "0.5", false,
         "Διάμετρος: " + CRLF2 + "Η Τιμή '0.5' είναι εκτός ορίων." + CRLF2 + "Αποδεκτά όρια είναι: 1-100"},
    };
    for (const Case &c : cases) {
        settings().EnglishMenus = static_cast<int16_t>(c.english);
        fakeMessageBox().boxes.clear();
        QString en = "Diameter", gr = "Διάμετρος";
        EXPECT_EQ(CheckRange(c.text, 1, 100, en, gr), c.ok) << c.text.toStdString();
        if (c.ok) {
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        } else {
            ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
            EXPECT_EQ(fakeMessageBox().boxes[0].text, c.message);
            EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::Critical);
            EXPECT_EQ(fakeMessageBox().boxes[0].title, "Settings: Range Error");
        }
        EXPECT_EQ(en, "Diameter: " + CRLF2); // the caller's label keeps what was added
    }
    // Bounds in their general form; the message is logged.
    settings().EnglishMenus = 1;
    EXPECT_FALSE(CheckRange("4000", 0.5, 3000, "", ""));
    EXPECT_EQ(fakeMessageBox().boxes.last().text,
              "Value '4000' is outside input range" + CRLF2 + "Valid range is: 0.5-3000");
    EXPECT_TRUE(historyLog().text().contains("Settings: Range Error: Value '4000'"));
}

TEST(Checks, ValidateRangeAndInvalidValueMsg)
{
    StartCoreForTest();
    SetModuleTitles(10);
    EXPECT_FALSE(ValidateRange("", 7, 24, "Font Size"));
    EXPECT_EQ(fakeMessageBox().boxes.last().text, "Font Size: Blank field not allowed");
    EXPECT_FALSE(ValidateRange("30", 7, 24, "Font Size"));
    EXPECT_EQ(fakeMessageBox().boxes.last().text,
              "Font Size: Value '30' is outside input range\r\nValid range is: 7-24");
    EXPECT_FALSE(ValidateRange("abc", 7, 24, "")); // counts as 0
    EXPECT_TRUE(ValidateRange("24", 7, 24, "x"));

    settings().EnglishMenus = 1;
    InvalidValueMsg("Απόσταση", "Distance", true);
    EXPECT_EQ(fakeMessageBox().boxes.last().text, "Invalid value for Distance");
    EXPECT_EQ(fakeMessageBox().boxes.last().title, "Tessolan Primer");
    EXPECT_EQ(fakeMessageBox().boxes.last().buttons, mb::OkOnly);
    InvalidValueMsg("Απόσταση", "", false);
    EXPECT_EQ(fakeMessageBox().boxes.last().text, "Απόσταση");
    settings().EnglishMenus = 0;
    InvalidValueMsg("Απόσταση", "Distance", true);
    EXPECT_EQ(fakeMessageBox().boxes.last().text, "Εσφαλμένη τιμή για το Απόσταση");
}

TEST(Checks, LimitRangeAndSmallRoutines)
{
    struct Case {
        double value, min, max, after;
        int result;
    } cases[] = {{5, 0, 10, 5, 5},      {11, 0, 10, 0, 0},           {2.5, 0, 10, 2.5, 2},
                 {3.5, 0, 10, 3.5, 4},  {40000, 0, 50000, 0, 0},     {-1, 0, 1, 0, 0},
                 {1, -1, 0, -1, -1},    {16384, 4096, 16384, 16384, 16384}};
    for (const Case &c : cases) {
        double v = c.value;
        EXPECT_EQ(LimitRange(v, c.min, c.max), c.result) << c.value;
        EXPECT_EQ(v, c.after) << c.value;
    }
    EXPECT_TRUE(IsNumericOrEmpty(""));
    EXPECT_TRUE(IsNumericOrEmpty("12.5"));
    EXPECT_TRUE(IsNumericOrEmpty("1e3"));
    EXPECT_FALSE(IsNumericOrEmpty("abc"));
    EXPECT_FALSE(IsNumericOrEmpty("-"));
    EXPECT_FLOAT_EQ(MapLinear(0, 100, 5, 0, 10), 50);
    EXPECT_FLOAT_EQ(MapLinear2(0, 10, 5, 0, 100), 50);
    EXPECT_FLOAT_EQ(MapLinear(3, 100, 5, 2, 2), 3); // a degenerate range never gives inf
    EXPECT_NEAR(DegToRad(180), 3.1415, 1e-12);
    int a = 1, b = 2;
    SwapValues(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

TEST(Utilities, PathsCaptionAndVersion)
{
    StartCoreForTest();
    EXPECT_EQ(StripPath("/a/b/c/name.ext.KVD", 1), "name");
    EXPECT_EQ(StripPath("/a/b/c/name.ext.KVD", 0), "name.ext.KVD");
    EXPECT_EQ(StripPath("/a/.hidden", 1), ".hidden");
    EXPECT_EQ(StripPath("plain", 0), "plain");
    EXPECT_EQ(StripPath("", 0), "");
    fakeMessageBox().boxes.clear();
    EXPECT_EQ(StripPath("/a/b/", 0), "/a/b/");
    EXPECT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, "Error in filename: /a/b/");

    ProjectState &p = project();
    p.CurrentFile = "/" + QString(49, 'x');
    flags().ProjectSaved = kTrue;
    EXPECT_EQ(FormCaptionText(), "Korvendo: " + p.CurrentFile);
    p.CurrentFile = "/home/user/" + QString(40, 'y') + "/p.KVD"; // 57 characters
    flags().ProjectSaved = kFalse;
    EXPECT_EQ(FormCaptionText(), "Korvendo: " + p.CurrentFile.left(10) + "..." + p.CurrentFile.right(37) + "*");

    const QString v1 = GetVersionString(1), v0 = GetVersionString(0);
    EXPECT_EQ(v1, QString("%1.%2.%3").arg(VersionMajor()).arg(VersionMinor()).arg(VersionRevision(), 2, 10, QChar('0')));
    EXPECT_EQ(v0, QString(v1).remove('.'));

    EXPECT_TRUE(ValidPath(testHome(), kTrue));
    fakeMessageBox().boxes.clear();
    EXPECT_FALSE(ValidPath(testHome() + "/none", kTrue));
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    EXPECT_FALSE(FileExists(""));

    const QString src = writeFile(testHome() + "/src.txt", "a\r\nβ\r\n");
    EXPECT_TRUE(CopyTextFile(src, testHome() + "/dst.txt"));
    EXPECT_EQ(readFile(testHome() + "/dst.txt"), readFile(src));
    EXPECT_FALSE(CopyTextFile(testHome() + "/none.txt", testHome() + "/dst.txt"));
    EXPECT_EQ(fakeMessageBox().boxes.last().text, "Requested File not found: " + testHome() + "/none.txt");
}

TEST(Utilities, FontChoice)
{
    StartCoreForTest();
    // No classic family: the system's own font, never the first of the list.
    fakeFonts().screen = {"C059", "Symbol", "DejaVu Sans"};
    fakeFonts().general = "Noto Sans";
    EXPECT_EQ(GetScreenFont(), "DejaVu Sans");
    fakeFonts().screen = {"C059", "Symbol"};
    EXPECT_EQ(GetScreenFont(), "Noto Sans");
    fakeFonts().screen = {"C059", "arial"};
    EXPECT_EQ(GetScreenFont(), "arial");
    fakeFonts().printer = {"C059", "Courier", "Arial"};
    EXPECT_EQ(GetPrinterFont(), "Courier");
    fakeFonts().printer = {"C059", "Symbol"};
    EXPECT_EQ(GetPrinterFont(), "DejaVu Sans Mono");
    EXPECT_EQ(FontExists("courier new", {"A", "Courier New"}), 1);
    EXPECT_EQ(FontExists("x", {"A"}), -1);
}

TEST(Startup, FoldersConstantsAndCommandLine)
{
    StartCoreForTest();
    const QString docs = fakeFolders().documentsDir;
    EXPECT_EQ(paths().UserPath, docs + "/MyKorvendo/");
    EXPECT_EQ(paths().UserTempPath, docs + "/MyKorvendo/Temp/");
    EXPECT_TRUE(QDir(paths().UserTempPath).exists());
    EXPECT_EQ(paths().AppPath, fakeFolders().appDir + "/");
    EXPECT_EQ(paths().IniFile, docs + "/MyKorvendo/Korvendo.INI");
    EXPECT_EQ(appState().AppTitle, "Tessolan Primer");
    EXPECT_EQ(appState().VersionTags[5], "KORV_ENDO_209");
    EXPECT_EQ(appState().SectionLabels[12], "Unit Conversion: ");
    EXPECT_EQ(appState().LastPage, 3);
    EXPECT_EQ(appState().UnitsStartTab, 1);
    EXPECT_EQ(appState().UnitLabels[17][1], " (kN-m/m^2)");
    EXPECT_EQ(project().CurrentUnits, 2);
    EXPECT_TRUE(appState().HomePageURL.endsWith("/blasting-tools/"));
    EXPECT_TRUE(appState().DownloadBaseURL.endsWith("/wp-content/uploads/2022/08/"));

    EXPECT_EQ(JoinCommandLine({}, "/w"), "");
    EXPECT_EQ(JoinCommandLine({"\"/my files/p.KVD\""}, "/w"), "/my files/p.KVD");
    EXPECT_EQ(JoinCommandLine({"a.KVD", "b.KVD"}, "/w"), "/w/a.KVD b.KVD");
    EXPECT_EQ(JoinCommandLine({"sub/p\".KVD"}, "/w"), "/w/sub/p.KVD");
}

TEST(Startup, NoDocumentsFolderFallsBackToProgramFolder)
{
    fakeFolders().documentsDir.clear();
    StartCoreForTest();
    EXPECT_EQ(paths().UserPath, paths().AppPath);
    EXPECT_EQ(paths().UserTempPath, paths().AppPath);
    EXPECT_TRUE(QFile::exists(paths().AppPath + "Korvendo.INI"));
}

TEST(Startup, DecimalPointInsideTheProcessOnly)
{
    StartCoreForTest();
    EXPECT_EQ(GetDecimalSeparator(), ".");
    EXPECT_EQ(QLocale().toString(2.5), "2.5");
    RestoreDecimalSeparator();
}

TEST(ProjectDefaults, FileNewKeepsWhatItShould)
{
    StartCoreForTest();
    ProjectState &p = project();
    p.BlastDesign.ProductionMode = 1;
    p.BlastDesign.HolesX = 7;
    p.BlastDesign.HolesY = 3;
    p.ScaleDist.CalcMode = 1;
    p.ScaleDist.Distance = 250;
    p.CurrentFile = "/x/p.KVD";
    p.CurrentUnits = 0;
    p.ProjectTitle = "t";
    flags().ParametersLoaded = kTrue;
    ResetProjectDefaults(0, 255);
    EXPECT_EQ(p.CurrentFile, "/x/p.KVD");
    EXPECT_EQ(p.CurrentUnits, 2);
    EXPECT_EQ(p.BlastDesign.ProductionMode, 1);
    EXPECT_EQ(p.BlastDesign.HolesX, 7);
    EXPECT_EQ(p.BlastDesign.HolesY, 3);
    EXPECT_EQ(p.ScaleDist.CalcMode, 1);
    EXPECT_EQ(p.ScaleDist.Distance, 250);
    EXPECT_EQ(p.BlastDesign.SiteK, 1142.7f);
    EXPECT_EQ(p.KonyaConst, 3.59f);
    EXPECT_EQ(p.VibFrequency, 60);
    EXPECT_EQ(p.ProjectTitle, "");
    EXPECT_EQ(flags().ParametersLoaded, kFalse);
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(p.FileMode, 1);
    EXPECT_TRUE(historyLog().text().endsWith(". File initialized. Use Edit-Project Parameters to enter data\r\n"));
    p.CurrentUnits = 1;
    ResetProjectDefaults(255, 0);
    EXPECT_EQ(p.CurrentFile, "Untitled");
    EXPECT_EQ(p.CurrentUnits, 1);
}

TEST(Checks, AngleDiagram)
{
    const AngleDiagram up = DrawAngleDiagram(90, 10, 100, 40);
    ASSERT_EQ(up.lines.size(), 2); // base and the vertical line, no closing line
    EXPECT_EQ(up.lines[0], QLineF(10, 100, 50, 100));
    EXPECT_EQ(up.lines[1], QLineF(10, 100, 10, 20));
    EXPECT_DOUBLE_EQ(up.arcEndRad, 90 * 3.1415 / 180);

    const AngleDiagram tilted = DrawAngleDiagram(45, 0, 100, 40);
    ASSERT_EQ(tilted.lines.size(), 3);
    EXPECT_NEAR(tilted.lines[1].p2().x(), 40, 1e-9); // R cos a = Length
    EXPECT_NEAR(tilted.lines[1].p2().y(), 100 - 40 * std::tan(45 * 3.1415 / 180), 1e-9);
    EXPECT_EQ(tilted.lines[2].p2(), QPointF(40, 100));
    EXPECT_EQ(tilted.arcRadius, 30);
}
