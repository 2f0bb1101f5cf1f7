// The engine's main program: the run constants, the history re-weighting tables and the phases of
// one simulation in their fixed order.
#pragma once

namespace engine {

struct EngineState;

// Block `time`: 60-minute weather records and calculation steps.
void setTimeConstants(EngineState& state);

// Block `valu`: the weights of the geometric grid of the response-history shift.
void fillValu(EngineState& state);

// Runs one simulation in the working directory of `state`.  Returns the process exit status: 0 only
// after the last phase; non-zero after input errors, a limit or consistency stop or a file that
// cannot be read.
int runEngine(EngineState& state);

// Runs only the input phase (start-up constants, cards, shipped data, completion of the input) with
// the same exit status rules as a whole run.
int runInput(EngineState& state);

} // namespace engine
