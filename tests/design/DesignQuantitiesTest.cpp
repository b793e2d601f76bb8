// Quantities of one layout that the golden reports do not reach (the switches and
// prices that change them), and the guards that keep a layout that cannot be
// evaluated from leaving anything behind.

#include "TestSupport.h"

#include "core/NumText.h"
#include "design/DesignQuantities.h"

#include <gtest/gtest.h>

namespace {

// D 80 mm, H 12 m, J 0.9 m, T 3 m, explosive 0.9, booster 1 kg at 1.2, rock 2.6;
// 9 holes of 162 m3 and 45.04 kg each, 396.33 kg of explosive in the blast.
DesignRunState WorkedExample()
{
    return {.Diameter = 80, .Stemming = 3, .Subdrilling = 0.9f, .ExplosiveDensity = 0.9f, .RockDensity = 2.6f,
            .BoosterDensity = 1.2f, .BenchHeight = 12, .BoosterMass = 1, .HolesPerDelay = 2, .TotalHoles = 9,
            .ActualVolume = 1458};
}

using Change = void (*)(DesignRunState &, QuantityInputs &);

} // namespace

TEST(DesignQuantities, SwitchesAndPricesThatChangeTheResult)
{
    const struct {
        const char *what;
        Change change;
        float DesignRunState::*field;
        const char *expected;
    } cases[] = {
        {"rounded tons", [](DesignRunState &s, QuantityInputs &in) { s.ActualVolume = 2500.5f; in.RoundProduction = true; },
         &DesignRunState::ActualTons, "6501.00"}, // 2.6 x 2500.5 = 6501.3
        {"rounded volume, half to even",
         [](DesignRunState &s, QuantityInputs &in) { s.ActualVolume = 2500.5f; in.RoundProduction = true; },
         &DesignRunState::ActualVolume, "2500.00"},
        {"unrounded tons", [](DesignRunState &s, QuantityInputs &) { s.ActualVolume = 2500.5f; },
         &DesignRunState::ActualTons, "6501.30"},
        {"more holes per delay than the blast has: capped at the blast",
         [](DesignRunState &s, QuantityInputs &) { s.HolesPerDelay = 20; }, &DesignRunState::DelayCharge, "396.33"},
        {"the booster counts per hole but not in the blast total",
         [](DesignRunState &s, QuantityInputs &) { s.HolesPerDelay = 9; }, &DesignRunState::DelayCharge, "396.33"},
        {"\"Auto\": no cap", [](DesignRunState &s, QuantityInputs &in) { s.HolesPerDelay = 20; in.AutoDelay = true; },
         &DesignRunState::DelayCharge, "900.73"},
        {"initiation per hole and per metre drilled: 9 x 1 + 9 x 12.9 x 2",
         [](DesignRunState &, QuantityInputs &in) { in.CostCap = 1; in.CostInit = 2; },
         &DesignRunState::CostInitiation, "241.20"},
    };
    for (const auto &c : cases) {
        DesignRunState s = WorkedExample();
        QuantityInputs in;
        c.change(s, in);
        ReportValues v;
        ASSERT_EQ(ComputeQuantities(s, in, v), QuantityResult::Ok) << c.what;
        EXPECT_EQ(numtext::Format(s.*c.field, QStringLiteral("0.00")), c.expected) << c.what;
    }
}

// Nothing divides by zero and nothing negative or not finite survives (the layouts and
// designs the inputs can make impossible are in DesignReportTest).
TEST(DesignQuantities, LayoutsThatCannotBeEvaluatedLeaveNothingBehind)
{
    const struct {
        const char *what;
        void (*change)(DesignRunState &);
        QuantityResult expected;
    } cases[] = {
        {"zero volume", [](DesignRunState &s) { s.ActualVolume = 0; }, QuantityResult::ImpossibleLayout},
        {"volume rounding to zero", [](DesignRunState &s) { s.ActualVolume = 0.4f; }, QuantityResult::ImpossibleLayout},
        {"no holes", [](DesignRunState &s) { s.TotalHoles = 0; }, QuantityResult::ImpossibleLayout},
        {"negative volume", [](DesignRunState &s) { s.ActualVolume = -13.5f; }, QuantityResult::ImpossibleLayout},
        {"rock without mass", [](DesignRunState &s) { s.RockDensity = 0; }, QuantityResult::NotFinite},
        {"booster density zero, no booster", [](DesignRunState &s) { s.BoosterDensity = 0; s.BoosterMass = 0; },
         QuantityResult::NotFinite},
    };
    for (const auto &c : cases) {
        DesignRunState s = WorkedExample();
        c.change(s);
        QuantityInputs in;
        in.RoundProduction = true;
        in.CostDrill = 5;
        ReportValues v;
        v.PowderFactorVol2 = 7; // stale values must go
        EXPECT_EQ(ComputeQuantities(s, in, v), c.expected) << c.what;
        for (float f : {s.ActualTons, s.HoleLength, s.ChargeLength, s.ChargeVolume, s.ExplosiveMass, s.ChargePerHole,
                        s.PowderFactorVol, s.PowderFactorTon, s.DrillFactorVol, s.DrillFactorTon, s.DelayCharge,
                        s.CostExplosives, s.CostInitiation, s.CostBooster, s.CostDrilling, s.CostTotal,
                        s.CostPerVolume, v.PowderFactorVol2, v.TonsPerHole, v.LinearChargeDensity})
            EXPECT_EQ(f, 0.0f) << c.what;
    }
}
