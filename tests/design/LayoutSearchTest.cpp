// The layout search in both modes, the alternatives it stores, the refusals of a
// search the data model cannot hold, and the sort with its trace.

#include "DesignFixtures.h"
#include "TestSupport.h"

#include "core/NumText.h"
#include "core/ProgramState.h"
#include "design/DesignRun.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

std::string F2(float v) { return numtext::Format(v, QStringLiteral("0.00")).toStdString(); }

QStringList TraceLines()
{
    const QString text = QString::fromUtf8(readFile(DesignSession::SortTraceFile()));
    QStringList lines = text.split(QStringLiteral("\r\n"));
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

TEST_F(LayoutSearch, DefaultDesignFindsTwentyLayoutsAndBestIsOneRowOfNine)
{
    const DesignOutcome o = session.RunDesign(in);
    ASSERT_TRUE(o.ok());
    ASSERT_EQ(session.AlternativeCount(), 20); // 2 rows x (floor(1538.46 / 162) + 1)
    EXPECT_EQ(session.BestAlternative(), 9);
    EXPECT_EQ(session.SelectedAlternative(), 9);
    EXPECT_EQ(o.scrollValue, 9);
    for (int k = 1; k <= 20; ++k) {
        const LayoutAlternative &a = session.Alternative(k);
        const int r = (k - 1) / 10 + 1;
        const int n = (k - 1) % 10 + 1;
        EXPECT_EQ(a.Index, k);
        EXPECT_EQ(a.HolesPerRow, n) << k;
        EXPECT_EQ(a.Rows, r) << k;
        EXPECT_EQ(a.Volume, 162.0f * n * r) << k;
        EXPECT_EQ(a.Width, 4.5f * n) << k;
        EXPECT_EQ(a.Depth, 3.0f * r) << k;
        EXPECT_EQ(a.TotalHoles, n * r) << k;
        EXPECT_EQ(a.HolesPerDelay, n) << k; // "Auto": holes per row
        EXPECT_EQ(a.Burden, 3.0f);
        EXPECT_EQ(a.RowDistance, 3.0f);
        EXPECT_EQ(a.OffsetA, 2.25f);
        EXPECT_EQ(a.Spacing, 4.5f);
        EXPECT_EQ(a.OffsetB, 2.25f);
    }
    EXPECT_EQ(F2(session.Alternative(9).VolumeDiff), "80.46");
    EXPECT_EQ(F2(session.Alternative(10).VolumeDiff), "-81.54");
    EXPECT_EQ(F2(session.Alternative(15).VolumeDiff), "-81.54");

    const DesignRunState &s = session.runState();
    EXPECT_EQ(s.HolesPerRow, 9);
    EXPECT_EQ(s.RowCount, 1);
    EXPECT_EQ(s.TotalHoles, 9);
    EXPECT_EQ(s.ActualVolume, 1458.0f);
    EXPECT_EQ(s.HolesPerDelay, 9.0f);
    EXPECT_EQ(F2(s.VolumeDiff), "80.46");
    EXPECT_EQ(F2(s.TonsDiff), "209.20");
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

TEST_F(LayoutSearch, HolesPerDelayFollowsThePatternOrTheEnteredValue)
{
    struct Case {
        int pattern;
        int autoDelay;
        const char *entered;
        int expected; // alternative 15: 5 holes per row, 2 rows
    } cases[] = {
        {0, 1, "2", 5},   {0, 0, "2", 2},   {0, 0, "0", 5}, {0, 0, "2.5", 2},
        {0, 0, "3.5", 4}, {1, 1, "2", 5},   {2, 1, "2", 2}, {3, 1, "2", 3},
        {3, 0, "7", 7},
    };
    for (const Case &c : cases) {
        in.optEnausi = c.pattern;
        in.chkMaxNDelay = c.autoDelay;
        in.txtMaxNperDelay = QString::fromLatin1(c.entered);
        session.RunDesign(in);
        ASSERT_EQ(session.AlternativeCount(), 20);
        EXPECT_EQ(session.Alternative(15).HolesPerDelay, c.expected)
            << "pattern " << c.pattern << " auto " << c.autoDelay << " entered " << c.entered;
        const int best = session.BestAlternative();
        EXPECT_EQ(session.runState().HolesPerDelay, float(session.Alternative(best).HolesPerDelay));
    }
}

TEST_F(LayoutSearch, ModifiedRowWithOneHolePerRowIsImpossible)
{
    in.optEnausi = 1;
    ASSERT_TRUE(session.RunDesign(in).ok());
    ASSERT_EQ(session.AlternativeCount(), 20);
    for (int k : {1, 11}) {
        const LayoutAlternative &a = session.Alternative(k);
        EXPECT_EQ(a.Volume, -1.0f) << k;
        EXPECT_EQ(a.VolumeDiff, 999999.0f) << k;
        EXPECT_EQ(a.TotalHoles, -1) << k;
    }
    // The impossible record repeats the block of the layout before it.
    EXPECT_EQ(session.Alternative(1).Width, 0.0f);
    EXPECT_EQ(session.Alternative(1).Depth, 0.0f);
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
        float W, D, V, rowDistance, offsetA, spacing, offsetB;
        int holesPerDelay;
    } cases[] = {
        {1, 0, 4, 3, 18.0f, 9.0f, 1944.0f, 3.0f, 2.25f, 4.5f, 2.25f, 4},
        {2, 0, 4, 3, 18.75f, 9.0f, 2025.0f, 3.0f, 3.0f, 4.5f, 2.25f, 4},
        {1, 1, 4, 3, 13.5f, 9.0f, 1458.0f, 3.0f, 2.25f, 4.5f, 2.25f, 4},
        {2, 1, 4, 3, 16.5f, 9.0f, 1782.0f, 3.0f, 2.25f, 4.5f, 2.25f, 4},
        {1, 2, 4, 3, 12.72f, 11.48f, 1752.3072f, 4.24f, 0.0f, 4.24f, 0.0f, 3},
        {2, 2, 4, 3, 15.72f, 11.48f, 2165.5872f, 4.24f, 3.0f, 4.24f, 0.0f, 3},
        {1, 3, 4, 3, 12.72f, 11.48f, 1752.3072f, 4.24f, 0.0f, 4.24f, 0.0f, 5},
        {1, 2, 1, 1, 4.5f, 3.0f, 162.0f, 0.0f, 0.0f, 4.5f, 0.0f, 1},
        {1, 1, 1, 2, 0.0f, 6.0f, 0.0f, 3.0f, 2.25f, 4.5f, 2.25f, 1},  // no volume
        {2, 1, 1, 2, 3.0f, 6.0f, 216.0f, 3.0f, 2.25f, 4.5f, 2.25f, 1}, // B x B x r x H
    };
    for (const Case &c : cases) {
        in.optProduction = 1;
        in.cmbNoEpif = QString::number(c.faces);
        in.optEnausi = c.pattern;
        in.txtDX = QString::number(c.n);
        in.txtDY = QString::number(c.r);
        in.txtMaxNperDelay = QStringLiteral("0");
        session.RunDesign(in);
        ASSERT_EQ(session.AlternativeCount(), 1);
        EXPECT_EQ(session.BestAlternative(), 1);
        const LayoutAlternative &a = session.Alternative(1);
        const std::string what = "faces " + std::to_string(c.faces) + " pattern " + std::to_string(c.pattern)
                                 + " " + std::to_string(c.n) + " x " + std::to_string(c.r);
        EXPECT_FLOAT_EQ(a.Width, c.W) << what;
        EXPECT_FLOAT_EQ(a.Depth, c.D) << what;
        EXPECT_FLOAT_EQ(a.Volume, c.V) << what;
        EXPECT_FLOAT_EQ(a.RowDistance, c.rowDistance) << what;
        EXPECT_FLOAT_EQ(a.OffsetA, c.offsetA) << what;
        EXPECT_FLOAT_EQ(a.Spacing, c.spacing) << what;
        EXPECT_FLOAT_EQ(a.OffsetB, c.offsetB) << what;
        EXPECT_EQ(a.HolesPerDelay, c.holesPerDelay) << what;
        EXPECT_EQ(a.TotalHoles, c.n * c.r) << what;
        EXPECT_EQ(a.VolumeDiff, 0.0f) << what;
    }
}

TEST_F(LayoutSearch, GridModeTakesTheEnteredHolesPerDelayEvenWithAuto)
{
    in.optProduction = 1;
    in.txtDX = QStringLiteral("4");
    in.txtDY = QStringLiteral("3");
    in.txtMaxNperDelay = QStringLiteral("3");
    in.chkMaxNDelay = 1;
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_EQ(session.Alternative(1).HolesPerDelay, 3);
    EXPECT_EQ(session.runState().HolesPerDelay, 3.0f);
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

    in.cmbNoEpif = QStringLiteral("2");
    ASSERT_TRUE(session.RunDesign(in).ok());
    EXPECT_TRUE(session.SpacingWarning().isEmpty());
    for (int k = 1; k <= session.AlternativeCount(); ++k)
        EXPECT_EQ(session.Alternative(k).Spacing, 4.24f) << k;
}

TEST_F(LayoutSearch, OtherFreeFaceCountsComputeNoLayout)
{
    in.cmbNoEpif = QStringLiteral("3");
    const DesignOutcome o = session.RunDesign(in);
    EXPECT_EQ(o.status, DesignStatus::NoQualifyingLayout);
    ASSERT_EQ(session.AlternativeCount(), 20);
    EXPECT_EQ(session.BestAlternative(), 0);
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(session.Alternative(k).Volume, 0.0f);
        EXPECT_EQ(session.Alternative(k).HolesPerRow, 0);
    }
}

// A search the data model cannot hold is refused before anything is allocated.
TEST_F(LayoutSearch, SearchesBeyondTheDataModelAreRefused)
{
    struct Case {
        const char *what;
        void (*change)(DesignInputs &);
        DesignStatus expected;
    } cases[] = {
        {"spacing rounds to 0.00",
         [](DesignInputs &i) { i.SSTab2 = 1; i.txtApostasiD = QStringLiteral("0.01"); },
         DesignStatus::ZeroHoleVolume},
        {"huge target", [](DesignInputs &i) { i.txtParagogi = QStringLiteral("1e9"); },
         DesignStatus::TooManyLayouts},
        {"no finite hole estimate", [](DesignInputs &i) { i.txtEidvarPe = QStringLiteral("1e-46"); },
         DesignStatus::TooManyLayouts},
        {"32768 layouts",
         [](DesignInputs &i) {
             i.txtEidvarPe = QStringLiteral("1");
             i.txtSeires = QStringLiteral("1");
             i.txtParagogi = QStringLiteral("5308335"); // 32767.5 holes of 162 m3
         },
         DesignStatus::TooManyLayouts},
        {"spacing coefficient beyond single precision",
         [](DesignInputs &i) { i.SSTab2 = 1; i.txtApostasiD = QStringLiteral("1e40"); },
         DesignStatus::ValueOutOfRange},
        {"grid with a target beyond single precision",
         [](DesignInputs &i) {
             i.optProduction = 1;
             i.txtDX = QStringLiteral("4");
             i.txtDY = QStringLiteral("3");
             i.txtParagogi = QStringLiteral("1e39");
         },
         DesignStatus::ValueOutOfRange},
        {"rows beyond 16 bits", [](DesignInputs &i) { i.txtSeires = QStringLiteral("40000"); },
         DesignStatus::CountOutOfRange},
        {"V pattern rows give 2r - 1 beyond 16 bits",
         [](DesignInputs &i) {
             i.optEnausi = 3;
             i.txtSeires = QStringLiteral("20000");
             i.txtParagogi = QStringLiteral("1");
         },
         DesignStatus::CountOutOfRange},
        {"entered holes per delay beyond 16 bits",
         [](DesignInputs &i) { i.chkMaxNDelay = 0; i.txtMaxNperDelay = QStringLiteral("40000"); },
         DesignStatus::CountOutOfRange},
        {"grid of 200 x 200",
         [](DesignInputs &i) {
             i.optProduction = 1;
             i.txtDX = QStringLiteral("200");
             i.txtDY = QStringLiteral("200");
         },
         DesignStatus::CountOutOfRange},
        {"grid V pattern of 20000 rows",
         [](DesignInputs &i) {
             i.optProduction = 1;
             i.optEnausi = 3;
             i.txtDX = QStringLiteral("1");
             i.txtDY = QStringLiteral("20000");
             i.txtMaxNperDelay = QStringLiteral("0"); // the pattern rule gives 39999
         },
         DesignStatus::CountOutOfRange},
        {"grid beyond 32 bits",
         [](DesignInputs &i) {
             i.optProduction = 1;
             i.txtDX = QStringLiteral("1e12");
             i.txtDY = QStringLiteral("1");
         },
         DesignStatus::CountOutOfRange},
    };
    for (const Case &c : cases) {
        DesignSession fresh;
        ASSERT_TRUE(fresh.RunDesign(in).ok());
        DesignInputs changed = in;
        c.change(changed);
        const DesignOutcome o = fresh.RunDesign(changed);
        EXPECT_EQ(o.status, c.expected) << c.what;
        EXPECT_TRUE(o.showMessage) << c.what;
        EXPECT_FALSE(o.messageEnglish.isEmpty()) << c.what;
        EXPECT_FALSE(o.messageGreek.isEmpty()) << c.what;
        EXPECT_EQ(fresh.AlternativeCount(), 0) << c.what;
        EXPECT_TRUE(fresh.Alternatives().empty()) << c.what;
        EXPECT_EQ(fresh.SelectedAlternative(), 0) << c.what;
        EXPECT_TRUE(reportPages().OutBuf[2].isEmpty()) << c.what;
        EXPECT_EQ(fresh.grid().Rows(), 0) << c.what;
        EXPECT_FALSE(o.hasDelayCharge) << c.what;
        EXPECT_EQ(fresh.SelectAlternative(1, changed).status, DesignStatus::InvalidAlternative) << c.what;
    }
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
    const DesignOutcome o = session.RunDesign(in);
    ASSERT_TRUE(o.ok());
    EXPECT_EQ(session.AlternativeCount(), 32767);
    EXPECT_EQ(session.BestAlternative(), 32766); // 32766 x 162 is 81 m3 short, 32767 x 162 81 over
    EXPECT_EQ(session.Alternative(32767).TotalHoles, 32767);
}

TEST_F(LayoutSearch, NoQualifyingLayoutShowsAMessageAndNoStaleReport)
{
    settings().EnglishMenus = 1;
    ASSERT_TRUE(session.RunDesign(in).ok());
    ASSERT_FALSE(reportPages().OutBuf[2].isEmpty());

    in.txtParagogi = QStringLiteral("100"); // 38.5 m3: even one hole (162 m3) is too far
    const DesignOutcome o = session.RunDesign(in);
    EXPECT_EQ(o.status, DesignStatus::NoQualifyingLayout);
    EXPECT_TRUE(o.showMessage);
    EXPECT_TRUE(o.message(true).startsWith(QStringLiteral("No layout comes close enough")));
    EXPECT_TRUE(o.message(false).startsWith(QStringLiteral("Καμία διάταξη")));
    EXPECT_FALSE(o.hasDelayCharge);
    EXPECT_EQ(o.scrollValue, 0);
    EXPECT_EQ(session.BestAlternative(), 0);
    EXPECT_EQ(session.SelectedAlternative(), 0);
    EXPECT_EQ(session.AlternativeCount(), 2);
    EXPECT_TRUE(reportPages().OutBuf[1].isEmpty());
    EXPECT_TRUE(reportPages().OutBuf[2].isEmpty());
    EXPECT_EQ(session.grid().Rows(), 0);
    EXPECT_EQ(session.runState().TotalHoles, 0);
    EXPECT_EQ(session.runState().ActualVolume, 0.0f);

    // The layouts themselves can still be looked at one by one.
    EXPECT_TRUE(session.SelectAlternative(1, in).ok());
    EXPECT_EQ(session.runState().TotalHoles, 1);
}

TEST_F(LayoutSearch, SortOrdersByClosenessAndTracesEveryExchange)
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

    const QStringList lines = TraceLines();
    ASSERT_EQ(lines.size(), 80);
    // VolumeDiff(i), VolumeDiff(j), holes per row (i), rows (i), volume (i), before the exchange.
    EXPECT_EQ(lines[0].toStdString(), "1376.462 1214.462 1 1 162");
    EXPECT_EQ(lines[1].toStdString(), "1214.462 1052.462 2 1 324");

    // An array already in order is not touched: an empty trace.
    session.SortAlternatives(in);
    EXPECT_TRUE(TraceLines().isEmpty());
    EXPECT_EQ(session.Alternative(1).Index, 9);
}

TEST_F(LayoutSearch, UncheckingTheSortEmptiesTheTraceAndKeepsTheOrder)
{
    ASSERT_TRUE(session.RunDesign(in).ok());
    in.chkSort = 1;
    session.SortAlternatives(in);
    ASSERT_FALSE(TraceLines().isEmpty());
    in.chkSort = 0;
    const DesignOutcome o = session.SortAlternatives(in);
    EXPECT_EQ(o.status, DesignStatus::NotSorted);
    EXPECT_EQ(o.scrollValue, 0);
    EXPECT_TRUE(TraceLines().isEmpty());
    EXPECT_EQ(session.Alternative(1).Index, 9);
}

TEST_F(LayoutSearch, SortPutsImpossibleLayoutsLast)
{
    in.optEnausi = 1;
    ASSERT_TRUE(session.RunDesign(in).ok());
    in.chkSort = 1;
    session.SortAlternatives(in);
    for (int k = 1; k <= 18; ++k)
        EXPECT_NE(session.Alternative(k).VolumeDiff, 999999.0f) << k;
    EXPECT_EQ(session.Alternative(19).VolumeDiff, 999999.0f);
    EXPECT_EQ(session.Alternative(20).VolumeDiff, 999999.0f);
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
}

TEST_F(LayoutSearch, ATraceThatCannotBeWrittenNeverStopsTheSort)
{
    // The temporary folder is a file: the trace cannot be created.
    const QString blocker = testHome() + QStringLiteral("/blocked");
    writeFile(blocker, "x");
    paths().UserTempPath = blocker + QStringLiteral("/");
    ASSERT_TRUE(session.RunDesign(in).ok());
    in.chkSort = 1;
    EXPECT_TRUE(session.SortAlternatives(in).ok());
    EXPECT_EQ(session.Alternative(1).Index, 9);
    EXPECT_EQ(session.Alternative(20).Index, 20);
}
