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

void Grid(DesignInputs &in, const char *faces, int pattern, const char *n, const char *r, const char *perDelay)
{
    in.optProduction = 1;
    in.cmbNoEpif = QString::fromLatin1(faces);
    in.optEnausi = pattern;
    in.txtDX = QString::fromLatin1(n);
    in.txtDY = QString::fromLatin1(r);
    in.txtMaxNperDelay = QString::fromLatin1(perDelay);
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

TEST_F(LayoutSearch, InputsAreReadOnEitherCoefficientBasis)
{
    struct Case {
        const char *what;
        int tab, round;
        const char *burden, *faces, *rows;
        float Burden, Stemming, Subdrilling, Spacing;
        int16_t FreeFaces, MaxRows;
        const char *stemming = "1.00"; // the stemming coefficient on the burden basis
    } cases[] = {
        // Burden basis: 1.0, 0.3 and 1.5 times the burden; counts halves to even.
        {"rounded burden", 0, 1, "3.456", "1", "2", 3.46f, 3.46f, 1.04f, 5.19f, 1, 2},
        {"a tie rounds to the even neighbour", 0, 1, "3.125", "1", "2", 3.12f, 3.12f, 0.94f, 4.68f, 1, 2},
        // 1.15 (a single) x 0.70 is 0.80500001 in double, 0.80499995 in single precision.
        {"burden times coefficient in double", 0, 1, "1.15", "1", "2", 1.15f, 0.81f, 0.34f, 1.72f, 1, 2, "0.70"},
        {"unrounded burden", 0, 0, "3.456", "2.5", "2.5", 3.456f, 3.456f, float(3.456f * 0.3), float(3.456f * 1.5), 2, 2},
        // Diameter basis: 80 mm times 20, 10 and 40, in metres.
        {"diameter tab", 1, 1, "3", "1.5", "3.5", 3.0f, 1.6f, 0.8f, 3.2f, 2, 4},
        {"absolute tab is read like the diameter tab", 2, 1, "3", " 1abc", "1", 3.0f, 1.6f, 0.8f, 3.2f, 1, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        in.SSTab2 = c.tab;
        in.chkRound = c.round;
        in.txtFortio = QString::fromLatin1(c.burden);
        in.cmbNoEpif = QString::fromLatin1(c.faces);
        in.txtSeires = QString::fromLatin1(c.rows);
        in.txtEpigomosi = QString::fromLatin1(c.stemming);
        session.RunDesign(in);
        const DesignRunState &s = session.runState();
        EXPECT_EQ(s.Burden, c.Burden);
        EXPECT_EQ(s.Stemming, c.Stemming);
        EXPECT_EQ(s.Subdrilling, c.Subdrilling);
        EXPECT_EQ(s.Spacing, c.Spacing);
        EXPECT_EQ(s.FreeFaces, c.FreeFaces);
        EXPECT_EQ(s.MaxRows, c.MaxRows);
    }
}

// Every alternative the search stores, for both searches, each initiation pattern
// and face count, against the "[name]" sections of tests/data/design/layouts.txt.
TEST_F(LayoutSearch, AlternativesOfEachPatternAndFaceCount)
{
    const struct {
        const char *name;
        void (*change)(DesignInputs &);
    } cases[] = {
        // By production: 2 rows x (floor(1538.46 / 162) + 1) layouts; the best is 1 x 9.
        {"default", [](DesignInputs &) {}},
        // Target 1539 m3: 1 x 9 (1458), 1 x 10 and 2 x 5 (1620) are all 81 m3 away.
        {"ties keep the first", [](DesignInputs &i) { i.txtEidvarPe = "1"; i.txtParagogi = "1539"; }},
        // One hole per row cannot fire in modified rows; 1 x 10 (1458 m3) is the best.
        {"modified row", [](DesignInputs &i) { i.optEnausi = 1; }},
        // Diagonal: the spacing changes only for later rows with one free face.
        {"diagonal", [](DesignInputs &i) { i.optEnausi = 2; }},
        {"diagonal, 2 faces", [](DesignInputs &i) { i.optEnausi = 2; i.cmbNoEpif = "2"; }},
        // By hole count: free faces, pattern, holes per row, rows, holes per delay
        // ("0": the pattern's own).
        {"grid 1 0 4x3", [](DesignInputs &i) { Grid(i, "1", 0, "4", "3", "0"); }},
        {"grid 2 0 4x3", [](DesignInputs &i) { Grid(i, "2", 0, "4", "3", "0"); }},
        {"grid 1 1 4x3", [](DesignInputs &i) { Grid(i, "1", 1, "4", "3", "0"); }},
        {"grid 2 1 4x3", [](DesignInputs &i) { Grid(i, "2", 1, "4", "3", "0"); }},
        {"grid 1 2 4x3", [](DesignInputs &i) { Grid(i, "1", 2, "4", "3", "0"); }},
        {"grid 2 2 4x3", [](DesignInputs &i) { Grid(i, "2", 2, "4", "3", "0"); }},
        {"grid 1 3 4x3", [](DesignInputs &i) { Grid(i, "1", 3, "4", "3", "0"); }},
        {"grid 1 2 1x1", [](DesignInputs &i) { Grid(i, "1", 2, "1", "1", "0"); }},
        {"grid 1 1 1x2: no volume", [](DesignInputs &i) { Grid(i, "1", 1, "1", "2", "0"); }},
        {"grid 2 1 1x2: B x B x r x H", [](DesignInputs &i) { Grid(i, "2", 1, "1", "2", "0"); }},
        {"grid 1 0 4x3, 3 entered even with Auto", [](DesignInputs &i) { Grid(i, "1", 0, "4", "3", "3"); }},
    };
    const QMap<QString, QString> expected = DataSections(QStringLiteral("design/layouts.txt"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DesignInputs changed = in;
        c.change(changed);
        session.RunDesign(changed);
        EXPECT_EQ(AlternativeLines(session).toStdString(), expected.value(c.name).toStdString());
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

TEST_F(LayoutSearch, HolesPerDelayFollowsThePatternOrTheEnteredValue)
{
    struct Case {
        int pattern, autoDelay;
        const char *entered;
        int expected; // alternative 15: 5 holes per row, 2 rows
    } cases[] = {
        {0, 1, "2", 5},   {0, 0, "2", 2}, {0, 0, "0", 5}, {0, 0, "2.5", 2}, {0, 0, "3.5", 4},
        {1, 1, "2", 5},   {2, 1, "2", 2}, {3, 1, "2", 3}, {3, 0, "7", 7},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "pattern " << c.pattern << " auto " << c.autoDelay << " " << c.entered);
        in.optEnausi = c.pattern;
        in.chkMaxNDelay = c.autoDelay;
        in.txtMaxNperDelay = QString::fromLatin1(c.entered);
        session.RunDesign(in);
        ASSERT_EQ(session.AlternativeCount(), 20);
        EXPECT_EQ(session.Alternative(15).HolesPerDelay, c.expected);
        EXPECT_EQ(session.runState().HolesPerDelay, float(session.Alternative(session.BestAlternative()).HolesPerDelay));
    }
}

// A run that finds no layout keeps its alternatives; a search the data model cannot
// hold is refused before anything is allocated. Either way the message is shown and
// nothing of the earlier report is left.
TEST_F(LayoutSearch, RunsThatLeaveNoReport)
{
    using S = DesignStatus;
    const struct {
        const char *what;
        void (*change)(DesignInputs &);
        S expected;
        int count = 0; // alternatives kept
        S selectFirst = S::InvalidAlternative; // what selecting alternative 1 then gives
    } cases[] = {
        {"one hole (162 m3) is too far from 38.5 m3", [](DesignInputs &i) { i.txtParagogi = "100"; },
         S::NoQualifyingLayout, 2, S::Ok},
        {"three free faces", [](DesignInputs &i) { i.cmbNoEpif = "3"; }, S::NoQualifyingLayout, 20,
         S::ImpossibleLayout},
        {"spacing rounds to 0.00", [](DesignInputs &i) { i.SSTab2 = 1; i.txtApostasiD = "0.01"; }, S::ZeroHoleVolume},
        {"huge target", [](DesignInputs &i) { i.txtParagogi = "1e9"; }, S::TooManyLayouts},
        {"no finite hole estimate", [](DesignInputs &i) { i.txtEidvarPe = "1e-46"; }, S::TooManyLayouts},
        {"32768 layouts", // 32767.5 holes of 162 m3
         [](DesignInputs &i) { i.txtEidvarPe = "1"; i.txtSeires = "1"; i.txtParagogi = "5308335"; }, S::TooManyLayouts},
        {"spacing coefficient beyond a single", [](DesignInputs &i) { i.SSTab2 = 1; i.txtApostasiD = "1e40"; },
         S::ValueOutOfRange},
        {"grid with a target beyond a single",
         [](DesignInputs &i) { Grid(i, "1", 0, "4", "3", "0"); i.txtParagogi = "1e39"; }, S::ValueOutOfRange},
        {"rows beyond 16 bits", [](DesignInputs &i) { i.txtSeires = "40000"; }, S::CountOutOfRange},
        {"V pattern rows give 2r - 1 beyond 16 bits",
         [](DesignInputs &i) { i.optEnausi = 3; i.txtSeires = "20000"; i.txtParagogi = "1"; }, S::CountOutOfRange},
        {"entered holes per delay beyond 16 bits",
         [](DesignInputs &i) { i.chkMaxNDelay = 0; i.txtMaxNperDelay = "40000"; }, S::CountOutOfRange},
        {"grid of 200 x 200", [](DesignInputs &i) { Grid(i, "1", 0, "200", "200", "0"); }, S::CountOutOfRange},
        {"grid V pattern of 20000 rows: 39999 holes per delay",
         [](DesignInputs &i) { Grid(i, "1", 3, "1", "20000", "0"); }, S::CountOutOfRange},
        {"grid beyond 32 bits", [](DesignInputs &i) { Grid(i, "1", 0, "1e12", "1", "0"); }, S::CountOutOfRange},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DesignSession fresh;
        ASSERT_TRUE(fresh.RunDesign(in).ok());
        DesignInputs changed = in;
        c.change(changed);
        const DesignOutcome o = fresh.RunDesign(changed);
        EXPECT_EQ(o.status, c.expected);
        EXPECT_TRUE(o.showMessage && !o.hasDelayCharge && o.scrollValue == 0);
        EXPECT_EQ(int(fresh.Alternatives().size()), c.count);
        EXPECT_EQ(fresh.SelectedAlternative(), 0);
        EXPECT_TRUE(fresh.ReportPage(2).isEmpty() && fresh.grid().Rows() == 0);
        EXPECT_EQ(fresh.runState().TotalHoles, 0);
        EXPECT_EQ(fresh.SelectAlternative(1, changed).status, c.selectFirst);
    }
    EXPECT_TRUE(MakeOutcome(S::NoQualifyingLayout).message(true).startsWith("No layout comes close enough"));
    EXPECT_TRUE(MakeOutcome(S::NoQualifyingLayout).message(false).startsWith("Καμία διάταξη"));
}

TEST_F(LayoutSearch, TheLargestSearchTheDataModelHolds)
{
    in.txtEidvarPe = QStringLiteral("1");
    in.txtSeires = QStringLiteral("1");
    in.txtParagogi = QStringLiteral("5308173"); // 32766.5 holes of 162 m3
    // Without "Auto" every record would hold the entered 40000 holes per delay...
    in.chkMaxNDelay = 0;
    in.txtMaxNperDelay = QStringLiteral("40000");
    EXPECT_EQ(session.RunDesign(in).status, DesignStatus::CountOutOfRange);
    // ...with "Auto" the entered value is not used at all.
    in.chkMaxNDelay = 1;
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
