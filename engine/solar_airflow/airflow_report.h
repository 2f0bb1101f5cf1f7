// The air-flow report: the flows and pressures of every active zone for each call of the network,
// written when the input switches it on.
#pragma once

#include <fstream>
#include <string>

namespace engine {

struct EngineState;

// The report file, opened at its first record of the run (it is named by the input).
struct AirflowReportFile {
    std::ofstream file;
    std::string line; // the record being built
};

// Writes the records of one call of the network: a block per active zone, the building summary
// and the zone pressures.  istep and istat are the step of the day and the network's status.
// Throws std::runtime_error naming the file when it cannot be opened or written.
void writeflowreport(EngineState& state, int istep, int istat);

} // namespace engine
