// The hourly solar and sol-air drivers of one step: the sky model, the outside surface resistance,
// the sol-air temperatures of every roof and wall path, the irradiance of the ventilation openings in
// sunlit walls, and (through the window gains) the zones' solar and glazing heat.
#pragma once

#include <algorithm>
#include <cmath>

namespace engine {

struct EngineState;

// Fills the step's column of the driver tables: the outdoor dry bulb, the sol-air temperatures of the
// wall and roof paths and the solar gains of the zones.  tol is the tolerance of the glazing balance's
// film coefficients (0.01 in every call of the time loop); hmax is the largest wind-speed reduction
// factor of the zone cards.
void solahf(EngineState& state, int istep, double tol, double hmax);

// The sun and sky of one step, as every surface of the step sees them.
struct StepSky {
    double alt = 0.0;     // solar altitude, rad
    double azi = 0.0;     // solar azimuth from north through east, rad
    double Ib = 0.0;      // direct normal irradiance, W/m2
    double Id = 0.0;      // diffuse horizontal irradiance, W/m2
    double Ta = 0.0;      // outdoor air temperature, C
    double F1 = 0.0;      // circumsolar brightness coefficient
    double F2 = 0.0;      // horizon brightness coefficient
    double beff = 0.0;    // beam with the circumsolar diffuse, W/m2 normal to the sun
    bool perezSky = true; // anisotropic sky; otherwise isotropic with the plain beam
    double groundr = 0.0; // ground reflectance
};

// The cosine of the angle of incidence on a surface of tilt beta and azimuth gamma (rad), at least 0.
inline double cosIncidence(const StepSky& sky, double beta, double gamma) {
    const double c = std::cos(beta) * std::sin(sky.alt) +
                     std::sin(beta) * std::cos(sky.alt) *
                         (std::cos(gamma) * std::cos(sky.azi) + std::sin(gamma) * std::sin(sky.azi));
    return std::max(c, 0.0);
}

// Sky diffuse on a surface of tilt beta (rad), W/m2.
inline double skyDiffuse(const StepSky& sky, double beta) {
    if (!sky.perezSky) return sky.Id * (1.0 + std::cos(beta)) / 2.0;
    const double d = sky.Id * ((1.0 - sky.F1) * (1.0 + std::cos(beta)) / 2.0 + sky.F2 * std::sin(beta));
    return std::max(d, 0.0);
}

// Sky diffuse on a vertical surface, W/m2.
inline double skyDiffuseVertical(const StepSky& sky) {
    if (!sky.perezSky) return sky.Id * 0.5;
    return std::max(sky.Id * ((1.0 - sky.F1) * 0.5 + sky.F2), 0.0);
}

// The beam normal irradiance that a surface multiplies by its cosine of incidence, W/m2.
inline double beamNormal(const StepSky& sky) {
    return sky.perezSky ? sky.beff : sky.Ib;
}

// Ground-reflected irradiance on a vertical surface, W/m2.
inline double groundReflected(const StepSky& sky) {
    return (std::sin(sky.alt) * sky.Ib + sky.Id) * sky.groundr * 0.5;
}

// The horizontal and vertical shadow angles (rad) of a vertical surface of azimuth gamma (rad) and its
// cosine of incidence; both angles are 0 and the cosine is 0 when the sun is behind the surface.
struct ShadowAngles {
    double cosTheta = 0.0;
    double h = 0.0; // horizontal shadow angle, in [-pi/2, pi/2), positive with the sun to the right
    double v = 0.0; // vertical shadow (profile) angle
};
ShadowAngles shadowAngles(const StepSky& sky, double gamma);

} // namespace engine
