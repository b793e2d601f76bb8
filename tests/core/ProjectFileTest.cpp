// The project file: the newest layout written exactly, the six layouts read, the
// description block, tags, encodings, and failed opens and saves.

#include "TestSupport.h"
#include "core/Errors.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The 79 lines after the description of a default project, and the lowest version
// code whose files hold each of them, in file order.
const QStringList kDefaultParameterLines = {
    " 4 ", " 30 ",                                                             // Anderson
    " 4 ", " 30 ", " 2.57 ", " 2.7 ", " 1.3 ", " 1.2 ", " 3700 ", " 3100 ",    // Ash
    " 4 ", " 1 ", " 2.7 ", " 2.7 ", " 1.3 ", " 1.3 ", " 3500 ", " 3500 ", " 3660 ", " 3660 ", // Jimeno
    " 100 ", " 10 ", " 7 ", " 2 ",                                             // Fraenkel
    " 4 ", " .9 ", " 2.7 ",                                                    // Konya
    " 3.59  0  0  0  0 ", " 1  1.5 ", " 1  5  0 ",                             // Konya constant, costs
    " 100 ", " 1.2 ", " 1.3 ", " .45 ", " 1 ", " 1.25 ",                       // Langefors
    " 100 ", " 1 ", " 8000 ", " 12 ",                                          // Pearse
    " 3 ", " 1 ", " .3 ", " 1.5 ", " 0 ", " 20 ", " 10 ", " 40 ",              // burden coefficients
    " 80 ", " .9 ", " 2.6 ", " 12 ", " 4000 ", " 2 ", " 400 ", " 600 ", " 1142.7 ", " 1.6 ", " 1 ",
    " 0 ", " 2 ", " 1 ", " 1.2 ",                                              // pattern, rows, booster
    " 0 ", " 0 ", " 0 ",                                                       // rows-times-holes
    " 60 ", " 50 ",                                                            // frequency, velocity
    " 1600 ", " 1.6 ", " 50 ", " 1.5 ", " 0 ", " 0 ", " 0 ", " 1 ", " 10 ", " 100 ", " 10 "};

const int kFrom[] = {50, 50,                                          // Anderson
                     50, 50, 50, 50, 50, 50, 50, 50,                  // Ash
                     54, 54, 54, 54, 54, 54, 54, 54, 54, 54,          // Jimeno
                     50, 50, 50, 50,                                  // Fraenkel
                     50, 50, 50,                                      // Konya
                     55, 55, 55,                                      // Konya constant, costs
                     50, 50, 50, 50, 50, 50,                          // Langefors
                     50, 50, 50, 50,                                  // Pearse
                     50, 50, 50, 50, 51, 51, 51, 51,                  // coefficients
                     50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50,      // design
                     50, 51, 51, 51,                                  // pattern, rows, booster
                     53, 53, 53,                                      // rows-times-holes
                     50, 50,                                          // vibration point
                     52, 52, 52, 52, 52, 52, 52, 52, 52, 52, 52};     // scaled distance
static_assert(sizeof kFrom / sizeof kFrom[0] == 79);

const QStringList kTags = {"ENDOKORV_200", "KORV_ENDO_205", "KORV_ENDO_206",
                           "KORV_ENDO_207", "KORV_ENDO_208", "KORV_ENDO_209"};

QString projectPath(const QString &name) { return testHome() + "/projects/" + name; }

void startFresh()
{
    StartCoreForTest();
    ResetProjectDefaults(kTrue, kTrue);
    QDir().mkpath(testHome() + "/projects");
}

QString joinLines(const QStringList &lines) { return lines.join(kCrLf) + kCrLf; }

// A whole file of the given version, with the given parameter lines.
QString fileText(const QString &tag, const QStringList &head, const QStringList &params)
{
    return joinLines(QStringList{tag} + head + params);
}

QByteArray windowsGreek(const QString &text)
{
    QStringEncoder encoder("windows-1253");
    return QByteArray(encoder.encode(text));
}

int runtimeErrorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const RuntimeError &e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(ProjectFile, DefaultProjectIsExactly85Lines)
{
    startFresh();
    project().CurrentFile = projectPath("default.kvd");
    flags().ProjectSaved = kFalse;
    ASSERT_TRUE(SaveProjectFile());
    const QString expected = fileText("KORV_ENDO_209", {" 2 ", "", "##StartDesc##", "", "##EndDesc##"},
                                      kDefaultParameterLines);
    const QByteArray bytes = readFile(project().CurrentFile);
    EXPECT_EQ(QString::fromUtf8(bytes), expected);
    EXPECT_EQ(bytes.count("\r\n"), 85);
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_TRUE(historyLog().text().endsWith("Saving: " + project().CurrentFile + "\r\n"));
}

TEST(ProjectFile, EveryValueRoundTrips)
{
    startFresh();
    ProjectState &p = project();
    p.CurrentUnits = 1;
    p.ProjectTitle = "Quarry, \"north\" face — Λατομείο";
    p.ProjectDescription = "First line, with \"quotes\"\r\nΔεύτερη γραμμή";
    // Values of every magnitude the file form meets, exponent forms included.
    const float singles[] = {0.9f, -0.5f, 1142.7f, 3.0e20f, 1.5e-7f, 123456.7f, 0.0001f, -2.5e9f, 7.0f};
    int k = 0;
    auto next = [&] { return singles[k++ % (sizeof singles / sizeof singles[0])]; };
    for (float *v : {&p.AndersonDiam, &p.AndersonHoleLen, &p.AshDiam, &p.AshKb, &p.AshRockSGRef, &p.AshRockSG,
                     &p.AshExplDensRef, &p.AshExplDens, &p.AshVodRef, &p.AshVod, &p.JimenoDiam, &p.JimenoCoef,
                     &p.JimenoE1a, &p.JimenoE1b, &p.JimenoE2a, &p.JimenoE2b, &p.JimenoT1a, &p.JimenoT1b, &p.JimenoT2a,
                     &p.JimenoT2b, &p.FraenkelDiam, &p.FraenkelHoleLen, &p.FraenkelChargeLen, &p.FraenkelResist,
                     &p.KonyaDiam, &p.KonyaExplSG, &p.KonyaRockSG, &p.KonyaConst, &p.LangeforsDiam,
                     &p.LangeforsCompaction, &p.LangeforsStrength, &p.LangeforsRockConst, &p.LangeforsFixation,
                     &p.LangeforsSpacingRatio, &p.PearseDiam, &p.PearseCoef, &p.PearsePressure, &p.PearseTensile,
                     &p.VibVelocity, &p.VibFrequency, &p.BlastDesign.Burden, &p.BlastDesign.SiteK,
                     &p.BlastDesign.CostInit, &p.BlastDesign.CostBooster, &p.ScaleDist.RangeStep,
                     &p.ScaleDist.Distance})
        *v = next();
    p.BlastDesign.Pattern = 3;
    p.BlastDesign.ProductionMode = 1;
    p.BlastDesign.HolesX = -32768;
    p.BlastDesign.HolesY = 32767;
    p.ScaleDist.CalcMode = 1;
    const ProjectState saved = p;

    p.CurrentFile = projectPath("all.kvd");
    ASSERT_TRUE(SaveProjectFile());
    const QString fileBefore = QString::fromUtf8(readFile(p.CurrentFile));
    EXPECT_TRUE(fileBefore.contains(" 3E+20 ")) << fileBefore.toStdString();
    EXPECT_TRUE(fileBefore.contains(" 1.5E-07 "));

    ResetProjectDefaults(kFalse, kTrue);
    p.BlastDesign.ProductionMode = 0;
    ASSERT_TRUE(OpenProjectFile());
    EXPECT_EQ(p.CurrentUnits, 1);
    EXPECT_EQ(p.ProjectTitle, saved.ProjectTitle);
    EXPECT_EQ(p.ProjectDescription, saved.ProjectDescription + "\r\n");
    EXPECT_EQ(appState().FileVersionCode, 55);
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(flags().FileEmpty, kFalse);
    EXPECT_EQ(flags().ParametersLoaded, kTrue);
    // Saving again gives the same bytes: every value came back exactly.
    ASSERT_TRUE(SaveProjectFile());
    EXPECT_EQ(QString::fromUtf8(readFile(p.CurrentFile)), fileBefore);
    EXPECT_EQ(p.BlastDesign.HolesX, -32768);
    EXPECT_EQ(p.ScaleDist.Distance, saved.ScaleDist.Distance);
    EXPECT_EQ(p.AndersonHoleLen, saved.AndersonHoleLen);
}

// Each older layout opens with the items it lacks at their defaults (or, for the
// fields File > New keeps, at the previous project's values) and saves back newest.
TEST(ProjectFile, EveryOlderLayoutOpensAndSavesBackInTheNewest)
{
    startFresh();
    // Distinct values on every line (the four zeros after the Konya constant stay 0).
    QStringList distinct;
    for (int i = 0; i < 79; ++i) {
        const QString v = QStringLiteral(" %1 ").arg(2000 + i * 10);
        if (i == 27)
            distinct << v + " 0  0  0  0 ";
        else if (i == 28)
            distinct << v + QStringLiteral(" %1 ").arg(2000 + i * 10 + 1);
        else if (i == 29)
            distinct << v + QStringLiteral(" %1  %2 ").arg(2000 + i * 10 + 1).arg(2000 + i * 10 + 2);
        else
            distinct << v;
    }
    for (int version = 50; version <= 55; ++version) {
        SCOPED_TRACE(version);
        // The previous project's values of the fields that File > New keeps.
        project().BlastDesign.ProductionMode = 1;
        project().BlastDesign.HolesX = 6;
        project().BlastDesign.HolesY = 3;
        project().ScaleDist.CalcMode = 1;
        project().ScaleDist.Distance = 250;
        QStringList lines, expected;
        for (int i = 0; i < 79; ++i) {
            if (kFrom[i] <= version)
                lines << distinct[i];
            // ProductionMode, HolesX, HolesY, CalcMode and Distance keep the previous values.
            const QMap<int, QString> previous = {{63, " 1 "}, {64, " 6 "}, {65, " 3 "}, {73, " 1 "}, {74, " 250 "}};
            expected << (kFrom[i] <= version ? distinct[i] : previous.value(i, kDefaultParameterLines[i]));
        }
        const QString path = projectPath(QStringLiteral("v%1.kvd").arg(version));
        writeFile(path, fileText(kTags[version - 50], {" 0 ", "Title", "##StartDesc##", "Text", "##EndDesc##"}, lines)
                            .toUtf8());
        project().CurrentFile = path;
        ASSERT_TRUE(OpenProjectFile());
        EXPECT_EQ(appState().FileVersionCode, version);
        ASSERT_TRUE(SaveProjectFile());
        EXPECT_EQ(QString::fromUtf8(readFile(path)),
                  fileText("KORV_ENDO_209", {" 0 ", "Title", "##StartDesc##", "Text", "##EndDesc##"}, expected));
    }
}

TEST(ProjectFile, WrapLineCases)
{
    const QString a40 = QString(40, 'a');
    const struct {
        const char *name;
        QString line;
        QStringList pieces;
    } cases[] = {
        {"75 characters, last blank at 52", QString(51, 'x') + ' ' + QString(23, 'y'),
         {QString(51, 'x') + ' ', QString(23, 'y')}},
        {"blank in column 60 ends the piece there", QString(59, 'x') + ' ' + "tail",
         {QString(59, 'x') + ' ', "tail"}},
        {"no blank in columns 41 to 60: hard cut", QString(30, 'x') + ' ' + QString(40, 'z'),
         {QString(30, 'x') + ' ' + QString(29, 'z'), QString(11, 'z')}},
        {"exactly 60 stays whole", QString(60, 'x'), {QString(60, 'x')}},
        {"leading blanks of the remainder are kept", QString(59, 'x') + "   " + QString(10, 'c'),
         {QString(59, 'x') + ' ', "  " + QString(10, 'c')}},
        {"the last blank in columns 59 to 41 wins", a40 + " b" + QString(17, 'b') + ' ' + QString(10, 'c'),
         {a40 + " b" + QString(17, 'b') + ' ', QString(10, 'c')}},
        {"three pieces", QString(150, 'q'), {QString(60, 'q'), QString(60, 'q'), QString(30, 'q')}},
        {"Greek counts characters", QString(45, u'λ') + ' ' + QString(30, u'ά'),
         {QString(45, u'λ') + ' ', QString(30, u'ά')}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WrapLine(c.line), c.pieces.join("\r\n"));
        for (const QString &piece : c.pieces)
            EXPECT_LE(piece.size(), 60);
    }
}

TEST(ProjectFile, WrapDescriptionCases)
{
    const struct {
        const char *name;
        QString description;
        QString wrapped;
    } cases[] = {
        {"blank lines are dropped", "one\r\n\r\n   \r\ntwo\r\n", "one\r\ntwo"},
        {"short lines keep their blanks", "  indented  \r\nx", "  indented  \r\nx"},
        {"a long line with blanks around it that is short inside stays",
         "   " + QString(58, 'm') + "   ", "   " + QString(58, 'm') + "   "},
        {"long lines are broken", QString(51, 'x') + ' ' + QString(23, 'y'),
         QString(51, 'x') + " \r\n" + QString(23, 'y')},
        {"line feeds alone also end lines", "alpha\nbeta\rgamma", "alpha\r\nbeta\r\ngamma"},
        {"empty stays empty", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        project().ProjectDescription = c.description;
        WrapDescription();
        EXPECT_EQ(project().ProjectDescription, c.wrapped);
    }
}

TEST(ProjectFile, DescriptionBlockCases)
{
    const struct {
        const char *name;
        QString description;
        QStringList fileLines; // between the markers
        QString readBack;
    } cases[] = {
        {"empty description: one empty line, read back as empty", "", {""}, ""},
        {"commas and quotes come back unchanged", "a, \"b\", c", {"a, \"b\", c"}, "a, \"b\", c\r\n"},
        {"blank lines are lost at the save", "x\r\n\r\ny", {"x", "y"}, "x\r\ny\r\n"},
        {"marker lines are kept as text", "##EndDesc##\r\n##StartDesc##\r\nafter",
         {"##EndDesc## ", "##StartDesc## ", "after"}, "##EndDesc## \r\n##StartDesc## \r\nafter\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        startFresh();
        project().ProjectDescription = c.description;
        project().CurrentFile = projectPath("desc.kvd");
        ASSERT_TRUE(SaveProjectFile());
        const QString text = QString::fromUtf8(readFile(project().CurrentFile));
        const QString block = joinLines(QStringList{"##StartDesc##"} + c.fileLines + QStringList{"##EndDesc##"});
        EXPECT_TRUE(text.contains("\r\n" + block)) << text.toStdString();
        ASSERT_TRUE(OpenProjectFile());
        EXPECT_EQ(project().ProjectDescription, c.readBack);
        EXPECT_EQ(project().KonyaConst, 3.59f); // everything after the block still in place
    }
}

TEST(ProjectFile, TagCases)
{
    const struct {
        const char *name;
        QString firstLine;
        bool accepted;
        int code;
    } cases[] = {
        {"newest", "KORV_ENDO_209", true, 55},
        {"newest with a comma and more", "KORV_ENDO_209,written by hand", true, 55},
        {"leading blanks skipped", "   KORV_ENDO_208", true, 54},
        {"oldest", "ENDOKORV_200", true, 50},
        {"206", "KORV_ENDO_206", true, 52},
        {"lower case", "korv_endo_209", false, 0},
        {"trailing text without a comma", "KORV_ENDO_209 x", false, 0},
        {"unknown", "SOMETHING_ELSE", false, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        startFresh();
        fakeMessageBox().boxes.clear();
        // Every older layout has all that the newest has up to its own items; a file
        // with the newest lines and an older tag reads what that tag holds.
        const QString path = projectPath("tag.kvd");
        writeFile(path, fileText(c.firstLine, {" 1 ", "T", "##StartDesc##", "", "##EndDesc##"},
                                 kDefaultParameterLines)
                            .toUtf8());
        project().CurrentFile = path;
        EXPECT_EQ(OpenProjectFile(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(appState().FileVersionCode, c.code);
            EXPECT_EQ(project().CurrentFile, path);
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        } else {
            ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
            EXPECT_EQ(fakeMessageBox().boxes[0].text, "Invalid File Type");
            EXPECT_EQ(fakeMessageBox().boxes[0].buttons, mb::OkOnly);
            EXPECT_EQ(fakeMessageBox().boxes[0].title, "Tessolan Primer");
            // The project is the empty one, and it no longer names the rejected file.
            EXPECT_EQ(project().CurrentFile, "Untitled");
            EXPECT_EQ(project().CurrentUnits, 2);
            EXPECT_EQ(flags().ProjectSaved, kTrue);
            EXPECT_EQ(flags().FileEmpty, kTrue);
            EXPECT_EQ(flags().ParametersLoaded, kFalse);
            EXPECT_EQ(project().ProjectTitle, "");
        }
    }
}

TEST(ProjectFile, ReadingTolerances)
{
    startFresh();
    const struct {
        const char *name;
        QByteArray bytes;
        int units;
        QString title;
        float anderson;
    } cases[] = {
        {"units outside 0 to 2 read as English",
         fileText("ENDOKORV_200", {" 7 ", "T", "##StartDesc##", "##EndDesc##"}, kDefaultParameterLines).toUtf8(), 0,
         "T", 4},
        {"line feeds alone", QByteArray("KORV_ENDO_209\n 1 \nLF title\n##StartDesc##\n##EndDesc##\n")
                                 + kDefaultParameterLines.join("\n").toUtf8(),
         1, "LF title", 4},
        {"exponent forms, commas, tabs and empty fields",
         fileText("ENDOKORV_200", {"1", "E", "##StartDesc##", "##EndDesc##"},
                  QStringList{"\t2.5E+01,junk", ""} + kDefaultParameterLines.mid(2))
             .toUtf8(),
         1, "E", 25},
        {"Windows Greek text",
         fileText("ENDOKORV_200", {" 2 ", "ΑΒΓ λέξη", "##StartDesc##", "##EndDesc##"}, kDefaultParameterLines)
             .toUtf8()
             .replace(QString("ΑΒΓ λέξη").toUtf8(), windowsGreek("ΑΒΓ λέξη")),
         2, "ΑΒΓ λέξη", 4},
        {"no start marker", fileText("ENDOKORV_200", {" 2 ", "T", "loose line", "##EndDesc##"}, kDefaultParameterLines)
                                .toUtf8(),
         2, "T", 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = projectPath("read.kvd");
        writeFile(path, c.bytes);
        project().CurrentFile = path;
        ASSERT_TRUE(OpenProjectFile());
        EXPECT_EQ(project().CurrentUnits, c.units);
        EXPECT_EQ(project().ProjectTitle, c.title);
        EXPECT_EQ(project().AndersonDiam, c.anderson);
    }
    EXPECT_EQ(project().ProjectDescription, "loose line\r\n");
}

TEST(ProjectFile, FailedOpensNameNoFile)
{
    const struct {
        const char *name;
        QByteArray bytes; // written unless empty and 'write' is false
        bool write;
        bool asFolder;
        int error;
    } cases[] = {
        {"missing file", {}, false, false, err::FileNotFound},
        {"a folder", {}, false, true, err::PathFileAccess},
        {"empty file", "", true, false, err::InputPastEnd},
        {"no end marker", "KORV_ENDO_209\r\n 1 \r\nT\r\n##StartDesc##\r\ntext\r\n", true, false, err::InputPastEnd},
        {"ends inside the parameters", "KORV_ENDO_209\r\n 1 \r\nT\r\n##StartDesc##\r\n##EndDesc##\r\n 9 \r\n", true,
         false, err::InputPastEnd},
        {"an integer beyond 16 bits", "KORV_ENDO_209\r\n 70000 \r\n", true, false, err::Overflow},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        startFresh();
        const QString path = projectPath("bad.kvd");
        QFile::remove(path);
        QDir(path).removeRecursively();
        if (c.write)
            writeFile(path, c.bytes);
        if (c.asFolder)
            QDir().mkpath(path);
        project().CurrentFile = path;
        EXPECT_EQ(runtimeErrorOf([] { OpenProjectFile(); }), c.error);
        EXPECT_EQ(project().CurrentFile, "Untitled");
        EXPECT_TRUE(historyLog().text().contains("Opening: " + path + "\r\n"));
    }
    // What was read before the error stays.
    startFresh();
    const QString path = projectPath("partial.kvd");
    writeFile(path, "KORV_ENDO_209\r\n 1 \r\nPartial\r\n##StartDesc##\r\n##EndDesc##\r\n 9 \r\n");
    project().CurrentFile = path;
    EXPECT_EQ(runtimeErrorOf([] { OpenProjectFile(); }), err::InputPastEnd);
    EXPECT_EQ(project().ProjectTitle, "Partial");
    EXPECT_EQ(project().AndersonDiam, 9.0f);
}

TEST(ProjectFile, FailedSavesKeepThePreviousFile)
{
    startFresh();
    const QString good = projectPath("keep.kvd");
    project().CurrentFile = good;
    ASSERT_TRUE(SaveProjectFile());
    const QByteArray before = readFile(good);
    project().ProjectTitle = "changed";
    flags().ProjectSaved = kFalse;

    struct Case {
        const char *name;
        QString path;
        int error;
    };
    const Case cases[] = {
        {"folder removed", testHome() + "/gone/x.kvd", err::PathNotFound},
        {"a folder in the way", testHome() + "/projects", err::PathFileAccess},
        {"a file used as a folder", good + "/x.kvd", err::PathNotFound},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        project().CurrentFile = c.path;
        EXPECT_EQ(runtimeErrorOf([] { SaveProjectFile(); }), c.error);
        EXPECT_EQ(flags().ProjectSaved, kFalse);
    }

    // A write that fails half way (the file-size limit stands in for a full disk)
    // leaves the previous copy as it was.
    project().CurrentFile = good;
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const int error = runtimeErrorOf([] { SaveProjectFile(); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_NE(error, 0);
    EXPECT_EQ(readFile(good), before);
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    EXPECT_EQ(QDir(testHome() + "/projects").entryList(QDir::Files), QStringList{"keep.kvd"});
}

TEST(ProjectFile, WrittenInUtf8)
{
    startFresh();
    project().ProjectTitle = "Λατομείο Α";
    project().CurrentFile = projectPath("greek.kvd");
    ASSERT_TRUE(SaveProjectFile());
    EXPECT_TRUE(readFile(project().CurrentFile).contains(QString("Λατομείο Α").toUtf8()));
    // A title with line breaks stays on its one line.
    project().ProjectTitle = "two\r\nlines";
    ASSERT_TRUE(SaveProjectFile());
    ASSERT_TRUE(OpenProjectFile());
    EXPECT_EQ(project().ProjectTitle, "two lines");
    EXPECT_EQ(project().KonyaDiam, 4.0f);
}
