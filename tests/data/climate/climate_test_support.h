// Shared helpers of the climate data tests: the program folder's files and the table of normals.
#pragma once

#include "data/climate/climate_normals.h"

#include <filesystem>
#include <string>
#include <vector>

namespace climate_test {

// The table of normals in the source tree.
const std::vector<climate::PlaceNormals>& places();

// A file of the built program folder, found without regard to case; fails the test when missing.
std::filesystem::path programFile(const std::string& relative);

// The lines of a file of the program folder.
std::vector<std::string> programLines(const std::string& relative);

// "climatNN.TXT" and "OCCUPNN.DAT" of zone n.
std::string climateName(int zone);
std::string occupancyName(int zone);

} // namespace climate_test
