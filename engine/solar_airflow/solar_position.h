// The sun's position for a weather record: the approximate solar position algorithm of the
// astronomical almanac (Michalsky, 1988), for the calendar year 1995 whatever year the input names.
#pragma once

namespace engine {

struct EngineState;

// The calendar year of every sun position: the climate years are typical years without a leap day.
constexpr int kSolarYear = 1995;

// The integer part of x truncated toward zero, less one for a negative x.
int intb(double x);

// Day of the year of a date.  A record dated 29 February gets the day number of 1 March.
void daynumber(int day, int month, int year, int& n);

// Azimuth (rad, from north through east, in [0, 2 pi)) and altitude (rad, with refraction) of the
// sun on day n of year at universal time t (hours), seen from latitude lat and longitude lon
// (rad, south and west negative).
void sunazel(int year, int n, double t, double lat, double lon, double& azimuth, double& altitude);

// The sun's azimuth and altitude (rad) for a weather record of the site in block `where`: month and
// day of the record and its clock hour in local standard time (0.0 for the day's first record).
void solpos(EngineState& state, int month, int day, double hour, double& azimuth, double& altitude);

} // namespace engine
