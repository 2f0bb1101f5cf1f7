// How the solar routines report: messages to the console or the text report, and the end of a run.
#pragma once

#include <iostream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "engine/core/state.h"

namespace engine {

// Thrown to end the run after a solar routine's message; the main program turns it into a non-zero
// exit status.
struct SolarRunStopped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Writes the message to the console and ends the run.
[[noreturn]] inline void stopSolarRun(const std::string& message) {
    std::cout << message << '\n';
    throw SolarRunStopped(message);
}

// The text report output.txt, or the console while no report is open.
inline std::ostream& textReportOf(EngineState& state) {
    return state.textReport != nullptr ? *state.textReport : std::cout;
}

} // namespace engine
