// The section drawing as plain code: the view extents, the world-to-picture mapping,
// the hole positions, the movable origin and the read-outs; nothing not finite ever
// reaches the picture.

#include "TestSupport.h"
#include "design/SectionDrawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The default design's first layout: H 12, B 3, MaxRows 2, T 3, Lc 9.9, one row.
SectionInputs DefaultSection(int rows = 1, float rowDistance = 3)
{
    SectionInputs in;
    in.BenchHeight = 12;
    in.Burden = 3;
    in.MaxRows = 2;
    in.RowCount = rows;
    in.RowDistance = rowDistance;
    in.Stemming = 3;
    in.ChargeLength = 9.9f;
    return in;
}

// Picture units per metre with the default view (5280 twips over 21.6 m).
const double kScaleX = 5280.0 / double(21.6f);
const double kScaleY = 4920.0 / double(21.6f);

void ExpectFinite(const std::vector<SectionLine> &lines, const char *what)
{
    for (const SectionLine &l : lines)
        for (double c : {l.X1, l.Y1, l.X2, l.Y2})
            EXPECT_TRUE(std::isfinite(c) && std::fabs(c) <= kMaxPictureCoordinate) << what << " " << c;
}

} // namespace

TEST(SectionDrawing, ViewExtentsFollowBenchAndRows)
{
    struct Case {
        float H, B;
        int maxRows;
        float E, view;
    } cases[] = {
        {12, 3, 2, 18, 21.6f},   // 1.5 H wins
        {12, 3, 5, 22.5f, 27},   // 1.5 MaxRows B wins
        {10, 0, 0, 15, 18},      // no run yet: the bench alone
        {0, 0, 0, 0, 0},         // nothing to draw
        {std::numeric_limits<float>::infinity(), 3, 2, 0, 0},
        {std::numeric_limits<float>::quiet_NaN(), 3, 2, 0, 0},
    };
    for (const Case &c : cases) {
        SectionInputs in = DefaultSection();
        in.BenchHeight = c.H;
        in.Burden = c.B;
        in.MaxRows = c.maxRows;
        SectionView v;
        const std::vector<SectionLine> lines = RescalePlot(v, in);
        EXPECT_FLOAT_EQ(v.PlotExtent, c.E) << c.H << " " << c.maxRows;
        EXPECT_FLOAT_EQ(v.ViewWidth, c.view) << c.H << " " << c.maxRows;
        EXPECT_FLOAT_EQ(v.ViewHeight, c.view) << c.H << " " << c.maxRows;
        EXPECT_EQ(v.HasWindow(), c.view > 0);
        if (c.view == 0) {
            EXPECT_TRUE(lines.empty());
        }
        ExpectFinite(lines, "extent");
    }
}

TEST(SectionDrawing, WindowAndMappingAroundTheInitialCrossing)
{
    SectionView v;
    RescalePlot(v, DefaultSection());
    EXPECT_EQ(v.OriginX(), 570.0f);
    EXPECT_EQ(v.OriginY(), 4320.0f);
    EXPECT_NEAR(v.XMin, -570 * 21.6 / 5280, 1e-5);
    EXPECT_NEAR(v.XMax, 4710 * 21.6 / 5280, 1e-5);
    EXPECT_NEAR(v.YMax, 4320 * 21.6 / 4920, 1e-5);
    EXPECT_NEAR(v.YMin, -600 * 21.6 / 4920, 1e-5);

    struct Point {
        double x, y, X, Y;
    } points[] = {
        {0, 0, 570, 4320},
        {18, 12, 570 + 18 * kScaleX, 4320 - 12 * kScaleY},
        {15, -0.9, 570 + 15 * kScaleX, 4320 + 0.9 * kScaleY},
        {-2, 20, 570 - 2 * kScaleX, 4320 - 20 * kScaleY},
    };
    for (const Point &p : points) {
        const PicturePoint q = WorldToPicture(v, p.x, p.y);
        EXPECT_NEAR(q.X, p.X, 0.01) << p.x;
        EXPECT_NEAR(q.Y, p.Y, 0.01) << p.y;
        // The read-out maps the picture point back to the world point.
        const WorldPoint w = PictureToWorld(v, float(q.X), float(q.Y));
        EXPECT_NEAR(w.x, p.x, 1e-4) << p.x;
        EXPECT_NEAR(w.y, p.y, 1e-4) << p.y;
    }
}

TEST(SectionDrawing, BenchAndHolesWithStemmingAndCharge)
{
    SectionView v;
    const std::vector<SectionLine> lines = RescalePlot(v, DefaultSection(3, 3));
    ASSERT_EQ(lines.size(), 2u + 3 * 2);

    auto at = [&](double x, double y) { return WorldToPicture(v, x, y); };
    auto expectLine = [](const SectionLine &l, PicturePoint a, PicturePoint b, uint32_t colour, int width,
                         const char *what) {
        EXPECT_NEAR(l.X1, a.X, 0.01) << what;
        EXPECT_NEAR(l.Y1, a.Y, 0.01) << what;
        EXPECT_NEAR(l.X2, b.X, 0.01) << what;
        EXPECT_NEAR(l.Y2, b.Y, 0.01) << what;
        EXPECT_EQ(l.Colour, colour) << what;
        EXPECT_EQ(l.DrawWidth, width) << what;
    };
    expectLine(lines[0], at(18, 12), at(0, 12), sectioncolour::Bench, 2, "bench top");
    expectLine(lines[1], at(18, 0), at(18, 12), sectioncolour::Bench, 2, "bench face");
    // One burden behind the face, then one row distance further back per row.
    const double holes[] = {15, 12, 9};
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(HoleX(v, DefaultSection(3, 3), i + 1), holes[i]);
        const double x = holes[i];
        expectLine(lines[size_t(2 + 2 * i)], at(x, 9), at(x, 12), sectioncolour::Stemming, 4, "stemming");
        // The column reaches the sub-drilling below the floor: 12 - 3 - 9.9 = -0.9.
        expectLine(lines[size_t(3 + 2 * i)], at(x, 12 - 3 - double(9.9f)), at(x, 9), sectioncolour::Charge, 4,
                   "charge");
    }
    EXPECT_EQ(sectioncolour::Stemming, 0xFFFF00u);
    EXPECT_EQ(sectioncolour::Charge, 0x004040u);
}

TEST(SectionDrawing, MovingTheOriginShiftsTheSectionAtTheSameScale)
{
    SectionView v;
    const std::vector<SectionLine> before = RescalePlot(v, DefaultSection(2, 3));
    const float width = v.ViewWidth, height = v.ViewHeight;

    MoveAxesOrigin(v, 1500, 2000);
    EXPECT_EQ(v.OriginX(), 1500.0f);
    EXPECT_EQ(v.OriginY(), 2000.0f);
    EXPECT_EQ(v.xaxis.X2, 5280.0f);
    EXPECT_EQ(v.yaxis.Y2, 4920.0f);
    EXPECT_EQ(v.ViewWidth, width);
    EXPECT_EQ(v.ViewHeight, height);
    EXPECT_NEAR(v.XMin, -1500 * 21.6 / 5280, 1e-5);
    EXPECT_NEAR(v.YMax, 2000 * 21.6 / 4920, 1e-5);

    // Drawing again, and rescaling for the new crossing, give the same shifted lines.
    const std::vector<SectionLine> moved = DrawSectionView(v, DefaultSection(2, 3));
    const std::vector<SectionLine> rescaled = RescalePlot(v, DefaultSection(2, 3));
    ASSERT_EQ(moved.size(), before.size());
    ASSERT_EQ(rescaled.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_NEAR(moved[i].X1 - before[i].X1, 1500 - 570, 0.01) << i;
        EXPECT_NEAR(moved[i].Y2 - before[i].Y2, 2000 - 4320, 0.01) << i;
        EXPECT_NEAR(rescaled[i].X2, moved[i].X2, 0.01) << i;
        EXPECT_NEAR(rescaled[i].Y1, moved[i].Y1, 0.01) << i;
    }
}

TEST(SectionDrawing, OriginOnOrBeyondTheEdgeStaysFinite)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char *what;
        float X, Y;
        float X0, Y0; // where the crossing ends up
    } cases[] = {
        {"top left corner", 0, 0, 0, 0},
        {"bottom right corner", 5280, 4920, 5280, 4920},
        {"right edge", 5280, 2000, 5280, 2000},
        {"top edge", 2000, 0, 2000, 0},
        {"dragged out to the left and down", -300, 9000, 0, 4920},
        {"far out", 1e9f, -1e9f, 5280, 0},
        {"not a number", nan, 100, 570, 4320},
        {"infinite", 100, inf, 570, 4320},
    };
    for (const Case &c : cases) {
        SectionView v;
        RescalePlot(v, DefaultSection(2, 3));
        MoveAxesOrigin(v, c.X, c.Y);
        EXPECT_EQ(v.OriginX(), c.X0) << c.what;
        EXPECT_EQ(v.OriginY(), c.Y0) << c.what;
        EXPECT_TRUE(v.HasWindow()) << c.what;
        for (float f : {v.XMin, v.XMax, v.YMin, v.YMax})
            EXPECT_TRUE(std::isfinite(f)) << c.what;
        const std::vector<SectionLine> drawn = DrawSectionView(v, DefaultSection(2, 3));
        EXPECT_EQ(drawn.size(), 6u) << c.what;
        ExpectFinite(drawn, c.what);
        const std::vector<SectionLine> rescaled = RescalePlot(v, DefaultSection(2, 3));
        EXPECT_EQ(rescaled.size(), 6u) << c.what;
        ExpectFinite(rescaled, c.what);
        // The read-out at the picture's corners is a number too.
        for (float X : {0.0f, 5280.0f})
            EXPECT_FALSE(CoordinateCaption(v, X, 4920, true).contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    }
}

TEST(SectionDrawing, UnusableLayoutValuesLeaveTheirLinesOut)
{
    struct Case {
        const char *what;
        void (*change)(SectionInputs &);
        size_t lines;
    } cases[] = {
        {"infinite stemming", [](SectionInputs &i) { i.Stemming = std::numeric_limits<float>::infinity(); }, 2},
        {"charge not a number", [](SectionInputs &i) { i.ChargeLength = std::numeric_limits<float>::quiet_NaN(); }, 3},
        {"rows far beyond the picture", [](SectionInputs &i) { i.RowDistance = 1e25f; i.RowCount = 3; }, 4},
        {"no rows", [](SectionInputs &i) { i.RowCount = 0; }, 2},
        {"negative rows", [](SectionInputs &i) { i.RowCount = -4; }, 2},
    };
    for (const Case &c : cases) {
        SectionInputs in = DefaultSection();
        c.change(in);
        SectionView v;
        const std::vector<SectionLine> lines = RescalePlot(v, in);
        EXPECT_EQ(lines.size(), c.lines) << c.what;
        ExpectFinite(lines, c.what);
    }
}

TEST(SectionDrawing, NothingIsDrawnBeforeThereIsAView)
{
    SectionView v;
    EXPECT_FALSE(v.HasWindow());
    MoveAxesOrigin(v, 1000, 1000);
    EXPECT_FALSE(v.HasWindow());
    EXPECT_TRUE(DrawSectionView(v, DefaultSection()).empty());
    EXPECT_EQ(CoordinateCaption(v, 1000, 1000, true), "Coordinates: (X=0, Y=0)");
}

TEST(SectionDrawing, ReadOutsInBothLanguages)
{
    SectionView v;
    RescalePlot(v, DefaultSection());
    // 2.5 m right of and 1.25 m below the crossing.
    const PicturePoint p = WorldToPicture(v, 2.5, -1.25);
    EXPECT_EQ(CoordinateCaption(v, float(p.X), float(p.Y), true), "Coordinates: (X=2.5, Y=-1.25)");
    EXPECT_EQ(CoordinateCaption(v, float(p.X), float(p.Y), false), "Συντεταγμένες: (X=2.5, Y=-1.25)");
    // At most two decimals, no trailing zeros.
    const PicturePoint q = WorldToPicture(v, 3.14159, 7);
    EXPECT_EQ(CoordinateCaption(v, float(q.X), float(q.Y), true), "Coordinates: (X=3.14, Y=7)");
    EXPECT_EQ(CoordinateCaption(v, 570, 4320, true), "Coordinates: (X=0, Y=0)");
    EXPECT_EQ(InternalCoordinateCaption(1185, 300, true), "Int. Coordinates: (X=1185, Y=300)");
    EXPECT_EQ(InternalCoordinateCaption(1185, 300, false), "Εσωτ. Συντεταγμένες: (X=1185, Y=300)");
}
