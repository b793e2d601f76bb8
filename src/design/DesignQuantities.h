#pragma once
// Quantities, factors and costs of the selected layout: hole and charge lengths,
// charge and stemming volumes, explosive masses, powder and drilling factors,
// explosives per delay and the costs of the blast.

#include "design/DesignRunState.h"

#include <QString>

// Values only the report shows, computed with the quantities so that one check
// covers everything a page or the grid receives. Single-precision results stay
// float; the divisions by 10^6 and 10^3 are double, as they are written.
struct ReportValues {
    float TonsPerHole = 0;          // ActualTons / N
    float VolumePerHole = 0;        // ActualVolume / N
    float MainExplosivePerHole = 0; // ChargePerHole - BoosterMass
    double ChargeVolumeM3 = 0;      // ChargeVolume / 10^6
    double ChargeVolumeL = 0;       // ChargeVolume / 10^3
    double TotalChargeVolumeM3 = 0;
    double TotalChargeVolumeL = 0;
    float LinearChargeDensity = 0; // ChargePerHole / ChargeLength
    double StemmingVolumeM3 = 0;
    double TotalStemmingVolumeM3 = 0;
    float PowderFactorVol2 = 0; // 1 / PowderFactorVol
    float PowderFactorTon2 = 0;
    float DrillFactorVol2 = 0; // 1 / DrillFactorVol
    float DrillFactorTon2 = 0;
};

// The unit prices and switches the quantities read (prices through the
// leading-number rule; an empty box counts as 0).
struct QuantityInputs {
    double CostExpl = 0;    // per kg of explosive
    double CostCap = 0;     // per blasthole
    double CostInit = 0;    // per metre of hole
    double CostBooster = 0; // per kg of booster
    double CostDrill = 0;   // per metre of hole
    bool RoundProduction = false; // chkRound2: actual m3 and t to whole numbers
    bool AutoDelay = false;       // chkMaxNDelay: no cap of the charge per delay
};

enum class QuantityResult {
    Ok,
    ImpossibleLayout,  // volume -1, no volume or no holes: nothing to divide by
    ZeroChargeLength,  // sub-drilling + bench height - stemming <= 0
    NegativeExplosive, // the booster takes more than the explosive column
    NotFinite,         // some quantity or factor is not a finite number
};

// Computes every quantity, factor and cost of the layout in 'state' and the
// report-only values. Anything but Ok leaves all computed fields of 'state' and
// 'values' at 0 (the layout fields are untouched), so nothing not finite and no
// negative mass or cost survives a layout that cannot be evaluated.
QuantityResult ComputeQuantities(DesignRunState &state, const QuantityInputs &in,
                                 ReportValues &values);
