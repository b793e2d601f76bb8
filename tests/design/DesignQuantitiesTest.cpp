// Quantities of one layout that the golden reports do not reach (the switches and
// prices that change them), and the guards that keep a layout that cannot be
// evaluated from leaving anything behind.

#include "TestSupport.h"

#include "core/NumText.h"
#include "design/DesignQuantities.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// D 80 mm, H 12 m, J 0.9 m, T 3 m, explosive 0.9, booster 1 kg at 1.2, rock 2.6;
// 9 holes of 162 m3 and 45.04 kg each, 396.33 kg of explosive in the blast.
DesignRunState WorkedExample()
{
    return {.Diameter = 80, .Stemming = 3, .Subdrilling = 0.9f, .ExplosiveDensity = 0.9f, .RockDensity = 2.6f,
            .BoosterDensity = 1.2f, .BenchHeight = 12, .BoosterMass = 1, .HolesPerDelay = 2, .TotalHoles = 9,
            .ActualVolume = 1458};
}

// Changes the layout and the switches and prices by "name=value" words.
void Change(DesignRunState &s, QuantityInputs &in, const QString &changes)
{
    for (const QString &change : changes.split(u' ', Qt::SkipEmptyParts)) {
        const double v = change.section(u'=', 1).toDouble();
        const QMap<QString, std::function<void()>> set = {
            {"ActualVolume", [&] { s.ActualVolume = float(v); }},
            {"HolesPerDelay", [&] { s.HolesPerDelay = float(v); }},
            {"TotalHoles", [&] { s.TotalHoles = int16_t(v); }},
            {"RockDensity", [&] { s.RockDensity = float(v); }},
            {"BoosterDensity", [&] { s.BoosterDensity = float(v); }},
            {"BoosterMass", [&] { s.BoosterMass = float(v); }},
            {"RoundProduction", [&] { in.RoundProduction = v != 0; }},
            {"AutoDelay", [&] { in.AutoDelay = v != 0; }},
            {"CostCap", [&] { in.CostCap = v; }},
            {"CostInit", [&] { in.CostInit = v; }},
            {"CostDrill", [&] { in.CostDrill = v; }},
        };
        tableValue(set, change.section(u'=', 0, 0))();
    }
}

} // namespace

// The cases are tests/data/design/quantities.tsv.
TEST(DesignQuantities, SwitchesPricesAndLayoutsThatCannotBeEvaluated)
{
#define FIELD(f) {QStringLiteral(#f), &DesignRunState::f}
    const QMap<QString, float DesignRunState::*> fields = {FIELD(ActualTons), FIELD(ActualVolume), FIELD(DelayCharge),
                                                           FIELD(CostInitiation)};
#undef FIELD
    const QStringList outcomes = {"Ok", "ImpossibleLayout", "ZeroChargeLength", "NegativeExplosive", "NotFinite"};
    for (const QStringList &c : testTable(QStringLiteral("design/quantities.tsv"))) {
        SCOPED_TRACE(c[0].toStdString());
        DesignRunState s = WorkedExample();
        QuantityInputs in;
        Change(s, in, c[1]);
        ReportValues v;
        v.PowderFactorVol2 = 7; // a stale value must go
        const QuantityResult result = ComputeQuantities(s, in, v);
        EXPECT_EQ(int(result), tableKey(c[2], outcomes));
        if (result == QuantityResult::Ok) {
            EXPECT_EQ(numtext::Format(s.*tableValue(fields, c[3]), QStringLiteral("0.00")), c[4]);
            continue;
        }
        for (float f : {s.ActualTons, s.HoleLength, s.ChargeLength, s.ChargeVolume, s.ExplosiveMass, s.ChargePerHole,
                        s.PowderFactorVol, s.PowderFactorTon, s.DrillFactorVol, s.DrillFactorTon, s.DelayCharge,
                        s.CostExplosives, s.CostInitiation, s.CostBooster, s.CostDrilling, s.CostTotal,
                        s.CostPerVolume, v.PowderFactorVol2, v.TonsPerHole, v.LinearChargeDensity})
            EXPECT_EQ(f, 0.0f);
    }
}
