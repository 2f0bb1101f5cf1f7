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
// Roof space a over ceiling zone c under roof zone r, with outdoor air flow v (m³/s), and subfloor
// space a under floor zone f over ground zone g: the gains of the space's correction at the zones'
// present temperatures, less those injected for it earlier in the step, are added to the step's
// gains to inject (zonestep.addgain).  Returns the largest change of a gain (W).
double roofspaceadjust_s(EngineState& state, int a, int c, int r, double v);
double subfladjust_s(EngineState& state, int a, int f, int g, double v);

// The corrections of every roof and subfloor space, worked out at the zones' present temperatures:
// `first` starts the step's corrections from none; a later call (after the plant has moved the
// zones) adds only what the corrections change.  The gains are left in zonestep.addgain for the
// caller to inject with the air exchange they cause.  Returns the largest change of a gain (W).
double spaceCorrections(EngineState& state, bool first);

} // namespace engine
