// Where the solar routines write: the text report for their notes, and the end of a run.
#pragma once

#include <ostream>

#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {

// The text report output.txt, or the engine's console while no report is open.
inline std::ostream& textReportOf(EngineState& state) {
    return state.textReport != nullptr ? *state.textReport : *state.console;
}

} // namespace engine
