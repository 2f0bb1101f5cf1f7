// Sky-diffuse shading of windows and skylights for one month.
#pragma once

namespace engine {

struct EngineState;

// Fills the month's sky-diffuse shading factors of every window and skylight, for the month in
// `tim.imonth`.
void calcdiffuseshading(EngineState& state);

} // namespace engine
