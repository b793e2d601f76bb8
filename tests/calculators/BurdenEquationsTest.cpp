// The burden equations, the checks and the echo labels of the calculator windows.

#include "calculators/BurdenEquations.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(BurdenEquations, AndersonTable)
{
    // burden nullptr: nothing computed; failedCheck -1: all pass; focusBox -1: the focus stays put.
    const struct { const char *d, *L, *burden; int failedCheck, focusBox; } cases[] = {
        {"4", "30", "10.95", -1, -1},     // the defaults: square root of 120
        {" 4 ", "30", "10.95", -1, -1},   // blanks around a number are numeric
        {"4", "", "0.00", -1, -1},        // an empty box counts as 0
        {"1e3", "1e3", "1000.00", -1, -1},
        {"-", "30", nullptr, 0, -1},      // a lone sign is not numeric
        {"4,5", "30", nullptr, 0, -1},
        {"-1", "30", nullptr, 1, 0},      // diameter first
        {"-1", "-2", nullptr, 1, 0},      // only the first failure
        {"4", "-2", nullptr, 2, 1},
        {"-1", "x", nullptr, 0, -1},      // the numeric step comes before the bounds
        {"1e39", "30", nullptr, -1, -1},  // beyond single precision: fails quietly
        {"30", "1e300", nullptr, -1, -1},
    };
    const CalculatorDef &def = AndersonCalculator();
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.d) + " / " + c.L);
        const CalcOutcome out = ComputeBurden(def, {QString::fromUtf8(c.d), QString::fromUtf8(c.L)});
        EXPECT_EQ(out.ok, c.burden != nullptr);
        if (c.burden) {
            EXPECT_EQ(BurdenText(out.burden), QString::fromUtf8(c.burden));
        }
        EXPECT_EQ(out.failure.has_value(), c.failedCheck >= 0);
        if (out.failure) {
            EXPECT_EQ(out.failure->check, c.failedCheck);
            EXPECT_EQ(out.failure->box, c.focusBox);
        }
    }
    // The product of two large singles still fits the double it is computed in.
    const float big = std::numeric_limits<float>::max();
    EXPECT_TRUE(AndersonBurden(big, big).has_value());
}

TEST(BurdenEquations, EchoTexts)
{
    const CalcEcho cm{"Label7", 0, 2.54, false, "0.00", "cm"};
    const CalcEcho psi{"Label12", 2, 145.04, false, "0", "psi"};
    const CalcEcho ft{"Label7", kResultSource, 0.3048, true, "0.00", "ft"};
    const CalcEcho bare{"txtFortioM", kResultSource, 0.3048, false, "0.00", ""};
    // The Anderson window's own echoes are pinned by its keystroke test.
    const struct { const CalcEcho *echo; const char *source, *expected /* nullptr: the label keeps its text */; } cases[] = {
        {&cm, "abc", "0.00 cm"}, {&cm, "-1", "-2.54 cm"}, {&cm, "1e39", nullptr},   {&psi, "8000", "1160320 psi"},
        {&psi, "", "0 psi"},     {&ft, "3.04", "9.97 ft"}, {&bare, "8.51", "2.59"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        const auto text = EchoText(*c.echo, QString::fromUtf8(c.source));
        ASSERT_EQ(text.has_value(), c.expected != nullptr);
        if (c.expected) {
            EXPECT_EQ(*text, QString::fromUtf8(c.expected));
        }
    }
}

TEST(BurdenEquations, CheckKinds)
{
    // The kinds the other calculators use: CheckRange bounds (inclusive, blank and
    // non-numeric rejected), a range ending at another box, and a bounded own check.
    const std::vector<CalcCheck> checks = {
        RangeCheck(0, 0, 20, "Hole Diameter", "Διάμετρος Διατρήματος"),
        RangeCheckUpToBox(2, 0, 1, "Charge Length", "Ύψος Γόμωσης Διατρήματος"),
        BoundCheck(3, 1, 1.6, "Explosive compaction must be positive!", "Ο Βαθμός Συμπύκνωσης κυμαίνεται μεταξύ 1 και 1,6"),
    };
    const struct { QStringList texts; int failedCheck; double upper; } cases[] = {
        {{"20", "10", "10", "1.6"}, -1, 0}, {{"0", "10", "0", "1"}, -1, 0},  {{"20.5", "10", "7", "1.2"}, 0, 20},
        {{"", "10", "7", "1.2"}, 0, 20},    {{"abc", "10", "7", "1.2"}, 0, 20}, {{"4", "10", "10.5", "1.2"}, 1, 10},
        {{"4", "", "0", "1.2"}, -1, 0},     {{"4", "10", "7", "1.61"}, 2, 1.6},
        {{"4", "10", "7", ""}, 2, 1.6}, // an own check reads an empty box as 0
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.texts.join('|').toStdString());
        const auto f = FirstFailingCheck(checks, c.texts);
        EXPECT_EQ(f ? f->check : -1, c.failedCheck);
        if (f) {
            EXPECT_EQ(f->upper, c.upper);
        }
    }
}

} // namespace
