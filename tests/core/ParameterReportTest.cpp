// Report page 0 of the default project, in English and Greek, with and without the
// header lines.

#include "TestSupport.h"
#include "core/ParameterReport.h"
#include "core/ProgramState.h"
#include "core/Project.h"

#include <gtest/gtest.h>

namespace {

QString row(const QString &label, const QString &value) { return label.leftJustified(45, '.') + value; }

// The parameter part of the default project's page in English.
QStringList englishBlocks()
{
    return {"",
            "[Parameters for equation by Konya]",
            "Blasthole diameter...........................4",
            row("Explosive density", "0.9"),
            row("Rock density", "2.7"),
            "",
            "[Parameters for equation by Anderson]",
            row("Blasthole diameter", "4"),
            row("Blasthole length", "30"),
            "",
            "[Parameters for equation by Fraenkel]",
            row("Blasthole diameter", "100"),
            row("Blasthole length", "10"),
            row("Height of explosive column", "7"),
            row("Resistance to blast", "2"),
            "",
            "[Parameters for equation by Pearse]",
            row("Blasthole diameter", "100"),
            row("Blast coefficient", "1"),
            row("Blast pressure", "8000"),
            row("Tensile strength of rock", "12"),
            "",
            "[Parameters for equation by Langefors]",
            row("Blasthole diameter", "100"),
            row("Explosive confinement", "1.2"),
            row("Explosive power", "1.3"),
            row("Rock constant", "0.45"),
            row("Coefficient for blasthole inclination", "1"),
            row("Spacing to burden ratio", "1.25"),
            "",
            "[Parameters for equation by Ash]",
            row("Blasthole diameter", "4"),
            row("Coefficient", "30"),
            row("Rock density - reference", "2.57"),
            row("Rock density - actual", "2.7"),
            row("Explosive density - reference", "1.3"),
            row("Explosive density - actual", "1.2"),
            row("Detonation velocity - reference explosive", "3700"),
            row("Detonation velocity - actual", "3100"),
            "",
            "[Parameters for equation by Jimeno]",
            row("Blasthole diameter", "4"),
            row("Coefficient", "1"),
            row("Rock density - reference", "2.7"),
            row("Rock density - actual", "2.7"),
            row("P-wave velocity for reference rock", "3500"),
            row("P-wave velocity for actual rock", "3500"),
            row("Explosive density - reference", "1.3"),
            row("Explosive density - actual", "1.3"),
            row("Detonation velocity - reference explosive", "3660"),
            row("Detonation velocity - actual explosive", "3660")};
}

QString page(const QStringList &lines) { return lines.join("\r\n") + "\r\n"; }

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
    const QStringList body = QStringList{"[PROJECT TITLE]", "", "", "[PROJECT DESCRIPTION]", ""} + englishBlocks();

    settings().PrintModuleHeader = 1;
    LoadOutBuf0(0);
    const QString withHeader = reportPages().OutBuf[0];
    EXPECT_EQ(withHeader, page(QStringList{QStringLiteral("Korvendo module build:  %1.%2.%3")
                                               .arg(VersionMajor())
                                               .arg(VersionMinor())
                                               .arg(VersionRevision()),
                                           "Project File: /home/u/site.kvd", "Input Units: Mixed"}
                               + body));
    EXPECT_EQ(withHeader.count("\r\n"), 59);

    settings().PrintModuleHeader = 0;
    LoadOutBuf0(0);
    EXPECT_EQ(reportPages().OutBuf[0], page(body));
    EXPECT_EQ(reportPages().OutBuf[0].count("\r\n"), 56);
    EXPECT_TRUE(reportPages().OutBuf[0].startsWith("[PROJECT TITLE]\r\n"));
    // Built again, the page is the same, not twice as long.
    LoadOutBuf0(0);
    EXPECT_EQ(reportPages().OutBuf[0], page(body));
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
    // The description itself is left wrapped.
    EXPECT_EQ(project().ProjectDescription, "first\r\n" + QString(51, 'x') + " \r\n" + QString(23, 'y'));
}

TEST(ParameterReport, GreekPageHasGreekLabelsAndTheSameValues)
{
    startDefault();
    settings().PrintModuleHeader = 0;
    settings().EnglishMenus = 1;
    LoadOutBuf0(0);
    const QStringList english = reportPages().OutBuf[0].split("\r\n");
    settings().EnglishMenus = 0;
    LoadOutBuf0(0);
    const QStringList greek = reportPages().OutBuf[0].split("\r\n");
    ASSERT_EQ(greek.size(), english.size());

    EXPECT_EQ(greek[6], "[Παράμετροι για την εξίσωση Konya]");
    EXPECT_EQ(greek[7], QString("Διάμετρος διατρήματος") + QString(24, '.') + "4");
    EXPECT_TRUE(greek.contains(row("Υψος εκρηκτικής στήλης", "7")));
    EXPECT_TRUE(greek.contains(row("Ταχύτητα σεισμικών κυμάτων πετρώματος αναφ.", "3500")));
    EXPECT_TRUE(greek.contains(row("Αντοχή πετρώματος σε εφελκυσμό", "12")));
    // Every label line is padded by characters to 45, then the same value as in English.
    for (int i = 0; i < greek.size(); ++i) {
        if (!english[i].contains("...."))
            continue;
        SCOPED_TRACE(english[i].toStdString());
        EXPECT_EQ(greek[i].mid(45), english[i].mid(45));
        EXPECT_EQ(greek[i].left(45).size(), 45);
    }
}
