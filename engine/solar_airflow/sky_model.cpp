#include "engine/solar_airflow/sky_model.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace engine {
namespace {

struct ClearnessBin {
    double upperLimit; // sky clearness epsilon, dimensionless
    double f11, f12, f13, f21, f22, f23;
};

// The 1987 coefficient set for the zenith angle in radians.  A clearness exactly at a limit falls in
// the lower bin; the last bin takes every clearer sky.
constexpr std::array<ClearnessBin, 8> kBins{{
    {1.056, 0.041, 0.621, -0.105, -0.040, 0.074, -0.031},
    {1.253, 0.054, 0.966, -0.166, -0.016, 0.114, -0.045},
    {1.586, 0.227, 0.866, -0.250, 0.069, -0.002, -0.062},
    {2.134, 0.486, 0.670, -0.373, 0.148, -0.137, -0.056},
    {3.23, 0.819, 0.106, -0.465, 0.268, -0.497, -0.029},
    {5.98, 1.020, -0.260, -0.514, 0.306, -0.804, 0.046},
    {10.08, 1.009, -0.708, -0.433, 0.287, -1.286, 0.166},
    {100000.0, 0.936, -1.121, -0.352, 0.226, -2.449, 0.383},
}};

constexpr double kHalfPi = 1.5707964;              // rad
constexpr double kMaxAirMass = 3.0;                // air mass limit near the horizon
constexpr double kExtraterrestrial = 1.0 / 1377.0; // 1/(W/m2): sky brightness per m x D
constexpr double kSmallest = 0.0001;               // W/m2 and rad: below this there is no sky model

const ClearnessBin& binOf(double clearness) {
    for (const ClearnessBin& bin : kBins) {
        if (clearness <= bin.upperLimit) return bin;
    }
    return kBins.back();
}

} // namespace

void perez(double alt, double I, double D, double& F1, double& F2) {
    F1 = 0.0;
    F2 = 0.0;
    if (D < kSmallest || alt < kSmallest) return;
    const double zenith = kHalfPi - alt; // rad
    const double airMass = std::min(1.0 / std::cos(zenith), kMaxAirMass);
    // Clearness without the zenith-angle correction term of the later forms of the model.
    const double clearness = (D + I) / D;
    const double brightness = airMass * D * kExtraterrestrial;
    const ClearnessBin& bin = binOf(clearness);
    F1 = bin.f11 + bin.f12 * brightness + bin.f13 * zenith;
    F2 = bin.f21 + bin.f22 * brightness + bin.f23 * zenith;
}

} // namespace engine
