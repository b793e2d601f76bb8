// Quantities, factors and costs of one layout, and the guards that keep a layout
// that cannot be evaluated from reaching a page.

#include "TestSupport.h"

#include "core/NumText.h"
#include "design/DesignQuantities.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// D 80 mm, H 12 m, J 0.9 m, T 3 m, explosive 0.9, booster 1 kg at 1.2, rock 2.6.
DesignRunState WorkedExample(int16_t holes, float volume)
{
    DesignRunState s;
    s.Diameter = 80;
    s.BenchHeight = 12;
    s.Subdrilling = 0.9f;
    s.Stemming = 3;
    s.ExplosiveDensity = 0.9f;
    s.BoosterMass = 1;
    s.BoosterDensity = 1.2f;
    s.RockDensity = 2.6f;
    s.TotalHoles = holes;
    s.ActualVolume = volume;
    s.HolesPerDelay = 2;
    return s;
}

std::string F(float v, const char *pattern) { return numtext::Format(v, QString::fromLatin1(pattern)).toStdString(); }
std::string F(double v, const char *pattern) { return numtext::Format(v, QString::fromLatin1(pattern)).toStdString(); }

} // namespace

TEST(DesignQuantities, ChargeColumnOfTheWorkedExampleWhateverTheHoleCount)
{
    for (int16_t holes : {int16_t(1), int16_t(9), int16_t(250)}) {
        DesignRunState s = WorkedExample(holes, 1458);
        ReportValues v;
        ASSERT_EQ(ComputeQuantities(s, QuantityInputs(), v), QuantityResult::Ok);
        EXPECT_EQ(F(s.HoleLength, "0.00"), "12.90");
        EXPECT_EQ(F(s.ChargeLength, "0.00"), "9.90");
        EXPECT_EQ(F(s.ChargeVolume, "0.0"), "49762.8");
        EXPECT_EQ(F(v.ChargeVolumeM3, "0.000"), "0.050");
        EXPECT_EQ(F(v.ChargeVolumeL, "0.000"), "49.763");
        EXPECT_EQ(F(v.MainExplosivePerHole, "0.00"), "44.04") << holes << " holes";
        EXPECT_EQ(F(s.ChargePerHole, "0.00"), "45.04") << holes << " holes";
        EXPECT_EQ(F(s.BoosterVolume * 1e6f, "0.0"), "833.3");
    }
}

TEST(DesignQuantities, RoundedProductionDividesByTheRoundedVolume)
{
    DesignRunState s = WorkedExample(9, 2500.5f);
    QuantityInputs in;
    in.RoundProduction = true;
    in.CostDrill = 5;
    ReportValues v;
    ASSERT_EQ(ComputeQuantities(s, in, v), QuantityResult::Ok);
    EXPECT_EQ(s.ActualTons, 6501.0f); // 2.6 x 2500.5 = 6501.3
    EXPECT_EQ(s.ActualVolume, 2500.0f); // half to even
    EXPECT_EQ(s.CostPerVolume, float(double(s.CostTotal) / 2500));

    DesignRunState unrounded = WorkedExample(9, 2500.5f);
    in.RoundProduction = false;
    ASSERT_EQ(ComputeQuantities(unrounded, in, v), QuantityResult::Ok);
    EXPECT_EQ(F(unrounded.ActualTons, "0.00"), "6501.30");
    EXPECT_EQ(unrounded.ActualVolume, 2500.5f);
}

TEST(DesignQuantities, ChargePerDelayIsCappedOnlyWithoutAuto)
{
    struct Case {
        float holesPerDelay;
        bool autoDelay;
        bool capped;
    } cases[] = {
        {20, false, true},  // more holes per delay than the blast has
        {20, true, false},  // "Auto": no cap
        {9, false, true},   // the booster counts per hole but not in the blast total
        {2, false, false},
    };
    for (const Case &c : cases) {
        DesignRunState s = WorkedExample(9, 1458);
        s.HolesPerDelay = c.holesPerDelay;
        QuantityInputs in;
        in.AutoDelay = c.autoDelay;
        ReportValues v;
        ASSERT_EQ(ComputeQuantities(s, in, v), QuantityResult::Ok);
        const float uncapped = float(double(c.holesPerDelay) * s.ChargePerHole);
        if (c.capped)
            EXPECT_EQ(s.DelayCharge, s.ExplosiveMass);
        else
            EXPECT_EQ(s.DelayCharge, uncapped) << c.holesPerDelay << " auto " << c.autoDelay;
    }
}

TEST(DesignQuantities, CostsFollowThePrices)
{
    DesignRunState s = WorkedExample(9, 1458);
    QuantityInputs in;
    in.CostExpl = 1;
    in.CostCap = 1;
    in.CostInit = 2;
    in.CostBooster = 1.5;
    in.CostDrill = 5;
    ReportValues v;
    ASSERT_EQ(ComputeQuantities(s, in, v), QuantityResult::Ok);
    EXPECT_EQ(F(s.CostExplosives, "0.00"), "396.33");
    EXPECT_EQ(F(s.CostInitiation, "0.00"), "241.20"); // 9 x 1 + 9 x 12.9 x 2
    EXPECT_EQ(F(s.CostBooster, "0.00"), "13.50");
    EXPECT_EQ(F(s.CostDrilling, "0.00"), "580.50");
    EXPECT_EQ(F(s.CostTotal, "0.00"), "1231.53");
}

// Nothing divides by zero and nothing negative or not finite survives.
TEST(DesignQuantities, LayoutsThatCannotBeEvaluatedLeaveNothingBehind)
{
    struct Case {
        const char *what;
        void (*change)(DesignRunState &);
        QuantityResult expected;
    } cases[] = {
        {"impossible marker", [](DesignRunState &s) { s.ActualVolume = -1; s.TotalHoles = -1; },
         QuantityResult::ImpossibleLayout},
        {"zero volume", [](DesignRunState &s) { s.ActualVolume = 0; }, QuantityResult::ImpossibleLayout},
        {"volume rounding to zero", [](DesignRunState &s) { s.ActualVolume = 0.4f; },
         QuantityResult::ImpossibleLayout},
        {"no holes", [](DesignRunState &s) { s.TotalHoles = 0; }, QuantityResult::ImpossibleLayout},
        {"negative volume", [](DesignRunState &s) { s.ActualVolume = -13.5f; },
         QuantityResult::ImpossibleLayout},
        {"stemming fills the hole", [](DesignRunState &s) { s.Stemming = 13; s.Subdrilling = 1; },
         QuantityResult::ZeroChargeLength},
        {"stemming above the hole", [](DesignRunState &s) { s.BenchHeight = 2; s.Stemming = 6; },
         QuantityResult::ZeroChargeLength},
        {"booster larger than the column", [](DesignRunState &s) { s.BoosterMass = 100; },
         QuantityResult::NegativeExplosive},
        {"rock without mass", [](DesignRunState &s) { s.RockDensity = 0; }, QuantityResult::NotFinite},
        {"booster density zero, no booster",
         [](DesignRunState &s) { s.BoosterDensity = 0; s.BoosterMass = 0; }, QuantityResult::NotFinite},
    };
    for (const Case &c : cases) {
        DesignRunState s = WorkedExample(9, 1458);
        c.change(s);
        QuantityInputs in;
        in.RoundProduction = true;
        in.CostDrill = 5;
        ReportValues v;
        v.PowderFactorVol2 = 7; // stale values must go
        EXPECT_EQ(ComputeQuantities(s, in, v), c.expected) << c.what;
        for (float f : {s.ActualTons, s.HoleLength, s.ChargeLength, s.ChargeVolume, s.ExplosiveMass,
                        s.ChargePerHole, s.PowderFactorVol, s.PowderFactorTon, s.DrillFactorVol,
                        s.DrillFactorTon, s.DelayCharge, s.CostExplosives, s.CostInitiation,
                        s.CostBooster, s.CostDrilling, s.CostTotal, s.CostPerVolume,
                        v.PowderFactorVol2, v.TonsPerHole, v.LinearChargeDensity})
            EXPECT_EQ(f, 0.0f) << c.what;
    }
}
