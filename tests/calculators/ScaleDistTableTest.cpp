// The scaled-distance table, its checks and the two scaled distances, as plain functions.

#include "calculators/AttenuationLaw.h"
#include "calculators/ScaleDistTable.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
// The texts a new project's window shows.
ScaleDistTexts defaults()
{
    return {"1600", "1.6", "50", "1.5", "0", "1", "10", "100", "10"};
}

QStringList column(const PredictionTable &t, int c)
{
    QStringList out;
    for (const auto &row : t.rows)
        out << row[size_t(c)];
    return out;
}
} // namespace

TEST(ScaleDistTable, AutomaticListOfANewProject)
{
    const PredictionTable ground = FillPredictionRows(defaults(), 0, 0);
    EXPECT_EQ(ground.header, (std::array<QString, 3>{"", "PPV (mm/s)", "Scaled Distance"}));
    EXPECT_EQ(column(ground, 0), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(column(ground, 1),
              (QStringList{"40.2", "13.3", "6.9", "4.4", "3.1", "2.3", "1.8", "1.4", "1.2", "1.0"}));
    EXPECT_EQ(column(ground, 2), (QStringList{"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));

    const PredictionTable air = FillPredictionRows(defaults(), 1, 0);
    EXPECT_EQ(air.header[1], "dB");
    EXPECT_EQ(column(air, 1).mid(0, 4), (QStringList{"1.6", "0.6", "0.3", "0.2"}));
    // The user range of the defaults is the same list.
    EXPECT_EQ(FillPredictionRows(defaults(), 0, 1).rows, ground.rows);
}

TEST(ScaleDistTable, UserRangeRowsAndStops)
{
    const struct {
        const char *min, *max, *step, *k;
        int rows;
        const char *lastSD;
        const char *lastValue;
    } cases[] = {
        {"1", "100", "1", "1600", 20, "20", "13.3"},        // at most 20 rows
        {"0.1", "1", "0.1", "1600", 9, "0.9000001", nullptr}, // the running single passes 1
        {"0", "100", "10", "1600", 0, nullptr, nullptr},     // header only
        {"5", "5", "1", "1600", 1, "5", nullptr},            // minimum equal to maximum
        {"10", "100", "0", "1600", 20, "10", nullptr},       // a loaded step of 0: the row limit ends it
        {"-10", "100", "10", "1600", 0, nullptr, nullptr},   // a loaded negative minimum: no power of it
        {"1e-30", "1", "1", "1e30", 0, nullptr, nullptr},    // beyond a single: ends quietly
        {"0.5", "2", "0.5", "0", 4, "2", "0.0"},             // K 0
    };
    for (const auto &c : cases) {
        ScaleDistTexts t = defaults();
        t.txtMin = c.min;
        t.txtMax = c.max;
        t.txtStep = c.step;
        t.txtK = c.k;
        const PredictionTable table = FillPredictionRows(t, 0, 1);
        ASSERT_EQ(table.rows.size(), c.rows) << c.min << ".." << c.max << " step " << c.step;
        EXPECT_EQ(table.header[1], "PPV (mm/s)");
        if (c.lastSD) {
            EXPECT_EQ(table.rows.back()[2], c.lastSD);
        }
        if (c.lastValue) {
            EXPECT_EQ(table.rows.back()[1], c.lastValue);
        }
    }
    ScaleDistTexts t = defaults();
    t.txtMin = "0.1", t.txtMax = "1", t.txtStep = "0.1";
    EXPECT_EQ(FillPredictionRows(t, 0, 1).rows.at(7)[2], "0.8000001");
    // Rows before a value beyond a single stay.
    t = defaults();
    t.txtK = "3e38";
    t.txtN = "1";
    t.txtMin = "2", t.txtMax = "0.5", t.txtStep = "-0.5";
    EXPECT_EQ(column(FillPredictionRows(t, 0, 1), 2), (QStringList{"2", "1.5", "1"}));
}

TEST(ScaleDistTable, ChecksInTheirOrder)
{
    using F = QString ScaleDistTexts::*;
    const struct { F field; const char *text, *control, *english; } cases[] = {
        {&ScaleDistTexts::txtStep, "abc", "", "One of the input values is not a number"},
        {&ScaleDistTexts::txtK, "1e39", "", "One of the input values is not a number"},
        {&ScaleDistTexts::txtK, "-1", "txtK", "K should be positive"},
        {&ScaleDistTexts::txtN, "-1", "txtN", "n should be positive"},
        {&ScaleDistTexts::txtD, "-1", "txtD", "D should be positive"},
        {&ScaleDistTexts::txtQ, "-1", "txtQ", "q should be positive"},
        {&ScaleDistTexts::txtDist, "-1", "txtDist", "The distance for scaled distance calculation should be positive"},
        {&ScaleDistTexts::txtWeight, "0", "txtWeight",
         "The mass for scaled distance calculation should be greater than zero"},
        {&ScaleDistTexts::txtWeight, "", "txtWeight",
         "The mass for scaled distance calculation should be greater than zero"},
        {&ScaleDistTexts::txtMax, "-1", "txtMin", "The range for scaled distance calculation should be positive"},
        {&ScaleDistTexts::txtMin, "200", "txtMin",
         "The minimum distance for scaled distance calculation should be less than the maximum distance"},
        {&ScaleDistTexts::txtStep, "0", "txtMin", "The step distance for scaled distance calculation should be positive"},
    };
    for (const auto &c : cases) {
        ScaleDistTexts t = defaults();
        t.*c.field = QString::fromLatin1(c.text);
        const auto failure = FirstScaleDistFailure(t);
        ASSERT_TRUE(failure) << c.control << " " << c.text;
        EXPECT_EQ(failure->control, c.control);
        EXPECT_EQ(failure->english, c.english);
    }
    // Zero passes where "positive" is written; an equal minimum and maximum pass.
    ScaleDistTexts zeros{"0", "0", "0", "0", "0", "1", "0", "0", "1"};
    EXPECT_FALSE(FirstScaleDistFailure(zeros));
    ScaleDistTexts massless = defaults();
    massless.txtWeight = "0";
    EXPECT_EQ(FirstScaleDistFailure(massless)->greek,
              "Η μάζα για τον υπολογισμό της Ανηγμ. Απόστασης πρέπει να είναι μεγαλύτερη από το μηδέν!");
}

TEST(ScaleDistTable, ScaledDistancesAndTheLaw)
{
    const auto sd = ScaledDistances("100", "400");
    ASSERT_TRUE(sd);
    EXPECT_EQ(sd->txtSD, "5.0");
    EXPECT_EQ(sd->txtSDair, "13.6");
    EXPECT_FALSE(ScaledDistances("100", "0"));
    EXPECT_FALSE(ScaledDistances("100", "-8"));
    EXPECT_FALSE(ScaledDistances("3e38", "1e-30"));

    const struct { double k, sd, n; std::optional<float> value; } law[] = {
        {1600, 10, 1.6, 40.1902f}, {1600, 0, 1.6, std::nullopt}, {1600, -10, 1.6, std::nullopt},
        {1600, 5, 0, 1600.0f}, {3e38, 0.1, 1, std::nullopt},
    };
    for (const auto &c : law) {
        const auto v = AttenuationLaw(c.k, c.sd, c.n);
        ASSERT_EQ(v.has_value(), c.value.has_value()) << c.sd;
        if (v) {
            EXPECT_NEAR(*v, *c.value, 1e-3);
        }
    }
}
