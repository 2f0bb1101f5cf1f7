// Monthly statistics of a climate file for the climate details dialog and its printable summary
// table (OUTPUT/climatNN.CLM): days, mean daily maximum, minimum, swing and mean dry bulb, the
// neutral (comfort) temperature, mean daily solar radiation on the horizontal and mean humidity.
//
// The climate file is read a day at a time, 24 hourly records, each through the climate record
// reader the engine uses; a day counts for the month of its 24th record.
#pragma once

#include "common/arrays.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

using MonthlyValues = common::FixedArray1<double, 1, 12>;

struct TClimateStatistics {
    MonthlyValues Radiation{};          // mean daily total on a horizontal plane, MJ/m²
    MonthlyValues MeanTemperature{};    // mean of the daily mean dry bulbs, °C
    MonthlyValues Maximum{};            // mean of the daily maxima, °C
    MonthlyValues Minimum{};            // mean of the daily minima, °C
    MonthlyValues Swing{};              // mean of daily maximum − daily minimum, K
    MonthlyValues Humidity{};           // mean of the daily mean humidity ratios, g/kg
    MonthlyValues Days{};               // days of the month in the file
    MonthlyValues NeutralTemperature{}; // 0.31 × mean temperature + 17.6, °C
    double AnnualRadiation = 0.0;       // mean of the monthly radiation values, MJ/m²
    double AnnualTemperature = 0.0;     // mean of the monthly mean temperatures, °C
};

inline constexpr int kClimateRecordsPerDay = 24; // hourly records of a day

// The neutral temperature of a month of mean temperature `meanTemperature` (°C).
double NeutralTemperatureOf(double meanTemperature);

// The sun's altitude in radians (0 when the sun is down) for day `day` of month `month` (no leap
// day), hour `hour` (0..23, solar time) at latitude `latitude` (degrees, south negative).
double SolarAltitude(int day, int month, int hour, double latitude);

// The statistics of a climate file.  A month without a day in the file keeps zeros and counts in
// neither annual mean.  Raises ModelError naming the file and line when the file cannot be read, a
// field is not a number, a month or day is out of range, or the file ends inside a day.
TClimateStatistics ComputeClimateStatistics(const std::filesystem::path& climateFile, double latitude);

// ---- The dialog's charts ----------------------------------------------------------------------

// The temperature chart's two stacked bars of each month: the minimum (blue) and on it the rest up
// to the maximum.  A minimum below 0 °C hangs below the axis, and the upper bar then rises from 0 to
// the maximum, so the bars always span minimum to maximum.
struct TemperatureBars {
    MonthlyValues lower{}, upper{};
};
TemperatureBars TemperatureBarsOf(const TClimateStatistics& statistics);

// A chart's value axis: the designed limits, widened in whole steps where a bar would pass them.
struct ChartScale {
    double minimum = 0.0;
    double maximum = 0.0;
};
ChartScale ChartScaleFor(const MonthlyValues& low, const MonthlyValues& high, double designedMinimum,
                         double designedMaximum, double step);

// The climate file of `climateFileName` in the program folder's climate folder, when it exists.
std::optional<std::filesystem::path> FindClimateFile(const std::filesystem::path& rootDir,
                                                     std::string_view climateFileName);
// The path the climate details dialog names when the file is missing.
std::filesystem::path ExpectedClimateFile(const std::filesystem::path& rootDir,
                                          std::string_view climateFileName);

// The summary table's text, CR LF lines, for the climate file at `climateFile`.
std::string ClimateSummaryText(const TClimateStatistics& statistics, const std::string& climateFile);
// OUTPUT/ + the first 8 characters of the climate file name + ".CLM" in the program folder.
std::filesystem::path ClimateSummaryFile(const std::filesystem::path& rootDir,
                                         std::string_view climateFileName);
// Writes the summary table and returns its path.  Raises ModelError naming the file when it cannot
// be written (the OUTPUT folder is missing, for one); an older table is then left as it was.
std::filesystem::path WriteClimateSummary(const std::filesystem::path& rootDir,
                                          std::string_view climateFileName,
                                          const TClimateStatistics& statistics,
                                          const std::string& climateFile);

} // namespace pelmora
