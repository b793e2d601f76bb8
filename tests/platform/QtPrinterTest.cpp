// The real page printer: a long report with Greek text printed into a PDF file and read
// back with pdftotext. (Error 482 of a machine without a printer: PreviewTest.)

#include "TestSupport.h"
#include "core/Printing.h"
#include "core/ProgramState.h"
#include "core/Utilities.h"
#include "platform/QtPrinter.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

TEST(QtPrinter, LongReportIntoPdf)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    StartCoreForTest();
    const QString pdf = testHome() + "/report.pdf";
    services().printer = std::make_unique<QtPrinter>(pdf);
    IPrinter &printer = *services().printer;

    const int total = 150;
    QString report;
    for (int i = 1; i <= total; ++i)
        report += QStringLiteral("Report line %1 of the parameter page: Περιγραφή\r\n").arg(i, 3, 10, QLatin1Char('0'));
    PrintText(printmode::StartJob, QString());
    PrintText(printmode::Text, report);
    PrintText(printmode::EndJob, QString());

    // Lines a page by the page rule, from the printer's own geometry.
    const double limit = printer.printableHeight() - printgeom::BottomReserve;
    const double step = printer.lineHeight();
    ASSERT_GT(step, 0);
    int perPage = 1;
    while (printgeom::TextTop + perPage * step <= limit)
        ++perPage;
    const int pages = (total + perPage - 1) / perPage;
    ASSERT_GE(pages, 2);

    const QStringList pageTexts = runTool("pdftotext", {"-layout", pdf, "-"}).split(u'\f');
    ASSERT_EQ(pageTexts.size(), pages) << pageTexts.join(u'\f').toStdString();

    // Each page: the version and its number on the header line, then its share of the
    // report lines in order.
    const QRegularExpression reportLine(QStringLiteral("Report line (\\d{3}) of the parameter page: Περιγραφή"));
    int expectedNext = 1;
    for (int p = 0; p < pages; ++p) {
        SCOPED_TRACE(p + 1);
        const QRegularExpression header("Version: " + QRegularExpression::escape(GetVersionString(1)) + ", .*Page: "
                                        + QString::number(p + 1));
        EXPECT_TRUE(header.match(pageTexts[p]).hasMatch()) << pageTexts[p].toStdString();
        int count = 0;
        for (auto it = reportLine.globalMatch(pageTexts[p]); it.hasNext(); ++count)
            EXPECT_EQ(it.next().captured(1).toInt(), expectedNext++);
        EXPECT_EQ(count, std::min(perPage, total - p * perPage));
    }
    EXPECT_EQ(expectedNext, total + 1);
}
