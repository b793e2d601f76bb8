// The vibration-limit charts as plain functions: members, checks and chart content.

#include "calculators/VibrationLimits.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
// Points from a data file's cell: "x,y" joined by ';'.
QList<QPointF> points(const QString &cell)
{
    QList<QPointF> out;
    for (const QString &p : cell.split(';'))
        out << QPointF(p.section(',', 0, 0).toDouble(), p.section(',', 1, 1).toDouble());
    return out;
}
} // namespace

TEST(VibrationLimits, TheSevenMembers)
{
    for (const QStringList &c : testTable("calculators/vibration-limits.tsv")) {
        SCOPED_TRACE(c[2].toStdString());
        const VibrationLimit &m = VibrationLimitMember(VibrationLimitFor(c[0].toInt(), c[1].toInt()));
        EXPECT_EQ(m.procedure, c[2]);
        EXPECT_EQ(m.logAxes, c[3] == "1");
        EXPECT_EQ(m.yMax, c[4].toDouble());
        EXPECT_EQ(m.yDivisions, c[5].toInt());
        EXPECT_EQ(m.points, points(c[6]));
        EXPECT_EQ(m.english, c[7]);
    }
    // Greek titles: Greek category letters, except the Latin B of Spanish category B.
    EXPECT_EQ(VibrationLimitMember(3).greek, "Γερμανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία Γ");
    EXPECT_EQ(VibrationLimitMember(5).greek, "Ισπανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία B");
}

TEST(VibrationLimits, PointChecks)
{
    for (const QStringList &c : testTable("calculators/vibration-points.tsv")) {
        const auto failure = FirstVibrationPointFailure(c[0], c[1]);
        const QStringList shown = failure ? QStringList{failure->control, failure->english} : QStringList{"-"};
        EXPECT_EQ(shown, rowTail(c, 2)) << c.join(' ').toStdString();
    }
    EXPECT_EQ(FirstVibrationPointFailure("x", "")->greek, "Κάποια τιμή δέν έχει αριθμητική μορφή!");
}

TEST(VibrationLimits, ChartContentAxesAndZeros)
{
    for (const QStringList &c : testTable("calculators/vibration-charts.tsv")) {
        SCOPED_TRACE(c.join(' ').toStdString());
        const VibrationChart chart = ChartContent(c[0].toInt(), c[1].toInt(), c[2], c[3], true);
        EXPECT_DOUBLE_EQ(chart.xMin, c[4].toDouble());
        EXPECT_DOUBLE_EQ(chart.xMax, c[5].toDouble());
        EXPECT_DOUBLE_EQ(chart.yMin, c[6].toDouble());
        EXPECT_DOUBLE_EQ(chart.yMax, c[7].toDouble());
        EXPECT_NEAR(chart.point.x(), points(c[8])[0].x(), 1e-6);
        EXPECT_NEAR(chart.point.y(), points(c[8])[0].y(), 1e-6);
        EXPECT_EQ(chart.limit.first(), points(c[9])[0]);
        EXPECT_EQ(chart.limit.last(), points(c[10])[0]);
    }
    // A grown axis ticks at multiples of the step, no more of them than the member has.
    const struct { const char *v; double interval; } grown[] = {{"50", 0}, {"80", 10}, {"120", 25}, {"500", 50}};
    for (const auto &g : grown)
        EXPECT_EQ(ChartContent(1, 0, "60", g.v, true).yTickInterval, g.interval) << g.v;
    EXPECT_EQ(ChartContent(1, 0, "150", "5", true).xTickInterval, 50);
    EXPECT_EQ(ChartContent(1, 0, "100", "5", true).xTickInterval, 0);
    const VibrationChart german = ChartContent(1, 1, "60", "50", false);
    EXPECT_EQ(german.title, "Γερμανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία Β");
    EXPECT_EQ(german.xTitle, "Συχνότητα (Hz)");
    EXPECT_EQ(german.yTitle, "Ταχύτητα Δονήσεως (mm/sec)");
    EXPECT_EQ(ChartContent(0, 1, "60", "50", true).measured, QPointF(60, 50));
    EXPECT_EQ(ChartContent(1, 0, "12.3", "0.1", true).point, QPointF(12.3, 0.1));
}
