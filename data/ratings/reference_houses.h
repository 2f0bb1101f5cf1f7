// The reference houses of the star rating's calibration: a single-level house of two zones (living
// across the north, sleeping across the south), every zone heated and cooled, built through the
// model's own operations in one of three standards of construction, and simulated by the engine for
// one climate's year.
#pragma once

#include <filesystem>
#include <string>

namespace calibration {

enum class Standard { PoorlyInsulated, Typical, WellInsulated };
const char* standardName(Standard standard);

// The place that stands for a climate zone.
struct ClimateSite {
    int zone = 0;
    std::string place;
    int postcode = 0;
    double latitude = 0.0;  // degrees, south negative
    double longitude = 0.0; // degrees east
};

struct RunResult {
    double energy = 0.0;                             // MJ, heating plus sensible and latent cooling, year
    double area = 0.0;                               // m2, conditioned floor area
    double perArea() const { return energy / area; } // MJ/m2
};

// Simulates the house of `standard` and `floorArea` (m2) at `site` in the work folder `workFolder`
// (a short path: the engine reads each path as a field of 120 characters), which must hold the
// program folder's data files (prepareWorkFolder).  Throws std::runtime_error naming the house when
// the card file cannot be written, the engine stops or the energy file cannot be read.
RunResult simulateReferenceHouse(const std::filesystem::path& workFolder, const ClimateSite& site,
                                 Standard standard, double floorArea);

// Copies what the engine and the card writer read for `climate` from the program folder into the
// work folder.
void prepareWorkFolder(const std::filesystem::path& programFolder, const std::filesystem::path& workFolder,
                       int climate);

} // namespace calibration
