// The location tables of the site dialogs, built from data/climate/localities.txt and
// data/climate/cities.txt and the table of climate normals:
//   Data/PC.TXT      postcode, a 5-character state field, locality (one line per locality)
//   Data/CLIMPC.TXT  postcode, longitude, latitude, then 1-3 climate zones as " NN"
//   Data/clim69.txt  zone, latitude and longitude of its place, a 5-character state field, name
//   CITIES1.DAT      label position code, size class, longitude, latitude, name
#pragma once

#include "data/climate/climate_normals.h"

#include <filesystem>
#include <string>
#include <vector>

namespace climate {

struct Postcode {
    int postcode = 0;
    std::string state;
    double longitude = 0;   // degrees east
    double latitude = 0;    // degrees, south negative
    std::vector<int> zones; // 1-3 climate zones, the usual one first
    std::vector<std::string> localities;
};

struct City {
    int labelPosition = 1; // 1-5, where the name goes beside the dot
    int sizeClass = 1;     // 1 large, 2 small
    double longitude = 0;
    double latitude = 0;
    std::string name;
};

// Each reader throws std::runtime_error naming the file and line of the first fault.
std::vector<Postcode> readLocalities(const std::filesystem::path& file);
std::vector<City> readCities(const std::filesystem::path& file);

// Table lines, without line ends.
std::vector<std::string> postcodeLocalityLines(const std::vector<Postcode>& postcodes); // PC.TXT
std::vector<std::string> postcodeClimateLines(const std::vector<Postcode>& postcodes);  // CLIMPC.TXT
std::vector<std::string> climateZoneLines(const std::vector<PlaceNormals>& places);     // clim69.txt
std::vector<std::string> cityLines(const std::vector<City>& cities);                    // CITIES1.DAT

// Checks that every zone of a postcode exists and every zone can be chosen through some postcode.
// Throws std::runtime_error naming the fault.
void checkZoneCoverage(const std::vector<Postcode>& postcodes, int zoneCount);

} // namespace climate
