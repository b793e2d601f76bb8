#include "calculators/AttenuationLaw.h"

#include <cmath>

std::optional<float> AttenuationLaw(double constant, double scaledDistance, double exponent)
{
    if (!(scaledDistance > 0))
        return std::nullopt;
    const float value = static_cast<float>(constant * std::pow(scaledDistance, -exponent));
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}
