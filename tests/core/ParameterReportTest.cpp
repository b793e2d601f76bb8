// Report page 0 of the default project, in English and Greek, with and without the
// header lines, against the expected pages in tests/data/report.

#include "TestSupport.h"
#include "core/ParameterReport.h"
#include "core/ProgramState.h"
#include "core/Project.h"

#include <gtest/gtest.h>

namespace {

void startDefault()
{
    StartCoreForTest();
    ResetProjectDefaults(kTrue, kTrue);
}

} // namespace

TEST(ParameterReport, PagesInBothLanguagesWithAndWithoutHeader)
{
    const struct {
        int english, header;
        const char *page;
    } cases[] = {
        {1, 0, "report/parameters-en.txt"},
        {0, 0, "report/parameters-el.txt"},
        {1, 1, "report/parameters-en.txt"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.page);
        startDefault();
        project().CurrentFile = "/home/u/site.kvd";
        settings().EnglishMenus = static_cast<int16_t>(c.english);
        settings().PrintModuleHeader = static_cast<int16_t>(c.header);
        LoadOutBuf0(0);
        LoadOutBuf0(0); // built again, the page is the same, not twice as long
        const QString header =
            c.header ? QStringLiteral("Korvendo module build:  %1.%2.%3\r\n")
                               .arg(VersionMajor())
                               .arg(VersionMinor())
                               .arg(VersionRevision())
                           + "Project File: /home/u/site.kvd\r\nInput Units: Mixed\r\n"
                     : QString();
        EXPECT_EQ(reportPages().OutBuf[0], header + testDataText(c.page));
    }
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
