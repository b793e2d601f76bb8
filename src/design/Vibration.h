#pragma once
// The live aids of the design window as plain functions: the peak particle velocity of
// one delay at a distance, its input checks, the imperial echoes of the vibration
// inputs and result, and the lengths the six stemming, sub-drilling and spacing
// coefficients give for the current burden or hole diameter.
//
// Texts go in, texts come out. A computation whose arithmetic fails (division by zero,
// a power that overflows, anything not finite) gives nothing: the window then leaves
// its box or label as it was.

#include <QString>

#include <array>
#include <optional>

// The four vibration inputs of the ground-vibration tab, by control name.
struct VibrationTexts {
    QString txtKatanalosiAnaEpivradynsi; // explosive mass per delay Q, kg
    QString txtDistance;                 // distance from the blast D, m
    QString txtStatherak;                // site constant K
    QString txtStatheran;                // site exponent n
};

// The message of a text that is not a number (shared by the design checks), in the
// language of the menus; the design window's other check messages are Greek only.
QString NotNumericMessage();

// The first vibration input that is not usable. 'control' is the field that gets the
// focus; "" for the numeric test, which moves no focus.
struct VibrationCheckFailure {
    QString control;
    QString message; // Greek only
};

// Numeric test of the four texts, then Q, D, K and n must each be above 0.
std::optional<VibrationCheckFailure> ValidateVibrationInputs(const VibrationTexts &texts);

// V = K x (D / sqrt(Q))^(-n) in double from the single-precision inputs, kept as a
// single. Nothing when the arithmetic fails.
std::optional<float> PeakParticleVelocity(float Q, float D, float K, float n);

// The text of txtTaxytita ("0.00") for inputs that passed their checks.
std::optional<QString> VelocityText(const VibrationTexts &texts);

// Echo labels: "1968.48 ft", "881.84 lbs", "0.19 in/sec"; "0.00 ft" / "0.00 lbs" while
// the box is empty or not numeric, "0.00 in/sec" while the velocity box is empty.
std::optional<QString> DistanceEcho(const QString &txtDistance);
std::optional<QString> ChargeEcho(const QString &txtKatanalosiAnaEpivradynsi);
std::optional<QString> VelocityEcho(const QString &txtTaxytita);

// The velocity the project keeps: the number of the text rounded to two decimals
// ("0.00"), as a single. Nothing when that is not a finite single.
std::optional<float> StoredVelocity(const QString &txtTaxytita);

// The boxes the coefficient lengths are read from.
struct CoefficientTexts {
    QString txtFortio;    // burden B, m
    QString txtDiametros; // hole diameter d, mm
    QString txtEpigomosi; // stemming x B
    QString txtEpigD;     // stemming x d
    QString txtApostasi;  // spacing x B
    QString txtApostasiD; // spacing x d
    QString txtYpodiatrisi; // sub-drilling x B
    QString txtYpodD;       // sub-drilling x d
};

// The six length labels in this order.
enum CoefficientLabel { kLabel27, kLabel49, kLabel34, kLabel51, kLabel33, kLabel50, kCoefficientLabelCount };
using CoefficientLabels = std::array<QString, kCoefficientLabelCount>;

// The new texts of the six labels from their current ones. The first pass always runs;
// the second (burden rows: a missing or non-numeric burden shows "0.00 m") only when
// the window is not loading.
CoefficientLabels CoefficientLabelTexts(const CoefficientTexts &texts, CoefficientLabels labels, bool loading);
