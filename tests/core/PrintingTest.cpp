// The page printer on a recording printer: header, page numbers, page breaks, modes
// and the printer font.

#include "TestSupport.h"
#include "core/Errors.h"
#include "core/Printing.h"
#include "core/ProgramState.h"
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

// The texts of one page that are not part of the header.
QList<PrintedText> body(const QList<PrintedText> &page)
{
    QList<PrintedText> out;
    for (const PrintedText &t : page)
        if (t.y != printgeom::HeaderTop)
            out << t;
    return out;
}

QString headerOf(const QList<PrintedText> &page)
{
    for (const PrintedText &t : page)
        if (t.y == printgeom::HeaderTop && !t.text.startsWith("Page: "))
            return t.text;
    return QString();
}

QString pageNumberOf(const QList<PrintedText> &page)
{
    for (const PrintedText &t : page)
        if (t.y == printgeom::HeaderTop && t.text.startsWith("Page: "))
            return t.text;
    return QString();
}

} // namespace

TEST(Printing, LongReportBreaksAndNumbersPages)
{
    StartCoreForTest();
    FakePrinter &printer = fakePrinter();
    PrintText(printmode::StartJob, QString());
    PrintText(printmode::Text, lines(200));
    PrintText(printmode::EndJob, QString());

    ASSERT_EQ(printer.documents.size(), 1);
    const auto &pages = printer.documents[0].pages;
    // Lines start at 1152 and advance by 240; a page ends once a line leaves the
    // print position below 15840 - 1872: 54 lines a page.
    ASSERT_EQ(pages.size(), 4);
    const int expectedCounts[] = {54, 54, 54, 38};
    int next = 1;
    for (int p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        const QString pageText = QStringLiteral("Page: %1").arg(p + 1);
        EXPECT_EQ(pageNumberOf(pages[p]), pageText);
        EXPECT_EQ(headerOf(pages[p]), " Version: " + GetVersionString(1) + ", 3/7/2026, 14:05:09");
        for (const PrintedText &t : pages[p]) {
            if (t.y != printgeom::HeaderTop)
                continue;
            EXPECT_TRUE(t.font.italic);
            EXPECT_EQ(t.x, t.text.startsWith("Page: ") ? 12240 - 1152 - 1.2 * 120 * pageText.size() : 1152);
        }
        const QList<PrintedText> b = body(pages[p]);
        ASSERT_EQ(b.size(), expectedCounts[p]);
        for (int i = 0; i < b.size(); ++i) {
            EXPECT_EQ(b[i].text, QStringLiteral("Line %1").arg(next++));
            EXPECT_EQ(b[i].x, 1152);
            EXPECT_EQ(b[i].y, 1152 + 240 * i);
            EXPECT_FALSE(b[i].font.italic);
        }
    }
}

TEST(Printing, ForcedPagesAndTheirNumbers)
{
    StartCoreForTest();
    PrintText(printmode::StartJob, QString());
    PrintText(printmode::Line, "first");
    PrintText(printmode::NewPage, QString());
    PrintText(printmode::Line, "second");
    PrintText(printmode::BlankPage, QString());
    PrintText(printmode::Line, "third");
    PrintText(5, "ignored");
    PrintText(7, "ignored");
    PrintText(printmode::Text, lines(120, 100));
    PrintText(printmode::EndJob, QString());

    const auto &pages = fakePrinter().documents.at(0).pages;
    ASSERT_EQ(pages.size(), 5);
    EXPECT_EQ(pageNumberOf(pages[0]), "Page: 1");
    EXPECT_EQ(pageNumberOf(pages[1]), "Page: 2");
    EXPECT_EQ(body(pages[1]).at(0).text, "second");
    EXPECT_EQ(body(pages[1]).at(0).y, 1152);
    // Mode 8: no header, the line at the top, the number still advanced.
    EXPECT_EQ(pageNumberOf(pages[2]), "");
    EXPECT_EQ(headerOf(pages[2]), "");
    EXPECT_EQ(pages[2].at(0).text, "third");
    EXPECT_EQ(pages[2].at(0).y, 0);
    EXPECT_EQ(pageNumberOf(pages[3]), "Page: 4");
    EXPECT_EQ(pageNumberOf(pages[4]), "Page: 5");
    for (const auto &page : pages)
        for (const PrintedText &t : page)
            EXPECT_NE(t.text, "ignored");
}

TEST(Printing, OnlyTerminatedLinesArePrinted)
{
    StartCoreForTest();
    const struct {
        const char *name;
        QString text;
        QStringList printed;
    } cases[] = {
        {"last line without CR LF is lost", "one\r\ntwo\r\nthree", {"one", "two"}},
        {"empty lines are kept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"nothing", "", {}},
        {"a lone line feed does not end a line", "x\ny\r\n", {"x\ny"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fakePrinter().documents.clear();
        PrintText(printmode::StartJob, QString());
        PrintText(printmode::Text, c.text);
        PrintText(printmode::EndJob, QString());
        QStringList printed;
        for (const PrintedText &t : body(fakePrinter().documents.at(0).pages.at(0)))
            printed << t.text;
        EXPECT_EQ(printed, c.printed);
    }
}

TEST(Printing, PrinterFontIsSetAtTheStart)
{
    StartCoreForTest();
    // Without Courier New the printer's Courier is taken, size 9, plain.
    fakeFonts().printer = {"C059", "Courier", "Arial"};
    fakePrinter().setFont(PrinterFont{"Symbol", 20, true, true, true, true});
    PrintText(printmode::StartJob, QString());
    PrintText(printmode::Line, "x");
    const PrinterFont f = body(fakePrinter().current.pages.at(0)).at(0).font;
    EXPECT_EQ(f.name, "Courier");
    EXPECT_EQ(f.size, 9);
    EXPECT_FALSE(f.bold || f.italic || f.strikethrough || f.underline);
}

TEST(Printing, NoPrinterIsError482)
{
    StartCoreForTest();
    fakePrinter().available = false;
    for (int mode : {printmode::StartJob, printmode::Line, printmode::Text, printmode::NewPage}) {
        SCOPED_TRACE(mode);
        try {
            PrintText(mode, "a\r\n");
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), 482);
        }
    }
    // Ending a job that never started does nothing.
    EXPECT_NO_THROW(PrintText(printmode::EndJob, QString()));
    EXPECT_TRUE(fakePrinter().documents.isEmpty());
}
