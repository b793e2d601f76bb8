// The project file: the newest layout written exactly, the six layouts read, the
// description block, tags, encodings, and failed opens and saves.

#include "CoreTables.h"
#include "WindowDriver.h"
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

#include <sys/stat.h>

namespace {

// The 79 parameter lines of a default project, after its six lines of tag, units,
// title and empty description.
QStringList defaultParameterLines() { return testDataText("project/default.kvd").split(kCrLf).mid(6, 79); }

// The lowest version code whose files hold the given parameter line.
int fromVersion(int line)
{
    for (const QStringList &run : coreTable("layout-runs.tsv")) {
        if (line < run[0].toInt())
            return run[1].toInt();
        line -= run[0].toInt();
    }
    return 99;
}

QString projectPath(const QString &name) { return testHome() + "/projects/" + name; }

void startFresh()
{
    StartCoreForTest();
    ResetProjectDefaults(kTrue, kTrue);
    QDir().mkpath(testHome() + "/projects");
}

// Lines each ended by CR LF: the first, then the others.
QString crlfLines(const QString &first, const QStringList &head, const QStringList &rest = {})
{
    return (QStringList{first} + head + rest).join(kCrLf) + kCrLf;
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

// The default project is written exactly; a project of hard values and texts opens
// with every value and saves to the same bytes again.
TEST(ProjectFile, DefaultAndHardValuesRoundTrip)
{
    startFresh();
    ProjectState &p = project();
    p.CurrentFile = projectPath("p.kvd");
    flags().ProjectSaved = kFalse;
    ASSERT_TRUE(SaveProjectFile());
    EXPECT_EQ(QString::fromUtf8(readFile(p.CurrentFile)), testDataText("project/default.kvd"));
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_TRUE(historyLog().text().endsWith("Saving: " + p.CurrentFile + "\r\n"));

    p.CurrentUnits = 1;
    p.ProjectTitle = "Quarry, \"north\" face — Λατομείο";
    // Values the file form writes in exponent form or with a leading point.
    p.AndersonDiam = 3.0e20f;
    p.AshKb = 1.5e-7f;
    p.JimenoE1a = 123456.7f;
    p.KonyaConst = -2.5e9f;
    p.PearseTensile = 0.0001f;
    p.ScaleDist.Distance = -0.5f;
    p.BlastDesign.HolesX = -32768;
    p.BlastDesign.HolesY = 32767;
    ASSERT_TRUE(SaveProjectFile());
    const QByteArray saved = readFile(p.CurrentFile);
    EXPECT_TRUE(saved.contains("\r\n 3E+20 \r\n"));
    ResetProjectDefaults(kFalse, kTrue);
    ASSERT_TRUE(OpenProjectFile());
    EXPECT_EQ(p.ProjectTitle, "Quarry, \"north\" face — Λατομείο");
    EXPECT_EQ(flags().FileEmpty, kFalse);
    EXPECT_EQ(flags().ParametersLoaded, kTrue);
    ASSERT_TRUE(SaveProjectFile());
    EXPECT_EQ(readFile(p.CurrentFile), saved);
}

// Each older layout opens with the items it lacks at their defaults (or, for the
// fields File > New keeps, at the previous project's values) and saves back newest.
TEST(ProjectFile, EveryOlderLayoutOpensAndSavesBackInTheNewest)
{
    startFresh();
    const QStringList tags = {"ENDOKORV_200", "KORV_ENDO_205", "KORV_ENDO_206",
                              "KORV_ENDO_207", "KORV_ENDO_208", "KORV_ENDO_209"};
    // Distinct values on every line (the four zeros after the Konya constant stay 0).
    QStringList distinct;
    for (int i = 0; i < 79; ++i) {
        const int v = 2000 + i * 10;
        distinct << (i == 27   ? QStringLiteral(" %1  0  0  0  0 ").arg(v)
                     : i == 28 ? QStringLiteral(" %1  %2 ").arg(v).arg(v + 1)
                     : i == 29 ? QStringLiteral(" %1  %2  %3 ").arg(v).arg(v + 1).arg(v + 2)
                               : QStringLiteral(" %1 ").arg(v));
    }
    // ProductionMode, HolesX, HolesY, CalcMode and Distance keep the previous values.
    const QStringList defaults = defaultParameterLines();
    const QMap<int, QString> previous = {{63, " 1 "}, {64, " 6 "}, {65, " 3 "}, {73, " 1 "}, {74, " 250 "}};
    const QStringList head = {" 0 ", "Title", "##StartDesc##", "Text", "##EndDesc##"};
    for (int version = 50; version <= 55; ++version) {
        SCOPED_TRACE(version);
        project().BlastDesign.ProductionMode = 1;
        project().BlastDesign.HolesX = 6;
        project().BlastDesign.HolesY = 3;
        project().ScaleDist.CalcMode = 1;
        project().ScaleDist.Distance = 250;
        QStringList lines, expected;
        for (int i = 0; i < 79; ++i) {
            if (fromVersion(i) <= version)
                lines << distinct[i];
            expected << (fromVersion(i) <= version ? distinct[i] : previous.value(i, defaults[i]));
        }
        project().CurrentFile = writeFile(projectPath("old.kvd"), crlfLines(tags[version - 50], head, lines).toUtf8());
        ASSERT_TRUE(OpenProjectFile());
        EXPECT_EQ(appState().FileVersionCode, version);
        ASSERT_TRUE(SaveProjectFile());
        EXPECT_EQ(QString::fromUtf8(readFile(project().CurrentFile)), crlfLines("KORV_ENDO_209", head, expected));
    }
}

// The description block as written and read back, and the title line before it.
TEST(ProjectFile, DescriptionCases)
{
    for (const QStringList &row : coreTable("description.tsv")) {
        SCOPED_TRACE(row[0].toStdString());
        const QStringList fileLines = row[4].isEmpty() ? QStringList{""} : rowTail(row, 4);
        startFresh();
        project().ProjectDescription = row.value(1);
        project().ProjectTitle = row.value(2);
        project().CurrentFile = projectPath("desc.kvd");
        ASSERT_TRUE(SaveProjectFile());
        const QString text = QString::fromUtf8(readFile(project().CurrentFile));
        EXPECT_TRUE(text.contains("\r\n" + crlfLines("##StartDesc##", fileLines, {"##EndDesc##"}))) << text.toStdString();
        // The saved description wraps to itself: the same file text again.
        EXPECT_EQ(ProjectFileText(project()), text);
        ASSERT_TRUE(OpenProjectFile());
        EXPECT_EQ(project().ProjectTitle, row.value(3));
        EXPECT_EQ(project().ProjectDescription, row.value(1).isEmpty() ? QString() : fileLines.join(kCrLf) + kCrLf);
        EXPECT_EQ(project().KonyaConst, 3.59f); // everything after the block still in place
    }
}

TEST(ProjectFile, OpenCases)
{
    for (const QStringList &row : coreTable("opens.tsv")) {
        SCOPED_TRACE(row[0].toStdString());
        const QString text = row[6] + defaultParameterLines().mid(row.value(7).toInt()).join(kCrLf) + kCrLf;
        QByteArray bytes = row[5].isEmpty() || row[5] == "LF" ? text.toUtf8() : QStringEncoder(row[5].toLatin1()).encode(text);
        if (row[5] == "LF")
            bytes.replace("\r\n", "\n");
        startFresh();
        const QString path = writeFile(projectPath("read.kvd"), bytes);
        project().CurrentFile = path;
        fakeMessageBox().boxes.clear();
        const int code = row[1].toInt();
        EXPECT_EQ(OpenProjectFile(), code != 0);
        if (code) {
            EXPECT_EQ(appState().FileVersionCode, code);
            EXPECT_EQ(project().CurrentUnits, row[2].toInt());
            EXPECT_EQ(project().ProjectTitle, row[3]);
            EXPECT_EQ(project().AndersonDiam, row[4].toFloat());
        } else {
            // The project is the empty one, and it no longer names the rejected file.
            EXPECT_EQ(MessageTexts(), QStringList{"Invalid File Type"});
            EXPECT_EQ(project().CurrentFile, "Untitled");
            EXPECT_EQ(flags().FileEmpty, kTrue);
            EXPECT_EQ(project().ProjectTitle, "");
        }
    }
    EXPECT_EQ(project().ProjectDescription, "loose line\r\n");
}

TEST(ProjectFile, FailedOpensNameNoFile)
{
    for (const QStringList &row : coreTable("failed-opens.tsv")) {
        SCOPED_TRACE(row[0].toStdString());
        startFresh();
        const QString path = projectPath(row[0] + ".kvd");
        if (row[1] == "(folder)")
            QDir().mkpath(path);
        else
            writeFile(path, row[1].toUtf8());
        project().CurrentFile = path;
        EXPECT_EQ(runtimeErrorOf([] { OpenProjectFile(); }), row[2].toInt());
        EXPECT_EQ(project().CurrentFile, "Untitled");
        EXPECT_TRUE(historyLog().text().contains("Opening: " + path + "\r\n"));
    }
    // What was read before the error stays.
    EXPECT_EQ(project().ProjectTitle, "Partial");
    EXPECT_EQ(project().AndersonDiam, 9.0f);
}

// A save that cannot complete leaves the previous file as it was and the project
// unsaved; a read-only folder with a writable file is written in place.
TEST(ProjectFile, FailedSavesKeepThePreviousFile)
{
    startFresh();
    const QString good = projectPath("keep.kvd");
    project().CurrentFile = good;
    ASSERT_TRUE(SaveProjectFile());
    QByteArray before = readFile(good);
    project().ProjectTitle = "changed";
    flags().ProjectSaved = kFalse;

    // A folder in the way (a removed folder is driven through the main window).
    project().CurrentFile = testHome() + "/projects";
    EXPECT_EQ(runtimeErrorOf([] { SaveProjectFile(); }), err::PathFileAccess);
    // A write that fails half way (the file-size limit stands in for a full disk).
    project().CurrentFile = good;
    {
        ScopedFileSizeLimit full(64);
        EXPECT_NE(runtimeErrorOf([] { SaveProjectFile(); }), 0);
    }
    EXPECT_EQ(readFile(good), before);
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    EXPECT_EQ(QDir(testHome() + "/projects").entryList(QDir::Files), QStringList{"keep.kvd"});

    ScopedOwnerPermissions asOwner;
    if (!asOwner.ok())
        GTEST_SKIP() << "file permissions cannot be made to bind here";
    const QString folder = testHome() + "/projects";
    ASSERT_EQ(chmod(QFile::encodeName(folder), 0555), 0);
    ASSERT_FALSE(QFile(folder + "/probe").open(QIODevice::WriteOnly)) << "no new file can be made in the folder";
    project().ProjectTitle = "written in place";
    EXPECT_TRUE(SaveProjectFile());
    EXPECT_TRUE(readFile(good).contains("\r\nwritten in place\r\n"));
    // A file that is read-only as well cannot be written: it stays as it was.
    before = readFile(good);
    ASSERT_EQ(chmod(QFile::encodeName(good), 0444), 0);
    project().ProjectTitle = "not written";
    flags().ProjectSaved = kFalse;
    EXPECT_EQ(runtimeErrorOf([] { SaveProjectFile(); }), err::PermissionDenied);
    EXPECT_EQ(readFile(good), before);
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    chmod(QFile::encodeName(folder), 0755);
}
