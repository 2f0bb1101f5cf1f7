// The engine's work file `tape52`: written during the input (the section records, two internal-mass
// markers, the end record of the section part, then the zone path records and a closing record),
// read back by the harmonic conduction and zone response phases, deleted after them.
//
// Each record is framed by its byte length (4-byte little-endian integer) before and after.  Inside a
// record INTEGER values are 4-byte little-endian integers, REAL values 4-byte IEEE floats and texts
// blank-padded to their width.
#pragma once

#include "common/framed_records.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace engine {

struct EngineState;

inline constexpr int kSectionEndKey = 10000;   // key of the end record of the section part
inline constexpr int kZoneAirKey = 2500;       // marker of the zone air capacity
inline constexpr int kRoofSpaceMassKey = 2501; // marker of the roof-space mass
inline constexpr int kMaxSectionEntries = 12;  // outer film, ten layers, inner film
inline constexpr int kPathEnd = 11;            // path code that ends every zone path record
inline constexpr std::size_t kZoneNameWidth = 15;

// One building section as a chain of resistances and capacitances, outside first.
struct SectionRecord {
    int key = 0;                                // the section's first gorcum key, or a marker or end key
    int n = 0;                                  // number of entries
    std::array<double, kMaxSectionEntries> r{}; // resistance of each entry, m2K/W
    std::array<double, kMaxSectionEntries> c{}; // capacitance of each entry, kJ/m2K
    int i3 = 0; // last entry of the core (entries i4 + 1 .. i3); the inner film follows
    int i4 = 0; // last entry of the outer film part
};

// Which driver acts on which paths of one zone.
struct ZonePathRecord {
    int zone = 0;
    std::string name;          // 15 characters; 15 blanks in the closing record
    int row = 0;               // driver row, 0 for the zone's own record
    std::vector<int> code;     // path codes, the last one kPathEnd
    std::vector<double> value; // weights: m2, m3, W/K or a factor
};

// The open work file of a run.
struct WorkFile {
    std::filesystem::path path = "tape52";
    std::unique_ptr<common::RecordWriter> writer;
};

// Creates (or empties) the work file and makes it the one the input writes to.  Throws
// common::RecordError naming the file when it cannot be created.
void openWorkFile(EngineState& state, const std::filesystem::path& path = "tape52");
// The writer of the open work file; throws common::RecordError when none is open.
common::RecordWriter& workFileWriter(EngineState& state);
// Ends the writing so the records can be read from the start.
void closeWorkFile(EngineState& state);
// Closes and removes the work file.
void deleteWorkFile(EngineState& state);

void writeSectionRecord(common::RecordWriter& out, const SectionRecord& section);
void writeZonePathRecord(common::RecordWriter& out, const ZonePathRecord& zone);
// Throw common::RecordError for a record of the wrong size or an impossible count.
SectionRecord readSectionRecord(common::Record& record);
ZonePathRecord readZonePathRecord(common::Record& record);

} // namespace engine
