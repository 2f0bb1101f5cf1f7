// The climate file: one fixed-width text record per hour of the weather year.  The input reads it
// once for its mean dry bulb and opens it again for the time loop, which reads it a day at a time.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "common/arrays.h"

namespace engine {

struct EngineState;

// The values of one hourly record.
struct ClimateRecord {
    int month = 0;
    int day = 0;
    double tair = 0.0;   // dry bulb, °C
    double wmoist = 0.0; // humidity ratio, g/kg
    double wspeed = 0.0; // wind speed, m/s
    double wdir = 0.0;   // wind direction, degrees (code × 22.5; above 359 becomes 0)
    int cloud = 0;       // cloud cover digit
    double difrad = 0.0; // diffuse horizontal irradiance, W/m²
    double dirrad = 0.0; // direct normal irradiance, W/m²
};

enum class ClimateRead { Record, EndOfFile, IllegalData };

// The climate file open on the engine's unit 10.  Reading reuses one line buffer, so the hourly loop
// allocates nothing.
class ClimateFile {
  public:
    // False when the file cannot be opened.
    bool open(const std::filesystem::path& file);
    void close();
    bool isOpen() const { return in_.is_open(); }
    const std::filesystem::path& path() const { return path_; }
    // Records read since the file was opened.
    long records() const { return records_; }

    ClimateRead next(ClimateRecord& record);
    // Only the dry bulb, as the mean-temperature pass reads it.
    ClimateRead nextDryBulb(double& tair);

  private:
    bool nextLine();
    std::ifstream in_;
    std::filesystem::path path_;
    std::string line_;
    long records_ = 0;
};

// Largest number of records of the mean-temperature pass: 366 days of 24 hours.
inline constexpr int kMaxClimateRecords = 8784;

// The mean dry bulb of the file's first records (at most a leap year).
struct ClimateMean {
    ClimateRead status = ClimateRead::Record; // IllegalData when a record could not be read
    long records = 0;
    double mean = 0.0; // °C; 0 when no record was read
};
ClimateMean meanDryBulb(ClimateFile& file);

// One day of weather as the time loop reads it: 24 × nwxhr records into the steps of block `clim`
// (one step per record).
struct ClimateDay {
    ClimateRead status = ClimateRead::Record;   // EndOfFile: the file ended before the day was complete
    int records = 0;                            // records read for the day
    common::FixedArray1<int, 1, 24> month, day; // month and day of each record, for the sun position
    common::FixedArray1<double, 1, 24> hour;    // hour of each record, 0.0 .. 23.0
    int lastMonth = 0;                          // month and day of the day's last record: the day simulated
    int lastDay = 0;
    double tmax = -999.0; // highest dry bulb of the day, °C
};
// Reads the next day from the climate file open on unit 10 into `clim` (tair, wmoist, wspeed, wdir,
// cloud, difrad, dirrad of steps 1..24).
void readClimateDay(EngineState& state, ClimateDay& day);

} // namespace engine
