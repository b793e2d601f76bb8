// The design run below the window: reading the inputs, the layout search in both
// modes, the alternatives it stores, selecting one, the refusals of a search the data
// model cannot hold, and the sort with its trace.

#include "DesignFixtures.h"

#include "core/NumText.h"

#include <QDir>

#include <cmath>

namespace {

std::string F2(float v) { return numtext::Format(v, QStringLiteral("0.00")).toStdString(); }

QStringList TraceLines()
{
    QStringList lines = QString::fromUtf8(readFile(DesignSession::SortTraceFile())).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
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
        DesignSession fresh;
        fresh.RunDesign(in);
        const DesignRunState &s = fresh.runState();
        EXPECT_EQ(s.Burden, c.Burden);
        EXPECT_EQ(s.Stemming, c.Stemming);
        EXPECT_EQ(s.Subdrilling, c.Subdrilling);
        EXPECT_EQ(s.Spacing, c.Spacing);
        EXPECT_EQ(s.FreeFaces, c.FreeFaces);
        EXPECT_EQ(s.MaxRows, c.MaxRows);
    }
}

TEST_F(LayoutSearch, DefaultDesignFindsTwentyLayoutsAndTheBestIsOneRowOfNine)
{
    const DesignOutcome o = session.RunDesign(in);
    ASSERT_TRUE(o.ok());
    ASSERT_EQ(session.AlternativeCount(), 20); // 2 rows x (floor(1538.46 / 162) + 1)
    EXPECT_EQ(session.BestAlternative(), 9);
    EXPECT_EQ(session.SelectedAlternative(), 9);
    EXPECT_EQ(o.scrollValue, 9);
    for (int k = 1; k <= 20; ++k) {
        SCOPED_TRACE(k);
        const LayoutAlternative &a = session.Alternative(k);
        const int r = (k - 1) / 10 + 1, n = (k - 1) % 10 + 1;
        EXPECT_EQ(a.Index, k);
        EXPECT_EQ(a.HolesPerRow, n);
        EXPECT_EQ(a.Rows, r);
        EXPECT_EQ(a.Volume, 162.0f * n * r);
        EXPECT_EQ(a.Width, 4.5f * n);
        EXPECT_EQ(a.Depth, 3.0f * r);
        EXPECT_EQ(a.TotalHoles, n * r);
        EXPECT_EQ(a.HolesPerDelay, n); // "Auto": holes per row
        EXPECT_EQ(a.Burden, 3.0f);
        EXPECT_EQ(a.RowDistance, 3.0f);
        EXPECT_EQ(a.OffsetA, 2.25f);
        EXPECT_EQ(a.Spacing, 4.5f);
        EXPECT_EQ(a.OffsetB, 2.25f);
    }
    EXPECT_EQ(F2(session.Alternative(9).VolumeDiff), "80.46");
    EXPECT_EQ(F2(session.Alternative(10).VolumeDiff), "-81.54");
    EXPECT_EQ(F2(session.Alternative(15).VolumeDiff), "-81.54");
    EXPECT_TRUE(session.SpacingWarning().isEmpty());
}

TEST_F(LayoutSearch, TiesKeepTheLayoutEnumeratedFirst)
{
    // Target 1539 m3: 1 x 9 (1458), 1 x 10 and 2 x 5 (1620) are all 81 m3 away.
    in.txtEidvarPe = QStringLiteral("1");
    in.txtParagogi = QStringLiteral("1539");
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_EQ(session.BestAlternative(), 9);
    EXPECT_EQ(session.Alternative(9).VolumeDiff, 81.0f);
    EXPECT_EQ(session.Alternative(10).VolumeDiff, -81.0f);
}

TEST_F(LayoutSearch, SelectingOutsideTheListChangesNothing)
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

TEST_F(LayoutSearch, ModifiedRowWithOneHolePerRowIsImpossible)
{
    in.optEnausi = 1;
    ASSERT_TRUE(session.RunDesign(in).ok());
    ASSERT_EQ(session.AlternativeCount(), 20);
    for (int k : {1, 11}) {
        const LayoutAlternative &a = session.Alternative(k);
        EXPECT_EQ(a.Volume, kImpossibleVolume) << k;
        EXPECT_EQ(a.VolumeDiff, kImpossibleVolumeDiff) << k;
        EXPECT_EQ(a.TotalHoles, kImpossibleTotalHoles) << k;
    }
    // The impossible record repeats the block of the layout before it.
    EXPECT_EQ(session.Alternative(1).Width, 0.0f);
    EXPECT_EQ(session.Alternative(11).Width, session.Alternative(10).Width);
    EXPECT_EQ(session.Alternative(11).Depth, session.Alternative(10).Depth);
    // 1 x 10 gives 12 x 3 x 4.5 x 9 = 1458 and is the best.
    EXPECT_EQ(session.Alternative(10).Volume, 1458.0f);
    EXPECT_EQ(session.BestAlternative(), 10);
}

TEST_F(LayoutSearch, GridModeGeometryOfEveryPatternAndFaceCount)
{
    struct Case {
        int faces, pattern, n, r;
        const char *entered; // holes per delay; "0": the pattern's own
        float W, D, V, rowDistance, offsetA, spacing, offsetB;
        int holesPerDelay;
    } cases[] = {
        {1, 0, 4, 3, "0", 18.0f, 9.0f, 1944.0f, 3.0f, 2.25f, 4.5f, 2.25f, 4},
        {2, 0, 4, 3, "0", 18.75f, 9.0f, 2025.0f, 3.0f, 3.0f, 4.5f, 2.25f, 4},
        {1, 1, 4, 3, "0", 13.5f, 9.0f, 1458.0f, 3.0f, 2.25f, 4.5f, 2.25f, 4},
        {2, 1, 4, 3, "0", 16.5f, 9.0f, 1782.0f, 3.0f, 2.25f, 4.5f, 2.25f, 4},
        {1, 2, 4, 3, "0", 12.72f, 11.48f, 1752.3072f, 4.24f, 0.0f, 4.24f, 0.0f, 3},
        {2, 2, 4, 3, "0", 15.72f, 11.48f, 2165.5872f, 4.24f, 3.0f, 4.24f, 0.0f, 3},
        {1, 3, 4, 3, "0", 12.72f, 11.48f, 1752.3072f, 4.24f, 0.0f, 4.24f, 0.0f, 5},
        {1, 2, 1, 1, "0", 4.5f, 3.0f, 162.0f, 0.0f, 0.0f, 4.5f, 0.0f, 1},
        {1, 1, 1, 2, "0", 0.0f, 6.0f, 0.0f, 3.0f, 2.25f, 4.5f, 2.25f, 1},  // no volume
        {2, 1, 1, 2, "0", 3.0f, 6.0f, 216.0f, 3.0f, 2.25f, 4.5f, 2.25f, 1}, // B x B x r x H
        {1, 0, 4, 3, "3", 18.0f, 9.0f, 1944.0f, 3.0f, 2.25f, 4.5f, 2.25f, 3}, // entered, even with "Auto"
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "faces " << c.faces << " pattern " << c.pattern << " " << c.n << " x "
                                        << c.r << " entered " << c.entered);
        in.optProduction = 1;
        in.cmbNoEpif = QString::number(c.faces);
        in.optEnausi = c.pattern;
        in.txtDX = QString::number(c.n);
        in.txtDY = QString::number(c.r);
        in.txtMaxNperDelay = QString::fromLatin1(c.entered);
        session.RunDesign(in);
        ASSERT_EQ(session.AlternativeCount(), 1);
        EXPECT_EQ(session.BestAlternative(), 1);
        const LayoutAlternative &a = session.Alternative(1);
        EXPECT_FLOAT_EQ(a.Width, c.W);
        EXPECT_FLOAT_EQ(a.Depth, c.D);
        EXPECT_FLOAT_EQ(a.Volume, c.V);
        EXPECT_FLOAT_EQ(a.RowDistance, c.rowDistance);
        EXPECT_FLOAT_EQ(a.OffsetA, c.offsetA);
        EXPECT_FLOAT_EQ(a.Spacing, c.spacing);
        EXPECT_FLOAT_EQ(a.OffsetB, c.offsetB);
        EXPECT_EQ(a.HolesPerDelay, c.holesPerDelay);
        EXPECT_EQ(a.TotalHoles, c.n * c.r);
        EXPECT_EQ(a.VolumeDiff, 0.0f);
    }
}

TEST_F(LayoutSearch, DiagonalSpacingChangesOnlyForLaterRowsWithOneFreeFace)
{
    in.optEnausi = 2;
    in.txtSeires = QStringLiteral("1");
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_TRUE(session.SpacingWarning().isEmpty());
    EXPECT_EQ(session.runState().Spacing, 4.5f);

    in.txtSeires = QStringLiteral("2");
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_EQ(session.SpacingWarning().toStdString(), "Προσοχή: Τροποποίηθηκε η απόσταση από 3.00 σε 4.24 m");
    for (int k = 1; k <= session.AlternativeCount(); ++k) {
        const LayoutAlternative &a = session.Alternative(k);
        EXPECT_EQ(a.Spacing, a.Rows == 1 ? 4.5f : 4.24f) << k;
        EXPECT_EQ(a.RowDistance, a.Rows == 1 ? 0.0f : 4.24f) << k;
    }
    // The report of each layout shows its own spacing.
    ASSERT_TRUE(session.SelectAlternative(10, in).ok()); // 1 row x 10 holes
    EXPECT_EQ(session.grid().TextMatrix(2, 2), "4.50 m");
    ASSERT_TRUE(session.SelectAlternative(15, in).ok()); // 2 rows x 5 holes
    EXPECT_EQ(session.grid().TextMatrix(2, 2), "4.24 m");

    in.cmbNoEpif = QStringLiteral("2");
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_TRUE(session.SpacingWarning().isEmpty());
    for (int k = 1; k <= session.AlternativeCount(); ++k)
        EXPECT_EQ(session.Alternative(k).Spacing, 4.24f) << k;
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
         [](DesignInputs &i) { i.optProduction = 1; i.txtDX = "4"; i.txtDY = "3"; i.txtParagogi = "1e39"; },
         S::ValueOutOfRange},
        {"rows beyond 16 bits", [](DesignInputs &i) { i.txtSeires = "40000"; }, S::CountOutOfRange},
        {"V pattern rows give 2r - 1 beyond 16 bits",
         [](DesignInputs &i) { i.optEnausi = 3; i.txtSeires = "20000"; i.txtParagogi = "1"; }, S::CountOutOfRange},
        {"entered holes per delay beyond 16 bits",
         [](DesignInputs &i) { i.chkMaxNDelay = 0; i.txtMaxNperDelay = "40000"; }, S::CountOutOfRange},
        {"grid of 200 x 200", [](DesignInputs &i) { i.optProduction = 1; i.txtDX = "200"; i.txtDY = "200"; },
         S::CountOutOfRange},
        {"grid V pattern of 20000 rows: 39999 holes per delay",
         [](DesignInputs &i) { i.optProduction = 1; i.optEnausi = 3; i.txtDX = "1"; i.txtDY = "20000"; i.txtMaxNperDelay = "0"; },
         S::CountOutOfRange},
        {"grid beyond 32 bits", [](DesignInputs &i) { i.optProduction = 1; i.txtDX = "1e12"; i.txtDY = "1"; },
         S::CountOutOfRange},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DesignSession fresh;
        ASSERT_TRUE(fresh.RunDesign(in).ok());
        DesignInputs changed = in;
        c.change(changed);
        const DesignOutcome o = fresh.RunDesign(changed);
        EXPECT_EQ(o.status, c.expected);
        EXPECT_TRUE(o.showMessage);
        EXPECT_FALSE(o.messageEnglish.isEmpty());
        EXPECT_FALSE(o.messageGreek.isEmpty());
        EXPECT_FALSE(o.hasDelayCharge);
        EXPECT_EQ(o.scrollValue, 0);
        EXPECT_EQ(fresh.AlternativeCount(), c.count);
        EXPECT_EQ(int(fresh.Alternatives().size()), c.count);
        EXPECT_EQ(fresh.BestAlternative(), 0);
        EXPECT_EQ(fresh.SelectedAlternative(), 0);
        EXPECT_TRUE(fresh.ReportPage(1).isEmpty());
        EXPECT_TRUE(fresh.ReportPage(2).isEmpty());
        EXPECT_EQ(fresh.grid().Rows(), 0);
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
