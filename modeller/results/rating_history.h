// The rating history file: the kept simulation records written after every run and read back at
// start-up, every value on a line of its own followed by a caption, so that a person can read it too.
#pragma once

#include "modeller/results/simulation_records.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pelmora {

inline constexpr std::string_view kPastRatingsFile = "DATA/PASTRATE.TXT";

// The file's text for records 1..count (CR LF line ends).  Sets each written record's Total and
// ZoneTotal from its parts first, as the file's total lines do.
std::string pastRatingsText(SimulationHistory& history);

// Rewrites the history file in the program folder.  Raises ModelError naming the file when it cannot
// be written; the old file then stays as it was.
void WritePastRatings(SimulationHistory& history, const std::filesystem::path& rootDir);

// Reads the history file of the program folder.  Raises ModelError naming the file and line when it
// cannot be read, holds a value that is not a number, a record count outside 0..9 or a zone count
// outside 0..100; the history in memory is then left as it was.
void ReadPastRatings(SimulationHistory& history, const std::filesystem::path& rootDir);

// Deletes the history file when it exists; a file that cannot be deleted stays.
void DeletePastRatings(const std::filesystem::path& rootDir);

} // namespace pelmora
