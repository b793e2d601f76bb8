// The design run below the window: reading the inputs, the layout search in both
// modes, the alternatives it stores, selecting one, the refusals of a search the data
// model cannot hold, and the sort with its trace.

#include "DesignFixtures.h"

#include <QDir>

#include <cmath>

namespace {

QStringList TraceLines()
{
    QStringList lines = QString::fromUtf8(readFile(DesignSession::SortTraceFile())).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The alternatives of a run, one a line after the best: index, holes per row x rows,
// width, depth, volume, volume difference, holes, holes per delay, burden, row
// distance, offset a, spacing, offset b.
QString AlternativeLines(const DesignSession &s)
{
    QString text = QStringLiteral("best %1\n").arg(s.BestAlternative());
    for (const LayoutAlternative &a : s.Alternatives()) {
        QStringList f = {QString::number(a.Index), QStringLiteral("%1x%2").arg(a.HolesPerRow).arg(a.Rows)};
        for (float v : {a.Width, a.Depth, a.Volume, a.VolumeDiff})
            f << QString::number(v);
        f << QString::number(a.TotalHoles) << QString::number(a.HolesPerDelay);
        for (float v : {a.Burden, a.RowDistance, a.OffsetA, a.Spacing, a.OffsetB})
            f << QString::number(v);
        text += f.join(u' ') + u'\n';
    }
    return text;
}

class LayoutSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        paths().UserTempPath = testHome() + QStringLiteral("/Temp/");
        QDir().mkpath(paths().UserTempPath);
    }
    DesignSession session;
    DesignInputs in = DefaultDesignInputs();
};

} // namespace

// The lengths and counts a run reads, against tests/data/design/inputs-read.tsv.
TEST_F(LayoutSearch, InputsAreReadOnEitherCoefficientBasis)
{
    for (const QStringList &c : testTable(QStringLiteral("design/inputs-read.tsv"))) {
        SCOPED_TRACE(c[0].toStdString());
        DesignInputs changed = in;
        SetInputs(changed, c[1]);
        session.RunDesign(changed);
        const DesignRunState &s = session.runState();
        EXPECT_EQ(s.Burden, c[2].toFloat());
        EXPECT_EQ(s.Stemming, c[3].toFloat());
        EXPECT_EQ(s.Subdrilling, c[4].toFloat());
        EXPECT_EQ(s.Spacing, c[5].toFloat());
        EXPECT_EQ(s.FreeFaces, c[6].toInt());
        EXPECT_EQ(s.MaxRows, c[7].toInt());
    }
}

// Every alternative the search stores, for both searches, each initiation pattern and
// face count (tests/data/design/layout-cases.tsv), against the "[name]" sections of
// layouts.txt.
TEST_F(LayoutSearch, AlternativesOfEachPatternAndFaceCount)
{
    const QMap<QString, QString> expected = DataSections(QStringLiteral("design/layouts.txt"));
    for (const QStringList &c : testTable(QStringLiteral("design/layout-cases.tsv"))) {
        SCOPED_TRACE(c[0].toStdString());
        DesignInputs changed = in;
        SetInputs(changed, c.value(1));
        session.RunDesign(changed);
        EXPECT_EQ(AlternativeLines(session).toStdString(), tableValue(expected, c[0]).toStdString());
    }
}

// Selecting an alternative outside the list changes nothing; a diagonal run notes the
// changed spacing, and the report of each layout shows its own spacing.
TEST_F(LayoutSearch, SelectingAndTheSpacingEachReportShows)
{
    ASSERT_TRUE(session.RunDesign(in).ok());
    const QString best = session.ReportPage(2);
    for (int index : {0, -1, 21, 32767}) {
        const DesignOutcome o = session.SelectAlternative(index, in);
        EXPECT_EQ(o.status, DesignStatus::InvalidAlternative) << index;
        EXPECT_FALSE(o.hasDelayCharge) << index;
        EXPECT_EQ(session.SelectedAlternative(), 9) << index;
        EXPECT_EQ(session.ReportPage(2), best) << index;
    }
    EXPECT_EQ(DesignSession().SelectAlternative(1, in).status, DesignStatus::InvalidAlternative);

    in.optEnausi = 2;
    in.txtSeires = QStringLiteral("1");
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_TRUE(session.SpacingWarning().isEmpty());
    in.txtSeires = QStringLiteral("2");
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_EQ(session.SpacingWarning().toStdString(), "Προσοχή: Τροποποίηθηκε η απόσταση από 3.00 σε 4.24 m");
    ASSERT_TRUE(session.SelectAlternative(10, in).ok()); // 1 row x 10 holes
    EXPECT_EQ(session.grid().TextMatrix(2, 2), "4.50 m");
    ASSERT_TRUE(session.SelectAlternative(15, in).ok()); // 2 rows x 5 holes
    EXPECT_EQ(session.grid().TextMatrix(2, 2), "4.24 m");
    in.cmbNoEpif = QStringLiteral("2");
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_TRUE(session.SpacingWarning().isEmpty());
}

// The cases are tests/data/design/holes-per-delay.tsv.
TEST_F(LayoutSearch, HolesPerDelayFollowsThePatternOrTheEnteredValue)
{
    for (const QStringList &c : testTable(QStringLiteral("design/holes-per-delay.tsv"))) {
        SCOPED_TRACE(c[0].toStdString());
        DesignInputs changed = in;
        SetInputs(changed, c[0]);
        session.RunDesign(changed);
        ASSERT_EQ(session.AlternativeCount(), 20);
        EXPECT_EQ(session.Alternative(15).HolesPerDelay, c[1].toInt());
        EXPECT_EQ(session.runState().HolesPerDelay, float(session.Alternative(session.BestAlternative()).HolesPerDelay));
    }
}

// A run that finds no layout keeps its alternatives; a search the data model cannot
// hold is refused before anything is allocated. Either way the message is shown and
// nothing of the earlier report is left (tests/data/design/no-report.tsv).
TEST_F(LayoutSearch, RunsThatLeaveNoReport)
{
    for (const QStringList &c : testTable(QStringLiteral("design/no-report.tsv"))) {
        SCOPED_TRACE(c[0].toStdString());
        DesignSession fresh;
        ASSERT_TRUE(fresh.RunDesign(in).ok());
        DesignInputs changed = in;
        SetInputs(changed, c[1]);
        const DesignOutcome o = fresh.RunDesign(changed);
        EXPECT_EQ(StatusName(o.status), c[2]);
        EXPECT_TRUE(o.showMessage && !o.hasDelayCharge && o.scrollValue == 0);
        EXPECT_EQ(int(fresh.Alternatives().size()), c[3].toInt());
        EXPECT_EQ(fresh.SelectedAlternative(), 0);
        EXPECT_TRUE(fresh.ReportPage(2).isEmpty() && fresh.grid().Rows() == 0);
        EXPECT_EQ(fresh.runState().TotalHoles, 0);
        EXPECT_EQ(StatusName(fresh.SelectAlternative(1, changed).status), c[4]);
    }
    EXPECT_TRUE(MakeOutcome(DesignStatus::NoQualifyingLayout).message(true).startsWith("No layout comes close enough"));
    EXPECT_TRUE(MakeOutcome(DesignStatus::NoQualifyingLayout).message(false).startsWith("Καμία διάταξη"));
}

TEST_F(LayoutSearch, TheLargestSearchTheDataModelHolds)
{
    in.txtEidvarPe = QStringLiteral("1");
    in.txtSeires = QStringLiteral("1");
    in.txtParagogi = QStringLiteral("5308173"); // 32766.5 holes of 162 m3
    in.txtMaxNperDelay = QStringLiteral("40000"); // not used with "Auto"
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_EQ(session.AlternativeCount(), 32767);
    EXPECT_EQ(session.BestAlternative(), 32766); // 32766 x 162 is 81 m3 short, 32767 x 162 81 over
    EXPECT_EQ(session.Alternative(32767).TotalHoles, 32767);
}

TEST_F(LayoutSearch, SortOrdersByClosenessTracesEveryExchangeAndPutsImpossibleLast)
{
    ASSERT_TRUE(session.RunDesign(in).ok());
    in.chkSort = 1;
    const DesignOutcome o = session.SortAlternatives(in);
    ASSERT_TRUE(o.ok());
    EXPECT_EQ(o.scrollValue, 1);
    EXPECT_EQ(session.SelectedAlternative(), 1);
    const int expectedOrder[] = {9, 10, 15, 14, 8, 7, 16, 13, 6, 5, 17, 12, 4, 3, 18, 11, 2, 1, 19, 20};
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(session.Alternative(k).Index, expectedOrder[k - 1]) << "position " << k;
    EXPECT_EQ(session.BestAlternative(), 9); // still the enumeration number
    EXPECT_EQ(session.runState().HolesPerRow, 9); // alternative 1 is now 1 x 9

    QStringList lines = TraceLines();
    ASSERT_EQ(lines.size(), 80);
    // VolumeDiff(i), VolumeDiff(j), holes per row (i), rows (i), volume (i), before the exchange.
    EXPECT_EQ(lines[0].toStdString(), "1376.462 1214.462 1 1 162");
    EXPECT_EQ(lines[1].toStdString(), "1214.462 1052.462 2 1 324");

    // An array already in order is not touched: an empty trace.
    session.SortAlternatives(in);
    EXPECT_TRUE(TraceLines().isEmpty());
    // Unchecking empties the trace and keeps the order.
    session.SortAlternatives(in);
    in.chkSort = 0;
    EXPECT_EQ(session.SortAlternatives(in).status, DesignStatus::NotSorted);
    EXPECT_TRUE(TraceLines().isEmpty());
    EXPECT_EQ(session.Alternative(1).Index, 9);

    // Modified rows: the two impossible layouts sort last.
    in.optEnausi = 1;
    ASSERT_TRUE(session.RunDesign(in).ok());
    in.chkSort = 1;
    session.SortAlternatives(in);
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(session.Alternative(k).VolumeDiff == kImpossibleVolumeDiff, k >= 19) << k;
}

TEST_F(LayoutSearch, TraceStopsAtItsBoundButTheSortGoesOn)
{
    // 500 layouts in one row, falling towards the target: 124750 exchanges.
    in.txtEidvarPe = QStringLiteral("1");
    in.txtSeires = QStringLiteral("1");
    in.txtParagogi = QStringLiteral("80920");
    ASSERT_TRUE(session.RunDesign(in).ok());
    ASSERT_EQ(session.AlternativeCount(), 500);
    in.chkSort = 1;
    session.SortAlternatives(in);
    const QStringList lines = TraceLines();
    ASSERT_EQ(lines.size(), kMaxSortTraceLines + 1);
    EXPECT_EQ(lines.last().toStdString(), "... 24750 further exchanges not written");
    for (int k = 2; k <= 500; ++k)
        EXPECT_LE(std::fabs(session.Alternative(k - 1).VolumeDiff), std::fabs(session.Alternative(k).VolumeDiff));

    // A trace that cannot be created (the temporary folder is a file) never stops the sort.
    paths().UserTempPath = writeFile(testHome() + QStringLiteral("/blocked"), "x") + QStringLiteral("/");
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_TRUE(session.SortAlternatives(in).ok());
    EXPECT_EQ(session.Alternative(1).Index, 500); // 500 x 162 m3 is the closest, 80 m3 over
}
