// The vibration-limit charts as plain functions: members, checks and chart content.

#include "calculators/VibrationLimits.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(VibrationLimits, TheSevenMembers)
{
    const struct {
        int regulation, category;
        const char *procedure;
        bool log;
        double yMax;
        int divisions;
        QList<QPointF> points;
        const char *english;
    } cases[] = {
        {0, 2, "PlotUSRegulation", true, 100, 10, {{0, 5.08}, {4, 19.05}, {10, 19.05}, {30, 50.8}, {100, 50.8}},
         "US Regulation for Safe Vibration Limits"},
        {1, 0, "PlotGermanCategoryA", false, 60, 12, {{0, 20}, {10, 20}, {50, 40}, {100, 50}},
         "German Regulation for Safe Vibration Limits - Category A"},
        {1, 1, "PlotGermanCategoryB", false, 60, 12, {{0, 5}, {10, 5}, {50, 15}, {100, 20}},
         "German Regulation for Safe Vibration Limits - Category B"},
        {1, 2, "PlotGermanCategoryC", false, 60, 12, {{0, 3}, {10, 3}, {50, 8}, {100, 10}},
         "German Regulation for Safe Vibration Limits - Category C"},
        {2, 0, "PlotSpanishCategoryA", true, 100, 10, {{2, 11}, {15, 11}, {70, 100}, {100, 100}},
         "Spanish Regulation for Safe Vibration Limits - Category A"},
        {2, 1, "PlotSpanishCategoryB", true, 100, 10, {{2, 10}, {15, 10}, {70, 40}, {100, 40}},
         "Spanish Regulation for Safe Vibration Limits - Category B"},
        {2, 2, "PlotSpanishCategoryC", true, 100, 10, {{2, 4}, {15, 4}, {70, 11}, {100, 11}},
         "Spanish Regulation for Safe Vibration Limits - Category C"},
    };
    for (const auto &c : cases) {
        const VibrationLimit &m = VibrationLimitMember(VibrationLimitFor(c.regulation, c.category));
        EXPECT_EQ(m.procedure, c.procedure);
        EXPECT_EQ(m.logAxes, c.log) << c.procedure;
        EXPECT_EQ(m.yMax, c.yMax) << c.procedure;
        EXPECT_EQ(m.yDivisions, c.divisions) << c.procedure;
        EXPECT_EQ(m.points, c.points) << c.procedure;
        EXPECT_EQ(m.english, c.english);
    }
    // Greek titles: Greek category letters, except the Latin B of Spanish category B.
    EXPECT_EQ(VibrationLimitMember(3).greek, "Γερμανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία Γ");
    EXPECT_EQ(VibrationLimitMember(5).greek, "Ισπανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία B");
    EXPECT_EQ(VibrationLimitMember(2).greek.back(), QChar(0x0392));
}

TEST(VibrationLimits, PointChecks)
{
    const struct { const char *f, *v, *control, *english; } cases[] = {
        {"abc", "50", "", "One of the input values is not numeric!"},
        {"60", "1e39", "", "One of the input values is not numeric!"},
        {"-1", "-5", "txtTaxytita", "Particle velocity must be positive!"},
        {"-1", "5", "txtSyxnotita", "Particle vibration frequency must be positive!"},
    };
    for (const auto &c : cases) {
        const auto failure = FirstVibrationPointFailure(c.f, c.v);
        ASSERT_TRUE(failure) << c.f << " " << c.v;
        EXPECT_EQ(failure->control, c.control);
        EXPECT_EQ(failure->english, c.english);
    }
    EXPECT_FALSE(FirstVibrationPointFailure("0", ""));
    EXPECT_EQ(FirstVibrationPointFailure("x", "")->greek, "Κάποια τιμή δέν έχει αριθμητική μορφή!");
}

TEST(VibrationLimits, ChartContentAxesAndZeros)
{
    const struct {
        int regulation, category;
        const char *f, *v;
        double xMin, xMax, yMin, yMax;
        QPointF point;
        QPointF firstLimit;
    } cases[] = {
        // The US line starts at 0 Hz: on log axes it starts at the lower end.
        {0, 0, "60", "50", 1, 100, 1, 100, {60, 50}, {1, 5.08}},
        {1, 0, "60", "50", 0, 100, 0, 60, {60, 50}, {0, 20}},
        // So does a frequency beyond the limit line (step 25 Hz on linear axes).
        {1, 2, "150", "5", 0, 175, 0, 60, {150, 5}, {0, 3}},
        {0, 0, "1000", "50", 1, 10000, 1, 100, {1000, 50}, {1, 5.08}},
        {2, 0, "0.5", "0.02", 0.1, 100, 0.01, 100, {0.5, 0.02}, {2, 11}},
        {2, 0, "150", "5", 1, 1000, 1, 100, {150, 5}, {2, 11}},
        // A failed check or an empty box puts the point at 0: the lower ends of log axes.
        {0, 0, "60", "-5", 1, 100, 1, 100, {1, 1}, {1, 5.08}},
        {2, 1, "", "", 1, 100, 1, 100, {1, 1}, {2, 10}},
        {0, 0, "100", "0.001", 1, 100, 0.001, 100, {100, 0.001}, {1, 5.08}},
        // A velocity beyond the member's maximum grows Y to the decade (log axes) or the
        // multiple of the step (5 mm/s, linear) next above it; at the maximum it stays.
        {0, 0, "60", "150", 1, 100, 1, 1000, {60, 150}, {1, 5.08}},
        {2, 0, "60", "500", 1, 100, 1, 1000, {60, 500}, {2, 11}},
        {2, 2, "60", "1000", 1, 100, 1, 10000, {60, 1000}, {2, 4}},
        {2, 0, "60", "100", 1, 100, 1, 100, {60, 100}, {2, 11}},
        {1, 0, "60", "80", 0, 100, 0, 85, {60, 80}, {0, 20}},
        {1, 1, "60", "61", 0, 100, 0, 65, {60, 61}, {0, 5}},
        {1, 2, "60", "60", 0, 100, 0, 60, {60, 60}, {0, 3}},
        {1, 0, "250", "500", 0, 275, 0, 505, {250, 500}, {0, 20}},
    };
    for (const auto &c : cases) {
        const VibrationChart chart = ChartContent(c.regulation, c.category, c.f, c.v, true);
        EXPECT_DOUBLE_EQ(chart.xMin, c.xMin) << c.f << " " << c.v;
        EXPECT_DOUBLE_EQ(chart.xMax, c.xMax) << c.f << " " << c.v;
        EXPECT_DOUBLE_EQ(chart.yMin, c.yMin) << c.f << " " << c.v;
        EXPECT_DOUBLE_EQ(chart.yMax, c.yMax) << c.f << " " << c.v;
        EXPECT_NEAR(chart.point.x(), c.point.x(), 1e-6) << c.f << " " << c.v;
        EXPECT_NEAR(chart.point.y(), c.point.y(), 1e-6) << c.f << " " << c.v;
        EXPECT_EQ(chart.limit.first(), c.firstLimit) << c.f << " " << c.v;
    }
    // A grown axis ticks at multiples of the step, no more of them than the member has.
    const struct { const char *v; double interval; } grown[] = {{"50", 0}, {"80", 10}, {"120", 25}, {"500", 50}};
    for (const auto &g : grown)
        EXPECT_EQ(ChartContent(1, 0, "60", g.v, true).yTickInterval, g.interval) << g.v;
    EXPECT_EQ(ChartContent(1, 0, "150", "5", true).xTickInterval, 50);
    EXPECT_EQ(ChartContent(1, 0, "100", "5", true).xTickInterval, 0);
    const VibrationChart german = ChartContent(1, 1, "60", "50", false);
    EXPECT_EQ(german.yDivisions, 12);
    EXPECT_FALSE(german.logAxes);
    EXPECT_EQ(german.title, "Γερμανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία Β");
    EXPECT_EQ(german.xTitle, "Συχνότητα (Hz)");
    EXPECT_EQ(german.yTitle, "Ταχύτητα Δονήσεως (mm/sec)");
    const VibrationChart us = ChartContent(0, 1, "60", "50", true);
    EXPECT_EQ(us.xTitle, "Frequency (Hz)");
    EXPECT_EQ(us.yTitle, "Vibration Velocity (mm/sec)");
    EXPECT_EQ(us.measured, QPointF(60, 50));
    EXPECT_EQ(ChartContent(1, 0, "12.3", "0.1", true).point, QPointF(12.3, 0.1));
}
