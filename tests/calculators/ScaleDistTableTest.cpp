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

// The boxes' texts from a data file's cell: K|n|D|q|distance|mass|minimum|maximum|step.
ScaleDistTexts boxes(const QString &cell)
{
    const QStringList t = cell.split('|');
    return {t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8]};
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
    for (const QStringList &c : testTable("calculators/scaledist-ranges.tsv")) {
        SCOPED_TRACE(c[0].toStdString());
        const PredictionTable table = FillPredictionRows(boxes(c[0]), 0, 1);
        ASSERT_EQ(table.rows.size(), c[1].toInt());
        if (!c[2].isEmpty()) {
            EXPECT_EQ(table.rows.back()[2], c[2]);
        }
        if (!c[3].isEmpty()) {
            EXPECT_EQ(table.rows.back()[1], c[3]);
        }
    }
    // Rows before a value beyond a single stay.
    const PredictionTable beyond = FillPredictionRows(boxes("3e38|1|50|1.5|0|1|2|0.5|-0.5"), 0, 1);
    EXPECT_EQ(column(beyond, 2), (QStringList{"2", "1.5", "1"}));
}

TEST(ScaleDistTable, ChecksInTheirOrder)
{
    for (const QStringList &c : testTable("calculators/scaledist-checks.tsv")) {
        SCOPED_TRACE(c[0].toStdString());
        const auto failure = FirstScaleDistFailure(boxes(c[0]));
        EXPECT_EQ(failure ? failure->control : "-", c[1]);
        EXPECT_EQ(failure ? failure->english : "", c[2]);
    }
    EXPECT_EQ(FirstScaleDistFailure(boxes("1600|1.6|50|1.5|0|0|10|100|10"))->greek,
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
