// Report page 0 of the default project, in English and Greek, with and without the
// header lines.

#include "TestSupport.h"
#include "core/ParameterReport.h"
#include "core/ProgramState.h"
#include "core/Project.h"

#include <gtest/gtest.h>

namespace {

QString row(const QString &label, const QString &value) { return label.leftJustified(45, '.') + value; }

void startDefault()
{
    StartCoreForTest();
    ResetProjectDefaults(kTrue, kTrue);
}

} // namespace

TEST(ParameterReport, EnglishPageWithAndWithoutHeader)
{
    startDefault();
    project().CurrentFile = "/home/u/site.kvd";
    settings().PrintModuleHeader = 1;
    LoadOutBuf0(0);
    const QString withHeader = reportPages().OutBuf[0];
    EXPECT_EQ(withHeader.count("\r\n"), 59);
    EXPECT_TRUE(withHeader.startsWith(
        QStringLiteral("Korvendo module build:  %1.%2.%3\r\n").arg(VersionMajor()).arg(VersionMinor()).arg(VersionRevision())
        + "Project File: /home/u/site.kvd\r\nInput Units: Mixed\r\n[PROJECT TITLE]\r\n\r\n\r\n[PROJECT DESCRIPTION]\r\n\r\n\r\n"
        + "[Parameters for equation by Konya]\r\nBlasthole diameter...........................4\r\n"));
    // The blocks in their order, with every value of the default project.
    QStringList blocks, values;
    for (const QString &line : withHeader.split("\r\n")) {
        if (line.startsWith("[Parameters for equation by "))
            blocks << line.mid(28).chopped(1);
        else if (line.contains("...."))
            values << line.mid(45);
    }
    EXPECT_EQ(blocks, QString("Konya Anderson Fraenkel Pearse Langefors Ash Jimeno").split(' '));
    EXPECT_EQ(values, QString("4 0.9 2.7 4 30 100 10 7 2 100 1 8000 12 100 1.2 1.3 0.45 1 1.25 "
                              "4 30 2.57 2.7 1.3 1.2 3700 3100 4 1 2.7 2.7 3500 3500 1.3 1.3 3660 3660")
                          .split(' '));
    for (const QString &r : {row("Height of explosive column", "7"), row("Tensile strength of rock", "12"),
                             row("Detonation velocity - actual explosive", "3660")})
        EXPECT_TRUE(withHeader.contains("\r\n" + r + "\r\n")) << r.toStdString();

    settings().PrintModuleHeader = 0;
    LoadOutBuf0(0);
    LoadOutBuf0(0); // built again, the page is the same, not twice as long
    EXPECT_EQ(reportPages().OutBuf[0], withHeader.mid(withHeader.indexOf("[PROJECT TITLE]")));
    EXPECT_EQ(reportPages().OutBuf[0].count("\r\n"), 56);
}

TEST(ParameterReport, TitleAndDescription)
{
    startDefault();
    settings().PrintModuleHeader = 0;
    project().ProjectTitle = "North pit";
    project().ProjectDescription = "first\r\n\r\n" + QString(51, 'x') + ' ' + QString(23, 'y') + "\r\n";
    LoadOutBuf0(0);
    EXPECT_TRUE(reportPages().OutBuf[0].startsWith("[PROJECT TITLE]\r\nNorth pit\r\n\r\n[PROJECT DESCRIPTION]\r\nfirst\r\n"
                                                   + QString(51, 'x') + " \r\n" + QString(23, 'y')
                                                   + "\r\n\r\n[Parameters for equation by Konya]\r\n"));
}

TEST(ParameterReport, GreekPageHasGreekLabelsAndTheSameValues)
{
    startDefault();
    settings().PrintModuleHeader = 0;
    LoadOutBuf0(0);
    const QStringList english = reportPages().OutBuf[0].split("\r\n");
    settings().EnglishMenus = 0;
    LoadOutBuf0(0);
    const QStringList greek = reportPages().OutBuf[0].split("\r\n");
    ASSERT_EQ(greek.size(), english.size());

    EXPECT_EQ(greek[6], "[Παράμετροι για την εξίσωση Konya]");
    EXPECT_EQ(greek[7], QString("Διάμετρος διατρήματος") + QString(24, '.') + "4");
    EXPECT_TRUE(greek.contains(row("Υψος εκρηκτικής στήλης", "7")));
    // Every label line is padded by characters to 45, then the same value as in English.
    for (int i = 0; i < greek.size(); ++i) {
        if (english[i].contains("....")) {
            EXPECT_EQ(greek[i].mid(44), "." + english[i].mid(45)) << english[i].toStdString();
        }
    }
}
