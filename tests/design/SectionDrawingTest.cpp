// The section drawing as plain code: the view extents, the world-to-picture mapping,
// the hole positions, the movable origin and the read-outs; nothing not finite ever
// reaches the picture.

#include "DesignFixtures.h"
#include "design/SectionDrawing.h"

#include <cmath>
#include <limits>

namespace {

const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// The default design's layout: H 12, B 3, MaxRows 2, T 3, Lc 9.9, rows 3 m apart.
SectionInputs DefaultSection(int rows = 1)
{
    return {.BenchHeight = 12, .Burden = 3, .RowDistance = 3, .RowCount = rows, .Stemming = 3, .ChargeLength = 9.9f,
            .MaxRows = 2};
}

// Picture units per metre with the default view (5280 by 4920 twips over 21.6 m).
const double kScaleX = 5280.0 / double(21.6f);
const double kScaleY = 4920.0 / double(21.6f);

// The crossing and the lines as text, to two decimals: "origin X Y", then one line a
// segment: X1 Y1 X2 Y2, colour, width.
QString SectionText(const SectionView &v, const std::vector<SectionLine> &lines)
{
    QString text = QStringLiteral("origin %1 %2\n").arg(v.OriginX()).arg(v.OriginY());
    for (const SectionLine &l : lines) {
        for (double c : {l.X1, l.Y1, l.X2, l.Y2})
            text += QString::number(c, 'f', 2) + u' ';
        text += QStringLiteral("%1 %2\n").arg(l.Colour, 6, 16, QChar(u'0')).arg(l.DrawWidth);
    }
    return text;
}

void ExpectFinite(const std::vector<SectionLine> &lines, const char *what)
{
    for (const SectionLine &l : lines)
        for (double c : {l.X1, l.Y1, l.X2, l.Y2})
            EXPECT_TRUE(std::isfinite(c) && std::fabs(c) <= kMaxPictureCoordinate) << what << " " << c;
}

} // namespace

TEST(SectionDrawing, MappingAroundTheInitialCrossing)
{
    SectionView v;
    RescalePlot(v, DefaultSection());
    const struct {
        double x, y, X, Y;
    } points[] = {
        {18, 12, 570 + 18 * kScaleX, 4320 - 12 * kScaleY},
        {15, -0.9, 570 + 15 * kScaleX, 4320 + 0.9 * kScaleY},
        {-2, 20, 570 - 2 * kScaleX, 4320 - 20 * kScaleY},
    };
    for (const auto &p : points) {
        const PicturePoint q = WorldToPicture(v, p.x, p.y);
        EXPECT_NEAR(q.X, p.X, 0.01) << p.x;
        EXPECT_NEAR(q.Y, p.Y, 0.01) << p.y;
        // The read-out maps the picture point back to the world point.
        const WorldPoint w = PictureToWorld(v, float(q.X), float(q.Y));
        EXPECT_NEAR(w.x, p.x, 1e-4) << p.x;
        EXPECT_NEAR(w.y, p.y, 1e-4) << p.y;
    }
    // 2.5 m right of and 1.25 m below the crossing; at most two decimals.
    const PicturePoint p = WorldToPicture(v, 2.5, -1.25);
    EXPECT_EQ(CoordinateCaption(v, float(p.X), float(p.Y), true), "Coordinates: (X=2.5, Y=-1.25)");
    EXPECT_EQ(CoordinateCaption(v, float(p.X), float(p.Y), false), "Συντεταγμένες: (X=2.5, Y=-1.25)");
    const PicturePoint q = WorldToPicture(v, 3.14159, 7);
    EXPECT_EQ(CoordinateCaption(v, float(q.X), float(q.Y), true), "Coordinates: (X=3.14, Y=7)");
    EXPECT_EQ(InternalCoordinateCaption(1185, 300, false), "Εσωτ. Συντεταγμένες: (X=1185, Y=300)");
}

// The lines of the default layout (tests/data/design/section-crossings.tsv) against the
// sections of sections.txt: the bench (top, then face, black) and each row's stemming
// (yellow) over its charge, one burden behind the face and one row distance further back
// per row, the charge down to the sub-drilling below the floor. Moving the crossing keeps
// it inside the picture and shifts the section at the same scale, also when the view is
// computed again.
TEST(SectionDrawing, LinesAroundTheCrossing)
{
    const QMap<QString, QString> expected = DataSections(QStringLiteral("design/sections.txt"));
    for (const QStringList &c : testTable(QStringLiteral("design/section-crossings.tsv"))) {
        SCOPED_TRACE(c[0].toStdString());
        const SectionInputs in = DefaultSection(c[1].toInt());
        SectionView v;
        RescalePlot(v, in);
        MoveAxesOrigin(v, c[2].toFloat(), c[3].toFloat());
        const std::vector<SectionLine> moved = DrawSectionView(v, in);
        EXPECT_EQ(SectionText(v, moved).toStdString(), tableValue(expected, c[0]).toStdString());
        EXPECT_EQ(SectionText(v, RescalePlot(v, in)), SectionText(v, moved));
        EXPECT_FALSE(CoordinateCaption(v, 5280, 4920, true).contains("nan", Qt::CaseInsensitive));
    }
}

// The view is 1.2 times the larger of 1.5 H and 1.5 MaxRows B; values that cannot be
// drawn leave their lines out, and nothing not finite reaches the picture.
TEST(SectionDrawing, ViewAndLinesOfUnusualLayouts)
{
    const struct {
        const char *what;
        void (*change)(SectionInputs &);
        size_t lines;
        float view;
    } cases[] = {
        {"1.5 H decides", [](SectionInputs &) {}, 4, 21.6f},
        {"1.5 MaxRows B decides", [](SectionInputs &i) { i.MaxRows = 5; }, 4, 27},
        {"no run yet: the bench alone", [](SectionInputs &i) { i = SectionInputs(); i.BenchHeight = 10; }, 2, 18},
        {"nothing to draw", [](SectionInputs &i) { i = SectionInputs(); }, 0, 0},
        {"infinite bench", [](SectionInputs &i) { i.BenchHeight = kInf; }, 0, 0},
        {"bench not a number", [](SectionInputs &i) { i.BenchHeight = kNaN; }, 0, 0},
        {"infinite stemming", [](SectionInputs &i) { i.Stemming = kInf; }, 2, 21.6f},
        {"charge not a number", [](SectionInputs &i) { i.ChargeLength = kNaN; }, 3, 21.6f},
        {"rows far beyond the picture", [](SectionInputs &i) { i.RowDistance = 1e25f; i.RowCount = 3; }, 4, 21.6f},
        {"no rows", [](SectionInputs &i) { i.RowCount = 0; }, 2, 21.6f},
        {"negative rows", [](SectionInputs &i) { i.RowCount = -4; }, 2, 21.6f},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        SectionInputs in = DefaultSection();
        c.change(in);
        SectionView v;
        const std::vector<SectionLine> lines = RescalePlot(v, in);
        EXPECT_EQ(lines.size(), c.lines);
        EXPECT_FLOAT_EQ(v.ViewWidth, c.view);
        EXPECT_FLOAT_EQ(v.ViewHeight, c.view);
        EXPECT_EQ(v.HasWindow(), c.view > 0);
        ExpectFinite(lines, c.what);
    }
    // Before there is a view, moving the origin draws nothing; the read-out is the origin.
    SectionView none;
    MoveAxesOrigin(none, 1000, 1000);
    EXPECT_FALSE(none.HasWindow());
    EXPECT_TRUE(DrawSectionView(none, DefaultSection()).empty());
    EXPECT_EQ(CoordinateCaption(none, 1000, 1000, true), "Coordinates: (X=0, Y=0)");
}
