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

} // namespace engine
