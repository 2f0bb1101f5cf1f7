// One hourly record of a climate file (Data/Climate/climatNN.TXT), described once as a table of
// fixed-width fields and written and read through the shared field helpers.
//
// The engine reads a record with (4X,2I2,2X,F4.1,F3.1,4X,F3.1,F2.0,I1,10X,F3.0,F4.0); the temperature
// displays also take the hour from columns 9-10.  Every real is written without its decimal point,
// with the implied decimals of its descriptor (" 215" is 21.5 °C), so that a negative temperature
// such as -12.3 °C still fits its four columns as "-123".
#pragma once

#include <string>
#include <string_view>

namespace climate {

struct ClimateRecord {
    int month = 1;        // 1-12
    int day = 1;          // day of the month
    int hour = 0;         // 0-23, local standard time of the hour the record stands for
    double dryBulb = 0;   // °C
    double moisture = 0;  // humidity ratio, g water per kg dry air
    double windSpeed = 0; // m/s
    int windCode = 0;     // direction the wind blows from, sixteenths of a circle; 0 calm, 16 north
    int cloud = 0;        // cloud cover, oktas 0-8
    double diffuse = 0;   // diffuse horizontal irradiance, W/m²
    double beam = 0;      // direct normal irradiance, W/m²
};

// The engine's edit descriptors of a climate record.
inline constexpr std::string_view kClimateRecordFormat =
    "(4X,2I2,2X,F4.1,F3.1,4X,F3.1,F2.0,I1,10X,F3.0,F4.0)";

// The record's text (44 columns, no line end).  Throws std::range_error when a value does not fit
// its field.
std::string formatClimateRecord(const ClimateRecord& record);

// Reads a record with the engine's descriptors plus the hour of columns 9-10.  Returns false when a
// field is not a number.
bool parseClimateRecord(std::string_view text, ClimateRecord& record);

// The file name of climate zone n (1-69): "climat" + two digits + ".TXT".
std::string climateFileName(int zone);

} // namespace climate
