// The programs spell one file name several ways ("SCRATCH" and "scratch", "Data", "DATA" and
// "data"), so every fixed name is looked up without regard to case.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace common {

// Finds `relative` (one name or a path with '/' or '\' separators) under `folder`, matching each
// component without regard to ASCII case; an exact match wins over others.  Returns nothing when
// some component does not exist.
std::optional<std::filesystem::path> findCaseInsensitive(const std::filesystem::path& folder,
                                                         std::string_view relative);

// The path to use for writing `relative` under `folder`: every component that already exists in any
// case is taken as it is spelt on disk, the rest as given.  Writing "ENERGY.TXT" thus replaces an
// existing "energy.txt" instead of adding a second file.
std::filesystem::path resolveForWriting(const std::filesystem::path& folder, std::string_view relative);

bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace common
