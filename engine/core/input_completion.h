// Completion of the input after the last card: the values of roof spaces and subfloor spaces, the
// result files and the head of the text report, the section records of the work file, each zone's
// floor and ceiling areas, the share of the transmitted solar radiation that each surface of a
// glazed zone absorbs, and the zone path records that tell the zone response which driver acts on
// which path.
#pragma once

#include "engine/core/work_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct EngineState;

// Everything the input reader does after the card file: the spaces of step A when a card of data
// type 9 ended the input, then opens the result files, writes the report head, the section records,
// and per zone the surface sums, the solar distribution and the zone records.  The work file is
// opened in the working directory unless the main program has opened it.  The ventilation openings
// are completed (checkventinput) before it.  Stops the run (RunStopped) with its console message for
// the consistency errors (no roofs over a roof space, a roof pitch of 90 degrees or more, a glazed
// zone without floor area or volume) and for a result file that cannot be created.  After an illegal
// field of the cards (input error flag set) it does nothing, so the run ends with the abnormal end.
void completeInput(EngineState& state);

// A: areas, lengths and film coefficients of every roof-space ("RoofSA") and subfloor-space
// ("SubFlA") zone.  A link whose section has no film resistance gives a coefficient of 0, and a
// subfloor space without ground contact an air-path cross-section of 0.
void roofAndSubfloorSpaces(EngineState& state);

// The file a result file's name stands for: a path relative to the working directory, or a full
// path; its separators may be '\'.  Empty for a blank name.
std::filesystem::path resultFilePath(const EngineState& state, std::string_view name);

// B.3 - B.8: opens the result files in the working directory (or where their full names point) and writes
// the first line of the hourly temperature file and the head of the text report.
void openResultFiles(EngineState& state);
std::vector<std::string> reportHeadLines(const EngineState& state);

// B.10: floor area Af and ceiling area Ac of every zone, m2.
void zoneSurfaceSums(EngineState& state);

// C: the solar distribution of zone z over its walls, floors and ceilings (replaces their shgf).
void solarDistribution(EngineState& state, int z);

// D: the zone path records of every zone and the closing record.
void zoneRecords(EngineState& state);
// The records of zone z, in file order (driver row 0 first).
std::vector<ZonePathRecord> zonePathRecords(EngineState& state, int z);

} // namespace engine
