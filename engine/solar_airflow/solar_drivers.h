// The hourly solar and sol-air drivers of one step.
#pragma once

namespace engine {

struct EngineState;

// Fills the step's column of the driver tables: the outdoor dry bulb, the sol-air temperatures of the
// wall and roof paths and the solar gains of the zones.  factor is 0.01 in every call of the time
// loop; hmax is the largest wind-speed reduction factor of the zone cards.
void solahf(EngineState& state, int istep, double factor, double hmax);

} // namespace engine
