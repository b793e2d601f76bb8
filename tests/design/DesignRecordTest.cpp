// The burden each calculator hands to the design window.

#include "DesignFixtures.h"

// The burden each calculator hands over, converted to metres and millimetres, with the
// densities of the calculators that have them; what is no burden hands nothing over.
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
