// The two solvers of the zone pressures of the air-flow network, both under-relaxed: `initp` with
// every opening made linear in its pressure difference (the first guesses), and `solvep`, one
// Newton step on the zone mass balances with each opening's power law.
#pragma once

namespace engine {

struct EngineState;

// Marks the zones whose pressure the solvers hold fixed in the step (`airflowwork.ifixed`): a zone
// whose own openings carry no air, and the first zone (in network order) of each group of zones
// that open openings join to each other but not to the outdoors.  The pressure level of such a
// group is free; fixing one zone of it keeps the system regular while the others balance their
// flows against it.  Call after the opening factors and coefficients of the step are known.
void fixfloatingzones(EngineState& state);

void initp(EngineState& state);
void solvep(EngineState& state);

} // namespace engine
