// Brightness coefficients of the anisotropic sky (simplified model of Perez et al., 1987).
#pragma once

namespace engine {

// Circumsolar (F1) and horizon (F2) brightness coefficients for one step.  alt is the solar
// altitude in radians, I the direct normal and D the diffuse horizontal irradiance in W/m2.  Both
// coefficients are 0 without diffuse light or with the sun at or below the horizon.  Neither is
// clamped: F1 may be negative for an overcast sky with a low sun, and the callers clamp the
// irradiances they build from it.
void perez(double alt, double I, double D, double& F1, double& F2);

} // namespace engine
