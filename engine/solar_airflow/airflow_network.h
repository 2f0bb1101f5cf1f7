// One step of the air-flow network.
#pragma once

#include "common/arrays.h"
#include "engine/core/input_blocks.h"

namespace engine {

struct EngineState;

// Solves the network of the zones with `ivzon` = 1 through the openings with `iopen` = 1.
// t(1..150): zone air temperatures of the previous step, t(151) the outdoor dry bulb, °C; windSpeed
// m/s; windDirection degrees.  istat: 0 converged, 1 pressure error below tolerance with zero flow
// error, 2 iteration limit, 3 runaway errors, 4 a NaN, 5 plus infinity, 6 minus infinity.
void mix2(EngineState& state, const common::FixedArray1<double, 0, kMaxZones + 1>& t, double windSpeed,
          double windDirection, int istep, int& istat);

} // namespace engine
