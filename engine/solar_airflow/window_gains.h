// Window, roof-window and skylight solar gains: for every zone, its skylights and then its windows
// are given the step's irradiance, outdoor blinds and indoor curtains, and their transmitted solar
// radiation and conducted heat are added to the zone's rows of the second driver table.
#pragma once

namespace engine {

struct EngineState;
struct StepSky;

// Adds every zone's skylight and window heat of step s to rows 301 + z (transmitted solar radiation)
// and 451 + z (heat by conduction and convection, with the inward-flowing part of absorbed solar
// radiation) of `drive2`, and keeps the range of the dynamic glazing U-values in `umax` and `umin`.
// tol is the film coefficient tolerance of the glazing balance; hmax the largest wind-speed reduction.
void openingGains(EngineState& state, int s, const StepSky& sky, double tol, double hmax);

} // namespace engine
