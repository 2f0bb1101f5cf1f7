// Where the solar routines write: the text report for their notes, and the end of a run.
#pragma once

#include <ostream>
#include <string_view>

#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {

// The text report output.txt, or the engine's console while no report is open.
inline std::ostream& textReportOf(EngineState& state) {
    return state.textReport != nullptr ? *state.textReport : *state.console;
}

// The console line that follows the glazing heat balance's "More than 10 iterations" when it ends
// the run.
inline constexpr std::string_view kGlazingUnsettled =
    "WINDOW GLAZING HEAT BALANCE DID NOT SETTLE. CALCULATION STOPPED";
// The line after it, naming the zone and the step: "IN ZONE", z, "AT STEP", s, "OF DAY", d, "OF MONTH", m.
inline constexpr std::string_view kGlazingUnsettledZone = "IN ZONE ";
inline constexpr std::string_view kGlazingUnsettledStep = " AT STEP ";
inline constexpr std::string_view kGlazingUnsettledDay = " OF DAY ";
inline constexpr std::string_view kGlazingUnsettledMonth = " OF MONTH ";

} // namespace engine
