// Completion of the ventilation-opening data after the input.
#pragma once

namespace engine {

struct EngineState;

// Pairs each opening with the matching opening of the zone beyond, makes the heights of the larger
// opening types relative and derives the flow coefficients of every opening.  Called once, after
// the card file has been read.
void checkventinput(EngineState& state);

} // namespace engine
