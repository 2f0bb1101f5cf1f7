// Special zones: air gaps, roof spaces and subfloor spaces are zones of their own whose surfaces the
// response model couples with fixed film coefficients.  After the zone temperatures of a step are
// settled, each routine finds by a short fixed-point iteration the extra heat exchange that the
// actual coefficients (direction of heat flow, temperature differences, air moving through the
// space) add to the model's, and adds it to the zones' future temperatures as sensible gains.
#pragma once

namespace engine {

struct EngineState;

// Air properties at T (kelvin): Prandtl number, dynamic viscosity (Pa s), density (kg/m³) and
// thermal conductivity (W/mK).
void airproperties(double t, double& pr, double& mu, double& rho, double& k);

// Nusselt number of free convection at the underside of a roof of slope theta (degrees) over the
// air of a space; roofWarmer when the roof is warmer than the air.
double roofUndersideFree(double ra, double gr, double pr, double theta, bool roofWarmer);
// Nusselt number of free convection at a horizontal surface; unstable when the warmer side lies
// below (a ceiling warmer than the air above it, a floor underside cooler than the air below it).
double horizontalFree(double ra, bool unstable);
// Nusselt number of forced convection along a surface.
double forcedConvection(double re, double pr);

// Air gap g next to zone n: the gap's resistance depends on the direction of heat flow.
void gapadjust_s(EngineState& state, int g, int n);
// Roof space a over ceiling zone c under roof zone r, with outdoor air flow v (m³/s).
void roofspaceadjust_s(EngineState& state, int a, int c, int r, double v);
// Subfloor space a under floor zone f over ground zone g, with outdoor air flow v (m³/s).
void subfladjust_s(EngineState& state, int a, int f, int g, double v);

} // namespace engine
