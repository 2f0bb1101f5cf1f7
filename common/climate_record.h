// One hourly record of a climate file, as both programs read it: the engine's input and time loop,
// and the modeller's climate statistics.  The record's field layout is described here once; every
// reader of a climate file goes through these functions.
#pragma once

#include <string_view>

namespace common {

// The edit descriptors of a climate record: month, day and hour (columns 5-10), dry bulb (11-14,
// with its sign), moisture (15-17), wind speed (22-24), wind direction code (25-26), cloud digit
// (27), diffuse (38-40) and direct (41-44) irradiance.
inline constexpr std::string_view kClimateRecordLayout = "(4X,3I2,F4.1,F3.1,4X,F3.1,F2.0,I1,10X,F3.0,F4.0)";

// The values of one record, as written in the file.
struct ClimateRecordFields {
    int month = 0;
    int day = 0;
    int hour = 0;           // clock hour of the record, 0..23
    double dryBulb = 0.0;   // °C
    double moisture = 0.0;  // humidity ratio, g of water per kg of dry air
    double windSpeed = 0.0; // m/s
    double windCode = 0.0;  // wind direction in sixteenths of a circle
    int cloud = 0;          // cloud cover digit
    double diffuse = 0.0;   // diffuse horizontal irradiance, W/m²
    double direct = 0.0;    // direct normal irradiance, W/m²
};

// Reads one record (its text without the line end).  Blanks read as zeros and reals written without
// a point take the implied decimals of their descriptor.  Returns 0, or the first column of a field
// that is not a number; `record` is then left as it was.  Allocates nothing.
int readClimateRecord(std::string_view line, ClimateRecordFields& record);

// Days of month 1..12 in a year that has 29 February; 0 for any other month.
int daysInMonth(int month);

} // namespace common
