#pragma once
// The design window's run record: inputs of the run, the selected layout and the
// quantities and costs computed for it. Lives as long as the window, never saved.
// Lengths in m, the diameter in mm, densities in g/cm3, masses in kg, tonnages in t.

#include <cstdint>

struct DesignRunState {
    // Inputs, written by the run.
    float Burden = 0;
    float Diameter = 0;
    float Stemming = 0;
    float Subdrilling = 0;
    float Spacing = 0;
    float ExplosiveDensity = 0;
    float RockDensity = 0;
    float BoosterDensity = 0;
    float BenchHeight = 0;
    float TargetTons = 0;
    float TargetVolume = 0;
    int16_t InitiationPattern = 0; // 0 row, 1 modified row, 2 diagonal, 3 V
    int16_t FreeFaces = 0;
    int16_t MaxRows = 0;
    float BoosterMass = 0;
    float HolesPerDelay = 0;
    int16_t ProductionMode = 0; // 0 production target, 1 rows x holes grid

    // The selected layout, written by the search and by the selection.
    int16_t TotalHoles = 0;
    int16_t HolesPerRow = 0;
    int16_t RowCount = 0;
    float BlockWidth = 0;
    float BlockDepth = 0;
    float ActualVolume = 0;
    float VolumeDiff = 0;
    float TonsDiff = 0;
    float RowDistance = 0;

    // Quantities, factors and costs of the selected layout.
    float ActualTons = 0;
    float HoleLength = 0;
    float ChargeLength = 0;
    float ChargeVolume = 0;        // mm2 x m
    float TotalChargeVolume = 0;   // mm2 x m
    float StemmingVolume = 0;      // mm2 x m
    float TotalStemmingVolume = 0; // mm2 x m
    float BoosterVolume = 0;       // m3
    float ExplosiveMass = 0;
    float ChargePerHole = 0;
    float PowderFactorVol = 0;
    float PowderFactorTon = 0;
    float DrillFactorVol = 0;
    float DrillFactorTon = 0;
    float DelayCharge = 0;
    float CostExplosives = 0;
    float CostInitiation = 0;
    float CostBooster = 0;
    float CostDrilling = 0;
    float CostTotal = 0;
    float CostPerVolume = 0;
};
