#include "design/DesignQuantities.h"

#include "core/NumText.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr double kPi = 3.14159265358979;

// Zeroes the quantities, factors and costs (not the inputs or the layout).
void clearQuantities(DesignRunState &s)
{
    s.ActualTons = 0;
    s.HoleLength = 0;
    s.ChargeLength = 0;
    s.ChargeVolume = 0;
    s.TotalChargeVolume = 0;
    s.StemmingVolume = 0;
    s.TotalStemmingVolume = 0;
    s.BoosterVolume = 0;
    s.ExplosiveMass = 0;
    s.ChargePerHole = 0;
    s.PowderFactorVol = 0;
    s.PowderFactorTon = 0;
    s.DrillFactorVol = 0;
    s.DrillFactorTon = 0;
    s.DelayCharge = 0;
    s.CostExplosives = 0;
    s.CostInitiation = 0;
    s.CostBooster = 0;
    s.CostDrilling = 0;
    s.CostTotal = 0;
    s.CostPerVolume = 0;
}

bool allFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

QuantityResult fail(DesignRunState &s, ReportValues &values, QuantityResult why)
{
    clearQuantities(s);
    values = ReportValues();
    return why;
}

} // namespace

QuantityResult ComputeQuantities(DesignRunState &s, const QuantityInputs &in, ReportValues &values)
{
    const double D = s.Diameter;
    const double T = s.Stemming;
    const double J = s.Subdrilling;
    const double H = s.BenchHeight;
    const double N = s.TotalHoles;

    // Actual production; with rounding both tonnage and volume become whole numbers,
    // the tonnage taken from the unrounded volume.
    float V = s.ActualVolume;
    if (V == -1.0f || !(V > 0) || !(s.TotalHoles > 0))
        return fail(s, values, QuantityResult::ImpossibleLayout);
    s.ActualTons = float(double(s.RockDensity) * V);
    if (in.RoundProduction) {
        s.ActualTons = float(numtext::RoundHalfEven(double(s.RockDensity) * V));
        V = float(numtext::RoundHalfEven(double(V)));
        s.ActualVolume = V;
        if (!(V > 0))
            return fail(s, values, QuantityResult::ImpossibleLayout);
    }

    s.HoleLength = float(J + H);
    s.ChargeLength = float(J + H - T);
    if (!(s.ChargeLength > 0))
        return fail(s, values, QuantityResult::ZeroChargeLength);
    const double L = s.HoleLength;

    s.ChargeVolume = float(D * D * (double(s.ChargeLength) * kPi) / 4);
    s.TotalChargeVolume = float(N * s.ChargeVolume);
    s.StemmingVolume = float(D * D * (T * kPi) / 4);
    s.TotalStemmingVolume = float(N * s.StemmingVolume);
    s.BoosterVolume = float(double(s.BoosterMass) / s.BoosterDensity * 0.001);
    s.ExplosiveMass = float((double(s.ChargeVolume) - 1e6 * double(s.BoosterVolume))
                            * double(s.ExplosiveDensity) * 0.001 * N);
    if (s.ExplosiveMass < 0)
        return fail(s, values, QuantityResult::NegativeExplosive);
    s.ChargePerHole = float(double(s.ExplosiveMass) / N + s.BoosterMass);

    const double allExplosives = double(s.ExplosiveMass) + N * double(s.BoosterMass);
    s.PowderFactorVol = float(allExplosives / V);
    s.PowderFactorTon = float(allExplosives / s.ActualTons);
    s.DrillFactorVol = float(N * L / V);
    s.DrillFactorTon = float(N * L / s.ActualTons);

    s.CostExplosives = float(double(s.ExplosiveMass) * in.CostExpl);
    s.CostInitiation = float(N * in.CostCap + N * L * in.CostInit);
    s.CostBooster = float(N * double(s.BoosterMass) * in.CostBooster);
    s.CostDrilling = float(N * L * in.CostDrill);
    s.CostTotal = float(double(s.CostInitiation) + s.CostExplosives + s.CostBooster + s.CostDrilling);
    s.CostPerVolume = float(double(s.CostTotal) / V);

    s.DelayCharge = float(double(s.HolesPerDelay) * s.ChargePerHole);
    if (!in.AutoDelay && s.DelayCharge > s.ExplosiveMass)
        s.DelayCharge = s.ExplosiveMass;

    // What only the report shows.
    values.TonsPerHole = float(double(s.ActualTons) / N);
    values.VolumePerHole = float(double(s.ActualVolume) / N);
    values.MainExplosivePerHole = float(double(s.ChargePerHole) - s.BoosterMass);
    values.ChargeVolumeM3 = double(s.ChargeVolume) / 1e6;
    values.ChargeVolumeL = double(s.ChargeVolume) / 1e3;
    values.TotalChargeVolumeM3 = double(s.TotalChargeVolume) / 1e6;
    values.TotalChargeVolumeL = double(s.TotalChargeVolume) / 1e3;
    values.LinearChargeDensity = float(double(s.ChargePerHole) / s.ChargeLength);
    values.StemmingVolumeM3 = double(s.StemmingVolume) / 1e6;
    values.TotalStemmingVolumeM3 = double(s.TotalStemmingVolume) / 1e6;
    values.PowderFactorVol2 = float(1.0 / s.PowderFactorVol);
    values.PowderFactorTon2 = float(1.0 / s.PowderFactorTon);
    values.DrillFactorVol2 = float(1.0 / s.DrillFactorVol);
    values.DrillFactorTon2 = float(1.0 / s.DrillFactorTon);

    const bool finite = allFinite({
        s.Burden, s.Spacing, s.Stemming, s.Subdrilling, s.BenchHeight, s.TargetTons,
        s.TargetVolume, s.BlockWidth, s.BlockDepth, s.VolumeDiff, s.TonsDiff, s.BoosterMass,
        s.ActualTons, s.ActualVolume, s.HoleLength, s.ChargeLength, s.ChargeVolume,
        s.TotalChargeVolume, s.StemmingVolume, s.TotalStemmingVolume, s.BoosterVolume,
        s.ExplosiveMass, s.ChargePerHole, s.PowderFactorVol, s.PowderFactorTon,
        s.DrillFactorVol, s.DrillFactorTon, s.DelayCharge, s.CostExplosives,
        s.CostInitiation, s.CostBooster, s.CostDrilling, s.CostTotal, s.CostPerVolume,
        values.TonsPerHole, values.VolumePerHole, values.MainExplosivePerHole,
        values.ChargeVolumeM3, values.ChargeVolumeL, values.TotalChargeVolumeM3,
        values.TotalChargeVolumeL, values.LinearChargeDensity, values.StemmingVolumeM3,
        values.TotalStemmingVolumeM3, values.PowderFactorVol2, values.PowderFactorTon2,
        values.DrillFactorVol2, values.DrillFactorTon2});
    if (!finite)
        return fail(s, values, QuantityResult::NotFinite);
    return QuantityResult::Ok;
}
