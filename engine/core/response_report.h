// Lines of the harmonic and response-factor phases in the text report (unit 61): their error
// messages and the diagnostics switched on by the print switches of the first card.
#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "common/fixed_width.h"

namespace engine {

struct EngineState;

// Writes the values with the format (a format text with literals, as the result files use) to the
// text report.
void reportFormatted(EngineState& state, std::string_view format, std::span<const fw::Value> values);
void reportFormatted(EngineState& state, std::string_view format, std::initializer_list<fw::Value> values);

// An error message of these phases: written to the text report and to the console, where the
// modeller shows it when the run fails.
void reportError(EngineState& state, std::string_view format, std::span<const fw::Value> values);
void reportError(EngineState& state, std::string_view format, std::initializer_list<fw::Value> values);

} // namespace engine
