// The weather generator: a year of hourly weather (365 days, 8760 records, January 1 first) for
// one climate zone from the monthly normals of its place.
//
// Day-to-day weather comes from first-order autoregressive series (spells of cloudy or clear,
// warm or cool, humid or dry, windy or calm days).  Each day's maximum and minimum temperature are
// joined by a diurnal curve tied to sunrise and sunset; the cloud cover sets the day's temperature
// range and, through a clear-sky model and a cloud attenuation, the global irradiance, which a
// diffuse-fraction correlation splits into diffuse and beam.  Every month is then calibrated so that
// its means of daily maximum and minimum temperature, vapour pressure, wind speed and cloud cover
// reproduce the normals.
#pragma once

#include "data/climate/climate_normals.h"
#include "data/climate/climate_record.h"

#include <vector>

namespace climate {

inline constexpr int kDaysPerYear = 365;
inline constexpr int kHoursPerYear = 8760;

// Month (1-12) and day of the month of day n (1-365) of a year without 29 February.
struct CalendarDate {
    int month;
    int day;
};
CalendarDate calendarDate(int dayOfYear);

// The year of hourly records for `place`; the same place gives the same records on every machine.
std::vector<ClimateRecord> generateClimateYear(const PlaceNormals& place);

} // namespace climate
