// The parameter report's page, and the page printer on a recording printer: header,
// page numbers, page breaks, modes and the printer font.

#include "CoreTables.h"
#include "core/ParameterReport.h"
#include "core/Printing.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/Utilities.h"

#include <gtest/gtest.h>

namespace {

QString lines(int count, int first = 1)
{
    QString text;
    for (int i = first; i < first + count; ++i)
        text += QStringLiteral("Line %1\r\n").arg(i);
    return text;
}

// The header's page number and its other text, each "-" where there is none.
QString headerOf(const QList<PrintedText> &page)
{
    QString number = "-", other = "-";
    for (const PrintedText &t : page)
        if (t.y == printgeom::HeaderTop)
            (t.text.startsWith("Page: ") ? number : other) = t.text;
    return number + " |" + other;
}

// The texts of one page below the header.
QList<PrintedText> body(const QList<PrintedText> &page)
{
    QList<PrintedText> out;
    for (const PrintedText &t : page)
        if (t.y != printgeom::HeaderTop)
            out << t;
    return out;
}

} // namespace

// Report page 0 of the default project, in English and Greek, with and without the
// header lines and a title and description, against the expected pages.
TEST(ParameterReport, PagesInBothLanguagesWithAndWithoutHeader)
{
    const QString untitled = "[PROJECT TITLE]\r\n\r\n\r\n[PROJECT DESCRIPTION]\r\n\r\n";
    const QString build = QStringLiteral("%1.%2.%3").arg(VersionMajor()).arg(VersionMinor()).arg(VersionRevision());
    for (const QStringList &row : coreTable("parameter-report.tsv")) {
        SCOPED_TRACE(row.join(' ').toStdString());
        StartCoreForTest();
        ResetProjectDefaults(kTrue, kTrue);
        project().CurrentFile = "/home/u/site.kvd";
        project().ProjectTitle = row.value(3);
        project().ProjectDescription = row.value(4);
        settings().EnglishMenus = static_cast<int16_t>(row[1].toInt());
        settings().PrintModuleHeader = static_cast<int16_t>(row.value(2).isEmpty() ? 0 : 1);
        LoadOutBuf0(0);
        LoadOutBuf0(0); // built again, the page is the same, not twice as long
        const QString header = row.value(2).replace("<build>", build);
        QString page = testDataText(row[0]);
        if (!row[5].isEmpty())
            page.replace(0, untitled.size(), row[5]);
        EXPECT_EQ(reportPages().OutBuf[0], header + page);
    }
}

TEST(Printing, LongReportBreaksAndNumbersPages)
{
    StartCoreForTest();
    // Without Courier New the printer's Courier is taken, size 9, plain.
    fakeFonts().printer = {"C059", "Courier", "Arial"};
    fakePrinter().setFont(PrinterFont{"Symbol", 20, true, true, true, true});
    PrintText(printmode::StartJob, QString());
    PrintText(printmode::Text, lines(200));
    PrintText(printmode::EndJob, QString());

    ASSERT_EQ(fakePrinter().documents.size(), 1);
    const auto &pages = fakePrinter().documents[0].pages;
    // Lines start at 1152 and advance by 240; a page ends once a line leaves the
    // print position below 15840 - 1872: 54 lines a page.
    ASSERT_EQ(pages.size(), 4);
    const int expectedCounts[] = {54, 54, 54, 38};
    int next = 1;
    for (int p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        EXPECT_EQ(headerOf(pages[p]),
                  QStringLiteral("Page: %1 | Version: %2, 3/7/2026, 14:05:09").arg(p + 1).arg(GetVersionString(1)));
        const QList<PrintedText> b = body(pages[p]);
        ASSERT_EQ(b.size(), expectedCounts[p]);
        for (int i = 0; i < b.size(); ++i) {
            EXPECT_EQ(b[i].text, QStringLiteral("Line %1").arg(next++));
            EXPECT_EQ(b[i].y, 1152 + 240 * i);
            EXPECT_EQ(b[i].font.name + " " + QString::number(b[i].font.size), "Courier 9");
            EXPECT_FALSE(b[i].font.bold || b[i].font.italic);
        }
    }
}

TEST(Printing, ForcedPagesAndTerminatedLines)
{
    StartCoreForTest();
    PrintText(printmode::StartJob, QString());
    PrintText(printmode::Line, "first");
    PrintText(printmode::NewPage, QString());
    // Only lines ended by CR LF are printed: a lone line feed stays inside its line,
    // empty lines are kept, and the unterminated last line is lost.
    PrintText(printmode::Text, "second\r\n\r\nx\ny\r\nlost");
    PrintText(printmode::BlankPage, QString());
    PrintText(printmode::Line, "third");
    PrintText(printmode::Text, lines(120, 100));
    PrintText(printmode::EndJob, QString());

    const auto &pages = fakePrinter().documents.at(0).pages;
    ASSERT_EQ(pages.size(), 5);
    QStringList second;
    for (const PrintedText &t : body(pages[1]))
        second << t.text;
    EXPECT_EQ(second, (QStringList{"second", "", "x\ny"}));
    EXPECT_EQ(body(pages[1]).at(0).y, 1152);
    // Mode 8: no header, the line at the top, the number still advanced.
    EXPECT_EQ(headerOf(pages[2]), "- |-");
    EXPECT_EQ(pages[2].at(0).text, "third");
    EXPECT_EQ(pages[2].at(0).y, 0);
    EXPECT_TRUE(headerOf(pages[3]).startsWith("Page: 4 |"));
    EXPECT_TRUE(headerOf(pages[4]).startsWith("Page: 5 |"));
}
