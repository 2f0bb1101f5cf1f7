// The table of monthly climate normals (data/climate/climate_normals.txt): for every climate zone
// the real place that stands for it, with its position and its long-term monthly means.  The
// weather generator, the location tables and the occupancy files are all built from it.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace climate {

using Monthly = std::array<double, 12>; // January .. December

struct PlaceNormals {
    int zone = 0;      // climate zone 1-69
    std::string place; // the place whose normals these are
    std::string state; // state or territory abbreviation
    int postcode = 0;
    double latitude = 0;         // degrees, south negative
    double longitude = 0;        // degrees east
    double elevation = 0;        // m above sea level
    double summerWindFrom = 0;   // prevailing wind direction October-March, degrees from north
    double winterWindFrom = 0;   // the same for April-September
    Monthly maxTemperature{};    // mean daily maximum, °C
    Monthly minTemperature{};    // mean daily minimum, °C
    Monthly afternoonHumidity{}; // mean relative humidity at 3 pm, %
    Monthly windSpeed{};         // mean wind speed, m/s
    Monthly cloudCover{};        // mean cloud cover, oktas
};

// Standard meridian of the local clock time, degrees east, by postcode: 120 in Western Australia
// (6000-6999), 142.5 in South Australia (5000-5999) and the Northern Territory (800-899), else 150.
// The modeller's project card uses the same rule, so the engine reads the hours as written.
double standardMeridian(int postcode);

// Reads the table.  Throws std::runtime_error naming the file and line of the first fault.  The
// zones must run 1, 2, ... without gaps.
std::vector<PlaceNormals> readClimateNormals(const std::filesystem::path& file);

// A compass point ("N", "NNE", ... "NNW") as degrees from north; throws std::invalid_argument.
double compassDegrees(const std::string& point);

} // namespace climate
