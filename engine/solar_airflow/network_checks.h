// Small checks of the air-flow network step: the wind sector of a direction and the tests of a
// zone pressure for NaN and infinities.
#pragma once

namespace engine {

// Sector 1..8 of a wind direction in degrees (sector 1 from 338 to 23 degrees, upper bounds
// included); a direction that is not a number keeps the previous sector.
int windsector(double direction, int previous);

bool sisnan(double x); // x is not a number
bool posinf(double x); // x is plus infinity
bool neginf(double x); // x is minus infinity

} // namespace engine
