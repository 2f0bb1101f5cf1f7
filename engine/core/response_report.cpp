#include "engine/core/response_report.h"

#include <string>
#include <vector>

#include "engine/core/result_files.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {

void reportFormatted(EngineState& state, std::string_view format, std::span<const fw::Value> values) {
    const ReportFormat parsed(format);
    for (const std::string& line : parsed.lines(values)) state.units.report << line << '\n';
}

void reportFormatted(EngineState& state, std::string_view format, std::initializer_list<fw::Value> values) {
    reportFormatted(state, format, std::span<const fw::Value>(values.begin(), values.size()));
}

void reportError(EngineState& state, std::string_view format, std::span<const fw::Value> values) {
    for (const std::string& line : ReportFormat(format).lines(values)) {
        state.units.report << line << '\n';
        consoleLine(state, line);
    }
}

void reportError(EngineState& state, std::string_view format, std::initializer_list<fw::Value> values) {
    reportError(state, format, std::span<const fw::Value>(values.begin(), values.size()));
}

} // namespace engine
