// Reading the window's texts into the design record, and the burden each calculator
// hands to the design window.

#include "DesignFixtures.h"

// Prices are read only when the design is stored; a value the record cannot hold
// writes nothing at all.
TEST(DesignWindowRecord, ReadingTheTexts)
{
    const DesignInputs in = DefaultDesignInputs();
    const VibrationTexts vib = DesignRecordTexts(project().BlastDesign).vibration;
    const struct {
        QString DesignInputs::*field;
        const char *text;
        bool ok;
    } rows[] = {
        {&DesignInputs::txtCostDrill, "7.25", true}, {&DesignInputs::txtDX, "32768", false},
        {&DesignInputs::txtSeires, "-32769", false}, {&DesignInputs::txtEpigD, "1e39", false},
        {&DesignInputs::txtCostInit, "-1e39", false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.text);
        DesignInputs changed = in;
        changed.txtFortio = "9";
        changed.*(r.field) = QString::fromLatin1(r.text);
        BlastDesignRec rec = project().BlastDesign;
        if (r.ok) {
            ASSERT_TRUE(ReadDesignRecord(changed, vib, rec, false));
            EXPECT_EQ(rec.CostDrill, 5.0f);
        }
        EXPECT_EQ(ReadDesignRecord(changed, vib, rec, true), r.ok);
        EXPECT_EQ(rec.Burden, r.ok ? 9.0f : 3.0f);
        EXPECT_EQ(rec.CostDrill, r.ok ? 7.25f : 5.0f);
    }
}

TEST(DesignWindowRecord, BurdenSources)
{
    ResetProjectDefaults(255, 255);
    ProjectState p = project();
    p.AndersonDiam = 4;
    p.AshDiam = 3;
    p.KonyaDiam = 5;
    p.JimenoDiam = 2.5f;
    p.FraenkelDiam = 101.5f;
    p.LangeforsDiam = 90;
    p.PearseDiam = 110.125f;
    using T = std::optional<QString>;
    const struct {
        int index;
        const char *result;
        std::optional<BurdenSourceTexts> expected;
    } rows[] = {
        {0, "10.00", BurdenSourceTexts{"3.05", "101.60", {}, {}}}, // feet to metres, inches to mm
        {1, "9.84", BurdenSourceTexts{"3.00", "76.20", T("1.2"), T("2.7")}},
        {2, "2.87", BurdenSourceTexts{"2.87", "101.5", {}, {}}},
        {3, "10.95", BurdenSourceTexts{"3.34", "127.00", T("0.9"), T("2.7")}},
        {4, "3.1", BurdenSourceTexts{"3.1", "90.00", T("1.2"), {}}},
        {5, "2.75", BurdenSourceTexts{"2.75", "110.13", {}, {}}},
        {6, "1.93", BurdenSourceTexts{"1.93", "63.50", {}, {}}},
        {0, "abc", BurdenSourceTexts{"0.00", "101.60", {}, {}}},
        {0, "1e39", std::nullopt}, // a result beyond a single is no burden
        {7, "3", std::nullopt},    // the user's own burden
        {-1, "3", std::nullopt},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::to_string(r.index) + " " + r.result);
        const auto t = BurdenFromCalculator(r.index, QString::fromLatin1(r.result), p);
        ASSERT_EQ(t.has_value(), r.expected.has_value());
        if (t) {
            EXPECT_EQ(t->burden, r.expected->burden);
            EXPECT_EQ(t->diameter, r.expected->diameter);
            EXPECT_EQ(t->explosiveDensity, r.expected->explosiveDensity);
            EXPECT_EQ(t->rockDensity, r.expected->rockDensity);
        }
    }
}
