// The occupancy file of a climate zone (Data/Occupant/OCCUPNN.DAT): the day-zone and sleeping-zone
// control sets, the hourly set-point profiles and the hourly internal gain profiles, laid out in the
// 51 lines the modeller reads.
//
// Heating set-points and gains are the same in every climate; the cooling set-point follows the
// climate (the comfort temperature of the warmest month, see coolingSetPoint).
#pragma once

#include "data/climate/climate_normals.h"

#include <array>
#include <string>
#include <vector>

namespace climate {

using HourlyProfile = std::array<double, 24>; // hours 1-24; hour 1 runs from midnight to 1 am

inline constexpr double kNoHeating = -99.0; // °C, heating off in that hour
inline constexpr double kNoCooling = 99.0;  // °C, cooling off in that hour

// Cooling set-point of the climate, °C: the neutral temperature 0.31 × T + 17.6 of the warmest
// month's mean temperature T, plus 1.5 K, to the nearest half degree and within 23.5 .. 27.5.
double coolingSetPoint(const PlaceNormals& place);

// The file's 51 lines, without line ends.
std::vector<std::string> occupancyFileLines(const PlaceNormals& place);

// "OCCUP" + two digits + ".DAT".
std::string occupancyFileName(int zone);

} // namespace climate
