// Finding the files that the input reads: the card file, the material file, the climate file and the
// glazing libraries.  Names are matched without regard to case; a path on a card may use '\' or '/'.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace engine {

struct InputBlocks;

// The file named by `name` (a card's path field or a fixed name), relative to the working directory
// unless absolute.  Nothing when it does not exist.
std::optional<std::filesystem::path> findInputFile(const InputBlocks& blocks, std::string_view name);

// As findInputFile, but a missing file ends the run with a message naming it.
std::filesystem::path requireInputFile(InputBlocks& blocks, std::string_view name);

// Why the engine may not write a result file at `output`, or empty when it may: the path is one of
// the run's input files (the card file, the material file, the climate file, a glazing library named
// on a card, the work file) or a shipped file of the program folder (anything in its Data folder, the
// fixed data files beside the programs, the programs themselves).  Paths are compared as the files
// they reach, so another spelling, a link or "./" and ".." parts change nothing.
std::string outputFault(const InputBlocks& blocks, const std::filesystem::path& output);

} // namespace engine
