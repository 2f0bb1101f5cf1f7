// The sun's position for one weather record.
#pragma once

namespace engine {

struct EngineState;

// Sun's azimuth (from north through east, 0..2π) and altitude (with refraction), both in radians,
// for month 1..12, day of month and hour 0.0..23.0 of the record, at the site of block `where`.
void solpos(EngineState& state, int month, int day, double hour, double& azimuth, double& altitude);

} // namespace engine
