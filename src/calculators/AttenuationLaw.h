#pragma once
// The attenuation law of blast vibrations, shared by the design window's peak particle
// velocity and the scaled-distance table: value = constant x SD^(-exponent), where SD is
// a scaled distance (ground vibration: K and n, air blast: D and q).

#include <optional>

// Computed in double and rounded once to a single. Nothing when SD is not above 0 (the
// law holds there only) or when the value is not a finite single.
std::optional<float> AttenuationLaw(double constant, double scaledDistance, double exponent);
